#pragma once
// Section 2 of the return: tax base and tax for one rate. List1 to List5 share
// this layout; each fills it by its own rule and then applies the common closing.
#include "model/Currency.h"

#include <string>

namespace velmar {

struct kTSvodSumRateList {
    std::string Rate;           // Ставка: "13", "30", "35", "09", "15"; empty when the rate is not used
    Currency TotalIncome;       // ДоходОбщ, kopecks
    Currency ExemptIncome;      // ДоходОбщНеНал
    Currency Deductions;        // СумНалВыч
    Currency TaxableIncome;     // ДоходОбщНал
    Currency ExpensesLosses;    // СумРасхУм
    Currency DividendIncome;    // СумДохДивКИК
    Currency TaxBase;           // НалБаза
    Currency TaxComputed;       // Исчисл, whole roubles from here on
    Currency TaxWithheld;       // УдержОбщ
    Currency WithheldMatBenefit;  // УдержОбщМВ
    Currency AdvancesPaid;      // УплАвФакт
    Currency FixedAdvanceCredit;  // ОбщАвУплЗач227.1
    Currency ForeignTaxCredit;  // УплИнПодлЗач
    Currency TaxAssessed;       // ИсчислУпл
    Currency ToRefund;          // ПодлВозв
    Currency PatentCredit;      // УплПатентЗач
    Currency TradeLevyCredit;   // ТСУплПерЗач
    Currency ToPay;             // ПодлУпл

    bool operator==(const kTSvodSumRateList&) const = default;
    template <class V>
    void fields(V& v) const {
        v("Rate", Rate); v("TotalIncome", TotalIncome); v("ExemptIncome", ExemptIncome);
        v("Deductions", Deductions); v("TaxableIncome", TaxableIncome);
        v("ExpensesLosses", ExpensesLosses); v("DividendIncome", DividendIncome);
        v("TaxBase", TaxBase); v("TaxComputed", TaxComputed); v("TaxWithheld", TaxWithheld);
        v("WithheldMatBenefit", WithheldMatBenefit); v("AdvancesPaid", AdvancesPaid);
        v("FixedAdvanceCredit", FixedAdvanceCredit); v("ForeignTaxCredit", ForeignTaxCredit);
        v("TaxAssessed", TaxAssessed); v("ToRefund", ToRefund); v("PatentCredit", PatentCredit);
        v("TradeLevyCredit", TradeLevyCredit); v("ToPay", ToPay);
    }

    // Steps every rate shares.
    // Deductions never exceed what is left of the taxable income after expenses
    // and losses, and never go below 0; the base is what is left after them,
    // plus the dividend-type income.
    void capDeductionsAndBase();
    // Tax to assess, to pay and to refund from the tax and its credits.
    void close();
};

} // namespace velmar
