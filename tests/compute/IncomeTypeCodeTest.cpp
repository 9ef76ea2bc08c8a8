// The kind-of-income code of a 13% source from its items.
#include "compute/IncomeTypeCode.h"

#include <gtest/gtest.h>
#include <vector>

using namespace velmar;

namespace {

struct TypeCase {
    std::vector<int32_t> codes;
    int64_t taxComputed;
    int64_t taxWithheld;
    const char* expected;
};

class IncomeTypeCase : public ::testing::TestWithParam<TypeCase> {};

TEST_P(IncomeTypeCase, FollowsTheItems) {
    const TypeCase& c = GetParam();
    mTThirteenPercent source;
    source.IncomeTypeCode = "stale";
    for (int32_t code : c.codes) {
        mTSourseIncome item;
        item.IncomeCode = code;
        item.IncomeAmount = Currency::fromRoubles(100);
        source.Incomes.AddIncome(item);
    }
    source.TaxComputed = Currency::fromRoubles(c.taxComputed);
    source.TaxWithheld = Currency::fromRoubles(c.taxWithheld);
    ClassifyIncomeType(source);
    EXPECT_EQ(source.IncomeTypeCode, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Items, IncomeTypeCase,
    ::testing::Values(
        TypeCase{{}, 0, 0, ""},                       // no items: no code
        TypeCase{{1400, 2400}, 0, 0, "04"},           // rent
        TypeCase{{1511, 1510}, 0, 0, "01"},           // housing sales
        TypeCase{{1512, 1520}, 0, 0, "02"},           // other property sales
        TypeCase{{1530, 1539, 1541, 9537, 9538}, 0, 0, "03"},
        TypeCase{{2220, 2720, 2790}, 0, 0, "05"},
        TypeCase{{1510, 1400}, 0, 0, "09"},           // a mixture
        TypeCase{{1400, 1510, 1400}, 0, 0, "09"},     // a mixture stays mixed
        TypeCase{{4800}, 0, 0, "09"},                 // outside every group
        TypeCase{{2000, 1400}, 0, 0, "06"},           // labour wins in either order
        TypeCase{{1400, 2000}, 0, 0, "06"},
        TypeCase{{1510, 1400, 2010}, 0, 0, "06"},
        TypeCase{{2000, 1510, 1520}, 0, 0, "06"},     // and nothing moves it off
        TypeCase{{2000}, 1000, 900, "07"},            // tax not withheld in full
        TypeCase{{2000}, 900, 900, "06"},
        TypeCase{{1400}, 1000, 900, "04"}));          // only labour income becomes "07"

} // namespace
