#pragma once
// Income at 9% of a resident.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilA9 {
    Currency TotalIncome;
    Currency TaxWithheld;
    Currency TaxComputed;
    Currency TaxableIncome;

    bool Compute(mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilA9{}; }

    bool operator==(const kTSvodSumPrilA9&) const = default;
    template <class V>
    void fields(V& v) const {
        v("TotalIncome", TotalIncome); v("TaxWithheld", TaxWithheld);
        v("TaxComputed", TaxComputed); v("TaxableIncome", TaxableIncome);
    }
};

} // namespace velmar
