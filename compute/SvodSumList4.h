#pragma once
// Rate 9% of a resident (Tax Code art. 224 p.5).
#include "compute/SvodSumRateList.h"
#include "model/DeclClasses.h"

namespace velmar {

class kTSvodSum;

struct kTSvodSumList4 : kTSvodSumRateList {
    bool Compute(const mTDeclaration& decl, const kTSvodSum& svod);
    void Reset() { *this = kTSvodSumList4{}; }
    bool operator==(const kTSvodSumList4&) const = default;
};

} // namespace velmar
