#pragma once
// Rate 35%: prizes and the like of a resident (Tax Code art. 224 p.2).
#include "compute/SvodSumRateList.h"
#include "model/DeclClasses.h"

namespace velmar {

class kTSvodSum;

struct kTSvodSumList3 : kTSvodSumRateList {
    bool Compute(const mTDeclaration& decl, const kTSvodSum& svod);
    void Reset() { *this = kTSvodSumList3{}; }
    bool operator==(const kTSvodSumList3&) const = default;
};

} // namespace velmar
