#pragma once
// Rate 13%: the resident's general base with every deduction, or the
// non-resident's 13% income (Tax Code art. 224 p.1 and p.3).
#include "compute/SvodSumRateList.h"
#include "model/DeclClasses.h"

namespace velmar {

class kTSvodSum;

struct kTSvodSumList1 : kTSvodSumRateList {
    bool Compute(const mTDeclaration& decl, const kTSvodSum& svod);
    void Reset() { *this = kTSvodSumList1{}; }
    bool operator==(const kTSvodSumList1&) const = default;
};

} // namespace velmar
