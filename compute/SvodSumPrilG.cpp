#include "compute/SvodSumPrilG.h"

#include "compute/Rounding.h"

namespace velmar {

namespace {

bool isAuthorIncome(int32_t code) { return code >= 2201 && code <= 2209; }

// Civil-law contracts (Tax Code art. 221 p.2): the only professional deduction
// a non-resident claims here.
constexpr int32_t kIncomeCodeContract = 2010;
constexpr int32_t kDeductionCodeContract = 403;

} // namespace

void kTSvodSumProfDeductions::addItem(int32_t incomeCode, Currency income, int32_t deductionCode,
                                       Currency deduction) {
    auto add = [&](Currency& incomeField, Currency& expenseField) {
        incomeField += income;
        expenseField += deduction;
    };
    if (incomeCode == kIncomeCodeContract && deductionCode == kDeductionCodeContract)
        add(ContractIncome, ContractExpenses);
    // Art. 221 p.3: authors' documented expenses (404) or the norms (405).
    else if (isAuthorIncome(incomeCode) && deductionCode == 404)
        add(AuthorIncome, AuthorExpenses);
    else if (isAuthorIncome(incomeCode) && deductionCode == 405)
        add(AuthorNormIncome, AuthorNormExpenses);
    // Art. 220 p.2 sub.2 and 2.1: documented expenses on shares in capital,
    // on property received from them and on assigned rights.
    else if ((incomeCode == 1540 && deductionCode == 315) || (incomeCode == 1542 && deductionCode == 316))
        add(CapitalShareIncome, CapitalShareExpenses);
    else if (incomeCode == 1544 && deductionCode == 317)
        add(AssetSaleIncome, AssetSaleExpenses);
    else if (incomeCode == 1545 && deductionCode == 318)
        add(ReducedShareIncome, ReducedShareExpenses);
    else if (incomeCode == 1550 && deductionCode == 314)
        add(RightsAssignIncome, RightsAssignExpenses);
}

void kTSvodSumProfDeductions::close() {
    // Expenses reduce each income only down to zero.
    ContractExpenses = capAt(ContractExpenses, ContractIncome);
    AuthorExpenses = capAt(AuthorExpenses, AuthorIncome);
    AuthorNormExpenses = capAt(AuthorNormExpenses, AuthorNormIncome);
    CapitalShareExpenses = capAt(CapitalShareExpenses, CapitalShareIncome);
    AssetSaleExpenses = capAt(AssetSaleExpenses, AssetSaleIncome);
    ReducedShareExpenses = capAt(ReducedShareExpenses, ReducedShareIncome);
    RightsAssignExpenses = capAt(RightsAssignExpenses, RightsAssignIncome);
    Total = ContractExpenses + AuthorExpenses + AuthorNormExpenses + CapitalShareExpenses + AssetSaleExpenses +
            ReducedShareExpenses + RightsAssignExpenses;
}

bool kTSvodSumPrilG::Compute(const mTDeclaration& decl) {
    if (decl.ReturnKind == kReturnResident) {
        for (size_t i = 0; i < decl.Sources13.Count(); ++i)
            for (const mTSourseIncome& item : decl.Sources13.Item(i).Incomes.items())
                addItem(item.IncomeCode, item.IncomeAmount, item.DeductionCode, item.DeductionAmount);
    } else if (decl.ReturnKind == kReturnNonResident) {
        for (size_t i = 0; i < decl.Sources13NR.Count(); ++i)
            for (const mTSourseIncome& item : decl.Sources13NR.Item(i).Incomes.items())
                if (item.IncomeCode == kIncomeCodeContract && item.DeductionCode == kDeductionCodeContract)
                    addItem(item.IncomeCode, item.IncomeAmount, item.DeductionCode, item.DeductionAmount);
    }
    close();
    return true;
}

bool kTSvodSumPrilG_In::Compute(const mTDeclaration& decl) {
    if (decl.IncomeKinds & kIncomeCurrency)
        for (size_t i = 0; i < decl.CurrencyIncomes.Count(); ++i) {
            const mTCurrencyIncome& record = decl.CurrencyIncomes.Item(i);
            addItem(record.IncomeCode, record.IncomeInRoubles, record.DeductionCode, record.DeductionAmount);
        }
    close();
    return true;
}

} // namespace velmar
