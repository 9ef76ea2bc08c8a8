// Standard deductions month by month (Tax Code art. 218 p.1, 2015: 3 000 or
// 500 a month for the taxpayer; 1 400, 3 000 for the third child, 3 000 for a
// disabled child, twice for a single parent, until the income since January
// exceeds 280 000).
#include "ComputeTestSupport.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::test;

namespace {

// Twelve equal monthly salaries at one source marked for standard deductions.
std::string salaryAllYear(const char* amount) {
    std::string items;
    for (int m = 1; m <= 12; ++m)
        items += std::string(m > 1 ? "," : "") + R"({"IncomeCode":2000,"IncomeAmount":")" + amount +
                 R"(","Month":)" + std::to_string(m) + "}";
    return R"("Sources13":[{"SourceName":"A","StandardBySource":1,"Incomes":[)" + items + "]}]";
}
const std::string SALARY_50000_ALL_YEAR = salaryAllYear("50000");
// The limit is never reached.
const std::string SALARY_10000_ALL_YEAR = salaryAllYear("10000");

// 250 000 by May, 300 000 by June: January to May.
const Scenario kOneChild{
    "OneChildUntilMay",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":103,"ParentStatus":101,"Children":1},)" + SALARY_50000_ALL_YEAR + "}",
    {{"/PrilE1/MonthsUnderLimit", 5}, {"/PrilE1/Child", "7000"}, {"/PrilE1/Own3000", "0"},
     {"/PrilE1/Total", "7000"}, {"/PrilE1/CumulativeIncome/11", "600000"}}};

// The taxpayer's own 3 000 runs all year, whatever the income.
const Scenario kOwn3000{
    "Own3000AllYear",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":105,"ParentStatus":101,"Children":1},)" + SALARY_50000_ALL_YEAR + "}",
    {{"/PrilE1/Own3000", "36000"}, {"/PrilE1/Child", "7000"}, {"/PrilE1/Total", "43000"}}};

// A single parent of two children, income in three months only.
const Scenario kSingleParent{
    "SingleParentTwoChildrenThreeMonths",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":104,"ParentStatus":102,"Children":2},
      "Sources13":[{"SourceName":"A","StandardBySource":1,"Incomes":[
        {"IncomeCode":2000,"IncomeAmount":"20000","Month":1},{"IncomeCode":2000,"IncomeAmount":"20000","Month":2},
        {"IncomeCode":2000,"IncomeAmount":"20000","Month":3}]}]})",
    {{"/PrilE1/MonthsUnderLimit", 3}, {"/PrilE1/ChildDouble", "16800"}, {"/PrilE1/Child", "0"},
     {"/PrilE1/Own500", "1500"}, {"/PrilE1/Total", "18300"}}};

// Months without income are not counted, even under the limit; an item whose
// month is not 1..12 counts nowhere.
const Scenario kMonthsWithIncomeOnly{
    "OnlyMonthsWithIncomeCount",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":105,"ParentStatus":101,"Children":1},
      "Sources13":[{"SourceName":"A","StandardBySource":1,"Incomes":[
        {"IncomeCode":2000,"IncomeAmount":"20000","Month":1},{"IncomeCode":2000,"IncomeAmount":"20000","Month":3},
        {"IncomeCode":2000,"IncomeAmount":"20000","Month":0},{"IncomeCode":2000,"IncomeAmount":"20000","Month":13}]},
       {"SourceName":"B","StandardBySource":0,"Incomes":[{"IncomeCode":2000,"IncomeAmount":"20000","Month":2}]}]})",
    {{"/PrilE1/MonthsUnderLimit", 2}, {"/PrilE1/Own3000", "6000"}, {"/PrilE1/Child", "2800"},
     {"/PrilE1/CumulativeIncome/11", "40000"}, {"/PrilE1/MonthIncome/1", "0"}, {"/PrilE1/Total", "8800"}}};

// Deductions above the year's income stop at the income.
const Scenario kAboveIncome{
    "TotalCappedAtTheYearsIncome",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":105,"ParentStatus":101,"Children":1},
      "Sources13":[{"SourceName":"A","StandardBySource":1,"Incomes":[{"IncomeCode":2000,"IncomeAmount":"1000","Month":1}]}]})",
    {{"/PrilE1/Own3000", "3000"}, {"/PrilE1/Child", "1400"}, {"/PrilE1/Total", "1000"}}};

// Income and expenses typed month by month: February's loss of 50 000 leaves
// 0 for February and is carried into March (250 000); April passes the limit.
const Scenario kMonthlyTable{
    "MonthlyTableCarriesAShortfall",
    R"({"IncomeKinds":4,"Standard":{"PersonalCode":103,"ParentStatus":101,"Children":1,"HasMonthly":1,
        "MonthIncome":["100000","0","300000","50000","0","0","0","0","0","0","0","0"],
        "MonthExpense":["0","150000","0","0","0","0","0","0","0","0","0","0"],
        "MonthFlags":[1,1,1,1,0,0,0,0,0,0,0,0]}})",
    {{"/PrilE1/CumulativeIncome/0", "100000"}, {"/PrilE1/CumulativeIncome/1", "0"},
     {"/PrilE1/CumulativeIncome/2", "250000"}, {"/PrilE1/CumulativeIncome/3", "300000"},
     {"/PrilE1/MonthIncome/1", "-150000"}, {"/PrilE1/MonthsUnderLimit", 3}, {"/PrilE1/Child", "4200"},
     {"/PrilE1/Total", "4200"}}};

// The own code month by month: 3 000 for three months, 500 for three, none after.
// The page may keep the month's code as 2/1 or as the code itself (105/104).
const Scenario kCodeByMonth{
    "OwnCodeMonthByMonth",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":110,"HasCodeByMonth":1,"ParentStatus":101,
        "CodeByMonth":[2,105,2,1,104,1,0,0,103,0,0,0]},)" + SALARY_10000_ALL_YEAR + "}",
    {{"/PrilE1/Own3000", "9000"}, {"/PrilE1/Own500", "1500"}, {"/PrilE1/Total", "10500"}}};

// The parent status month by month: both parents for six months, single after.
const Scenario kStatusByMonth{
    "ParentStatusMonthByMonth",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":103,"ParentStatus":103,"HasStatusByMonth":1,"Children":1,
        "StatusByMonth":[101,101,101,101,101,101,102,102,102,102,102,102]},)" + SALARY_10000_ALL_YEAR + "}",
    {{"/PrilE1/Child", "8400"}, {"/PrilE1/ChildDouble", "16800"}, {"/PrilE1/Total", "25200"}}};

// Three children, one of them disabled, for the whole year under the limit:
// 2 × 1 400 + 3 000 for the third; 3 000 for the disabled child.
const Scenario kThreeGroups{
    "ThirdAndDisabledChildren",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":103,"ParentStatus":101,"Children":2,"Third":1,"Disabled":1},)" +
        SALARY_10000_ALL_YEAR + "}",
    {{"/PrilE1/Child", "69600"}, {"/PrilE1/ChildDisabled", "36000"}, {"/PrilE1/Total", "105600"},
     {"/PrilE1/MonthsUnderLimit", 12}}};

// A child born in March: the count month by month.
const Scenario kChildrenByMonth{
    "ChildrenCountedMonthByMonth",
    R"({"IncomeKinds":1,"Standard":{"PersonalCode":103,"ParentStatus":101,"ChildrenConst":0,
        "ChildrenByMonth":[0,0,1,1,1,1,1,1,1,1,1,1]},)" + SALARY_10000_ALL_YEAR + "}",
    {{"/PrilE1/Child", "14000"}}};

// Standard deductions are a resident's and only when claimed.
const Scenario kNotGranted{
    "NotClaimed",
    R"({"IncomeKinds":1,"Standard":{"Granted":0,"PersonalCode":105,"Children":1},)" + SALARY_10000_ALL_YEAR + "}",
    {{"/PrilE1/Total", "0"}, {"/PrilE1/Own3000", "0"}, {"/PrilE1/MonthsUnderLimit", 0},
     {"/PrilE1/CumulativeIncome/11", "0"}}};
const Scenario kNonResident{
    "NonResident",
    R"({"ReturnKind":1,"IncomeKinds":1,"Standard":{"PersonalCode":105,"Children":1},)" + SALARY_10000_ALL_YEAR + "}",
    {{"/PrilE1/Total", "0"}, {"/PrilE1/Child", "0"}}};

// The whole year under the limit with a single parent's status: 12 × 2 800.
const Scenario kIntoSection2{
    "StandardDeductionInTheBase",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"PersonalCode":103,"ParentStatus":102,"Children":1},
      "Sources13":[{"SourceName":"A","SourceOKTMO":"45382000","StandardBySource":1,"TaxWithheld":"78000","Incomes":[
        {"IncomeCode":2000,"IncomeAmount":"40000","Month":1},{"IncomeCode":2000,"IncomeAmount":"40000","Month":2},
        {"IncomeCode":2000,"IncomeAmount":"40000","Month":3},{"IncomeCode":2000,"IncomeAmount":"40000","Month":4},
        {"IncomeCode":2000,"IncomeAmount":"40000","Month":5},{"IncomeCode":2000,"IncomeAmount":"40000","Month":6},
        {"IncomeCode":2000,"IncomeAmount":"60000","Month":7},{"IncomeCode":2000,"IncomeAmount":"60000","Month":8},
        {"IncomeCode":2000,"IncomeAmount":"60000","Month":9},{"IncomeCode":2000,"IncomeAmount":"60000","Month":10},
        {"IncomeCode":2000,"IncomeAmount":"60000","Month":11},{"IncomeCode":2000,"IncomeAmount":"60000","Month":12}]}]})",
    // Income 600 000, 240 000 by June: six months at 2 800 = 16 800. Base
    // 583 200, tax 75 816 against 78 000 withheld: 2 184 back.
    {{"/PrilE1/ChildDouble", "16800"}, {"/List1/TaxBase", "583200"}, {"/List1/TaxComputed", "75816"},
     {"/List1/ToRefund", "2184"}, {"/List1/ToPay", "0"}}};

const Scenario* const kCases[] = {&kOneChild, &kOwn3000, &kSingleParent, &kMonthsWithIncomeOnly, &kAboveIncome,
                                  &kMonthlyTable, &kCodeByMonth, &kStatusByMonth, &kThreeGroups,
                                  &kChildrenByMonth, &kNotGranted, &kNonResident, &kIntoSection2};

class StandardDeduction : public ::testing::TestWithParam<const Scenario*> {};
TEST_P(StandardDeduction, Computes) { checkScenario(*GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, StandardDeduction, ::testing::ValuesIn(kCases), scenarioName);

} // namespace
