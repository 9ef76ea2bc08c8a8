// Text forms of numbers, dates, codes and names in the XML file.
#include "export/ExportError.h"
#include "export/XmlForms.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace velmar {
namespace {

Currency units(int64_t u) { return Currency::fromUnits(u); }
constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
constexpr int64_t kMin = std::numeric_limits<int64_t>::min();

TEST(XmlForms, AmountsWithKopecksCutTheThirdDecimalAndNeverGoNegative) {
    const struct {
        int64_t units;
        const char* text;
    } cases[] = {
        {15000000, "1500.00"},
        {12345000, "1234.50"},
        {999, "0.09"},             // 0.0999: the third and fourth decimals are cut, not rounded
        {123456789, "12345.67"},   // 12345.6789
        {1, "0.00"},
        {0, "0.00"},
        {-30000, "0.00"},          // negative amounts are written as zero
        {-1, "0.00"},
        {kMin, "0.00"},
        {9999999999999999, "999999999999.99"},   // 999 999 999 999.9999: fifteen characters, kept
        {10000000000000000, "999999999999.99"},  // one thousand billion: too long, replaced
        {kMax, "999999999999.99"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(FormatSum2(units(c.units)), c.text);
    }
}

TEST(XmlForms, PlainAmountsKeepTheirDecimalsAndSign) {
    const struct {
        int64_t units;
        const char* text;
    } cases[] = {
        {15000000, "1500"},
        {125000, "12.5"},
        {123456789, "12345.6789"},
        {-30000, "-3"},
        {-1, "-0.0001"},
        {0, "0"},
        {-100000000000000000, "-10000000000000"},      // fifteen characters, kept
        {-1000000000000000000, "999999999999999"},     // sixteen: replaced
        {999999999999999, "999999999999999"},           // "99999999999.9999", sixteen: replaced
        {kMax, "999999999999999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(FormatSumPlain(units(c.units)), c.text);
    }
}

TEST(XmlForms, TaxAmountsAreWholeRoublesRoundedHalfUp) {
    const struct {
        int64_t units;
        const char* text;
    } cases[] = {
        {123456789, "12346"},   // 12345.6789
        {123454999, "12345"},   // 12345.4999
        {123455000, "12346"},   // 12345.5
        {5000, "1"},
        {4999, "0"},
        {780000000, "78000"},
        {0, "0"},
        {-37000, "-3"},         // faulty negative input is cut toward zero
        {kMax, "922337203685477"},  // rounding up would leave the range
        {kMin, "999999999999999"},  // "-922337203685477" is sixteen characters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(FormatTaxRoubles(units(c.units)), c.text);
    }
}

TEST(XmlForms, DatesAndYears) {
    EXPECT_EQ(FormatDate(encodeDateOrThrow(2015, 3, 5), "x"), "05.03.2015");
    EXPECT_EQ(FormatDate(TDateTime{encodeDateOrThrow(2015, 12, 31).days + 0.75}, "x"), "31.12.2015");
    EXPECT_EQ(FormatDate(encodeDateOrThrow(1, 1, 1), "x"), "01.01.0001");
    EXPECT_EQ(FormatYear(encodeDateOrThrow(2009, 6, 30), "x"), "2009");
    for (double bad : {std::nan(""), 1e12, -1e12}) {
        SCOPED_TRACE(bad);
        try {
            FormatDate(TDateTime{bad}, "ДатаРожд");
            ADD_FAILURE() << "formatted";
        } catch (const ExportError& e) {
            EXPECT_NE(std::string(e.what()).find("ДатаРожд"), std::string::npos) << e.what();
        }
        EXPECT_THROW(FormatYear(TDateTime{bad}, "ГодРегКФХ"), ExportError);
    }
}

TEST(XmlForms, CodesArePaddedWithZerosOnTheLeft) {
    EXPECT_EQ(PadZeros("36", 3), "036");
    EXPECT_EQ(PadZeros("643", 3), "643");
    EXPECT_EQ(PadZeros("1234", 3), "1234");
    EXPECT_EQ(PadZeros("", 2), "00");
    EXPECT_EQ(PadZeros(7, 2), "07");
    EXPECT_EQ(PadZeros(0, 2), "00");
    EXPECT_EQ(PadZeros(65535, 2), "65535");
    EXPECT_EQ(PadZeros(-5, 3), "-005");
}

TEST(XmlForms, CurrencyTextsAndExchangeRatesUseAPoint) {
    EXPECT_EQ(CommaToPoint(" 12,5 "), "12.5");
    EXPECT_EQ(CommaToPoint("1000.00"), "1000.00");
    const struct {
        const char* stored;
        const char* text;
    } rates[] = {
        {"65,4321", "65.4321"},
        {"70.50000", "70.5"},
        {"65,43215", "65.4322"},  // at most four decimals, half up
        {"65.43214", "65.4321"},
        {"1", "1"},
        {" 80,0 ", "80"},
        {"", ""},
        {"  ", ""},
    };
    for (const auto& r : rates) {
        SCOPED_TRACE(r.stored);
        EXPECT_EQ(FormatExchangeRate(r.stored, "КурсВалютДох"), r.text);
    }
    for (const char* bad : {"abc", "65.43.21", "65,4321x", "1e3"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(FormatExchangeRate(bad, "КурсВалютДох"), ExportError);
    }
}

TEST(XmlForms, UpperCaseCoversTheLettersOfWindows1251) {
    const struct {
        const char* text;
        const char* upper;
    } cases[] = {
        {"иванов ёжик", "ИВАНОВ ЁЖИК"},
        {"abc-XYZ 123, кв. 5", "ABC-XYZ 123, КВ. 5"},
        {"ґ є ї і ў ђ ѓ љ њ ћ ќ џ ѕ ј", "Ґ Є Ї І Ў Ђ Ѓ Љ Њ Ћ Ќ Џ Ѕ Ј"},
        {"№ «» – €", "№ «» – €"},
        {"straße é", "STRAßE é"},  // letters Windows-1251 lacks stay as they are
        {"日本", "日本"},
        {"\xFF\xC3x", "\xFF\xC3X"},  // malformed UTF-8 passes byte by byte
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(UpperCaseCp1251(c.text), c.upper);
    }
}

TEST(XmlForms, CuttingCountsCharactersNotBytes) {
    EXPECT_EQ(CutChars("абвгд", 2), "аб");
    EXPECT_EQ(CutChars("ab", 5), "ab");
    EXPECT_EQ(CutChars("", 3), "");
    EXPECT_EQ(CutChars("a€b", 2), "a€");
    EXPECT_EQ(TrimBlanks("\t  Иван \r\n"), "Иван");
    EXPECT_TRUE(IsBlankText(" \t "));
    EXPECT_FALSE(IsBlankText(" x "));
}

std::string repeat(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(XmlForms, RepresentativeNameSplitsAtBlanksAndCutsEachPart) {
    const std::string long65 = repeat("Щ", 65);
    const std::string cut60 = repeat("Щ", 60);
    const std::string patronymic70 = repeat("о", 55) + " " + repeat("п", 14);  // 70 characters
    const struct {
        std::string full;
        std::string surname, firstName, patronymic;
    } cases[] = {
        {"Иванов Иван Иванович", "Иванов", "Иван", "Иванович"},
        {"Иванов", "Иванов", " ", ""},
        {"", " ", " ", ""},
        {"   ", " ", " ", ""},
        {"  Иванов   Иван  ", "Иванов", "Иван", ""},
        {"Иванов Иван Иванович Младший", "Иванов", "Иван", "Иванович Младший"},
        {"Иванов\tИван", "Иванов", "Иван", ""},
        // A long word is cut where it ends up, never carried into the next part.
        {long65, cut60, " ", ""},
        {long65 + " Петр Петрович", cut60, "Петр", "Петрович"},
        {"Иванов " + long65 + " Петрович", "Иванов", cut60, "Петрович"},
        {"Иванов Иван " + patronymic70, "Иванов", "Иван", repeat("о", 55) + " " + repeat("п", 4)},
        // A cut that ends on a blank leaves no blank behind.
        {"Иванов Иван " + repeat("о", 60) + " п", "Иванов", "Иван", repeat("о", 60)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.full);
        const SplitName name = SplitRepresentativeName(c.full);
        EXPECT_EQ(name.surname, c.surname);
        EXPECT_EQ(name.firstName, c.firstName);
        EXPECT_EQ(name.patronymic, c.patronymic);
    }
}

} // namespace
} // namespace velmar
