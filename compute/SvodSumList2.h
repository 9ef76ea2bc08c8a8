#pragma once
// Rate 30%: income of a non-resident (Tax Code art. 224 p.3).
#include "compute/SvodSumRateList.h"
#include "model/DeclClasses.h"

namespace velmar {

class kTSvodSum;

struct kTSvodSumList2 : kTSvodSumRateList {
    bool Compute(const mTDeclaration& decl, const kTSvodSum& svod);
    void Reset() { *this = kTSvodSumList2{}; }
    bool operator==(const kTSvodSumList2&) const = default;
};

} // namespace velmar
