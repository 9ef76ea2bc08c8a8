#pragma once
// Deductions against income from selling property (Tax Code art. 220 p.2):
// fixed deductions, documented purchase expenses, property redeemed for public needs.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumPrilH1 {
    Currency HousingIncome;          // 1510 with 901
    Currency HousingDeduction;       // 901
    Currency HousingShareDeduction;  // 904
    Currency HousingShareIncome;     // 1511 with 904
    Currency HousingExpIncome;       // 1510 or 1511 with 903
    Currency HousingExpenses;        // 903 on 1510/1511
    Currency OtherRealIncome;        // 1512 with 902
    Currency OtherRealDeduction;     // 902
    Currency OtherRealExpIncome;     // 1512 with 903
    Currency OtherRealExpenses;      // 903 on 1512
    Currency OtherPropIncome;        // 1520 with 906
    Currency OtherPropDeduction;     // 906
    Currency OtherPropExpIncome;     // 1520 with 903
    Currency OtherPropExpenses;      // 903 on 1520
    Currency RedemptionIncome;       // 4900 with 908
    Currency RedemptionDeduction;    // 908
    Currency Total;                  // the eight deductions

    bool Compute(const mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilH1{}; }

    bool operator==(const kTSvodSumPrilH1&) const = default;
    template <class V>
    void fields(V& v) const {
        v("HousingIncome", HousingIncome); v("HousingDeduction", HousingDeduction);
        v("HousingShareDeduction", HousingShareDeduction); v("HousingShareIncome", HousingShareIncome);
        v("HousingExpIncome", HousingExpIncome); v("HousingExpenses", HousingExpenses);
        v("OtherRealIncome", OtherRealIncome); v("OtherRealDeduction", OtherRealDeduction);
        v("OtherRealExpIncome", OtherRealExpIncome); v("OtherRealExpenses", OtherRealExpenses);
        v("OtherPropIncome", OtherPropIncome); v("OtherPropDeduction", OtherPropDeduction);
        v("OtherPropExpIncome", OtherPropExpIncome); v("OtherPropExpenses", OtherPropExpenses);
        v("RedemptionIncome", RedemptionIncome); v("RedemptionDeduction", RedemptionDeduction);
        v("Total", Total);
    }
};

} // namespace velmar
