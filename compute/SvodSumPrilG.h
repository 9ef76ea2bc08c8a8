#pragma once
// Professional deductions and documented expenses (Tax Code art. 221): PrilG
// for income received in roubles, PrilG_In for foreign-currency income. One layout.
#include "model/DeclClasses.h"

namespace velmar {

struct kTSvodSumProfDeductions {
    Currency ContractIncome, ContractExpenses;          // 2010 / 403
    Currency AuthorIncome, AuthorExpenses;              // 2201..2209 / 404
    Currency AuthorNormIncome, AuthorNormExpenses;      // 2201..2209 / 405
    Currency CapitalShareIncome, CapitalShareExpenses;  // 1540 / 315, 1542 / 316
    Currency AssetSaleIncome, AssetSaleExpenses;        // 1544 / 317
    Currency ReducedShareIncome, ReducedShareExpenses;  // 1545 / 318
    Currency RightsAssignIncome, RightsAssignExpenses;  // 1550 / 314
    Currency Total;                                     // the seven expense fields

    bool operator==(const kTSvodSumProfDeductions&) const = default;
    template <class V>
    void fields(V& v) const {
        v("ContractIncome", ContractIncome); v("ContractExpenses", ContractExpenses);
        v("AuthorIncome", AuthorIncome); v("AuthorExpenses", AuthorExpenses);
        v("AuthorNormIncome", AuthorNormIncome); v("AuthorNormExpenses", AuthorNormExpenses);
        v("CapitalShareIncome", CapitalShareIncome); v("CapitalShareExpenses", CapitalShareExpenses);
        v("AssetSaleIncome", AssetSaleIncome); v("AssetSaleExpenses", AssetSaleExpenses);
        v("ReducedShareIncome", ReducedShareIncome); v("ReducedShareExpenses", ReducedShareExpenses);
        v("RightsAssignIncome", RightsAssignIncome); v("RightsAssignExpenses", RightsAssignExpenses);
        v("Total", Total);
    }

protected:
    // Adds one income with its deduction code and amount to the pair it belongs to.
    void addItem(int32_t incomeCode, Currency income, int32_t deductionCode, Currency deduction);
    // Caps each expense at its income and totals the expenses.
    void close();
};

// Income received in roubles: a resident's 13% sources, or a non-resident's
// civil contracts at 13%.
struct kTSvodSumPrilG : kTSvodSumProfDeductions {
    bool Compute(const mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilG{}; }
    bool operator==(const kTSvodSumPrilG&) const = default;
};

// Foreign-currency income.
struct kTSvodSumPrilG_In : kTSvodSumProfDeductions {
    bool Compute(const mTDeclaration& decl);
    void Reset() { *this = kTSvodSumPrilG_In{}; }
    bool operator==(const kTSvodSumPrilG_In&) const = default;
};

} // namespace velmar
