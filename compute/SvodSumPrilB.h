#pragma once
// Income received in foreign currency, for one rate: one line per income with
// the Russian tax on it and the foreign tax credited (Tax Code art. 232).
#include "compute/Rounding.h"
#include "model/DeclClasses.h"

#include <string>
#include <vector>

namespace velmar {

// One foreign income as the foreign-income sheet shows it.
struct DohodCur {
    std::string CountryCode;
    std::string CurrencyName;
    std::string CurrencyCode;
    std::string SourceName;
    TDateTime IncomeDate;
    std::string IncomeRateText;        // roubles per unit on the income date, e.g. "65.4321"
    std::string IncomeInCurrencyText;  // two decimals, "." separator
    Currency IncomeInRoubles;
    int32_t IncomeCode = 0;
    Currency DeductionAmount;
    int32_t DeductionCode = 0;
    TDateTime TaxPaymentDate;
    std::string TaxRateText;
    std::string TaxInCurrencyText;
    Currency TaxInRoubles;
    Currency RussianTax;   // tax due in Russia on this income, whole roubles
    Currency TaxCredited;  // foreign tax credited, whole roubles
    std::string IncomeKind;  // "1" profit of a controlled foreign company, else "2"

    bool operator==(const DohodCur&) const = default;
    template <class V>
    void fields(V& v) const {
        v("CountryCode", CountryCode); v("CurrencyName", CurrencyName);
        v("CurrencyCode", CurrencyCode); v("SourceName", SourceName);
        v("IncomeDate", IncomeDate); v("IncomeRateText", IncomeRateText);
        v("IncomeInCurrencyText", IncomeInCurrencyText); v("IncomeInRoubles", IncomeInRoubles);
        v("IncomeCode", IncomeCode); v("DeductionAmount", DeductionAmount);
        v("DeductionCode", DeductionCode); v("TaxPaymentDate", TaxPaymentDate);
        v("TaxRateText", TaxRateText); v("TaxInCurrencyText", TaxInCurrencyText);
        v("TaxInRoubles", TaxInRoubles); v("RussianTax", RussianTax);
        v("TaxCredited", TaxCredited); v("IncomeKind", IncomeKind);
    }
};

// One instance per rate: PrilB13, PrilB9, PrilB35.
struct kTSvodSumPrilB {
    explicit kTSvodSumPrilB(TaxRate rate) : Rate(rate) {}

    Currency OtherIncome;     // income of codes other than 1000 and 1010
    Currency KikProfit;       // code 1000, profit of controlled foreign companies
    Currency Dividends;       // code 1010
    Currency ForeignTaxPaid;  // sum of the lines' TaxInRoubles
    Currency DividendTax;     // sum of the lines' RussianTax on code 1010
    Currency TaxCredited;     // sum of the lines' TaxCredited
    std::vector<DohodCur> Lines;

    bool Compute(const mTDeclaration& decl);
    // Zeroes the totals and empties the lines; the rate stays.
    void Reset() { *this = kTSvodSumPrilB(Rate); }
    TaxRate rate() const { return Rate; }

    bool operator==(const kTSvodSumPrilB&) const = default;
    template <class V>
    void fields(V& v) const {
        v("OtherIncome", OtherIncome); v("KikProfit", KikProfit); v("Dividends", Dividends);
        v("ForeignTaxPaid", ForeignTaxPaid); v("DividendTax", DividendTax);
        v("TaxCredited", TaxCredited); v("Lines", Lines);
    }

private:
    TaxRate Rate;
};

// The rate text of a foreign-income line: rate / units rounded half up to four
// decimals, shortest form with "."; empty when units is 0.
std::string ExchangeRateText(Currency rate, int32_t units);
// An amount with exactly two decimals and "." ("1234.50"), cut like the file's amounts.
std::string TwoDecimalsText(Currency amount);

} // namespace velmar
