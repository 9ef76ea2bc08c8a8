#include "model/BusinessClasses.h"

namespace velmar {

Currency ConvertToRoubles(Currency amount, Currency rate, int32_t units) {
    if (units == 0)
        return Currency();
    // kopecks = amount * rate / units, both money values in ten-thousandths:
    // exact in 128 bits instead of a real product.
    __int128 numerator = static_cast<__int128>(amount.units()) * rate.units();
    __int128 denominator = static_cast<__int128>(1000000) * units;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    __int128 kopecks = numerator / denominator;
    if (numerator > 0 && 2 * (numerator % denominator) >= denominator)
        kopecks += 1;
    return Currency::fromUnits(static_cast<int64_t>(kopecks * Currency::kUnitsPerKopeck));
}

mTCurrencyIncome::mTCurrencyIncome()
    : IncomeDate(encodeDateOrThrow(2015, 1, 1)), TaxPaymentDate(encodeDateOrThrow(2015, 1, 1)) {}

void mTCurrencyIncome::SetIncomeInCurrency(Currency value) {
    IncomeInCurrency = value;
    IncomeInRoubles = ConvertToRoubles(value, IncomeDateRate, IncomeDateUnits);
}

void mTCurrencyIncome::SetTaxInCurrency(Currency value) {
    TaxInCurrency = value;
    TaxInRoubles = ConvertToRoubles(value, TaxDateRate, TaxDateUnits);
}

void mTCurrencyIncome::SaveTo(mTDocumentStorage& s, size_t index) const {
    withWhere(377, [&] {
        s.CreateStream("@CurrencyIncome" + IndexSuffix(index));
        s.WriteInteger(static_cast<uint32_t>(IncomeCodeRate));
        s.WriteInteger(static_cast<uint32_t>(IncomeCode));
        s.WriteString(IncomeCodeName); s.WriteString(SourceName); s.WriteString(CountryCode);
        s.WriteDate(IncomeDate); s.WriteDate(TaxPaymentDate);
        s.WriteByte(AutoExchange);
        s.WriteString(CurrencyCode);
        s.WriteCurrency(IncomeDateRate);
        s.WriteInteger(static_cast<uint32_t>(IncomeDateUnits));
        s.WriteCurrency(TaxDateRate);
        s.WriteInteger(static_cast<uint32_t>(TaxDateUnits));
        s.WriteString(CurrencyName);
        s.WriteCurrency(IncomeInCurrency); s.WriteCurrency(IncomeInRoubles);
        s.WriteCurrency(TaxInCurrency); s.WriteCurrency(TaxInRoubles);
        s.WriteInteger(static_cast<uint32_t>(DeductionCode));
        s.WriteCurrency(DeductionAmount);
        s.WriteInteger(static_cast<uint32_t>(DeductionPercent));
    });
}

void mTCurrencyIncome::LoadFrom(mTDocumentStorage& s, size_t index) {
    withWhere(378, [&] {
        s.OpenStream("@CurrencyIncome" + IndexSuffix(index));
        IncomeCodeRate = s.ReadInteger();
        IncomeCode = s.ReadInteger();
        IncomeCodeName = s.ReadString(); SourceName = s.ReadString(); CountryCode = s.ReadString();
        IncomeDate = s.ReadDate(); TaxPaymentDate = s.ReadDate();
        AutoExchange = s.ReadByte();
        CurrencyCode = s.ReadString();
        IncomeDateRate = s.ReadCurrency();
        IncomeDateUnits = s.ReadInteger();
        TaxDateRate = s.ReadCurrency();
        TaxDateUnits = s.ReadInteger();
        CurrencyName = s.ReadString();
        // The rouble amounts are kept as stored, not recomputed.
        IncomeInCurrency = s.ReadCurrency(); IncomeInRoubles = s.ReadCurrency();
        TaxInCurrency = s.ReadCurrency(); TaxInRoubles = s.ReadCurrency();
        DeductionCode = s.ReadInteger();
        DeductionAmount = s.ReadCurrency();
        DeductionPercent = s.ReadInteger();
    });
}

void mTBusinessNew::SaveTo(mTDocumentStorage& s, size_t index) const {
    withWhere(379, [&] {
        const std::string suffix = IndexSuffix(index);
        s.CreateStream("@BusinessIncome" + suffix);
        s.WriteString(ActivityKind); s.WriteString(ActivityCode);
        s.WriteCurrency(BusinessIncome);
        s.WriteByte(HasDocumentedExpenses);
        if (HasDocumentedExpenses) {
            s.CreateStream("@BusinessExpense" + suffix);
            for (Currency value : {TotalExpenses, MaterialExpenses, Depreciation, LabourCosts,
                                   LabourUnderContracts, OtherExpenses})
                s.WriteCurrency(value);
            for (Currency value : ExpenseReserve)
                s.WriteCurrency(value);
        } else {
            s.WriteCurrency(ExpensesWithoutDocuments);
        }
    });
}

void mTBusinessNew::LoadFrom(mTDocumentStorage& s, size_t index) {
    withWhere(380, [&] {
        const std::string suffix = IndexSuffix(index);
        s.OpenStream("@BusinessIncome" + suffix);
        ActivityKind = s.ReadString(); ActivityCode = s.ReadString();
        BusinessIncome = s.ReadCurrency();
        HasDocumentedExpenses = s.ReadByte();
        if (HasDocumentedExpenses) {
            s.OpenStream("@BusinessExpense" + suffix);
            for (Currency* value : {&TotalExpenses, &MaterialExpenses, &Depreciation, &LabourCosts,
                                    &LabourUnderContracts, &OtherExpenses})
                *value = s.ReadCurrency();
            for (Currency& value : ExpenseReserve)
                value = s.ReadCurrency();
        } else {
            ExpensesWithoutDocuments = s.ReadCurrency();
        }
    });
}

void mTNalog::SaveTo(mTDocumentStorage& s, size_t index) const {
    withWhere(375, [&] {
        s.CreateStream("@NalogSub" + IndexSuffix(index));
        s.WriteString(PaymentText1); s.WriteString(PaymentText2); s.WriteCurrency(PaymentAmount);
    });
}

void mTNalog::LoadFrom(mTDocumentStorage& s, size_t index) {
    withWhere(376, [&] {
        s.OpenStream("@NalogSub" + IndexSuffix(index));
        PaymentText1 = s.ReadString(); PaymentText2 = s.ReadString(); PaymentAmount = s.ReadCurrency();
    });
}

} // namespace velmar
