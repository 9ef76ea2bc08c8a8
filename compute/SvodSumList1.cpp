#include "compute/SvodSumList1.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

namespace {

void computeResident(kTSvodSumList1& l, const mTDeclaration& decl, const kTSvodSum& s) {
    l.TotalIncome = s.PrilA13.TotalIncome + s.PrilV1.Income + s.PrilB13.OtherIncome + s.PrilE3.InvestRestore;
    l.ExemptIncome = s.PrilM.TotalExempt;
    l.TaxableIncome = l.TotalIncome - l.ExemptIncome;

    const Currency standard = s.PrilE1.Total;
    const Currency social = s.PrilE2.Total + s.PrilE2.GrantedByAgents;
    const Currency investment = s.PrilE3.InvestDeduction;
    const Currency propertySale = s.PrilH1.Total;
    const Currency propertyPurchase =
        s.PrilZ.PurchaseNow + s.PrilZ.InterestNow + s.PrilZ.AgentInterest + s.PrilZ.AgentPurchase;
    const Currency professional = s.PrilV1.ProfDeduction + s.PrilG.Total + s.PrilG_In.Total;
    l.Deductions = standard + social + investment + propertySale + propertyPurchase + professional;

    l.ExpensesLosses = s.PrilJ.TotalExpenses + s.PrilI.TotalExpenses;
    // Dividends and profit of controlled foreign companies are in the base apart
    // from everything else; no deduction reduces them (art. 210 p.3).
    l.DividendIncome = s.PrilB13.KikProfit + s.PrilA13.DividendIncome + s.PrilB13.Dividends;

    l.capDeductionsAndBase();
    // Dividends carry the tax already computed per payment; the rest of the base
    // is taxed at 13% here.
    const Currency dividends = s.PrilA13.DividendIncome + s.PrilB13.Dividends;
    l.TaxComputed = TaxAtRate(l.TaxBase - dividends, TaxRate::Percent13) + s.PrilA13.DividendTax +
                    s.PrilB13.DividendTax;

    l.TaxWithheld = s.PrilA13.TaxWithheld;
    l.AdvancesPaid = s.PrilV1.AdvancesPaid;
    l.FixedAdvanceCredit = s.PrilA13.FixedAdvance;
    l.ForeignTaxCredit = s.PrilB13.TaxCredited;
    l.PatentCredit = decl.PatentPayments;
    l.TradeLevyCredit = decl.TradeLevy;
}

void computeNonResident(kTSvodSumList1& l, const kTSvodSum& s) {
    l.TotalIncome = s.PrilA13.TotalIncome;
    l.TaxableIncome = l.TotalIncome;
    l.Deductions = s.PrilH1.Total + s.PrilG.Total;
    l.capDeductionsAndBase();
    l.TaxComputed = TaxAtRate(l.TaxBase, TaxRate::Percent13);
    l.TaxWithheld = s.PrilA13.TaxWithheld;
    l.FixedAdvanceCredit = s.PrilA13.FixedAdvance;
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
