#include "dicts/CurrencyRates.h"
#include "dicts/DictError.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using namespace std::chrono;

year_month_day ymd(int d, int m, int y) { return year(y) / month(static_cast<unsigned>(m)) / day(static_cast<unsigned>(d)); }

std::string rateDate(const CurrencyRate* rate) { return rate ? rate->date : "none"; }

const char* const kRates =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>"
    "<CurrencyRates>"
    "<Currency Code=\"\" Name=\"no code\"><Rate Date=\"09.01.2015\" Rate=\"1\" Quantity=\"1\"/></Currency>"
    "<Currency Code=\"840\" Name=\"\xC4\xEE\xEB\xEB\xE0\xF0 \xD1\xD8\xC0\">"
    "<Rate Date=\"09.01.2015\" Rate=\"62,7363\" Quantity=\"1\"/>"
    "<Rate Date=\"10.01.2015\" Rate=\"63,5\" Quantity=\"1\"/>"
    "<Rate Date=\"11.1.2015\" Rate=\"bad\" Quantity=\"1\"/>"
    "<Rate Date=\"31.02.2015\" Rate=\"bad\" Quantity=\"1\"/>"
    "<Rate Rate=\"bad\" Quantity=\"1\"/>"
    "<Rate Date=\"13.01.2015\" Rate=\"65,12\" Quantity=\"100\"/>"
    "</Currency>"
    "<Currency Code=\"978\" Name=\"first euro\"/>"
    "<Currency Code=\"978\" Name=\"second euro\"/>"
    "</CurrencyRates>";

TEST(CurrencyRates, FindRateAroundThePublishedDates) {
    const CurrencyRates rates = parseCurrencyRates(kRates, "CurrencyRates.xml");
    const CurrencyEntry* usd = FindCurrency(&rates, "840");
    ASSERT_TRUE(usd);
    EXPECT_EQ(usd->name, "Доллар США");
    const struct {
        year_month_day date;
        const char* found;
    } cases[] = {
        {ymd(31, 12, 2014), "none"},       {ymd(8, 1, 2015), "none"},
        {ymd(9, 1, 2015), "09.01.2015"},   {ymd(10, 1, 2015), "10.01.2015"},
        {ymd(11, 1, 2015), "10.01.2015"},  {ymd(12, 1, 2015), "10.01.2015"},
        {ymd(13, 1, 2015), "13.01.2015"},  {ymd(31, 12, 2015), "13.01.2015"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rateDate(FindRate(usd, c.date)), c.found) << static_cast<int>(c.date.year()) << "-"
                                                             << static_cast<unsigned>(c.date.month()) << "-"
                                                             << static_cast<unsigned>(c.date.day());
    const CurrencyRate* rate = FindRate(usd, ymd(14, 1, 2015));
    EXPECT_EQ(rate->rate, "65,12");
    EXPECT_EQ(rate->quantity, "100");
}

TEST(CurrencyRates, FindRateTakesFileOrder) {
    const CurrencyRates rates = parseCurrencyRates(
        "<r><c Code=\"036\"><x Date=\"13.01.2015\"/><x Date=\"09.01.2015\"/><x Date=\"10.01.2015\"/></c>"
        "<c Code=\"124\"/></r>",
        "test");
    const CurrencyEntry* aud = FindCurrency(&rates, "036");
    // The exact day wins wherever it stands; otherwise the last earlier entry in the file.
    EXPECT_EQ(rateDate(FindRate(aud, ymd(13, 1, 2015))), "13.01.2015");
    EXPECT_EQ(rateDate(FindRate(aud, ymd(20, 1, 2015))), "10.01.2015");
    EXPECT_EQ(rateDate(FindRate(aud, ymd(12, 1, 2015))), "10.01.2015");
    EXPECT_EQ(FindRate(FindCurrency(&rates, "124"), ymd(12, 1, 2015)), nullptr); // no rates at all
    EXPECT_EQ(FindRate(nullptr, ymd(12, 1, 2015)), nullptr);
}

TEST(CurrencyRates, FindCurrency) {
    const CurrencyRates rates = parseCurrencyRates(kRates, "CurrencyRates.xml");
    EXPECT_EQ(FindCurrency(&rates, ""), nullptr); // even though a currency without a code exists
    EXPECT_EQ(FindCurrency(&rates, "978")->name, "first euro");
    EXPECT_EQ(FindCurrency(&rates, "999"), nullptr);
    EXPECT_EQ(FindCurrency(nullptr, "840"), nullptr); // no rates file loaded
}

TEST(CurrencyRates, DialogRowsAndPreselection) {
    const CurrencyRates rates = parseCurrencyRates(
        "<r><c Code=\"840\" Name=\"USD\"/><c Code=\"0\" Name=\"zero\"/><c Code=\"978\" Name=\"EUR\"/></r>", "t");
    const std::vector<CodeName> rows = currencyRows(&rates);
    EXPECT_EQ(rows, (std::vector<CodeName>{{"840", "USD"}, {"0", "zero"}, {"978", "EUR"}}));
    EXPECT_EQ(preselectCurrency(rows, "978"), 2u);
    EXPECT_EQ(preselectCurrency(rows, ""), 1u);    // an empty code counts as "0"
    EXPECT_EQ(preselectCurrency(rows, "392"), 0u); // not in the file: the first currency
    EXPECT_EQ(preselectCurrency(currencyRows(nullptr), "840"), std::nullopt);
}

TEST(CurrencyRates, DateParsing) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {{"09.01.2015", true},  {"29.02.2016", true}, {"29.02.2015", false}, {"00.01.2015", false},
                 {"01.13.2015", false}, {"1.01.2015", false}, {"01-01-2015", false}, {" 01.01.2015", false},
                 {"01.01.201a", false}, {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(parseDictDate(c.text).has_value(), c.valid) << c.text;
    EXPECT_EQ(parseDictDate("09.01.2015"), ymd(9, 1, 2015));
    EXPECT_EQ(formatDictDate(ymd(9, 1, 2015)), "09.01.2015");
    EXPECT_EQ(formatDictDate(ymd(31, 12, 2015)), "31.12.2015");
}

TEST(CurrencyRates, DamagedFileIsAnError) {
    EXPECT_THROW(parseCurrencyRates("<r><c Code=\"840\"><x Date=\"09.01.2015\"></c></r>", "t"), DictError);
    EXPECT_THROW(loadCurrencyRates("/nonexistent/CurrencyRates.xml"), DictError);
}

} // namespace
} // namespace velmar
