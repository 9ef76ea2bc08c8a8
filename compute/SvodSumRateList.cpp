#include "compute/SvodSumRateList.h"

#include "compute/Rounding.h"

namespace velmar {

void kTSvodSumRateList::capDeductionsAndBase() {
    // Deductions reduce the base only down to zero (Tax Code art. 210 p.3); with
    // expenses above the income they are not used at all.
    Deductions = max0(capAt(Deductions, TaxableIncome - ExpensesLosses));
    TaxBase = max0(TaxableIncome - ExpensesLosses - Deductions) + DividendIncome;
}

void kTSvodSumRateList::close() {
    // Tax already paid or withheld that is refunded when it exceeds the tax.
    const Currency refundable = TaxWithheld + WithheldMatBenefit + AdvancesPaid;
    // Fixed advance payments under a patent reduce the tax of the year (art.
    // 227.1) but their excess is no overpaid tax and is not refunded; the tax
    // paid abroad is credited only up to the Russian tax (art. 232).
    const Currency credits = refundable + FixedAdvanceCredit + ForeignTaxCredit;
    TaxAssessed = max0(TaxComputed - credits);
    ToPay = max0(TaxAssessed - PatentCredit - TradeLevyCredit);
    ToRefund = max0(refundable - max0(TaxComputed - FixedAdvanceCredit));
}

} // namespace velmar
