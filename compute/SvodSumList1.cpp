#include "compute/SvodSumList1.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

namespace {

void computeResident(kTSvodSumList1& rate13, const mTDeclaration& decl, const kTSvodSum& s) {
    rate13.TotalIncome = s.PrilA13.TotalIncome + s.PrilV1.Income + s.PrilB13.OtherIncome + s.PrilE3.InvestRestore;
    rate13.ExemptIncome = s.PrilM.TotalExempt;
    rate13.TaxableIncome = rate13.TotalIncome - rate13.ExemptIncome;

    const Currency standard = s.PrilE1.Total;
    const Currency social = s.PrilE2.Total + s.PrilE2.GrantedByAgents;
    const Currency investment = s.PrilE3.InvestDeduction;
    const Currency propertySale = s.PrilH1.Total;
    const Currency propertyPurchase =
        s.PrilZ.PurchaseNow + s.PrilZ.InterestNow + s.PrilZ.AgentInterest + s.PrilZ.AgentPurchase;
    const Currency professional = s.PrilV1.ProfDeduction + s.PrilG.Total + s.PrilG_In.Total;
    rate13.Deductions = standard + social + investment + propertySale + propertyPurchase + professional;

    rate13.ExpensesLosses = s.PrilJ.TotalExpenses + s.PrilI.TotalExpenses;
    // Dividends and profit of controlled foreign companies are in the base apart
    // from everything else; no deduction reduces them (art. 210 p.3).
    rate13.DividendIncome = s.PrilB13.KikProfit + s.PrilA13.DividendIncome + s.PrilB13.Dividends;

    rate13.capDeductionsAndBase();
    // Dividends carry the tax already computed per payment; the rest of the base
    // is taxed at 13% here.
    const Currency dividends = s.PrilA13.DividendIncome + s.PrilB13.Dividends;
    rate13.TaxComputed = TaxAtRate(rate13.TaxBase - dividends, TaxRate::Percent13) + s.PrilA13.DividendTax +
                    s.PrilB13.DividendTax;

    rate13.TaxWithheld = s.PrilA13.TaxWithheld;
    rate13.AdvancesPaid = s.PrilV1.AdvancesPaid;
    rate13.FixedAdvanceCredit = s.PrilA13.FixedAdvance;
    rate13.ForeignTaxCredit = s.PrilB13.TaxCredited;
    rate13.PatentCredit = decl.PatentPayments;
    rate13.TradeLevyCredit = decl.TradeLevy;
}

void computeNonResident(kTSvodSumList1& rate13, const kTSvodSum& s) {
    rate13.TotalIncome = s.PrilA13.TotalIncome;
    rate13.TaxableIncome = rate13.TotalIncome;
    rate13.Deductions = s.PrilH1.Total + s.PrilG.Total;
    rate13.capDeductionsAndBase();
    rate13.TaxComputed = TaxAtRate(rate13.TaxBase, TaxRate::Percent13);
    rate13.TaxWithheld = s.PrilA13.TaxWithheld;
    rate13.FixedAdvanceCredit = s.PrilA13.FixedAdvance;
}

} // namespace

bool kTSvodSumList1::Compute(const mTDeclaration& decl, const kTSvodSum& svod) {
    if (decl.ReturnKind == kReturnResident)
        computeResident(*this, decl, svod);
    else if (decl.ReturnKind == kReturnNonResident)
        computeNonResident(*this, svod);
    else
        return true;
    Rate = "13";
    close();
    return true;
}

} // namespace velmar
