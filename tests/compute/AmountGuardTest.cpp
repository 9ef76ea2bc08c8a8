// Returns whose amounts exact 64-bit money cannot add up are refused whole.
#include "ComputeTestSupport.h"
#include "compute/AmountGuard.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::test;

namespace {

std::string salaries(const char* first, const char* second) {
    return std::string(R"({"IncomeKinds":1,"Sources13":[{"SourceName":"A","Incomes":[
        {"IncomeCode":2000,"IncomeAmount":")") + first + R"(","Month":1},
        {"IncomeCode":2000,"IncomeAmount":")" + second + R"(","Month":2}]}]})";
}

} // namespace

TEST(AmountGuard, RefusesAmountsBeyondExactMoney) {
    // An amount near the largest money value would overflow the totals.
    auto d = DeclarationFromJsonText(salaries("900000000000000", "1"));
    kTSvodSum svod;
    svod.List1.TaxBase = Currency::fromRoubles(1);
    EXPECT_THROW(svod.Compute(*d), EAmountsTooLarge);
    EXPECT_TRUE(svod == kTSvodSum());  // nothing half-computed is left
}

TEST(AmountGuard, CountsEveryKindOfAmountByMagnitude) {
    // Negative amounts count by their size.
    auto d = DeclarationFromJsonText(salaries("-6000000000000", "5000000000000"));
    EXPECT_THROW(CheckComputableAmounts(*d), EAmountsTooLarge);
    auto child = DeclarationFromJsonText(R"({"IncomeKinds":1,"Social":{"Granted":1,"ChildEducation":["10000000000001"]}})");
    EXPECT_THROW(CheckComputableAmounts(*child), EAmountsTooLarge);
    auto loss = DeclarationFromJsonText(
        R"({"IncomeKinds":1,"Securities":{"LossFISS":["0","0","0","0","0","0","0","0","0","10000000000001"]}})");
    EXPECT_THROW(CheckComputableAmounts(*loss), EAmountsTooLarge);
}

TEST(AmountGuard, ComputesUpToTheLimit) {
    auto d = DeclarationFromJsonText(salaries("5000000000000", "5000000000000"));
    kTSvodSum svod;
    EXPECT_NO_THROW(svod.Compute(*d));
    EXPECT_EQ(svod.List1.TaxBase, rub(10'000'000'000'000));
    EXPECT_EQ(svod.List1.TaxComputed, rub(1'300'000'000'000));
}
