#pragma once
// Income of a resident at 35%. Assigns each source its taxable income and tax.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilA35 {
    Currency TotalIncome;         // income of the sources other than code 2620
    Currency TaxWithheld;         // tax withheld by those sources
    Currency WithheldMatBenefit;  // tax withheld on exempt loan benefit (code 2620)

    bool Compute(mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilA35{}; }

    bool operator==(const kTSvodSumPrilA35&) const = default;
    template <class V>
    void fields(V& v) const {
        v("TotalIncome", TotalIncome); v("TaxWithheld", TaxWithheld);
        v("WithheldMatBenefit", WithheldMatBenefit);
    }
};

} // namespace velmar
