#pragma once
// Dividends of a non-resident, taxed at 15% per source.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilA15 {
    Currency TotalIncome;
    Currency TaxWithheld;
    Currency TaxComputed;
    Currency TaxableIncome;

    bool Compute(mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilA15{}; }

    bool operator==(const kTSvodSumPrilA15&) const = default;
    template <class V>
    void fields(V& v) const {
        v("TotalIncome", TotalIncome); v("TaxWithheld", TaxWithheld);
        v("TaxComputed", TaxComputed); v("TaxableIncome", TaxableIncome);
    }
};

} // namespace velmar
