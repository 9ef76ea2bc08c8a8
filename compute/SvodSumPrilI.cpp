#include "compute/SvodSumPrilI.h"

#include "compute/Rounding.h"

namespace velmar {

namespace {

// Kind of an income line that records leaving the partnership.
constexpr int32_t kOperationExit = 6;

} // namespace

bool kTSvodSumPrilI::Compute(const mTDeclaration& decl) {
    for (size_t i = 0; i < decl.InvestPartnerships.Count(); ++i) {
        for (const InvestIncomeItem& line : decl.InvestPartnerships.Item(i).Incomes.items()) {
            if (line.OperationKind >= 1 && line.OperationKind <= static_cast<int32_t>(kPartnershipCategoryCount)) {
                PartnershipCategory& category = Categories[static_cast<size_t>(line.OperationKind - 1)];
                category.Income += line.IncomeAmount;
                category.ShareExpenses += line.ExpenseShare;
                category.ManagerFee += line.ManagerExpenses;
                category.LossUsed += line.PriorYearsLoss;
            } else if (line.OperationKind == kOperationExit) {
                ExitIncome += line.IncomeAmount;
                Contribution += line.ExpenseShare;
            }
        }
    }
    // Art. 214.5: the base of each category is its income less its expenses
    // and earlier losses; what they exceed the income by is carried forward.
    for (PartnershipCategory& category : Categories) {
        const Currency costs = category.ShareExpenses + category.ManagerFee + category.LossUsed;
        category.Taxable = max0(category.Income - costs);
        category.LossFuture = max0(costs - category.Income);
        TotalIncome += category.Income;
        TotalTaxable += category.Taxable;
    }
    ExitTaxable = max0(ExitIncome - Contribution);
    ExitLoss = max0(Contribution - ExitIncome);
    TotalIncome += ExitIncome;
    TotalTaxable += ExitTaxable;
    TotalExpenses = TotalIncome - TotalTaxable;
    return true;
}

} // namespace velmar
