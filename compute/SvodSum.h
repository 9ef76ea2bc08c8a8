#pragma once
// Every total of one return: the income sheets by rate, foreign and business
// income, exempt income, all deductions, securities and partnerships (the
// sheets), the tax base and tax for each rate (section 2) and the payment and
// refund lines (section 1).
//
// A kTSvodSum holds no input of its own. Create one, Compute once from the
// return, read the summaries, discard it. Compute writes a few computed values
// back into the return: each source's kind-of-income code, the taxable income
// and tax of the 35% sources, child-education amounts lowered to the limit, and
// each property object's part of the expenses and share flag.
#include "compute/SvodSumList1.h"
#include "compute/SvodSumList2.h"
#include "compute/SvodSumList3.h"
#include "compute/SvodSumList4.h"
#include "compute/SvodSumList5.h"
#include "compute/SvodSumList6.h"
#include "compute/SvodSumPrilA13.h"
#include "compute/SvodSumPrilA15.h"
#include "compute/SvodSumPrilA30.h"
#include "compute/SvodSumPrilA35.h"
#include "compute/SvodSumPrilA9.h"
#include "compute/SvodSumPrilB.h"
#include "compute/SvodSumPrilE1.h"
#include "compute/SvodSumPrilE2.h"
#include "compute/SvodSumPrilE3.h"
#include "compute/SvodSumPrilG.h"
#include "compute/SvodSumPrilH1.h"
#include "compute/SvodSumPrilI.h"
#include "compute/SvodSumPrilJ.h"
#include "compute/SvodSumPrilM.h"
#include "compute/SvodSumPrilV1.h"
#include "compute/SvodSumPrilZ.h"
#include "model/DeclClasses.h"

namespace velmar {

class kTSvodSum {
public:
    kTSvodSum() = default;

    // Computes every summary from the return. Returns true when no rate has tax
    // to pay and section 1 holds a line to pay or refund; false otherwise.
    // Throws EAmountsTooLarge (compute/AmountGuard.h), leaving every summary
    // zero, for a return whose amounts exceed what exact money can hold.
    bool Compute(mTDeclaration& decl);
    // Zeroes every summary and empties every line list.
    void ResetAll();

    kTSvodSumList1 List1;    // rate 13
    kTSvodSumList2 List2;    // rate 30
    kTSvodSumList3 List3;    // rate 35
    kTSvodSumList4 List4;    // rate 9
    kTSvodSumList5 List5;    // rate 15
    kTSvodSumList6 List6;    // section 1
    kTSvodSumPrilA9 PrilA9;
    kTSvodSumPrilA13 PrilA13;
    kTSvodSumPrilA15 PrilA15;
    kTSvodSumPrilA30 PrilA30;
    kTSvodSumPrilA35 PrilA35;
    kTSvodSumPrilB PrilB13{TaxRate::Percent13};
    kTSvodSumPrilB PrilB9{TaxRate::Percent9};
    kTSvodSumPrilB PrilB35{TaxRate::Percent35};
    kTSvodSumPrilV1 PrilV1;
    kTSvodSumPrilM PrilM;
    kTSvodSumPrilG PrilG;
    kTSvodSumPrilG_In PrilG_In;
    kTSvodSumPrilE1 PrilE1;
    kTSvodSumPrilE2 PrilE2;
    kTSvodSumPrilE3 PrilE3;
    kTSvodSumPrilH1 PrilH1;
    kTSvodSumPrilZ PrilZ;
    kTSvodSumPrilJ PrilJ;
    kTSvodSumPrilI PrilI;

    bool operator==(const kTSvodSum&) const = default;

    // Visits every summary under its member name, in the order above.
    template <class V>
    void members(V& v) const {
        v("List1", List1); v("List2", List2); v("List3", List3); v("List4", List4);
        v("List5", List5); v("List6", List6);
        v("PrilA9", PrilA9); v("PrilA13", PrilA13); v("PrilA15", PrilA15);
        v("PrilA30", PrilA30); v("PrilA35", PrilA35);
        v("PrilB13", PrilB13); v("PrilB9", PrilB9); v("PrilB35", PrilB35);
        v("PrilV1", PrilV1); v("PrilM", PrilM); v("PrilG", PrilG); v("PrilG_In", PrilG_In);
        v("PrilE1", PrilE1); v("PrilE2", PrilE2); v("PrilE3", PrilE3);
        v("PrilH1", PrilH1); v("PrilZ", PrilZ); v("PrilJ", PrilJ); v("PrilI", PrilI);
    }

private:
    bool computeSheets(mTDeclaration& decl);
    bool computeDeductionSheets(mTDeclaration& decl);
    bool computeSection2(const mTDeclaration& decl);
};

} // namespace velmar
