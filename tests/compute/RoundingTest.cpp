// Rounding on exact Currency units: taxes in whole roubles half up (Tax Code
// art. 52 p.6), kopecks half up or cut, negatives toward zero.
#include "compute/Rounding.h"

#include <gtest/gtest.h>

using namespace velmar;

namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }
Currency rub(int64_t r) { return Currency::fromRoubles(r); }
Currency kop(int64_t k) { return Currency::fromKopecks(k); }

struct TaxCase {
    Currency base;
    TaxRate rate;
    Currency tax;
};

class TaxAtRateCase : public ::testing::TestWithParam<TaxCase> {};

TEST_P(TaxAtRateCase, IsWholeRoublesHalfUp) {
    const TaxCase& c = GetParam();
    EXPECT_EQ(TaxAtRate(c.base, c.rate), c.tax) << c.base.toText() << " at " << percentOf(c.rate);
}

INSTANTIATE_TEST_SUITE_P(
    Bases, TaxAtRateCase,
    ::testing::Values(
        // Exactly half a rouble: in double 90 × 0.35 is 31.4999..., the law says 32.
        TaxCase{rub(90), TaxRate::Percent35, rub(32)},
        TaxCase{rub(100'050), TaxRate::Percent13, rub(13'007)},  // 13 006.5
        TaxCase{rub(50), TaxRate::Percent13, rub(7)},            // 6.5
        TaxCase{rub(10), TaxRate::Percent15, rub(2)},            // 1.5
        TaxCase{rub(50), TaxRate::Percent9, rub(5)},             // 4.5
        TaxCase{rub(5), TaxRate::Percent30, rub(2)},             // 1.5
        // Just below and above the half.
        TaxCase{kop(10'038), TaxRate::Percent13, rub(13)},       // 13.0494
        TaxCase{kop(10'038), TaxRate::Percent35, rub(35)},       // 35.133
        TaxCase{kop(10'050), TaxRate::Percent15, rub(15)},       // 15.075
        TaxCase{kop(330), TaxRate::Percent15, rub(0)},           // 0.495
        TaxCase{kop(100'555), TaxRate::Percent9, rub(90)},       // 90.4995
        TaxCase{units(384'615), TaxRate::Percent13, rub(5)},     // 38.4615 × 0.13 = 4.999995
        TaxCase{units(384'616), TaxRate::Percent13, rub(5)},     // 5.000008
        TaxCase{units(346'154), TaxRate::Percent13, rub(5)},     // 4.50000200
        TaxCase{units(346'153), TaxRate::Percent13, rub(4)},     // 4.49998900
        TaxCase{rub(0), TaxRate::Percent13, rub(0)},
        // Negative bases only come from faulty input: cut toward zero.
        TaxCase{rub(-50), TaxRate::Percent13, rub(-6)},          // -6.5
        TaxCase{rub(-100), TaxRate::Percent13, rub(-13)},
        // Far beyond 64 bits in the intermediate product.
        TaxCase{rub(100'000'000'000'000), TaxRate::Percent35, rub(35'000'000'000'000)}));

TEST(Rounding, RoundHalfUpToWholeRoubles) {
    EXPECT_EQ(RoundHalfUp(units(5'000)), rub(1));
    EXPECT_EQ(RoundHalfUp(units(4'999)), rub(0));
    EXPECT_EQ(RoundHalfUp(kop(701'234)), rub(7'012));
    EXPECT_EQ(RoundHalfUp(kop(701'250)), rub(7'013));
    EXPECT_EQ(RoundHalfUp(units(-5'000)), rub(0));
    EXPECT_EQ(RoundHalfUp(units(-19'999)), rub(-1));
}

TEST(Rounding, RoundHalfUpTo2ToKopecks) {
    EXPECT_EQ(RoundHalfUpTo2(units(1'250)), kop(13));   // 0.125
    EXPECT_EQ(RoundHalfUpTo2(units(1'249)), kop(12));   // 0.1249
    EXPECT_EQ(RoundHalfUpTo2(units(-1'250)), kop(-12)); // toward zero
    EXPECT_EQ(RoundHalfUpTo2(kop(12'345)), kop(12'345));
}

TEST(Rounding, TruncateTo2CutsToKopecks) {
    EXPECT_EQ(TruncateTo2(units(999)), kop(9));         // 0.0999
    EXPECT_EQ(TruncateTo2(units(-999)), kop(-9));
}

TEST(Rounding, ScaledAmountsAreExact) {
    // A third of the 2 000 000 limit: 666 666.666... → 666 666.67.
    EXPECT_EQ(ScaleHalfUpTo2(rub(2'000'000), 1, 3), kop(66'666'667));
    EXPECT_EQ(ScaleHalfUpTo2(rub(2'000'000), 2, 3), kop(133'333'333));
    // A quarter of 100 000.03 is 25 000.0075; cut, it is 25 000.00.
    EXPECT_EQ(ScaleTruncateTo2(kop(10'000'003), 25, 100), rub(25'000));
    EXPECT_EQ(ScaleHalfUpTo2(kop(10'000'003), 25, 100), kop(2'500'001));
}

} // namespace
