#pragma once
// Income of a non-resident at 30%: the sources the non-resident keeps in
// `Sources13`, and investment partnerships.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilA30 {
    Currency TotalIncome;
    Currency TaxWithheld;
    Currency TaxComputed;
    Currency TaxableIncome;

    bool Compute(mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilA30{}; }

    bool operator==(const kTSvodSumPrilA30&) const = default;
    template <class V>
    void fields(V& v) const {
        v("TotalIncome", TotalIncome); v("TaxWithheld", TaxWithheld);
        v("TaxComputed", TaxComputed); v("TaxableIncome", TaxableIncome);
    }
};

} // namespace velmar
