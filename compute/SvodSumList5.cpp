#include "compute/SvodSumList5.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

bool kTSvodSumList5::Compute(const mTDeclaration& decl, const kTSvodSum& s) {
    if (decl.ReturnKind != kReturnNonResident)
        return true;
    Rate = "15";
    // Only dividends; no income or deduction fields at this rate.
    DividendIncome = s.PrilA15.TaxableIncome;
    TaxBase = DividendIncome;
    TaxComputed = TaxAtRate(TaxBase, TaxRate::Percent15);
    TaxWithheld = s.PrilA15.TaxWithheld;
    close();
    return true;
}

} // namespace velmar
