#include "dicts/DictError.h"
#include "dicts/IncomeDict.h"

#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <set>

namespace velmar {

// Failures show amounts in roubles rather than as raw bytes.
void PrintTo(const Currency& amount, std::ostream* out) { *out << amount.toText(); }

namespace {

// Test amounts are small enough for a double to hold them exactly to the kopeck.
constexpr Currency rub(double roubles) {
    return Currency::fromUnits(static_cast<int64_t>(roubles * 10'000 + (roubles < 0 ? -0.5 : 0.5)));
}

constexpr Currency kZero;

std::vector<std::string> codesOf(const IncomeCodeList& list) {
    std::vector<std::string> codes;
    for (const IncomeCodeChoice& row : list.rows)
        codes.push_back(row.code);
    return codes;
}

std::vector<std::string> codesOf(const DeductionCodeList& list) {
    std::vector<std::string> codes;
    for (const DeductionCodeEntry& row : list.rows)
        codes.push_back(row.code);
    return codes;
}

class BuiltInDict : public ::testing::Test {
protected:
    const IncomeDict dict = IncomeDict::loadBuiltIn();
};

// ---- What the built-in dictionary holds ---------------------------------

TEST_F(BuiltInDict, HoldsEveryIncomeCodeWithItsRateInDisplayOrder) {
    const std::vector<std::string> rate13 = {
        "1011", "1200", "1201", "1202", "1203", "1211", "1212", "1213", "1215", "1219", "1220", "1240",
        "1300", "1301", "1400", "1510", "1511", "1512", "1520", "1530", "1536", "1531", "1532", "1535",
        "1533", "1537", "9537", "1538", "9538", "1540", "1542", "1543", "1550", "2000", "2001", "2010",
        "2012", "2201", "2202", "2203", "2204", "2205", "2206", "2207", "2208", "2209", "2210", "2220",
        "2300", "2400", "2510", "2520", "2530", "2630", "2640", "2641", "2710", "2720", "2730", "2750",
        "2760", "2761", "2762", "2770", "2780", "2790", "2791", "2800", "2900", "3010", "4800", "4900"};
    EXPECT_EQ(codesOf(incomeCodeList(dict, "", "13", false)), rate13);
    EXPECT_EQ(codesOf(incomeCodeList(dict, "", "9", false)), (std::vector<std::string>{"1110", "1120"}));
    EXPECT_EQ(codesOf(incomeCodeList(dict, "", "35", false)),
              (std::vector<std::string>{"2610", "2620", "2740", "3020", "3022"}));
    EXPECT_EQ(codesOf(incomeCodeList(dict, "", "14", false)), std::vector<std::string>{"1010"});
    EXPECT_EQ(codesOf(incomeCodeList(dict, "", "99", false)), std::vector<std::string>{"1000"});
    EXPECT_EQ(dict.incomes().size(), 81u);
    EXPECT_EQ(dict.findIncome("1010")->name, "Дивиденды");

    std::set<std::string> seen;
    for (const IncomeCodeEntry& income : dict.incomes()) {
        EXPECT_TRUE(seen.insert(income.code).second) << "duplicate " << income.code;
        EXPECT_FALSE(income.name.empty()) << income.code;
    }
}

TEST_F(BuiltInDict, MarksSalesAndNonResidentCodes) {
    const std::set<std::string> sales = {"1510", "1511", "1512", "1520", "1530", "1536", "1531",
                                         "1532", "1535", "1533", "1537", "9537", "1538", "9538"};
    const std::set<std::string> nonResident = {"2000", "2001", "2010", "2012", "2300", "2530", "2791"};
    for (const IncomeCodeEntry& income : dict.incomes()) {
        EXPECT_EQ(income.saleDate, sales.contains(income.code)) << income.code;
        EXPECT_EQ(income.nRez13, nonResident.contains(income.code)) << income.code;
    }
}

TEST_F(BuiltInDict, ListsTheDeductionsOfEachIncomeCode) {
    std::map<std::string, std::vector<std::string>> expected = {
        {"1211", {"510"}},         {"1510", {"901", "903"}}, {"1511", {"904", "903"}}, {"1512", {"902", "903"}},
        {"1520", {"906", "903"}},  {"1530", {"201", "218"}}, {"1531", {"202", "219"}}, {"1532", {"206"}},
        {"1533", {"220"}},         {"1535", {"207"}},        {"1536", {"203"}},        {"1537", {"211"}},
        {"9537", {"211"}},         {"1538", {"215"}},        {"9538", {"215"}},        {"1540", {"315"}},
        {"1542", {"316"}},         {"1550", {"314"}},        {"2010", {"403"}},        {"2720", {"501"}},
        {"2730", {"502"}},         {"2740", {"505"}},        {"2760", {"503"}},        {"2761", {"506"}},
        {"2762", {"508"}},         {"2770", {"504"}},        {"2790", {"507"}},        {"2791", {"509"}},
        {"4900", {"908"}}};
    for (int code = 2201; code <= 2209; ++code)
        expected[std::to_string(code)] = {"404", "405"};

    std::size_t total = 0;
    for (const IncomeCodeEntry& income : dict.incomes()) {
        SCOPED_TRACE(income.code);
        std::vector<std::string> codes;
        for (const DeductionCodeEntry& deduction : income.deductions) {
            codes.push_back(deduction.code);
            EXPECT_FALSE(deduction.name.empty());
        }
        total += codes.size();
        auto it = expected.find(income.code);
        if (it == expected.end()) {
            EXPECT_TRUE(codes.empty());
            continue;
        }
        it->second.push_back("0"); // every list ends with "no deduction"
        EXPECT_EQ(codes, it->second);
        const DeductionCodeEntry& none = income.deductions.back();
        EXPECT_EQ(none.name, "Не предоставлять вычет");
        EXPECT_FALSE(none.visible);
        EXPECT_TRUE(none.enabled);
        EXPECT_FALSE(none.equivalent);
        EXPECT_EQ(none.maxSum, kZero);
        EXPECT_EQ(none.percent, 0);
    }
    EXPECT_EQ(total, 91u);
}

TEST_F(BuiltInDict, DeductionAttributesDriveTheAmountField) {
    const struct {
        const char* income;
        const char* deduction;
        int percent;
        bool enabled;
        bool equivalent;
        Currency maxSum;
    } cases[] = {
        {"2201", "405", 20, false, false, kZero}, {"2207", "405", 20, false, false, kZero},
        {"2208", "405", 20, false, false, kZero}, {"2202", "405", 30, false, false, kZero},
        {"2204", "405", 30, false, false, kZero}, {"2209", "405", 30, false, false, kZero},
        {"2203", "405", 40, false, false, kZero}, {"2205", "405", 40, false, false, kZero},
        {"2206", "405", 25, false, false, kZero}, {"2201", "404", 0, true, false, kZero},
        {"2720", "501", 0, true, true, rub(4000)}, {"2730", "502", 0, true, true, rub(4000)},
        {"2760", "503", 0, true, true, rub(4000)}, {"2770", "504", 0, true, true, rub(4000)},
        {"2740", "505", 0, true, true, rub(4000)}, {"2761", "506", 0, true, true, rub(4000)},
        {"2790", "507", 0, true, true, rub(10000)}, {"1211", "510", 0, true, true, rub(12000)},
        {"1510", "901", 0, false, true, rub(1000000)}, {"1511", "904", 0, true, false, rub(1000000)},
        {"1512", "902", 0, true, false, rub(250000)}, {"1520", "906", 0, true, false, rub(250000)},
        {"1510", "903", 0, true, false, kZero},   {"2010", "403", 0, true, false, kZero},
        {"1530", "201", 0, true, false, kZero},   {"2762", "508", 0, true, false, kZero},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.income) + "/" + c.deduction);
        auto entry = deductionCodeChoice(dict, c.income, c.deduction);
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->percent, c.percent);
        EXPECT_TRUE(entry->visible);
        EXPECT_EQ(entry->enabled, c.enabled);
        EXPECT_EQ(entry->equivalent, c.equivalent);
        EXPECT_EQ(entry->maxSum, c.maxSum);
    }
    EXPECT_EQ(deductionCodeChoice(dict, "2201", "405")->name, "В пределах норматива затрат");
    EXPECT_EQ(deductionCodeChoice(dict, "2201", "510"), std::nullopt); // not listed under 2201
    EXPECT_EQ(deductionCodeChoice(dict, "9999", "0"), std::nullopt);
}

// ---- Income code dialog -------------------------------------------------

TEST_F(BuiltInDict, IncomeCodeListFiltersAndPreselection) {
    const struct {
        const char* what;
        const char* current;
        const char* rate;
        bool nonResident;
        std::size_t rows;
        std::optional<std::size_t> selected;
    } cases[] = {
        {"resident 13%", "2000", "13", false, 72, 33},
        {"non-resident 13% page", "2010", "13", true, 7, 2},
        {"no filter: every code", "1010", "", false, 81, 1},
        {"non-resident flag alone filters nothing", "", "", true, 81, 0},
        {"35% page", "3020", "35", false, 5, 3},
        {"current code of another rate: first row", "1010", "13", false, 72, 0},
        {"rate nobody has", "", "30", false, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        IncomeCodeList list = incomeCodeList(dict, c.current, c.rate, c.nonResident);
        EXPECT_EQ(list.rows.size(), c.rows);
        EXPECT_EQ(list.current, c.selected);
    }
    EXPECT_EQ(codesOf(incomeCodeList(dict, "", "13", true)),
              (std::vector<std::string>{"2000", "2001", "2010", "2012", "2300", "2530", "2791"}));
}

TEST_F(BuiltInDict, ChoosingAnIncomeCodeGivesRateAndWhetherDeductionsExist) {
    const struct {
        const char* code;
        int rate;
        bool hasDeductions;
    } cases[] = {{"2201", 13, true}, {"2000", 13, false}, {"1010", 14, false},
                 {"2740", 35, true}, {"1110", 9, false},  {"1000", 99, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        auto choice = incomeCodeChoice(dict, c.code);
        ASSERT_TRUE(choice);
        EXPECT_EQ(choice->code, c.code);
        EXPECT_EQ(choice->rate, c.rate);
        EXPECT_EQ(choice->hasDeductions, c.hasDeductions);
    }
    EXPECT_EQ(incomeCodeChoice(dict, "9999"), std::nullopt);
    EXPECT_EQ(incomeCodeChoice(dict, ""), std::nullopt);
}

// ---- Deduction code dialog ----------------------------------------------

TEST_F(BuiltInDict, DeductionCodeListWithTheResidentFilter) {
    const struct {
        const char* income;
        const char* current;
        bool resident;
        std::vector<std::string> codes;
        std::optional<std::size_t> selected;
    } cases[] = {
        {"2201", "405", true, {"404", "405", "0"}, 1},
        {"1530", "", true, {"201", "218", "0"}, 0},
        {"1530", "218", false, {"201", "0"}, 0}, // 218 is not offered to a non-resident
        {"2720", "0", false, {"501", "0"}, 1},
        {"1211", "510", false, {"510", "0"}, 0},
        {"2010", "", false, {"0"}, 0},
        {"1211", "999", true, {"510", "0"}, 0},
        {"2000", "", true, {}, std::nullopt}, // no deductions at all
        {"9999", "", true, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.income) + (c.resident ? " resident" : " non-resident"));
        DeductionCodeList list = deductionCodeList(dict, c.income, c.current, c.resident);
        EXPECT_EQ(codesOf(list), c.codes);
        EXPECT_EQ(list.current, c.selected);
    }
}

// ---- Deduction amount rules ---------------------------------------------

DeductionCodeEntry rule(int percent, bool enabled, bool equivalent, Currency maxSum) {
    DeductionCodeEntry entry;
    entry.code = "x";
    entry.visible = true;
    entry.percent = percent;
    entry.enabled = enabled;
    entry.equivalent = equivalent;
    entry.maxSum = maxSum;
    return entry;
}

TEST(DeductionAmount, OnChoosingTheCode) {
    const auto percent20 = rule(20, false, false, kZero);
    const auto cappedAt12000 = rule(0, true, true, rub(12000));
    const auto equivalentNoLimit = rule(0, true, true, kZero);
    const auto typed = rule(0, true, false, kZero);
    const struct {
        const char* what;
        DeductionCodeEntry deduction;
        std::optional<Currency> income;
        std::optional<Currency> amount;
    } cases[] = {
        {"20% of 1000,55", percent20, rub(1000.55), rub(200.11)},
        {"20% of an empty income", percent20, std::nullopt, kZero},
        {"510 with 20000", cappedAt12000, rub(20000), rub(12000)},
        {"510 with 15000", cappedAt12000, rub(15000), rub(12000)},
        {"510 with 5000", cappedAt12000, rub(5000), rub(5000)},
        {"510 with an empty income", cappedAt12000, std::nullopt, kZero},
        {"MaxSum 0 is no limit", equivalentNoLimit, rub(5'000'000), rub(5'000'000)},
        {"typed amount starts empty", typed, rub(1000), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(deductionAmountOnChoice(c.deduction, c.income), c.amount);
    }
}

TEST(DeductionAmount, FollowsTheIncomeAndIsCapped) {
    const auto percent30 = rule(30, false, false, kZero);
    const auto cappedAt12000 = rule(0, true, true, rub(12000));
    const auto equivalentNoLimit = rule(0, true, true, kZero);
    const auto typedCapped = rule(0, true, false, rub(1'000'000));
    const auto typedNoLimit = rule(0, true, false, kZero);
    const struct {
        const char* what;
        DeductionCodeEntry deduction;
        std::optional<Currency> income;
        std::optional<Currency> typed;
        std::optional<Currency> amount;
    } cases[] = {
        {"percentage of the new income", percent30, rub(1000), rub(5), rub(300)},
        {"percentage of nothing is shown empty", percent30, std::nullopt, std::nullopt, std::nullopt},
        {"equivalent follows and is capped", cappedAt12000, rub(20000), rub(100), rub(12000)},
        {"equivalent below the cap", cappedAt12000, rub(700.5), std::nullopt, rub(700.5)},
        {"equivalent, MaxSum 0", equivalentNoLimit, rub(9'999'999), std::nullopt, rub(9'999'999)},
        {"typed amount is kept", typedNoLimit, rub(1000), rub(700), rub(700)},
        {"typed amount is capped", typedCapped, rub(3'000'000), rub(1'500'000), rub(1'000'000)},
        {"nothing typed stays empty", typedCapped, rub(1000), std::nullopt, std::nullopt},
        {"zero shows empty", typedNoLimit, rub(1000), kZero, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(deductionAmountForIncome(c.deduction, c.income, c.typed), c.amount);
    }
}

TEST(DeductionAmount, TypedAmountAtOrOverMaxSumBecomesMaxSum) {
    const IncomeDict dict = IncomeDict::loadBuiltIn();
    const auto d510 = *deductionCodeChoice(dict, "1211", "510");
    const auto d901 = *deductionCodeChoice(dict, "1510", "901"); // computed, not typed
    const auto d403 = *deductionCodeChoice(dict, "2010", "403"); // no limit
    EXPECT_EQ(capTypedDeductionAmount(d510, rub(13000)), rub(12000));
    EXPECT_EQ(capTypedDeductionAmount(d510, rub(12000)), rub(12000));
    EXPECT_EQ(capTypedDeductionAmount(d510, rub(11999.99)), rub(11999.99));
    EXPECT_EQ(capTypedDeductionAmount(d901, rub(2'000'000)), rub(2'000'000));
    EXPECT_EQ(capTypedDeductionAmount(d403, rub(5'000'000)), rub(5'000'000));
}

TEST(DeductionAmount, PercentageRoundsHalfUpToKopecks) {
    const struct {
        Currency amount;
        int percent;
        Currency result;
    } cases[] = {
        {rub(1000.55), 20, rub(200.11)},
        {rub(0.02), 25, rub(0.01)},   // 0,005 goes up
        {rub(0.01), 25, kZero},       // 0,0025 goes down
        {rub(0.03), 25, rub(0.01)},   // 0,0075
        {Currency::fromUnits(123'4567), 40, rub(49.38)}, // 123,4567 × 0,4 = 49,38268
        {Currency::fromUnits(9'999'999'999'999'900), 40,
         Currency::fromUnits(4'000'000'000'000'000)}, // 999 999 999 999,99: no overflow
        {rub(-1000.55), 20, rub(-200.11)},
        {rub(-0.02), 25, kZero},      // negative halves are cut toward zero
    };
    for (const auto& c : cases)
        EXPECT_EQ(percentOfAmount(c.amount, c.percent), c.result) << c.amount.toText() << " x " << c.percent << "%";
}

// ---- Damaged dictionary text --------------------------------------------

TEST(IncomeDictParse, RefusesDamagedText) {
    const struct {
        const char* what;
        const char* xml;
    } cases[] = {
        {"not XML", "IncomeDict"},
        {"cut short", "<IncomeDict><Income Code=\"1\""},
        {"wrong root", "<Incomes/>"},
        {"MaxSum not an amount", "<IncomeDict><Income Code=\"1211\" Stav=\"13\"><Deduction Code=\"510\" "
                                 "MaxSum=\"12k\"/></Income></IncomeDict>"},
        {"negative MaxSum", "<IncomeDict><Income Code=\"1211\" Stav=\"13\"><Deduction Code=\"510\" "
                            "MaxSum=\"-1\"/></Income></IncomeDict>"},
        {"percentage not a number", "<IncomeDict><Income Code=\"2201\" Stav=\"13\"><Deduction Code=\"405\" "
                                    "Stav=\"2O\"/></Income></IncomeDict>"},
        {"rate not a number", "<IncomeDict><Income Code=\"2201\" Stav=\"x\"/></IncomeDict>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(IncomeDict::parse(c.xml, "test"), DictError);
    }
}

TEST(IncomeDictParse, BlankAttributesAndAnEmptyDictionary) {
    const IncomeDict dict = IncomeDict::parse(
        "<IncomeDict><Income Code=\"7\"><Deduction Code=\"1\" Stav=\" 15 \" MaxSum=\"100,5\" Visible=\"true\"/>"
        "</Income></IncomeDict>",
        "test");
    const DeductionCodeEntry& d = dict.incomes().at(0).deductions.at(0);
    EXPECT_EQ(d.percent, 15);
    EXPECT_EQ(d.maxSum, rub(100.5));
    EXPECT_FALSE(d.visible); // only the exact text "True" counts
    EXPECT_EQ(incomeCodeChoice(dict, "7")->rate, 0);

    const IncomeDict empty = IncomeDict::parse("<IncomeDict/>", "test");
    EXPECT_EQ(incomeCodeList(empty, "2000", "13", false).current, std::nullopt);
    EXPECT_EQ(deductionCodeList(empty, "2201", "405", true).current, std::nullopt);
}

} // namespace
} // namespace velmar
