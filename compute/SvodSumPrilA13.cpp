#include "compute/SvodSumPrilA13.h"

#include "compute/IncomeTypeCode.h"

namespace velmar {

namespace {

// The income of a partnership is the first amount of each of its income lines.
Currency partnershipIncome(const mTInvestTov& partnership) {
    Currency income;
    for (const InvestIncomeItem& line : partnership.Incomes.items())
        income += line.IncomeAmount;
    return income;
}

} // namespace

bool kTSvodSumPrilA13::Compute(mTDeclaration& decl) {
    auto addSource = [&](const mTThirteenPercent& source) {
        // The items' sum, kept equal to the source's TotalIncome by the model.
        TotalIncome += source.TotalIncome;
        TaxableIncome += source.TaxableIncome;
        TaxComputed += source.TaxComputed;
        TaxWithheld += source.TaxWithheld;
    };

    if (decl.ReturnKind == kReturnResident) {
        for (size_t i = 0; i < decl.Sources13.Count(); ++i) {
            mTThirteenPercent& source = decl.Sources13.Item(i);
            ClassifyIncomeType(source);
            addSource(source);
        }
        // Dividends are taxed per source; they enter the base apart from the other income.
        for (size_t i = 0; i < decl.DividendSources.Count(); ++i) {
            mTThirtyPercent& source = decl.DividendSources.Item(i);
            source.IncomeTypeCode = kIncomeTypeDividends;
            DividendIncome += source.TaxableIncome;
            DividendTax += source.TaxComputed;
            TaxWithheld += source.TaxWithheld;
        }
        for (size_t i = 0; i < decl.InvestPartnerships.Count(); ++i) {
            mTInvestTov& partnership = decl.InvestPartnerships.Item(i);
            partnership.IncomeTypeCode = kIncomeTypeSecurities;
            TotalIncome += partnershipIncome(partnership);
            TaxableIncome += partnership.TaxableIncome;
            TaxComputed += partnership.TaxComputed;
            TaxWithheld += partnership.TaxWithheld;
        }
    } else if (decl.ReturnKind == kReturnNonResident) {
        // A non-resident's 13% income is labour income (highly qualified
        // specialists, patents and the like); no item classification.
        for (size_t i = 0; i < decl.Sources13NR.Count(); ++i) {
            mTThirteenPercent& source = decl.Sources13NR.Item(i);
            source.IncomeTypeCode =
                source.TaxComputed > source.TaxWithheld ? kIncomeTypeLabourShort : kIncomeTypeLabour;
            addSource(source);
        }
    }
    FixedAdvance = decl.ForeignerFixedAdvance;
    return true;
}

} // namespace velmar
