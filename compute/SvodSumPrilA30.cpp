#include "compute/SvodSumPrilA30.h"

#include "compute/IncomeTypeCode.h"

namespace velmar {

bool kTSvodSumPrilA30::Compute(mTDeclaration& decl) {
    if (decl.ReturnKind != kReturnNonResident)
        return true;
    // A non-resident keeps the income taxed at 30% in `Sources13`.
    for (size_t i = 0; i < decl.Sources13.Count(); ++i) {
        mTThirteenPercent& source = decl.Sources13.Item(i);
        ClassifyIncomeType(source);
        TotalIncome += source.TotalIncome;
        TaxableIncome += source.TaxableIncome;
        TaxComputed += source.TaxComputed;
        TaxWithheld += source.TaxWithheld;
    }
    for (size_t i = 0; i < decl.InvestPartnerships.Count(); ++i) {
        mTInvestTov& partnership = decl.InvestPartnerships.Item(i);
        partnership.IncomeTypeCode = kIncomeTypeSecurities;
        for (const InvestIncomeItem& line : partnership.Incomes.items())
            TotalIncome += line.IncomeAmount;
        TaxableIncome += partnership.TaxableIncome;
        TaxComputed += partnership.TaxComputed;
        TaxWithheld += partnership.TaxWithheld;
    }
    return true;
}

} // namespace velmar
