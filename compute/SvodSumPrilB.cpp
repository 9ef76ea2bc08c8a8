#include "compute/SvodSumPrilB.h"

namespace velmar {

namespace {

// Income codes of foreign income with a meaning of their own.
constexpr int32_t kIncomeCodeKikProfit = 1000;   // profit of a controlled foreign company
constexpr int32_t kIncomeCodeDividends = 1010;
// Exempt loan benefit; it has no place among foreign incomes.
constexpr int32_t kIncomeCodeExemptLoanBenefit = 2620;

// The dictionary gives each income code a rate attribute: the rate itself, the
// rate + 1 for dividends and the rate + 86 for profit of controlled companies.
bool belongsToRate(int32_t codeRate, int percent) {
    return codeRate == percent || codeRate == percent + 1 || codeRate == percent + 86;
}

DohodCur lineOf(const mTCurrencyIncome& record) {
    DohodCur line;
    line.CountryCode = record.CountryCode;
    line.CurrencyName = record.CurrencyName;
    line.CurrencyCode = record.CurrencyCode;
    line.SourceName = record.SourceName;
    line.IncomeDate = record.IncomeDate;
    line.IncomeRateText = ExchangeRateText(record.IncomeDateRate, record.IncomeDateUnits);
    line.IncomeInCurrencyText = TwoDecimalsText(record.IncomeInCurrency);
    line.IncomeInRoubles = record.IncomeInRoubles;
    line.IncomeCode = record.IncomeCode;
    line.DeductionAmount = record.DeductionAmount;
    line.DeductionCode = record.DeductionCode;
    line.TaxPaymentDate = record.TaxPaymentDate;
    line.TaxRateText = ExchangeRateText(record.TaxDateRate, record.TaxDateUnits);
    line.TaxInCurrencyText = TwoDecimalsText(record.TaxInCurrency);
    line.TaxInRoubles = record.TaxInRoubles;
    line.IncomeKind = record.IncomeCode == kIncomeCodeKikProfit ? "1" : "2";
    return line;
}

} // namespace

std::string ExchangeRateText(Currency rate, int32_t units) {
    if (units == 0)
        return {};
    // A Currency already counts ten-thousandths, so rate / units rounded half up
    // in units is the rate rounded to four decimals.
    const __int128 u = rate.units(), n = units;
    const bool negative = (u < 0) != (n < 0);
    const __int128 a = u < 0 ? -u : u, b = n < 0 ? -n : n;
    const __int128 q = (a + b / 2) / b;
    return Currency::fromUnits(static_cast<int64_t>(negative ? -q : q)).toText();
}

std::string TwoDecimalsText(Currency amount) {
    if (amount < Currency())
        return "0.00";
    const int64_t units = amount.units();
    const int64_t whole = units / Currency::kUnitsPerRouble;
    const int64_t kopecks = units % Currency::kUnitsPerRouble / Currency::kUnitsPerKopeck;
    std::string text = std::to_string(whole) + (kopecks < 10 ? ".0" : ".") + std::to_string(kopecks);
    if (text.size() > 15)
        return "999999999999.99";
    return text;
}

bool kTSvodSumPrilB::Compute(const mTDeclaration& decl) {
    Reset();
    if (!(decl.IncomeKinds & kIncomeCurrency))
        return true;
    const int percent = percentOf(Rate);
    for (size_t i = 0; i < decl.CurrencyIncomes.Count(); ++i) {
        const mTCurrencyIncome& record = decl.CurrencyIncomes.Item(i);
        if (!belongsToRate(record.IncomeCodeRate, percent) || record.IncomeCode == kIncomeCodeExemptLoanBenefit)
            continue;
        DohodCur line = lineOf(record);
        // The tax due in Russia on this income, against which the tax paid
        // abroad is credited, never above it (Tax Code art. 232 p.1).
        const Currency base = max0(record.IncomeInRoubles - record.DeductionAmount);
        line.RussianTax = TaxAtPercent(base, percent);
        line.TaxCredited = RoundHalfUp(max0(minOf(line.RussianTax, record.TaxInRoubles)));

        if (record.IncomeCode == kIncomeCodeKikProfit) {
            KikProfit += record.IncomeInRoubles;
        } else if (record.IncomeCode == kIncomeCodeDividends) {
            Dividends += record.IncomeInRoubles;
            DividendTax += line.RussianTax;
        } else {
            OtherIncome += record.IncomeInRoubles;
        }
        ForeignTaxPaid += record.TaxInRoubles;
        TaxCredited += line.TaxCredited;
        Lines.push_back(std::move(line));
    }
    return true;
}

} // namespace velmar
