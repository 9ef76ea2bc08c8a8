#include "compute/SvodSumList3.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

bool kTSvodSumList3::Compute(const mTDeclaration& decl, const kTSvodSum& s) {
    if (decl.ReturnKind != kReturnResident)
        return true;
    Rate = "35";
    TotalIncome = s.PrilA35.TotalIncome + s.PrilB35.OtherIncome;
    ExemptIncome = s.PrilM.AdPrizeExempt;
    TaxableIncome = max0(TotalIncome - ExemptIncome);
    // No deduction applies at 35% (art. 210 p.4).
    TaxBase = TaxableIncome;
    TaxComputed = TaxAtRate(TaxBase, TaxRate::Percent35);
    TaxWithheld = s.PrilA35.TaxWithheld;
    WithheldMatBenefit = s.PrilA35.WithheldMatBenefit;
    ForeignTaxCredit = s.PrilB35.TaxCredited;
    close();
    return true;
}

} // namespace velmar
