#include "compute/SvodSumPrilE2.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

namespace {

// Social deductions, Tax Code art. 219 (2015 wording).
constexpr int kCharityPercentOfIncome = 25;                               // p.1 sub.1
constexpr Currency kChildEducationLimit2015 = Currency::fromRoubles(50'000);  // p.1 sub.2, per child
constexpr Currency kSocialLimit2015 = Currency::fromRoubles(120'000);     // p.2: education, treatment,
                                                                          // insurance, pension together

// The income that charity is measured against: what the year brought at 13%.
Currency charityIncomeBase(const kTSvodSum& svod) {
    return svod.PrilA13.TotalIncome + svod.PrilB13.OtherIncome + svod.PrilV1.Income - svod.PrilM.TotalExempt;
}

} // namespace

bool kTSvodSumPrilE2::Compute(mTDeclaration& decl, const kTSvodSum& svod) {
    mTSocialDeduct& social = *decl.Social;
    if (!social.Granted || decl.ReturnKind != kReturnResident)
        return true;

    // Charity, at most a quarter of the income, cut (not rounded) to kopecks.
    const Currency charityCap =
        max0(ScaleTruncateTo2(charityIncomeBase(svod), kCharityPercentOfIncome, 100));
    Charity = capAt(social.Charity, charityCap);

    OwnEducation = social.SelfEducation;

    // Each child's education counts up to the limit; the return keeps the lowered amount.
    for (size_t i = 0; i < social.ChildEducationCount(); ++i) {
        Currency amount = social.ChildEducationGet(i);
        if (amount > kChildEducationLimit2015) {
            amount = kChildEducationLimit2015;
            social.ChildEducationSet(i, amount);
        }
        ChildEducation += amount;
    }

    Treatment = social.Medical;
    ExpensiveTreatment = social.ExpensiveMedical;
    Insurance = social.VoluntaryInsurance;
    PensionContrib = svod.PrilE3.PensionTotal;

    UnlimitedTotal = Charity + ChildEducation + ExpensiveTreatment;
    LimitedTotal = capAt(Insurance + PensionContrib + OwnEducation + Treatment, kSocialLimit2015);
    // What agents have granted is part of these deductions, never more than them.
    GrantedByAgents = capAt(svod.PrilE3.GrantedByAgents, UnlimitedTotal + LimitedTotal);
    Total = UnlimitedTotal + LimitedTotal - GrantedByAgents;
    return true;
}

} // namespace velmar
