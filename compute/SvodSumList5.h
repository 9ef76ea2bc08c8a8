#pragma once
// Rate 15%: dividends of a non-resident (Tax Code art. 224 p.3).
#include "compute/SvodSumRateList.h"
#include "model/DeclClasses.h"

namespace velmar {

class kTSvodSum;

struct kTSvodSumList5 : kTSvodSumRateList {
    bool Compute(const mTDeclaration& decl, const kTSvodSum& svod);
    void Reset() { *this = kTSvodSumList5{}; }
    bool operator==(const kTSvodSumList5&) const = default;
};

} // namespace velmar
