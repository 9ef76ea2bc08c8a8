#include "compute/SvodSumList2.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

bool kTSvodSumList2::Compute(const mTDeclaration& decl, const kTSvodSum& s) {
    if (decl.ReturnKind != kReturnResident && decl.ReturnKind != kReturnNonResident)
        return true;
    Rate = "30";
    if (decl.ReturnKind == kReturnNonResident) {
        TotalIncome = s.PrilA30.TotalIncome;
        ExemptIncome = s.PrilM.TotalExempt + s.PrilM.AdPrizeExempt;
        TaxableIncome = TotalIncome - ExemptIncome;
        ExpensesLosses = s.PrilJ.TotalExpenses + s.PrilI.TotalExpenses;
        // No deduction applies at 30% (art. 210 p.4).
        Deductions = Currency();
        capDeductionsAndBase();
        TaxComputed = TaxAtRate(TaxBase, TaxRate::Percent30);
        TaxWithheld = s.PrilA30.TaxWithheld;
    }
    close();
    return true;
}

} // namespace velmar
