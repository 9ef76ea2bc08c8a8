#include "model/StavClasses.h"

namespace velmar {

namespace {

const char* thirteenStream(int variant) { return variant == 0 ? "@ThirteenPercent" : "@ThirteenPerceNR"; }
const char* thirteenItemStream(int variant) { return variant == 0 ? "@SourseIncome" : "@SourseIncoNR"; }
const char* thirtyStream(int variant) { return variant == 1 ? "@ThirtyPercent" : "@NinePercent"; }

} // namespace

// ---------------------------------------------------------------- 13%

mTThirteenPercent::mTThirteenPercent(const mTThirteenPercent& other)
    : mTSourseIncomeInfo(other), Incomes(TotalIncome), MonthAmounts(other.MonthAmounts),
      StandardBySource(other.StandardBySource), TaxComputed(other.TaxComputed),
      TaxableIncome(other.TaxableIncome), SourceAmount176(other.SourceAmount176) {
    Incomes.copyItemsFrom(other.Incomes);
}

void mTThirteenPercent::SetMonthAmount(size_t month, Currency value) {
    if (value == AbsentAmount)
        MonthAmounts.at(month).reset();
    else
        MonthAmounts.at(month) = value;
}

void mTThirteenPercent::SaveTo(mTDocumentStorage& s, size_t index, int variant) const {
    withWhere(372, [&] {
        const std::string suffix = IndexSuffix(index);
        s.CreateStream(thirteenStream(variant) + suffix);
        s.WriteByte(StandardBySource);
        s.WriteString(SourceINN); s.WriteString(SourceKPP);
        s.WriteString(SourceOKTMO); s.WriteString(SourceName);
        s.WriteCurrency(TaxWithheld); s.WriteCurrency(TaxableIncome);
        s.WriteCurrency(TaxComputed); s.WriteCurrency(SourceAmount176);
        for (const auto& month : MonthAmounts) {
            if (month)
                s.WriteCurrency(*month);
            else
                s.WriteString("a");
        }
        s.WriteInteger(static_cast<uint32_t>(Incomes.IncomeCount()));
        for (size_t i = 0; i < Incomes.IncomeCount(); ++i) {
            const mTSourseIncome& item = Incomes.IncomeItem(i);
            s.CreateStream(thirteenItemStream(variant) + suffix + IndexSuffix(i));
            s.WriteInteger(static_cast<uint32_t>(item.IncomeCode));
            s.WriteString(item.IncomeCodeName);
            s.WriteCurrency(item.IncomeAmount);
            s.WriteInteger(static_cast<uint32_t>(item.DeductionCode));
            s.WriteCurrency(item.DeductionAmount);
            s.WriteInteger(static_cast<uint32_t>(item.DeductionPercent));
            s.WriteWord(item.Month);
        }
    });
}

void mTThirteenPercent::LoadFrom(mTDocumentStorage& s, size_t index, int variant) {
    withWhere(372, [&] {
        const std::string suffix = IndexSuffix(index);
        s.OpenStream(thirteenStream(variant) + suffix);
        // Files before layout 1.01 start with the INN.
        if (s.LayoutVersion() >= mTDocumentStorage::kLayout101)
            StandardBySource = s.ReadByte();
        SourceINN = s.ReadString(); SourceKPP = s.ReadString();
        SourceOKTMO = s.ReadString(); SourceName = s.ReadString();
        TaxWithheld = s.ReadCurrency(); TaxableIncome = s.ReadCurrency();
        TaxComputed = s.ReadCurrency(); SourceAmount176 = s.ReadCurrency();
        for (size_t m = 0; m < MonthAmounts.size(); ++m)
            SetMonthAmount(m, s.ReadCurrency());
        const int32_t count = s.ReadInteger();
        Incomes.clear();
        for (int32_t i = 0; i < count; ++i) {
            mTSourseIncome item;
            s.OpenStream(thirteenItemStream(variant) + suffix + IndexSuffix(static_cast<size_t>(i)));
            item.IncomeCode = s.ReadInteger();
            item.IncomeCodeName = s.ReadString();
            item.IncomeAmount = s.ReadCurrency();
            item.DeductionCode = s.ReadInteger();
            item.DeductionAmount = s.ReadCurrency();
            item.DeductionPercent = s.ReadInteger();
            item.Month = s.ReadWord();
            Incomes.AddIncome(item);
        }
    });
}

// ---------------------------------------------------------------- 35%

void mTThirtyFivePercent::SaveTo(mTDocumentStorage& s, size_t index, int) const {
    withWhere(373, [&] {
        s.CreateStream("@ThirtyFivePercent" + IndexSuffix(index));
        s.WriteInteger(static_cast<uint32_t>(IncomeCode));
        s.WriteString(SourceINN); s.WriteString(SourceKPP);
        s.WriteString(SourceOKTMO); s.WriteString(SourceName);
        s.WriteCurrency(TotalIncome);
        s.WriteInteger(static_cast<uint32_t>(DeductionCode));
        s.WriteCurrency(DeductionAmount);
        s.WriteCurrency(TaxWithheld);
    });
}

void mTThirtyFivePercent::LoadFrom(mTDocumentStorage& s, size_t index, int) {
    withWhere(374, [&] {
        s.OpenStream("@ThirtyFivePercent" + IndexSuffix(index));
        IncomeCode = s.ReadInteger();
        SourceINN = s.ReadString(); SourceKPP = s.ReadString();
        SourceOKTMO = s.ReadString(); SourceName = s.ReadString();
        TotalIncome = s.ReadCurrency();
        DeductionCode = s.ReadInteger();
        DeductionAmount = s.ReadCurrency();
        TaxWithheld = s.ReadCurrency();
    });
}

// ---------------------------------------------------------------- 30% and 9%

void mTThirtyPercent::SaveTo(mTDocumentStorage& s, size_t index, int variant) const {
    withWhere(375, [&] {
        s.CreateStream(thirtyStream(variant) + IndexSuffix(index));
        s.WriteInteger(static_cast<uint32_t>(IncomeCode));
        s.WriteString(SourceINN); s.WriteString(SourceKPP);
        s.WriteString(SourceOKTMO); s.WriteString(SourceName);
        s.WriteCurrency(TotalIncome); s.WriteCurrency(TaxComputed);
        s.WriteCurrency(TaxableIncome); s.WriteCurrency(TaxWithheld);
    });
}

void mTThirtyPercent::LoadFrom(mTDocumentStorage& s, size_t index, int variant) {
    withWhere(376, [&] {
        s.OpenStream(thirtyStream(variant) + IndexSuffix(index));
        IncomeCode = s.ReadInteger();
        SourceINN = s.ReadString(); SourceKPP = s.ReadString();
        SourceOKTMO = s.ReadString(); SourceName = s.ReadString();
        TotalIncome = s.ReadCurrency(); TaxComputed = s.ReadCurrency();
        TaxableIncome = s.ReadCurrency(); TaxWithheld = s.ReadCurrency();
    });
}

// ---------------------------------------------------------------- partnerships

mTInvestTov::mTInvestTov(const mTInvestTov& other)
    : mTSourseIncomeInfo(other), Incomes(TotalIncome), TaxComputed(other.TaxComputed),
      TaxableIncome(other.TaxableIncome) {
    Incomes.copyItemsFrom(other.Incomes);
}

void mTInvestTov::SaveTo(mTDocumentStorage& s, size_t index, int) const {
    withWhere(399, [&] {
        const std::string suffix = IndexSuffix(index);
        s.CreateStream("@InvestTov" + suffix);
        s.WriteString(SourceINN); s.WriteString(SourceKPP);
        s.WriteString(SourceOKTMO); s.WriteString(SourceName);
        s.WriteCurrency(TaxWithheld); s.WriteCurrency(TaxableIncome); s.WriteCurrency(TaxComputed);
        s.WriteInteger(static_cast<uint32_t>(Incomes.IncomeCount()));
        for (size_t i = 0; i < Incomes.IncomeCount(); ++i) {
            const InvestIncomeItem& item = Incomes.IncomeItem(i);
            s.CreateStream("@InvestTovIncome" + suffix + IndexSuffix(i));
            s.WriteInteger(static_cast<uint32_t>(item.OperationKind));
            s.WriteCurrency(item.IncomeAmount); s.WriteCurrency(item.ExpenseShare);
            s.WriteCurrency(item.ManagerExpenses); s.WriteCurrency(item.PriorYearsLoss);
        }
    });
}

void mTInvestTov::LoadFrom(mTDocumentStorage& s, size_t index, int) {
    withWhere(400, [&] {
        const std::string suffix = IndexSuffix(index);
        s.OpenStream("@InvestTov" + suffix);
        SourceINN = s.ReadString(); SourceKPP = s.ReadString();
        SourceOKTMO = s.ReadString(); SourceName = s.ReadString();
        TaxWithheld = s.ReadCurrency(); TaxableIncome = s.ReadCurrency(); TaxComputed = s.ReadCurrency();
        const int32_t count = s.ReadInteger();
        Incomes.clear();
        for (int32_t i = 0; i < count; ++i) {
            InvestIncomeItem item;
            s.OpenStream("@InvestTovIncome" + suffix + IndexSuffix(static_cast<size_t>(i)));
            item.OperationKind = s.ReadInteger();
            item.IncomeAmount = s.ReadCurrency(); item.ExpenseShare = s.ReadCurrency();
            item.ManagerExpenses = s.ReadCurrency(); item.PriorYearsLoss = s.ReadCurrency();
            Incomes.AddIncome(item);
        }
    });
}

} // namespace velmar
