// Money and date texts, and the conversion of foreign amounts to roubles.
#include "model/BusinessClasses.h"
#include "model/Currency.h"
#include "model/DateTime.h"

#include <gtest/gtest.h>

#include <limits>

using namespace velmar;

TEST(Currency, TextRoundTripsAtTheEdges) {
    struct Case {
        int64_t units;
        const char* text;
    } cases[] = {
        {0, "0"}, {125000, "12.5"}, {-1, "-0.0001"}, {-10000, "-1"}, {12345678, "1234.5678"},
        {10, "0.001"}, {std::numeric_limits<int64_t>::max(), "922337203685477.5807"},
        {std::numeric_limits<int64_t>::min() + 1, "-922337203685477.5807"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Currency::fromUnits(c.units).toText(), c.text);
        EXPECT_EQ(Currency::parse(c.text), Currency::fromUnits(c.units)) << c.text;
    }
    EXPECT_EQ(Currency::fromUnits(std::numeric_limits<int64_t>::min()).toText(), "-922337203685477.5808");
}

TEST(Currency, ParseAcceptsOnlyDecimalNumbers) {
    struct Case {
        const char* text;
        char separator;
        std::optional<int64_t> units;
    } cases[] = {
        {"12,5", ',', 125000}, {"12,5", '.', std::nullopt}, {" 7 ", '.', 70000}, {"+3", '.', 30000},
        {".5", '.', 5000}, {"1.23456", '.', 12346}, {"1.23454", '.', 12345}, {"", '.', std::nullopt},
        {"-", '.', std::nullopt}, {"1e3", '.', std::nullopt}, {"12,5x", '.', std::nullopt},
        {"1 000", '.', std::nullopt}, {"922337203685477.5808", '.', std::nullopt},
        {"99999999999999999999", '.', std::nullopt},
    };
    for (const auto& c : cases) {
        auto parsed = Currency::parse(c.text, c.separator);
        if (c.units)
            EXPECT_EQ(parsed, Currency::fromUnits(*c.units)) << c.text;
        else
            EXPECT_FALSE(parsed.has_value()) << c.text;
    }
}

TEST(DateTime, CalendarAndTexts) {
    EXPECT_EQ(encodeDate(2015, 12, 31)->days, 42369.0);
    EXPECT_EQ(encodeDate(1899, 12, 30)->days, 0.0);
    EXPECT_EQ(encodeDate(1899, 12, 29)->days, -1.0);
    EXPECT_FALSE(encodeDate(2015, 2, 29));
    EXPECT_TRUE(encodeDate(2016, 2, 29));
    EXPECT_FALSE(encodeDate(2015, 13, 1));
    EXPECT_EQ(formatDate(TDateTime{42369}), "31.12.2015");
    EXPECT_EQ(formatDate(TDateTime{42369.5}), "31.12.2015 12:00:00");
    EXPECT_EQ(parseDateText("31.12.2015 12:00:00"), TDateTime{42369.5});
    EXPECT_EQ(parseDateText("1.2.2015"), encodeDate(2015, 2, 1));
    EXPECT_FALSE(parseDateText("31.12.15"));
    EXPECT_FALSE(parseDateText("31.02.2015"));
    EXPECT_EQ(dateToStorageText(TDateTime{42369.5}), "42369.5");
    EXPECT_EQ(dateToStorageText(TDateTime{1.0 / 3.0}), "0.333333333333333");
    EXPECT_EQ(parseStorageReal("42369,5"), TDateTime{42369.5});
    EXPECT_FALSE(parseStorageReal("nan"));
    EXPECT_FALSE(parseStorageReal("1e999"));
    EXPECT_EQ(formatDate(TDateTime{1e300}), "1e+300") << "outside the calendar: the plain number";
}

TEST(ConvertToRoubles, CutsToKopecksWithHalvesUp) {
    struct Case {
        const char* amount;
        const char* rate;
        int32_t units;
        const char* roubles;
    } cases[] = {
        {"1000", "65.4321", 1, "65432.1"},
        {"1000", "65.4321", 100, "654.32"},
        {"0.125", "1", 1, "0.13"},
        {"0.124", "1", 1, "0.12"},
        {"-0.129", "1", 1, "-0.12"},   // negative amounts round toward zero
        {"5", "70", 0, "0"},          // no units: nothing
        {"1", "0.0001", 1, "0"},
        {"100000000", "9999.9999", 1, "999999990000"}, // beyond 64 bits in the product
    };
    for (const auto& c : cases) {
        Currency result = ConvertToRoubles(*Currency::parse(c.amount), *Currency::parse(c.rate), c.units);
        EXPECT_EQ(result.toText(), c.roubles) << c.amount << " x " << c.rate << " / " << c.units;
    }
    mTCurrencyIncome income;
    income.IncomeDateRate = *Currency::parse("65.4321");
    income.IncomeDateUnits = 100;
    income.SetIncomeInCurrency(Currency::fromRoubles(1000));
    EXPECT_EQ(income.IncomeInRoubles.toText(), "654.32");
}
