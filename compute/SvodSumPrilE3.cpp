#include "compute/SvodSumPrilE3.h"

#include "compute/Rounding.h"

namespace velmar {

namespace {

// The common limit of the social deductions, Tax Code art. 219 p.2 (2015).
constexpr Currency kSocialLimit2015 = Currency::fromRoubles(120'000);

// Contract kinds: 1..3 non-state pension provision and voluntary pension or
// life insurance (art. 219 p.1 sub.4); 4 additional contributions to the funded
// pension (sub.5), shown with the kind 2 of the return's format.
constexpr int32_t kContractAddContrib = 4;
constexpr int32_t kAddContribShownKind = 2;

bool isPensionContract(int32_t kind) { return kind >= 1 && kind <= 3; }

mbTPens lineOf(const mTPens& contract) {
    mbTPens line;
    line.Kind = contract.ContractKind;
    line.SourceName = contract.OrgName;
    line.SourceINN = contract.OrgINN;
    line.SourceKPP = contract.OrgKPP;
    line.ContractNumber = contract.ContractNumber;
    line.ContractDate = contract.ContractDate;
    line.Paid = contract.Contribution;
    // An agent cannot have granted more than was paid.
    line.GrantedByAgent = capAt(contract.AgentDeduction, contract.Contribution);
    return line;
}

} // namespace

bool kTSvodSumPrilE3::Compute(const mTDeclaration& decl) {
    Reset();
    if (decl.Social->Granted && decl.ReturnKind == kReturnResident) {
        Currency limitLeft = kSocialLimit2015;
        for (const auto& contract : decl.Social->Pensions) {
            const bool additional = contract->ContractKind == kContractAddContrib;
            if (!additional && !isPensionContract(contract->ContractKind))
                continue;
            mbTPens line = lineOf(*contract);
            if (additional)
                line.Kind = kAddContribShownKind;
            line.Deductible = max0(minOf(limitLeft, line.Paid));
            limitLeft = max0(limitLeft - line.Deductible);
            (additional ? AddPaid : PensionPaid) += line.Paid;
            (additional ? AddDeductible : PensionDeductible) += line.Deductible;
            GrantedByAgents += line.GrantedByAgent;
            (additional ? AddContribs : Contracts).push_back(std::move(line));
        }
        PensionDeductible = capAt(PensionDeductible, kSocialLimit2015);
        AddDeductible = capAt(AddDeductible, kSocialLimit2015 - PensionDeductible);
        PensionTotal = PensionDeductible + AddDeductible;
    }
    // The investment deduction (art. 219.1) is carried whatever the return.
    InvestDeduction = decl.InvestmentDeduction;
    InvestRestore = decl.InvestmentDeductionReturn;
    return true;
}

} // namespace velmar
