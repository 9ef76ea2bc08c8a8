// The property deduction for housing (Tax Code art. 220 p.3 and p.4) and the
// deductions on sales of property (art. 220 p.2).
#include "ComputeTestSupport.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::test;

namespace {

// A return with a salary large enough for any claim and the given property objects.
std::string purchase(const std::string& objects, const std::string& property = "",
                     const char* salary = "3000000") {
    return std::string(R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"A","SourceOKTMO":"45382000","Incomes":[{"IncomeCode":2000,"IncomeAmount":")") +
           salary + R"(","Month":12}]}],
      "Property":{"Granted":1,)" + property + R"("Objects":[)" + objects + "]}}";
}

const Scenario kBefore2008{
    "Limit1000000Before2008",
    purchase(R"({"OwnershipRegDate":"15.03.2007","ObjectExpenses":"3000000"})"),
    {{"/PrilZ/PurchaseClaimed", "1000000"}, {"/PrilZ/PurchaseNow", "1000000"}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Property->ObjectItem(0).ShowShare, -1); }};

// The act of transfer dates the object when it has one.
const Scenario kTransferAct{
    "TransferActDatesTheObject",
    purchase(R"({"InvestFlag":1,"PurchaseDate":"10.10.2007","OwnershipRegDate":"05.05.2009","ObjectExpenses":"3000000"})"),
    {{"/PrilZ/PurchaseClaimed", "1000000"}}};

// Since 2014 a co-owner has the whole limit for his own expenses.
const Scenario kSharedSince2014{
    "SharedObjectSince2014HasTheWholeLimit",
    purchase(R"({"OwnershipRegDate":"12.02.2015","ShareNumerator":1,"ShareDenominator":2,"ObjectExpenses":"1500000"},)"
             R"({"OwnershipRegDate":"12.02.2015","ObjectExpenses":"0","ObjectInterest":"10"})"),
    {{"/PrilZ/Share", 1.0}, {"/PrilZ/PurchaseClaimed", "1500000"}, {"/PrilZ/InterestClaimed", "10"}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Property->ObjectItem(0).ShowShare, 0);
        EXPECT_EQ(d.Property->ObjectItem(0).ActualExpenses, rub(1'500'000));
    }};

// A third of 2 000 000 is 666 666.67 in kopecks.
const Scenario kThirdShare{
    "ThirdShareRoundedToKopecks",
    purchase(R"({"OwnershipRegDate":"01.07.2012","ShareNumerator":1,"ShareDenominator":3,"ObjectExpenses":"900000"})"),
    {{"/PrilZ/Share", 1.0 / 3.0}, {"/PrilZ/PurchaseClaimed", "666666.67"}, {"/PrilZ/PurchaseNow", "666666.67"}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Property->ObjectItem(0).ActualExpenses, kop(66'666'667)); }};

// A share that cannot be one counts as the whole; the check reports it.
const Scenario kZeroDenominator{
    "ShareWithoutDenominatorIsTheWhole",
    purchase(R"({"OwnershipRegDate":"01.07.2012","ShareNumerator":1,"ShareDenominator":0,"ObjectExpenses":"3000000"})"),
    {{"/PrilZ/Share", 1.0}, {"/PrilZ/PurchaseClaimed", "2000000"}}};
const Scenario kShareAboveOne{
    "ShareAboveOneIsTheWhole",
    purchase(R"({"OwnershipRegDate":"01.07.2012","ShareNumerator":3,"ShareDenominator":2,"ObjectExpenses":"3000000"})"),
    {{"/PrilZ/Share", 1.0}, {"/PrilZ/PurchaseClaimed", "2000000"}}};

// Two objects with expenses: one 2 000 000 over both, spread in list order.
const Scenario kTwoObjects{
    "TwoObjectsShareOneLimit",
    purchase(R"({"OwnershipRegDate":"01.07.2012","ShareNumerator":1,"ShareDenominator":2,"ObjectExpenses":"1500000"},)"
             R"({"OwnershipRegDate":"01.07.2015","ObjectExpenses":"1000000"})"),
    {{"/PrilZ/Share", 1.0}, {"/PrilZ/PurchaseClaimed", "2000000"}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Property->ObjectItem(0).ActualExpenses, rub(1'500'000));
        EXPECT_EQ(d.Property->ObjectItem(1).ActualExpenses, rub(500'000));
        EXPECT_EQ(d.Property->ObjectItem(0).ShowShare, 0);
    }};

// The first object has only interest: the second decides limit and share.
const Scenario kSecondObjectChosen{
    "TwoObjectsTheOneWithExpensesDecides",
    purchase(R"({"OwnershipRegDate":"01.07.2005","ObjectExpenses":"0","ObjectInterest":"100000"},)"
             R"({"OwnershipRegDate":"01.07.2009","ShareNumerator":1,"ShareDenominator":2,"ObjectExpenses":"3000000"})"),
    {{"/PrilZ/Share", 0.5}, {"/PrilZ/PurchaseClaimed", "1000000"}, {"/PrilZ/InterestClaimed", "100000"},
     {"/PrilZ/InterestNow", "100000"}},
    [](const mTDeclaration& d) {
        EXPECT_EQ(d.Property->ObjectItem(0).ShowShare, 0);
        EXPECT_EQ(d.Property->ObjectItem(1).ShowShare, -1);
        EXPECT_EQ(d.Property->ObjectItem(1).ActualExpenses, rub(1'000'000));
    }};

// Earlier years above the claim: nothing now and no negative rest.
const Scenario kEarlierAboveClaim{
    "EarlierYearsAboveTheClaimLeaveNoRest",
    purchase(R"({"OwnershipRegDate":"01.07.2012","ObjectExpenses":"3000000","ObjectInterest":"10000"})",
             R"("PriorYearsMain":"2500000","PriorYearsInterest":"20000",)"),
    {{"/PrilZ/PurchaseNow", "0"}, {"/PrilZ/PurchaseRest", "0"}, {"/PrilZ/InterestNow", "0"},
     {"/PrilZ/InterestRest", "0"}, {"/List1/Deductions", "0"}}};

// A base of 400 000 against a claim of 1 000 000 and interest 100 000.
const Scenario kBaseBelowClaim{
    "BaseBelowTheClaim",
    purchase(R"({"OwnershipRegDate":"01.07.2015","ObjectExpenses":"1000000","ObjectInterest":"100000"})", "",
             "400000"),
    {{"/PrilZ/BaseAvailable", "400000"}, {"/PrilZ/PurchaseNow", "400000"}, {"/PrilZ/InterestNow", "0"},
     {"/PrilZ/PurchaseRest", "600000"}, {"/PrilZ/InterestRest", "100000"}, {"/List1/TaxBase", "0"}}};

// What other deductions and the agents took comes off the base first.
const Scenario kBaseAfterOtherDeductions{
    "BaseAfterEveryOtherDeduction",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"PersonalCode":105},
      "Social":{"Granted":1,"Medical":"50000"},
      "Sources13":[{"SourceName":"A","SourceOKTMO":"45382000","StandardBySource":1,"Incomes":[{"IncomeCode":2000,"IncomeAmount":"1000000","Month":12}]}],
      "Property":{"Granted":1,"AgentMain":"100000","Objects":[{"OwnershipRegDate":"01.07.2015","ObjectExpenses":"2000000"}]}})",
    {{"/PrilE1/Total", "3000"}, {"/PrilZ/AgentPurchase", "100000"}, {"/PrilZ/BaseAvailable", "847000"},
     {"/PrilZ/PurchaseNow", "847000"}, {"/PrilZ/PurchaseRest", "1053000"}, {"/List1/Deductions", "1000000"},
     {"/List1/TaxBase", "0"}}};

const Scenario kPurchaseNonResident{
    "PurchaseNotForANonResident",
    R"({"ReturnKind":1,"IncomeKinds":1,"Property":{"Granted":1,"Objects":[{"OwnershipRegDate":"01.07.2015","ObjectExpenses":"2000000"}]}})",
    {{"/PrilZ/PurchaseClaimed", "0"}, {"/PrilZ/Share", 0.0}}};

// Sales of property held less than the minimum period.
std::string sales(const std::string& items, const std::string& extra = "") {
    return R"({"IncomeKinds":3,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"Покупатели","Incomes":[)" + items + "]}]" + extra + "}";
}

const Scenario kTwoFlats{
    "TwoFlatsShareTheMillion",
    sales(R"({"IncomeCode":1510,"IncomeAmount":"700000","DeductionCode":901,"DeductionAmount":"700000","Month":2},
             {"IncomeCode":1510,"IncomeAmount":"600000","DeductionCode":901,"DeductionAmount":"600000","Month":8})"),
    {{"/PrilH1/HousingIncome", "1300000"}, {"/PrilH1/HousingDeduction", "1000000"}, {"/PrilH1/Total", "1000000"}}};

const Scenario kFlatThenShare{
    "FlatThenShareOfAFlat",
    sales(R"({"IncomeCode":1510,"IncomeAmount":"300000","DeductionCode":901,"DeductionAmount":"300000","Month":2},
             {"IncomeCode":1511,"IncomeAmount":"900000","DeductionCode":904,"DeductionAmount":"800000","Month":8})"),
    {{"/PrilH1/HousingDeduction", "300000"}, {"/PrilH1/HousingShareIncome", "900000"},
     {"/PrilH1/HousingShareDeduction", "700000"}, {"/PrilH1/Total", "1000000"}}};

const Scenario kShareAboveItsIncome{
    "ShareDeductionCappedAtItsIncome",
    sales(R"({"IncomeCode":1511,"IncomeAmount":"200000","DeductionCode":904,"DeductionAmount":"500000","Month":2})"),
    {{"/PrilH1/HousingShareDeduction", "200000"}}};

const Scenario kCarAndGarage{
    "OtherPropertyShares250000",
    sales(R"({"IncomeCode":1520,"IncomeAmount":"300000","DeductionCode":906,"DeductionAmount":"300000","Month":2},
             {"IncomeCode":1512,"IncomeAmount":"100000","DeductionCode":902,"DeductionAmount":"100000","Month":3})"),
    {{"/PrilH1/OtherPropDeduction", "250000"}, {"/PrilH1/OtherRealIncome", "100000"},
     {"/PrilH1/OtherRealDeduction", "0"}, {"/PrilH1/Total", "250000"}}};

const Scenario kExpensesAboveSale{
    "ExpensesCappedAtTheSale",
    sales(R"({"IncomeCode":1510,"IncomeAmount":"800000","DeductionCode":903,"DeductionAmount":"900000","Month":2},
             {"IncomeCode":1512,"IncomeAmount":"50000","DeductionCode":903,"DeductionAmount":"70000","Month":2},
             {"IncomeCode":4900,"IncomeAmount":"500000","DeductionCode":908,"DeductionAmount":"450000","Month":4})"),
    {{"/PrilH1/HousingExpIncome", "800000"}, {"/PrilH1/HousingExpenses", "800000"},
     {"/PrilH1/OtherRealExpenses", "50000"}, {"/PrilH1/RedemptionDeduction", "450000"},
     {"/PrilH1/Total", "1300000"}}};

// A sale abroad takes from the same limit, never more than its income.
const Scenario kForeignSale{
    "ForeignSaleTakesFromTheSameLimit",
    sales(R"({"IncomeCode":1510,"IncomeAmount":"800000","DeductionCode":901,"DeductionAmount":"800000","Month":2})",
          R"(,"CurrencyIncomes":[{"IncomeCodeRate":13,"IncomeCode":1511,"IncomeInRoubles":"300000",
              "DeductionCode":904,"DeductionAmount":"500000"}])"),
    {{"/PrilH1/HousingDeduction", "800000"}, {"/PrilH1/HousingShareIncome", "300000"},
     {"/PrilH1/HousingShareDeduction", "200000"}, {"/PrilH1/Total", "1000000"}}};

const Scenario kSalesNonResident{
    "SalesDeductionsNotForANonResident",
    R"({"ReturnKind":1,"IncomeKinds":1,"Sources13":[{"SourceName":"Покупатель","Incomes":[
        {"IncomeCode":1510,"IncomeAmount":"800000","DeductionCode":901,"DeductionAmount":"800000","Month":2}]}]})",
    {{"/PrilH1/HousingIncome", "0"}, {"/PrilH1/Total", "0"}}};

const Scenario* const kCases[] = {
    &kBefore2008, &kTransferAct, &kSharedSince2014, &kThirdShare, &kZeroDenominator, &kShareAboveOne,
    &kTwoObjects, &kSecondObjectChosen, &kEarlierAboveClaim, &kBaseBelowClaim, &kBaseAfterOtherDeductions,
    &kPurchaseNonResident, &kTwoFlats, &kFlatThenShare, &kShareAboveItsIncome, &kCarAndGarage,
    &kExpensesAboveSale, &kForeignSale, &kSalesNonResident};

class PropertyDeduction : public ::testing::TestWithParam<const Scenario*> {};
TEST_P(PropertyDeduction, Computes) { checkScenario(*GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, PropertyDeduction, ::testing::ValuesIn(kCases), scenarioName);

} // namespace
