#include "compute/SvodSumPrilZ.h"

#include "compute/Rounding.h"
#include "compute/SvodSum.h"

namespace velmar {

namespace {

// Property deduction for housing, Tax Code art. 220 p.3 sub.1: the limit of
// the purchase expenses; 1 000 000 for a right to the deduction arising before
// 2008, when the 2 000 000 took effect.
constexpr Currency kPurchaseLimit2015 = Currency::fromRoubles(2'000'000);
constexpr Currency kPurchaseLimitBefore2008 = Currency::fromRoubles(1'000'000);
constexpr int kFirstYearOfLimit2000000 = 2008;
// Before 2014 the limit of a shared object was split between the co-owners by
// their shares; since 2014 each co-owner has the whole limit for his own
// expenses (art. 220 p.3 sub.1 and p.6 in the wording in force from 2014).
constexpr int kFirstYearOfLimitPerOwner = 2014;

// An ownership share as a fraction; the whole when none applies.
struct Share {
    int64_t numerator = 1;
    int64_t denominator = 1;
    double value() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
};

// A share that cannot be one (no denominator, or not between 0 and 1) counts
// as the whole; the check of the return reports it.
Share shareOf(const mTConstructionDeductObj& object) {
    if (object.ShareDenominator <= 0 || object.ShareNumerator <= 0 || object.ShareNumerator > object.ShareDenominator)
        return {};
    return {object.ShareNumerator, object.ShareDenominator};
}

int yearOf(TDateTime date) {
    auto civil = decodeDate(date);
    return civil ? civil->year : 0;
}

// The limit and share that apply to the claim.
struct ClaimLimit {
    Currency limit = kPurchaseLimit2015;
    Share share;
};

ClaimLimit limitOfObject(mTConstructionDeductObj& object) {
    ClaimLimit result;
    const int year = yearOf(DecisiveObjectDate(object));
    if (year < kFirstYearOfLimit2000000)
        result.limit = kPurchaseLimitBefore2008;
    if (year < kFirstYearOfLimitPerOwner) {
        result.share = shareOf(object);
        object.ShowShare = -1;
    }
    return result;
}

// Several objects: the 2 000 000 at most, once, over all of them.
ClaimLimit limitOfObjects(std::vector<std::unique_ptr<mTConstructionDeductObj>>& objects) {
    if (objects.size() == 1)
        return limitOfObject(*objects[0]);
    if (objects.size() == 2) {
        mTConstructionDeductObj& first = *objects[0];
        mTConstructionDeductObj& second = *objects[1];
        const bool firstHasExpenses = first.ObjectExpenses > Currency();
        if (firstHasExpenses && second.ObjectExpenses > Currency())
            return {};
        return limitOfObject(firstHasExpenses ? first : second);
    }
    return {};
}

} // namespace

bool HasTransferAct(const mTConstructionDeductObj& object) { return object.InvestFlag != 0; }

TDateTime DecisiveObjectDate(const mTConstructionDeductObj& object) {
    return HasTransferAct(object) ? object.PurchaseDate : object.OwnershipRegDate;
}

bool kTSvodSumPrilZ::Compute(mTDeclaration& decl, const kTSvodSum& svod) {
    mTConstructionDeduct& property = *decl.Property;
    if (!property.Granted || decl.ReturnKind != kReturnResident || property.Objects.empty())
        return true;

    for (auto& object : property.Objects) {
        PurchaseClaimed += object->ObjectExpenses;
        InterestClaimed += object->ObjectInterest;
        object->ShowShare = 0;
        object->ActualExpenses = Currency();
    }

    // The claim within the limit, in kopecks.
    const ClaimLimit limit = limitOfObjects(property.Objects);
    Share = limit.share.value();
    const Currency limitOfShare = ScaleHalfUpTo2(limit.limit, limit.share.numerator, limit.share.denominator);
    PurchaseClaimed = RoundHalfUpTo2(capAt(PurchaseClaimed, limitOfShare));

    // The claim is spread over the objects in list order.
    Currency left = PurchaseClaimed;
    for (auto& object : property.Objects) {
        object->ActualExpenses = max0(minOf(object->ObjectExpenses, left));
        left = max0(left - object->ObjectExpenses);
    }

    CarriedPurchase = property.CarriedOverMain;
    CarriedInterest = property.CarriedOverInterest;
    PriorPurchase = property.PriorYearsMain;
    PriorInterest = property.PriorYearsInterest;
    AgentPurchase = property.AgentMain;
    AgentInterest = property.AgentInterest;

    // The 13% base left after every other deduction and what the agents granted.
    const Currency income = svod.PrilA13.TotalIncome + svod.PrilB13.OtherIncome + svod.PrilV1.Income;
    const Currency otherDeductions = svod.PrilV1.ProfDeduction + svod.PrilH1.Total + svod.PrilM.TotalExempt +
                                     svod.PrilG.Total + svod.PrilG_In.Total + svod.PrilE2.Total +
                                     svod.PrilE3.InvestDeduction + svod.PrilE2.GrantedByAgents + svod.PrilE1.Total +
                                     svod.PrilJ.TotalExpenses + svod.PrilI.TotalExpenses + AgentPurchase +
                                     AgentInterest;
    BaseAvailable = max0(income - otherDeductions);

    // What is still due; the purchase is served before the interest.
    const Currency purchaseDue = max0(PurchaseClaimed - PriorPurchase - AgentPurchase);
    const Currency interestDue = max0(InterestClaimed - PriorInterest - AgentInterest);
    PurchaseNow = capAt(purchaseDue, BaseAvailable);
    InterestNow = capAt(interestDue, BaseAvailable - PurchaseNow);

    // The rest goes to the next year; a rest never goes below 0.
    PurchaseRest = purchaseDue - PurchaseNow;
    InterestRest = interestDue - InterestNow;
    return true;
}

} // namespace velmar
