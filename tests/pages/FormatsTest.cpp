#include "pages/Formats.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(Formats, AmountsUseTheDecimalComma) {
    EXPECT_EQ(AmountToText(Currency::fromUnits(12345000)).toStdString(), "1234,5");
    EXPECT_EQ(AmountToText(Currency()).toStdString(), "0");
    EXPECT_EQ(AmountToText(Currency::fromUnits(-1)).toStdString(), "-0,0001");
    const struct {
        const char* text;
        std::optional<int64_t> units;
    } table[] = {
        {"", 0}, {"  ", 0}, {",", 0}, {"1234,5", 12345000}, {"0,01", 100}, {" 7 ", 70000},
        {"1.5", std::nullopt}, {"12a", std::nullopt}, {"1,2,3", std::nullopt}, {"99999999999999999999", std::nullopt},
    };
    for (const auto& row : table) {
        const std::optional<Currency> amount = AmountFromText(QString::fromUtf8(row.text));
        ASSERT_EQ(amount.has_value(), row.units.has_value()) << row.text;
        if (amount)
            EXPECT_EQ(amount->units(), *row.units) << row.text;
    }
    EXPECT_FALSE(AmountFromText(QStringLiteral("1,5р")).has_value());
}

TEST(Formats, DatesAsDayMonthYear) {
    EXPECT_EQ(DateToText(*encodeDate(2015, 3, 7)).toStdString(), "07.03.2015");
    EXPECT_EQ(DateToText(TDateTime{1e300}).toStdString(), "");
}

} // namespace
} // namespace velmar
