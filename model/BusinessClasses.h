#pragma once
// Foreign-currency incomes, kinds of business activity and tax payment records.
#include "model/StgClasses.h"

#include <array>
#include <string>

namespace velmar {

// Roubles of `amount` in a currency quoted at `rate` roubles per `units` units,
// cut to kopecks: a half kopeck or more rounds up for positive amounts, negative
// amounts round toward zero. 0 when `units` is 0.
Currency ConvertToRoubles(Currency amount, Currency rate, int32_t units);

class mTCurrencyIncome {
public:
    mTCurrencyIncome();

    void SetIncomeInCurrency(Currency value);
    void SetTaxInCurrency(Currency value);

    void SaveTo(mTDocumentStorage& storage, size_t index) const;
    void LoadFrom(mTDocumentStorage& storage, size_t index);
    uint32_t SavedSize(size_t index) const {
        return CountedSize([&](mTDocumentStorage& s) { SaveTo(s, index); });
    }

    int32_t IncomeCodeRate = 0;
    int32_t IncomeCode = 0;
    std::string IncomeCodeName;
    std::string SourceName;
    std::string CountryCode;
    TDateTime IncomeDate;
    TDateTime TaxPaymentDate;
    std::string CurrencyCode;
    Currency IncomeDateRate;
    int32_t IncomeDateUnits = 0;
    Currency TaxDateRate;
    int32_t TaxDateUnits = 0;
    std::string CurrencyName;
    Currency IncomeInCurrency;
    Currency IncomeInRoubles;
    Currency TaxInCurrency;
    Currency TaxInRoubles;
    uint8_t AutoExchange = 0;
    int32_t DeductionCode = 0;
    Currency DeductionAmount;
    int32_t DeductionPercent = 0;

    template <class V>
    void fields(V& v) {
        v("IncomeCodeRate", IncomeCodeRate); v("IncomeCode", IncomeCode);
        v("IncomeCodeName", IncomeCodeName); v("SourceName", SourceName);
        v("CountryCode", CountryCode); v("IncomeDate", IncomeDate);
        v("TaxPaymentDate", TaxPaymentDate); v("CurrencyCode", CurrencyCode);
        v("IncomeDateRate", IncomeDateRate); v("IncomeDateUnits", IncomeDateUnits);
        v("TaxDateRate", TaxDateRate); v("TaxDateUnits", TaxDateUnits);
        v("CurrencyName", CurrencyName); v("IncomeInCurrency", IncomeInCurrency);
        v("IncomeInRoubles", IncomeInRoubles); v("TaxInCurrency", TaxInCurrency);
        v("TaxInRoubles", TaxInRoubles); v("AutoExchange", AutoExchange);
        v("DeductionCode", DeductionCode); v("DeductionAmount", DeductionAmount);
        v("DeductionPercent", DeductionPercent);
    }
};

class mTBusinessNew {
public:
    void SaveTo(mTDocumentStorage& storage, size_t index) const;
    void LoadFrom(mTDocumentStorage& storage, size_t index);
    uint32_t SavedSize(size_t index) const {
        return CountedSize([&](mTDocumentStorage& s) { SaveTo(s, index); });
    }

    std::string ActivityKind;
    std::string ActivityCode = "..";
    uint8_t HasDocumentedExpenses = 1;
    Currency BusinessIncome;
    Currency TotalExpenses;
    Currency MaterialExpenses;
    Currency Depreciation;
    Currency LabourCosts;
    Currency LabourUnderContracts;
    Currency OtherExpenses;
    std::array<Currency, 13> ExpenseReserve{};
    Currency ExpensesWithoutDocuments;

    template <class V>
    void fields(V& v) {
        v("ActivityKind", ActivityKind); v("ActivityCode", ActivityCode);
        v("HasDocumentedExpenses", HasDocumentedExpenses); v("BusinessIncome", BusinessIncome);
        v("TotalExpenses", TotalExpenses); v("MaterialExpenses", MaterialExpenses);
        v("Depreciation", Depreciation); v("LabourCosts", LabourCosts);
        v("LabourUnderContracts", LabourUnderContracts); v("OtherExpenses", OtherExpenses);
        v("ExpenseReserve", ExpenseReserve); v("ExpensesWithoutDocuments", ExpensesWithoutDocuments);
    }
};

class mTNalog {
public:
    void SaveTo(mTDocumentStorage& storage, size_t index) const;
    void LoadFrom(mTDocumentStorage& storage, size_t index);
    uint32_t SavedSize(size_t index) const {
        return CountedSize([&](mTDocumentStorage& s) { SaveTo(s, index); });
    }

    std::string PaymentText1;
    std::string PaymentText2;
    Currency PaymentAmount;

    template <class V>
    void fields(V& v) {
        v("PaymentText1", PaymentText1); v("PaymentText2", PaymentText2);
        v("PaymentAmount", PaymentAmount);
    }
};

} // namespace velmar
