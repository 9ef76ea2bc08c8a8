// Worked returns: each a small JSON return with the key results worked out by
// hand from the Tax Code of 2015 (rates art. 224, rounding art. 52 p.6,
// standard deductions art. 218, social art. 219, property art. 220,
// securities art. 214.1 and 220.1, foreign tax art. 232).
#include "ComputeTestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace velmar;
using namespace velmar::test;
using nlohmann::ordered_json;

namespace {

// Two employers, one child, both parents. Income since January: 240 000 by
// June, 285 000 by July, so the child deduction runs January to June:
// 6 × 1 400 = 8 400. Base 510 000 − 8 400 = 501 600, tax 65 208 against
// 66 300 withheld: 1 092 back, all from the first employer.
const Scenario kTwoEmployersChildLimit{
    "TwoEmployersChildLimit",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},
      "Standard":{"Granted":1,"PersonalCode":103,"ParentStatus":101,"ChildrenConst":1,"Children":1},
      "Sources13":[
       {"SourceName":"A","SourceOKTMO":"45382000","StandardBySource":1,"TaxWithheld":"31200","TaxComputed":"31200","TaxableIncome":"240000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"40000","Month":1},{"IncomeCode":2000,"IncomeAmount":"40000","Month":2},
                   {"IncomeCode":2000,"IncomeAmount":"40000","Month":3},{"IncomeCode":2000,"IncomeAmount":"40000","Month":4},
                   {"IncomeCode":2000,"IncomeAmount":"40000","Month":5},{"IncomeCode":2000,"IncomeAmount":"40000","Month":6}]},
       {"SourceName":"B","SourceOKTMO":"40300000","StandardBySource":1,"TaxWithheld":"35100","TaxComputed":"35100","TaxableIncome":"270000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"45000","Month":7},{"IncomeCode":2000,"IncomeAmount":"45000","Month":8},
                   {"IncomeCode":2000,"IncomeAmount":"45000","Month":9},{"IncomeCode":2000,"IncomeAmount":"45000","Month":10},
                   {"IncomeCode":2000,"IncomeAmount":"45000","Month":11},{"IncomeCode":2000,"IncomeAmount":"45000","Month":12}]}]})",
    {{"/PrilE1/CumulativeIncome/5", "240000"}, {"/PrilE1/CumulativeIncome/6", "285000"},
     {"/PrilE1/MonthsUnderLimit", 6}, {"/PrilE1/Child", "8400"}, {"/PrilE1/Total", "8400"},
     {"/PrilA13/TotalIncome", "510000"}, {"/List1/Rate", "13"}, {"/List1/Deductions", "8400"},
     {"/List1/TaxBase", "501600"}, {"/List1/TaxComputed", "65208"}, {"/List1/TaxWithheld", "66300"},
     {"/List1/ToRefund", "1092"}, {"/List1/ToPay", "0"},
     {"/List6/Lines", lines({line(k010, "45382000", "2", "1092")})}, {"/Result", true}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Sources13.Item(0).IncomeTypeCode, "06");
        EXPECT_EQ(d.Sources13.Item(1).IncomeTypeCode, "06");
    }};

// An entrepreneur without documents: the 20% norm (art. 221 p.1) of 1 000 000.
// Base 800 000, tax 104 000, advances 80 000 paid: 24 000 to pay, all of it
// business tax.
const Scenario kBusinessNorm{
    "BusinessNormAndAdvances",
    R"({"IncomeKinds":4,"TaxpayerCategory":0,"Person":{"OKTMO":"45382000"},
      "ActualAdvancePayments":"80000","AssessedAdvancePayments":"90000",
      "Businesses":[{"ActivityKind":"1","HasDocumentedExpenses":0,"BusinessIncome":"1000000","ExpensesWithoutDocuments":"200000"}]})",
    {{"/PrilV1/Income", "1000000"}, {"/PrilV1/ProfDeduction", "200000"}, {"/PrilV1/AdvancesPaid", "80000"},
     {"/PrilV1/AdvancesAssessed", "90000"}, {"/List1/TotalIncome", "1000000"}, {"/List1/Deductions", "200000"},
     {"/List1/TaxBase", "800000"}, {"/List1/TaxComputed", "104000"}, {"/List1/AdvancesPaid", "80000"},
     {"/List1/TaxAssessed", "24000"}, {"/List1/ToPay", "24000"}, {"/List1/ToRefund", "0"},
     {"/List6/Lines", lines({line(k020, "45382000", "1", "24000")})}, {"/Result", false}},
    nullptr};

// The same business and a rent of 100 000 without a tax agent: 117 000 tax,
// 37 000 to pay, of which the business part 24 000 on its own code.
const Scenario kBusinessAndRent{
    "BusinessAndRentSplitTheTaxToPay",
    R"({"IncomeKinds":5,"TaxpayerCategory":0,"Person":{"OKTMO":"45382000"},"ActualAdvancePayments":"80000",
      "Businesses":[{"ActivityKind":"1","HasDocumentedExpenses":0,"BusinessIncome":"1000000","ExpensesWithoutDocuments":"200000"}],
      "Sources13":[{"SourceName":"Арендатор","Incomes":[{"IncomeCode":1400,"IncomeAmount":"100000","Month":6}]}]})",
    {{"/List1/TotalIncome", "1100000"}, {"/List1/TaxBase", "900000"}, {"/List1/TaxComputed", "117000"},
     {"/List1/ToPay", "37000"},
     {"/List6/Lines", lines({line(k020, "45382000", "1", "24000"), line(k030, "45382000", "1", "13000")})},
     {"/Result", false}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Sources13.Item(0).IncomeTypeCode, "04"); }};

// Business income 100 000, norm 20 000, tax 10 400 against advances of 15 000:
// 4 600 back on the business code.
const Scenario kBusinessAdvancesBack{
    "BusinessAdvancesRefunded",
    R"({"IncomeKinds":4,"TaxpayerCategory":0,"Person":{"OKTMO":"45382000"},"ActualAdvancePayments":"15000",
      "Businesses":[{"ActivityKind":"1","HasDocumentedExpenses":0,"BusinessIncome":"100000","ExpensesWithoutDocuments":"20000"}]})",
    {{"/List1/TaxComputed", "10400"}, {"/List1/ToRefund", "4600"}, {"/List1/ToPay", "0"},
     {"/List6/Lines", lines({line(k020, "45382000", "2", "4600")})}, {"/Result", true}},
    nullptr};

// A flat bought for 3 000 000 (registered 2013): 2 000 000 claimed (art. 220
// p.3 sub.1), 1 000 000 used in earlier years. A salary of 500 000 takes
// 500 000 now; 500 000 and the interest 150 000 − 50 000 go to next year.
const Scenario kPurchaseCarryOver{
    "PropertyPurchaseCarryOver",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"Работодатель","SourceOKTMO":"45382000","TaxWithheld":"65000","TaxComputed":"65000","TaxableIncome":"500000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"500000","Month":12}]}],
      "Property":{"Granted":1,"CarriedOverMain":"1000000","CarriedOverInterest":"100000","PriorYearsMain":"1000000","PriorYearsInterest":"50000",
        "Objects":[{"ObjectKind":2,"OwnershipRegDate":"20.05.2013","ObjectExpenses":"3000000","ObjectInterest":"150000"}]}})",
    {{"/PrilZ/Share", 1.0}, {"/PrilZ/PurchaseClaimed", "2000000"}, {"/PrilZ/InterestClaimed", "150000"},
     {"/PrilZ/PriorPurchase", "1000000"}, {"/PrilZ/PriorInterest", "50000"},
     {"/PrilZ/CarriedPurchase", "1000000"}, {"/PrilZ/CarriedInterest", "100000"},
     {"/PrilZ/BaseAvailable", "500000"}, {"/PrilZ/PurchaseNow", "500000"}, {"/PrilZ/InterestNow", "0"},
     {"/PrilZ/PurchaseRest", "500000"}, {"/PrilZ/InterestRest", "100000"},
     {"/List1/Deductions", "500000"}, {"/List1/TaxBase", "0"}, {"/List1/TaxComputed", "0"},
     {"/List1/ToRefund", "65000"}, {"/List6/Lines", lines({line(k010, "45382000", "2", "65000")})},
     {"/Result", true}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Property->ObjectItem(0).ActualExpenses, rub(2'000'000));
        EXPECT_EQ(d.Property->ObjectItem(0).ShowShare, -1);
    }};

// The purchase is served first, then the interest from what is left of the
// base: 800 000 − 500 000 leaves room for the whole 100 000 of interest.
const Scenario kPurchaseThenInterest{
    "PropertyPurchaseThenInterest",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"Работодатель","SourceOKTMO":"45382000","TaxWithheld":"104000","TaxComputed":"104000","TaxableIncome":"800000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"800000","Month":12}]}],
      "Property":{"Granted":1,"PriorYearsMain":"1500000","PriorYearsInterest":"50000",
        "Objects":[{"ObjectKind":2,"OwnershipRegDate":"20.05.2013","ObjectExpenses":"3000000","ObjectInterest":"150000"}]}})",
    {{"/PrilZ/PurchaseNow", "500000"}, {"/PrilZ/InterestNow", "100000"}, {"/PrilZ/PurchaseRest", "0"},
     {"/PrilZ/InterestRest", "0"}, {"/List1/Deductions", "600000"}, {"/List1/TaxBase", "200000"},
     {"/List1/TaxComputed", "26000"}, {"/List1/ToRefund", "78000"}},
    nullptr};

// Half of a flat registered in 2010: before 2014 the limit is split by the
// share, 2 000 000 × 1/2 = 1 000 000, and the share is shown.
const Scenario kSharedObject{
    "SharedObjectBefore2014",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"Работодатель","SourceOKTMO":"45382000","TaxWithheld":"156000","TaxComputed":"156000","TaxableIncome":"1200000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"1200000","Month":12}]}],
      "Property":{"Granted":1,"Objects":[{"ObjectKind":2,"OwnershipKind":2,"OwnershipRegDate":"10.06.2010",
        "ShareNumerator":1,"ShareDenominator":2,"ObjectExpenses":"3000000"}]}})",
    {{"/PrilZ/Share", 0.5}, {"/PrilZ/PurchaseClaimed", "1000000"}, {"/PrilZ/PurchaseNow", "1000000"},
     {"/PrilZ/PurchaseRest", "0"}, {"/List1/TaxBase", "200000"}, {"/List1/TaxComputed", "26000"},
     {"/List1/ToRefund", "130000"}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Property->ObjectItem(0).ShowShare, -1);
        EXPECT_EQ(d.Property->ObjectItem(0).ActualExpenses, rub(1'000'000));
    }};

// Sales of property held less than three years (art. 220 p.2 sub.1): a flat
// for 2 500 000 takes the whole 1 000 000; a car for 300 000 takes 250 000;
// another flat sold for 1 800 000 uses its purchase expenses 1 700 000.
const Scenario kPropertySales{
    "PropertySalesUnderThreeYears",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[
       {"SourceName":"Покупатели","Incomes":[
         {"IncomeCode":1510,"IncomeAmount":"2500000","DeductionCode":901,"DeductionAmount":"1000000","Month":3},
         {"IncomeCode":1520,"IncomeAmount":"300000","DeductionCode":906,"DeductionAmount":"300000","Month":5},
         {"IncomeCode":1510,"IncomeAmount":"1800000","DeductionCode":903,"DeductionAmount":"1700000","Month":9}]},
       {"SourceName":"Работодатель","SourceOKTMO":"40300000","TaxWithheld":"78000","TaxComputed":"78000","TaxableIncome":"600000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"600000","Month":12}]}]})",
    {{"/PrilH1/HousingIncome", "2500000"}, {"/PrilH1/HousingDeduction", "1000000"},
     {"/PrilH1/OtherPropIncome", "300000"}, {"/PrilH1/OtherPropDeduction", "250000"},
     {"/PrilH1/HousingExpIncome", "1800000"}, {"/PrilH1/HousingExpenses", "1700000"},
     {"/PrilH1/Total", "2950000"}, {"/List1/TotalIncome", "5200000"}, {"/List1/Deductions", "2950000"},
     {"/List1/TaxBase", "2250000"}, {"/List1/TaxComputed", "292500"}, {"/List1/ToPay", "214500"},
     {"/List6/Lines", lines({line(k030, "45382000", "1", "214500")})}, {"/Result", false}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Sources13.Item(0).IncomeTypeCode, "09");  // housing and other property mixed
        EXPECT_EQ(d.Sources13.Item(1).IncomeTypeCode, "06");
    }};

// Russian dividends 100 000 with 13 000 withheld, and 1 000 USD of foreign
// dividends at 70.1234: 70 123.40 roubles, Russian tax 9 116 (9 116.04), the
// 100 USD paid abroad (7 012.34) credited as 7 012 (art. 232). Salary 300 000.
// Tax 39 000 + 13 000 + 9 116 = 61 116; 52 000 withheld, 7 012 credited:
// 2 104 to pay.
const Scenario kDividendsForeignCredit{
    "DividendsAndForeignTaxCredit",
    R"({"IncomeKinds":3,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"Работодатель","SourceOKTMO":"45382000","TaxWithheld":"39000","TaxComputed":"39000","TaxableIncome":"300000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"300000","Month":12}]}],
      "DividendSources":[{"IncomeCode":1010,"SourceName":"АО","SourceOKTMO":"45382000","TotalIncome":"100000",
        "TaxableIncome":"100000","TaxComputed":"13000","TaxWithheld":"13000"}],
      "CurrencyIncomes":[{"IncomeCodeRate":14,"IncomeCode":1010,"SourceName":"Apple Inc.","CountryCode":"840",
        "CurrencyCode":"840","CurrencyName":"Доллар США","IncomeDate":"15.05.2015","TaxPaymentDate":"15.05.2015",
        "IncomeDateRate":"70.1234","IncomeDateUnits":1,"TaxDateRate":"70.1234","TaxDateUnits":1,
        "IncomeInCurrency":"1000","IncomeInRoubles":"70123.4","TaxInCurrency":"100","TaxInRoubles":"7012.34"}]})",
    {{"/PrilB13/Dividends", "70123.4"}, {"/PrilB13/DividendTax", "9116"}, {"/PrilB13/TaxCredited", "7012"},
     {"/PrilB13/ForeignTaxPaid", "7012.34"}, {"/PrilB13/OtherIncome", "0"},
     {"/PrilB13/Lines/0/RussianTax", "9116"}, {"/PrilB13/Lines/0/TaxCredited", "7012"},
     {"/PrilB13/Lines/0/IncomeKind", "2"}, {"/PrilB13/Lines/0/IncomeRateText", "70.1234"},
     {"/PrilB13/Lines/0/IncomeInCurrencyText", "1000.00"}, {"/PrilB13/Lines/0/TaxInCurrencyText", "100.00"},
     {"/PrilB13/Lines/0/IncomeDate", "15.05.2015"}, {"/PrilB9/Lines", ordered_json::array()},
     {"/PrilA13/DividendIncome", "100000"}, {"/PrilA13/DividendTax", "13000"},
     {"/PrilA13/TaxWithheld", "52000"}, {"/List1/TotalIncome", "300000"},
     {"/List1/DividendIncome", "170123.4"}, {"/List1/TaxBase", "470123.4"}, {"/List1/TaxComputed", "61116"},
     {"/List1/TaxWithheld", "52000"}, {"/List1/ForeignTaxCredit", "7012"}, {"/List1/TaxAssessed", "2104"},
     {"/List1/ToPay", "2104"}, {"/List1/ToRefund", "0"},
     {"/List6/Lines", lines({line(k030, "45382000", "1", "2104")})}, {"/Result", false}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.DividendSources.Item(0).IncomeTypeCode, "08"); }};

// Traded securities: result 30 000 against a 2014 loss of 50 000 (art. 220.1):
// 30 000 used, 20 000 carried on. The broker's 3 900 come back to its OKTMO.
const Scenario kSecuritiesCarryForward{
    "SecuritiesLossCarryForward",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[
       {"SourceName":"Брокер","SourceOKTMO":"45268000","TaxWithheld":"3900","TaxComputed":"3900","TaxableIncome":"30000",
        "Incomes":[{"IncomeCode":1530,"IncomeAmount":"100000","DeductionCode":201,"DeductionAmount":"70000","Month":12}]},
       {"SourceName":"Работодатель","SourceOKTMO":"45382000","TaxWithheld":"52000","TaxComputed":"52000","TaxableIncome":"400000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"400000","Month":12}]}],
      "Securities":{"LossCB":["50000","0","0","0","0","0","0","0","0","0"]}})",
    {{"/PrilJ/TradedIncome", "100000"}, {"/PrilJ/TradedExpenses", "70000"}, {"/PrilJ/TradedResult", "30000"},
     {"/PrilJ/CarryInSec", "50000"}, {"/PrilJ/CarryUsedTraded", "30000"}, {"/PrilJ/CarryUsedSec", "30000"},
     {"/PrilJ/CarryLeftSec", "20000"}, {"/PrilJ/CarryOutSec", "20000"}, {"/PrilJ/TradedTaxable", "0"},
     {"/PrilJ/PeriodBaseSec", "30000"}, {"/PrilJ/TotalIncome", "100000"}, {"/PrilJ/TotalTaxable", "0"},
     {"/PrilJ/TotalExpenses", "100000"}, {"/List1/TotalIncome", "500000"}, {"/List1/ExpensesLosses", "100000"},
     {"/List1/TaxBase", "400000"}, {"/List1/TaxComputed", "52000"}, {"/List1/TaxWithheld", "55900"},
     {"/List1/ToRefund", "3900"}, {"/List6/Lines", lines({line(k010, "45268000", "2", "3900")})},
     {"/Result", true}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Sources13.Item(0).IncomeTypeCode, "03"); }};

// A non-resident: a highly qualified specialist at 13%, a contract paid with
// 13% withheld where 30% is due (17 000 to pay), dividends at 15% withheld in full.
const Scenario kNonResident{
    "NonResidentAt13And15And30",
    R"({"ReturnKind":1,"IncomeKinds":1,"Person":{"OKTMO":"45382000"},
      "Sources13NR":[{"SourceName":"ООО ВКС","SourceOKTMO":"45382000","TaxWithheld":"312000","TaxComputed":"312000","TaxableIncome":"2400000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"2400000","Month":12}]}],
      "Sources13":[{"SourceName":"ООО Подряд","SourceOKTMO":"40300000","TaxWithheld":"13000","TaxComputed":"13000","TaxableIncome":"100000",
        "Incomes":[{"IncomeCode":2010,"IncomeAmount":"100000","Month":4}]}],
      "DividendSources":[{"IncomeCode":1010,"SourceName":"АО","SourceOKTMO":"45382000","TotalIncome":"50000",
        "TaxableIncome":"50000","TaxComputed":"7500","TaxWithheld":"7500"}]})",
    {{"/List1/Rate", "13"}, {"/List1/TotalIncome", "2400000"}, {"/List1/TaxBase", "2400000"},
     {"/List1/TaxComputed", "312000"}, {"/List1/ToPay", "0"}, {"/List1/ToRefund", "0"},
     {"/List2/Rate", "30"}, {"/List2/TotalIncome", "100000"}, {"/List2/TaxBase", "100000"},
     {"/List2/TaxComputed", "30000"}, {"/List2/TaxWithheld", "13000"}, {"/List2/ToPay", "17000"},
     {"/List5/Rate", "15"}, {"/List5/TotalIncome", "0"}, {"/List5/DividendIncome", "50000"},
     {"/List5/TaxBase", "50000"}, {"/List5/TaxComputed", "7500"}, {"/List5/ToPay", "0"},
     {"/List3/Rate", ""}, {"/List4/Rate", ""}, {"/List3/TaxComputed", "0"}, {"/PrilE1/Total", "0"},
     {"/List6/Lines", lines({line(k030, "45382000", "1", "17000")})}, {"/Result", false}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Sources13NR.Item(0).IncomeTypeCode, "06");
        EXPECT_EQ(d.Sources13.Item(0).IncomeTypeCode, "06");
        EXPECT_EQ(d.DividendSources.Item(0).IncomeTypeCode, "08");
    }};

// A non-resident's dividends are taxed per payment: 100.50 gives 15 (15.075),
// 3.30 gives 0 (0.495) twice. The rate's own tax is on the total: 16 (16.065).
const Scenario kNonResidentDividendRounding{
    "NonResidentDividendsRoundedPerSource",
    R"({"ReturnKind":1,"IncomeKinds":1,"Person":{"OKTMO":"45382000"},
      "DividendSources":[{"IncomeCode":1010,"TotalIncome":"100.5","TaxableIncome":"100.5"},
                         {"IncomeCode":1010,"TotalIncome":"3.3","TaxableIncome":"3.3"},
                         {"IncomeCode":1010,"TotalIncome":"3.3","TaxableIncome":"3.3"}]})",
    {{"/PrilA15/TaxableIncome", "107.1"}, {"/PrilA15/TaxComputed", "15"}, {"/List5/TaxComputed", "16"},
     {"/List6/Lines", lines({line(k030, "45382000", "1", "16")})}},
    nullptr};

// Social deductions (art. 219): charity 300 000 cut to 25% of 1 000 000;
// children's education 70 000 lowered to 50 000, plus 30 000; expensive
// treatment without limit; education 40 000, treatment 100 000 and pension
// 120 000 under the common 120 000. Pension contributions 100 000 (kind 1,
// 30 000 granted by the agent) and 50 000 (kind 4) share the 120 000.
const Scenario kSocialCaps{
    "SocialDeductionCaps",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"Работодатель","SourceOKTMO":"45382000","TaxWithheld":"130000","TaxComputed":"130000","TaxableIncome":"1000000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"1000000","Month":12}]}],
      "Social":{"Granted":1,"Charity":"300000","SelfEducation":"40000","ChildEducation":["70000","30000"],
        "Medical":"100000","ExpensiveMedical":"200000",
        "Pensions":[{"ContractKind":1,"OrgName":"НПФ","Contribution":"100000","AgentDeduction":"30000"},
                    {"ContractKind":4,"OrgName":"ПФР","Contribution":"50000"}]}})",
    {{"/PrilE3/PensionPaid", "100000"}, {"/PrilE3/PensionDeductible", "100000"}, {"/PrilE3/AddPaid", "50000"},
     {"/PrilE3/AddDeductible", "20000"}, {"/PrilE3/PensionTotal", "120000"}, {"/PrilE3/GrantedByAgents", "30000"},
     {"/PrilE3/Contracts/0/Kind", 1}, {"/PrilE3/Contracts/0/GrantedByAgent", "30000"},
     {"/PrilE3/AddContribs/0/Kind", 2}, {"/PrilE3/AddContribs/0/Deductible", "20000"},
     {"/PrilE2/Charity", "250000"}, {"/PrilE2/ChildEducation", "80000"}, {"/PrilE2/OwnEducation", "40000"},
     {"/PrilE2/Treatment", "100000"}, {"/PrilE2/ExpensiveTreatment", "200000"},
     {"/PrilE2/PensionContrib", "120000"}, {"/PrilE2/UnlimitedTotal", "530000"},
     {"/PrilE2/LimitedTotal", "120000"}, {"/PrilE2/GrantedByAgents", "30000"}, {"/PrilE2/Total", "620000"},
     {"/List1/Deductions", "650000"}, {"/List1/TaxBase", "350000"}, {"/List1/TaxComputed", "45500"},
     {"/List1/ToRefund", "84500"}, {"/List6/Lines", lines({line(k010, "45382000", "2", "84500")})}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Social->ChildEducationGet(0), rub(50'000));
        EXPECT_EQ(d.Social->ChildEducationGet(1), rub(30'000));
    }};

// Advertising prizes at 35% (art. 224 p.2) with the 4 000 exemption of
// art. 217 p.28 shared in list order: 3 000 and 1 000. Taxable 0, 2 000 and
// a third prize 10 000 without a claim: tax 4 200 on 12 000.
const Scenario kPrizes35{
    "PrizesAt35",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources35":[{"IncomeCode":2740,"SourceName":"Магазин 1","TotalIncome":"3000","DeductionCode":503,"DeductionAmount":"4000"},
                   {"IncomeCode":2740,"SourceName":"Магазин 2","TotalIncome":"3000","DeductionCode":503,"DeductionAmount":"4000"},
                   {"IncomeCode":2740,"SourceName":"Розыгрыш","TotalIncome":"10000"}]})",
    {{"/PrilA35/TotalIncome", "16000"}, {"/PrilM/AdPrizeIncome", "6000"}, {"/PrilM/AdPrizeExempt", "4000"},
     {"/List3/Rate", "35"}, {"/List3/TotalIncome", "16000"}, {"/List3/ExemptIncome", "4000"},
     {"/List3/TaxableIncome", "12000"}, {"/List3/TaxBase", "12000"}, {"/List3/TaxComputed", "4200"},
     {"/List3/ToPay", "4200"}, {"/List6/Lines", lines({line(k030, "45382000", "1", "4200")})},
     {"/Result", false}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Sources35.Item(0).TaxableIncome, rub(0));
        EXPECT_EQ(d.Sources35.Item(1).TaxableIncome, rub(2'000));
        EXPECT_EQ(d.Sources35.Item(1).TaxComputed, rub(700));
        EXPECT_EQ(d.Sources35.Item(2).TaxComputed, rub(3'500));
        EXPECT_EQ(d.Sources35.Item(2).IncomeTypeCode, "09");
    }};

// 35% of 90.00 is exactly 31.50: 32 (a double would give 31.4999... and 31).
const Scenario kPrizeHalfRouble{
    "PrizeTaxAtExactHalf",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources35":[{"IncomeCode":2740,"TotalIncome":"90"}]})",
    {{"/List3/TaxComputed", "32"}, {"/List3/ToPay", "32"}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Sources35.Item(0).TaxComputed, rub(32)); }};

// Tax withheld on a loan benefit that is exempt (art. 212 p.1 sub.1) comes
// back to the OKTMO of the agent that withheld it.
const Scenario kLoanBenefitRefund{
    "ExemptLoanBenefitRefund",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources35":[{"IncomeCode":2620,"SourceName":"Банк","SourceOKTMO":"46000000","TotalIncome":"14285.71","TaxWithheld":"5000"}]})",
    {{"/PrilA35/TotalIncome", "0"}, {"/PrilA35/WithheldMatBenefit", "5000"}, {"/List3/WithheldMatBenefit", "5000"},
     {"/List3/ToRefund", "5000"}, {"/List6/Lines", lines({line(k010, "46000000", "2", "5000")})},
     {"/Result", true}},
    nullptr};

// Refund 5 100 over three sources in list order: A (OKTMO X) 3 000 of its
// 3 000, B (Y) 2 100 of its 4 000, C (X again) nothing.
const Scenario kRefundSpread{
    "RefundSpreadOverSources",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Social":{"Granted":1,"Medical":"60000"},
      "Sources13":[
       {"SourceName":"A","SourceOKTMO":"11111111","TaxWithheld":"3000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"30000","Month":1}]},
       {"SourceName":"B","SourceOKTMO":"22222222","TaxWithheld":"4000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"40000","Month":2}]},
       {"SourceName":"C","SourceOKTMO":"11111111","TaxWithheld":"2000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"20000","Month":3}]}]})",
    {{"/List1/TaxBase", "30000"}, {"/List1/TaxComputed", "3900"}, {"/List1/ToRefund", "5100"},
     {"/List6/Lines", lines({line(k010, "11111111", "2", "3000"), line(k010, "22222222", "2", "2100")})},
     {"/Result", true}},
    nullptr};

// What no source withheld (here advance payments of a business without any
// activity record) is refunded at the taxpayer's OKTMO; the two sources of one
// OKTMO share a line.
const Scenario kRefundRemainder{
    "RefundRemainderAtOwnOktmo",
    R"({"IncomeKinds":5,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},"ActualAdvancePayments":"1000",
      "Social":{"Granted":1,"Medical":"100000"},
      "Sources13":[
       {"SourceName":"A","SourceOKTMO":"11111111","TaxWithheld":"2000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"10000","Month":1}]},
       {"SourceName":"B","SourceOKTMO":"11111111","TaxWithheld":"2000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"10000","Month":2}]}]})",
    {{"/List1/Deductions", "20000"}, {"/List1/TaxComputed", "0"}, {"/List1/ToRefund", "5000"},
     {"/List6/Lines", lines({line(k010, "11111111", "2", "4000"), line(k010, "45382000", "2", "1000")})},
     {"/Result", true}},
    nullptr};

// The same with the taxpayer living where the sources are: one line.
const Scenario kRefundRemainderSameOktmo{
    "RefundRemainderSharesTheSourcesLine",
    R"({"IncomeKinds":5,"Person":{"OKTMO":"11111111"},"Standard":{"Granted":0},"ActualAdvancePayments":"1000",
      "Social":{"Granted":1,"Medical":"100000"},
      "Sources13":[
       {"SourceName":"A","SourceOKTMO":"11111111","TaxWithheld":"2000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"10000","Month":1}]},
       {"SourceName":"B","SourceOKTMO":"11111111","TaxWithheld":"2000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"10000","Month":2}]}]})",
    {{"/List6/Lines", lines({line(k010, "11111111", "2", "5000")})}},
    nullptr};

// Rent without a tax agent (13 000 at 13%) and 9% income without withholding
// (900): both go to one line of other declared income.
const Scenario kRates13And9ToPay{
    "Rates13And9ShareOnePayLine",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"Арендатор","Incomes":[{"IncomeCode":1400,"IncomeAmount":"100000","Month":6}]}],
      "Sources9":[{"IncomeCode":1011,"SourceName":"Ипотечный агент","TotalIncome":"10000","TaxableIncome":"10000"}]})",
    {{"/List4/Rate", "09"}, {"/List4/TotalIncome", "10000"}, {"/List4/TaxBase", "10000"},
     {"/List4/TaxComputed", "900"}, {"/List1/ToPay", "13000"},
     {"/List6/Lines", lines({line(k030, "45382000", "1", "13900")})}, {"/Result", false}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Sources9.Item(0).IncomeTypeCode, "09"); }};

// Nothing to pay or refund: one nil line on the code of other income.
const Scenario kNilLine{
    "NilLine",
    R"({"IncomeKinds":0,"Person":{"OKTMO":"45382000"}})",
    {{"/List6/Lines", lines({line(k030, "45382000", "3", "0")})}, {"/Result", false},
     {"/List1/Rate", "13"}, {"/List1/TaxBase", "0"}, {"/PrilE1/Total", "0"}},
    nullptr};

// An entrepreneur's nil line goes to the business code.
const Scenario kNilLineEntrepreneur{
    "NilLineOfAnEntrepreneur",
    R"({"IncomeKinds":4,"TaxpayerCategory":0,"Person":{"OKTMO":"45382000"},"Businesses":[{"ActivityKind":"1"}]})",
    {{"/List6/Lines", lines({line(k020, "45382000", "3", "0")})}, {"/Result", false}},
    nullptr};

// The estimated-income return has no sheets and no sections.
const Scenario kEstimatedIncome{
    "EstimatedIncomeReturnComputesNothing",
    R"({"ReturnKind":2,"IncomeKinds":4,"TaxpayerCategory":0,"Person":{"OKTMO":"45382000"},"EstimatedIncome":"500000",
      "Businesses":[{"ActivityKind":"1","BusinessIncome":"100000"}]})",
    {{"/List6/Lines", ordered_json::array()}, {"/Result", true}, {"/List1/Rate", ""},
     {"/PrilV1/Income", "0"}, {"/List1/TaxComputed", "0"}},
    nullptr};

// Deductions above the income: they stop at the income, the base is 0 and
// all the tax withheld comes back.
const Scenario kDeductionsAboveIncome{
    "DeductionsLargerThanIncome",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},"Social":{"Granted":1,"Medical":"120000"},
      "Sources13":[{"SourceName":"A","SourceOKTMO":"45382000","TaxWithheld":"13000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"100000","Month":5}]}]})",
    {{"/PrilE2/Total", "120000"}, {"/List1/Deductions", "100000"}, {"/List1/TaxBase", "0"},
     {"/List1/TaxComputed", "0"}, {"/List1/ToRefund", "13000"}, {"/List1/ToPay", "0"}},
    nullptr};

// 13% of 100 050.00 is exactly 13 006.50: the tax is 13 007.
const Scenario kHalfRoubleAt13{
    "TaxAtExactHalfRoundsUp",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"A","SourceOKTMO":"45382000","TaxWithheld":"13000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"100050","Month":5}]}]})",
    {{"/List1/TaxBase", "100050"}, {"/List1/TaxComputed", "13007"}, {"/List1/ToPay", "7"}},
    nullptr};

const Scenario* const kScenarios[] = {
    &kTwoEmployersChildLimit, &kBusinessNorm, &kBusinessAndRent, &kBusinessAdvancesBack,
    &kPurchaseCarryOver, &kPurchaseThenInterest, &kSharedObject, &kPropertySales,
    &kDividendsForeignCredit, &kSecuritiesCarryForward, &kNonResident, &kNonResidentDividendRounding,
    &kSocialCaps, &kPrizes35, &kPrizeHalfRouble, &kLoanBenefitRefund, &kRefundSpread, &kRefundRemainder,
    &kRefundRemainderSameOktmo, &kRates13And9ToPay, &kNilLine, &kNilLineEntrepreneur, &kEstimatedIncome,
    &kDeductionsAboveIncome, &kHalfRoubleAt13,
};

class WorkedReturn : public ::testing::TestWithParam<const Scenario*> {};

std::vector<std::string> incomeTypeCodes(const mTDeclaration& d) {
    std::vector<std::string> codes;
    auto collect = [&](const auto& list) {
        for (size_t i = 0; i < list.Count(); ++i)
            codes.push_back(list.Item(i).IncomeTypeCode);
    };
    collect(d.Sources13); collect(d.Sources13NR); collect(d.Sources35);
    collect(d.DividendSources); collect(d.Sources9); collect(d.InvestPartnerships);
    return codes;
}

} // namespace

TEST_P(WorkedReturn, GivesTheResultsWorkedOutByHand) { checkScenario(*GetParam()); }

TEST_P(WorkedReturn, NeverBothToPayAndToRefund) {
    Computed c = computeJson(GetParam()->json);
    for (const char* list : {"List1", "List2", "List3", "List4", "List5"}) {
        const Currency toPay = *Currency::parse(c.json[list]["ToPay"].get<std::string>());
        const Currency toRefund = *Currency::parse(c.json[list]["ToRefund"].get<std::string>());
        EXPECT_FALSE(toPay > Currency() && toRefund > Currency()) << list;
    }
}

TEST_P(WorkedReturn, ComputingAgainGivesTheSameResults) {
    Computed c = computeJson(GetParam()->json);
    const std::vector<std::string> codes = incomeTypeCodes(*c.decl);

    // The same object again over the return it has already written into.
    const bool again = c.svod->Compute(*c.decl);
    EXPECT_EQ(again, c.result);
    EXPECT_EQ(SvodSumToJson(*c.svod, again), c.json);
    EXPECT_EQ(incomeTypeCodes(*c.decl), codes);

    // A fresh object over the same return.
    kTSvodSum fresh;
    EXPECT_EQ(fresh.Compute(*c.decl), c.result);
    EXPECT_TRUE(fresh == *c.svod);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, WorkedReturn, ::testing::ValuesIn(kScenarios), scenarioName);
