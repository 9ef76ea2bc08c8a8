#include "compute/SvodSumList4.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

bool kTSvodSumList4::Compute(const mTDeclaration& decl, const kTSvodSum& s) {
    if (decl.ReturnKind != kReturnResident)
        return true;
    Rate = "09";
    // No deduction applies at 9% (art. 210 p.4).
    TotalIncome = s.PrilA9.TotalIncome + s.PrilB9.OtherIncome;
    TaxableIncome = TotalIncome;
    TaxBase = TotalIncome;
    TaxComputed = TaxAtRate(TaxBase, TaxRate::Percent9);
    TaxWithheld = s.PrilA9.TaxWithheld;
    ForeignTaxCredit = s.PrilB9.TaxCredited;
    close();
    return true;
}

} // namespace velmar
