#include "compute/SvodSum.h"

#include "compute/AmountGuard.h"

namespace velmar {

void kTSvodSum::ResetAll() {
    List1.Reset(); List2.Reset(); List3.Reset(); List4.Reset(); List5.Reset(); List6.Reset();
    PrilA9.Reset(); PrilA13.Reset(); PrilA15.Reset(); PrilA30.Reset(); PrilA35.Reset();
    PrilB13.Reset(); PrilB9.Reset(); PrilB35.Reset();
    PrilV1.Reset(); PrilM.Reset(); PrilG.Reset(); PrilG_In.Reset();
    PrilE1.Reset(); PrilE2.Reset(); PrilE3.Reset();
    PrilH1.Reset(); PrilZ.Reset(); PrilJ.Reset(); PrilI.Reset();
}

// The income sheets by rate and the business sheet: always.
bool kTSvodSum::computeSheets(mTDeclaration& decl) {
    return PrilA9.Compute(decl) && PrilA13.Compute(decl) && PrilA15.Compute(decl) && PrilA30.Compute(decl) &&
           PrilA35.Compute(decl) && PrilV1.Compute(decl);
}

// Exempt income, deductions, securities, partnerships and foreign income: only
// with some kind of income. Each sheet reads only sheets computed before it;
// the purchase deduction comes last because it is measured against all others.
bool kTSvodSum::computeDeductionSheets(mTDeclaration& decl) {
    return PrilM.Compute(decl) && PrilG.Compute(decl) && PrilG_In.Compute(decl) && PrilH1.Compute(decl) &&
           PrilI.Compute(decl) && PrilJ.Compute(decl, PrilI) && PrilB13.Compute(decl) && PrilB9.Compute(decl) &&
           PrilB35.Compute(decl) && PrilE1.Compute(decl) && PrilE3.Compute(decl) && PrilE2.Compute(decl, *this) &&
           PrilZ.Compute(decl, *this);
}

bool kTSvodSum::computeSection2(const mTDeclaration& decl) {
    return List1.Compute(decl, *this) && List2.Compute(decl, *this) && List3.Compute(decl, *this) &&
           List4.Compute(decl, *this) && List5.Compute(decl, *this);
}

bool kTSvodSum::Compute(mTDeclaration& decl) {
    ResetAll();
    // The estimated-income return has no sheets and no sections.
    if (decl.ReturnKind == kReturn4NDFL)
        return true;
    CheckComputableAmounts(decl);
    if (!computeSheets(decl))
        return false;
    if (decl.IncomeKinds != 0 && !computeDeductionSheets(decl))
        return false;
    if (!computeSection2(decl))
        return false;
    return List6.Compute(decl, *this);
}

} // namespace velmar
