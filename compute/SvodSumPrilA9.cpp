#include "compute/SvodSumPrilA9.h"

#include "compute/IncomeTypeCode.h"

namespace velmar {

bool kTSvodSumPrilA9::Compute(mTDeclaration& decl) {
    if (decl.ReturnKind != kReturnResident)
        return true;
    for (size_t i = 0; i < decl.Sources9.Count(); ++i) {
        mTThirtyPercent& source = decl.Sources9.Item(i);
        source.IncomeTypeCode = kIncomeTypeOther;
        TotalIncome += source.TotalIncome;
        TaxableIncome += source.TaxableIncome;
        TaxComputed += source.TaxComputed;
        TaxWithheld += source.TaxWithheld;
    }
    return true;
}

} // namespace velmar
