#pragma once
// Business and private-practice income: income, professional deduction and
// advance payments.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilV1 {
    Currency Income;            // ДоходИт
    Currency ProfDeduction;     // ВычПрофИт, never above the income
    Currency AdvancesPaid;      // УплФактАвИт
    Currency AdvancesAssessed;  // НачислАвИт

    bool Compute(const mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilV1{}; }

    bool operator==(const kTSvodSumPrilV1&) const = default;
    template <class V>
    void fields(V& v) const {
        v("Income", Income); v("ProfDeduction", ProfDeduction);
        v("AdvancesPaid", AdvancesPaid); v("AdvancesAssessed", AdvancesAssessed);
    }
};

} // namespace velmar
