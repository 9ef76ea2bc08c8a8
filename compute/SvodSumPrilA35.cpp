#include "compute/SvodSumPrilA35.h"

#include "compute/IncomeTypeCode.h"
#include "compute/Rounding.h"

namespace velmar {

namespace {

// Material benefit on loans for new housing, exempt under Tax Code art. 212
// p.1 sub.1; only the tax withheld on it is returned.
constexpr int32_t kIncomeCodeExemptLoanBenefit = 2620;

} // namespace

bool kTSvodSumPrilA35::Compute(mTDeclaration& decl) {
    if (decl.ReturnKind != kReturnResident)
        return true;
    for (size_t i = 0; i < decl.Sources35.Count(); ++i) {
        mTThirtyFivePercent& source = decl.Sources35.Item(i);
        if (source.IncomeCode == kIncomeCodeExemptLoanBenefit) {
            source.IncomeTypeCode.clear();
            WithheldMatBenefit += source.TaxWithheld;
            continue;
        }
        source.IncomeTypeCode = kIncomeTypeOther;
        source.TaxableIncome = source.TotalIncome;
        source.TaxComputed = TaxAtRate(source.TaxableIncome, TaxRate::Percent35);
        TotalIncome += source.TotalIncome;
        TaxWithheld += source.TaxWithheld;
    }
    return true;
}

} // namespace velmar
