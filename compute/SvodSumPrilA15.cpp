#include "compute/SvodSumPrilA15.h"

#include "compute/IncomeTypeCode.h"
#include "compute/Rounding.h"

namespace velmar {

bool kTSvodSumPrilA15::Compute(mTDeclaration& decl) {
    if (decl.ReturnKind != kReturnNonResident)
        return true;
    for (size_t i = 0; i < decl.DividendSources.Count(); ++i) {
        mTThirtyPercent& source = decl.DividendSources.Item(i);
        source.IncomeTypeCode = kIncomeTypeDividends;
        TotalIncome += source.TotalIncome;
        TaxableIncome += source.TaxableIncome;
        // Each payment of dividends is taxed on its own, so the rounding is per source.
        TaxComputed += TaxAtRate(source.TaxableIncome, TaxRate::Percent15);
        TaxWithheld += source.TaxWithheld;
    }
    return true;
}

} // namespace velmar
