#include "compute/SvodSumPrilV1.h"

#include "compute/Rounding.h"

namespace velmar {

namespace {

// The professional deduction of one activity (Tax Code art. 221 p.1): its
// documented expenses, or else the 20% norm the business page has computed.
Currency professionalDeduction(const mTBusinessNew& activity) {
    return activity.HasDocumentedExpenses ? activity.TotalExpenses : activity.ExpensesWithoutDocuments;
}

} // namespace

bool kTSvodSumPrilV1::Compute(const mTDeclaration& decl) {
    if (!(decl.IncomeKinds & kIncomeBusiness))
        return true;
    for (size_t i = 0; i < decl.Businesses.Count(); ++i) {
        const mTBusinessNew& activity = decl.Businesses.Item(i);
        Income += activity.BusinessIncome;
        ProfDeduction += professionalDeduction(activity);
    }
    AdvancesPaid = decl.ActualAdvancePayments;
    AdvancesAssessed = decl.AssessedAdvancePayments;
    // Expenses reduce the business income only down to zero.
    ProfDeduction = capAt(ProfDeduction, Income);
    return true;
}

} // namespace velmar
