// Exempt income, professional deductions, foreign income, social deductions,
// securities and partnerships, and the rate sections, case by case.
#include "ComputeTestSupport.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::test;

namespace {

// A resident's return with the given 13% items at one source, no standard deductions.
std::string items13(const std::string& items, const std::string& extra = "", int incomeKinds = 1) {
    return R"({"IncomeKinds":)" + std::to_string(incomeKinds) +
           R"(,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"A","SourceOKTMO":"45382000","Incomes":[)" + items + "]}]" + extra + "}";
}

// ---- Exempt income (art. 217) ----

const Scenario kGifts{
    "GiftsFromTwoSources",
    R"({"IncomeKinds":1,"Standard":{"Granted":0},"Sources13":[
        {"SourceName":"A","Incomes":[{"IncomeCode":2720,"IncomeAmount":"3000","DeductionCode":501,"DeductionAmount":"3000","Month":3}]},
        {"SourceName":"B","Incomes":[{"IncomeCode":2720,"IncomeAmount":"2500","DeductionCode":501,"DeductionAmount":"2500","Month":5}]}]})",
    {{"/PrilM/GiftIncome", "5500"}, {"/PrilM/GiftExempt", "4000"}, {"/PrilM/TotalExempt", "4000"},
     {"/List1/ExemptIncome", "4000"}, {"/List1/TaxableIncome", "1500"}}};

const Scenario kGiftWithoutCode{
    "GiftWithoutDeductionCode",
    items13(R"({"IncomeCode":2720,"IncomeAmount":"3000","Month":3})"),
    {{"/PrilM/GiftIncome", "3000"}, {"/PrilM/GiftExempt", "0"}}};

const Scenario kEmployerPension{
    "EmployerPensionContributions",
    items13(R"({"IncomeCode":1211,"IncomeAmount":"15000","DeductionCode":510,"DeductionAmount":"15000","Month":3},
               {"IncomeCode":2762,"IncomeAmount":"60000","DeductionCode":508,"DeductionAmount":"50000","Month":4},
               {"IncomeCode":2790,"IncomeAmount":"15000","DeductionCode":507,"DeductionAmount":"15000","Month":5})"),
    {{"/PrilM/PensionContribExempt", "12000"}, {"/PrilM/BirthHelpExempt", "50000"},
     {"/PrilM/HelpExempt", "10000"}, {"/PrilM/TotalExempt", "72000"}}};

const Scenario kForeignGift{
    "ForeignGift",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"1000","Month":3})",
            R"(,"CurrencyIncomes":[{"IncomeCodeRate":13,"IncomeCode":2720,"IncomeInRoubles":"3000","DeductionCode":501,"DeductionAmount":"3000"}])",
            3),
    {{"/PrilM/GiftIncome", "3000"}, {"/PrilM/GiftExempt", "3000"}, {"/PrilB13/OtherIncome", "3000"},
     {"/List1/TotalIncome", "4000"}, {"/List1/TaxableIncome", "1000"}}};

// ---- Professional deductions (art. 221) ----

const Scenario kContractCapped{
    "ContractExpensesCappedAtIncome",
    items13(R"({"IncomeCode":2010,"IncomeAmount":"100000","DeductionCode":403,"DeductionAmount":"120000","Month":3},
               {"IncomeCode":2202,"IncomeAmount":"200000","DeductionCode":405,"DeductionAmount":"60000","Month":4})"),
    {{"/PrilG/ContractIncome", "100000"}, {"/PrilG/ContractExpenses", "100000"},
     {"/PrilG/AuthorNormIncome", "200000"}, {"/PrilG/AuthorNormExpenses", "60000"}, {"/PrilG/Total", "160000"},
     {"/List1/Deductions", "160000"}, {"/List1/TaxBase", "140000"}}};

// A non-resident claims only civil-contract expenses, at 13%.
const Scenario kNonResidentContract{
    "NonResidentContractExpenses",
    R"({"ReturnKind":1,"IncomeKinds":1,"Sources13NR":[{"SourceName":"A","Incomes":[
        {"IncomeCode":2010,"IncomeAmount":"100000","DeductionCode":403,"DeductionAmount":"20000","Month":3},
        {"IncomeCode":2202,"IncomeAmount":"50000","DeductionCode":405,"DeductionAmount":"10000","Month":4}]}]})",
    {{"/PrilG/ContractExpenses", "20000"}, {"/PrilG/AuthorNormExpenses", "0"}, {"/List1/TotalIncome", "150000"},
     {"/List1/Deductions", "20000"}, {"/List1/TaxBase", "130000"}, {"/List1/TaxComputed", "16900"}}};

const Scenario kForeignContract{
    "ForeignContractExpenses",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"1000","Month":3})",
            R"(,"CurrencyIncomes":[{"IncomeCodeRate":13,"IncomeCode":2010,"IncomeInRoubles":"50000","DeductionCode":403,"DeductionAmount":"10000"}])",
            3),
    {{"/PrilG_In/ContractIncome", "50000"}, {"/PrilG_In/ContractExpenses", "10000"}, {"/PrilG_In/Total", "10000"},
     {"/PrilG/Total", "0"}}};

// ---- Foreign income (art. 232) ----

const Scenario kRateTexts{
    "ExchangeRateTexts",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"1000","Month":3})",
            R"(,"CurrencyIncomes":[{"IncomeCodeRate":13,"IncomeCode":1400,"IncomeDateRate":"100","IncomeDateUnits":100,
                 "TaxDateRate":"70.5","TaxDateUnits":1,"IncomeInCurrency":"1234.5678","IncomeInRoubles":"1234.57"},
                {"IncomeCodeRate":13,"IncomeCode":1400,"IncomeDateRate":"65.4321","IncomeDateUnits":0,"IncomeInCurrency":"-5"},
                {"IncomeCodeRate":13,"IncomeCode":1400,"IncomeDateRate":"1","IncomeDateUnits":3}])",
            3),
    {{"/PrilB13/Lines/0/IncomeRateText", "1"}, {"/PrilB13/Lines/0/TaxRateText", "70.5"},
     {"/PrilB13/Lines/0/IncomeInCurrencyText", "1234.56"}, {"/PrilB13/Lines/0/TaxInCurrencyText", "0.00"},
     {"/PrilB13/Lines/1/IncomeRateText", ""}, {"/PrilB13/Lines/1/IncomeInCurrencyText", "0.00"},
     {"/PrilB13/Lines/2/IncomeRateText", "0.3333"}}};

const Scenario kForeignDeductionAboveIncome{
    "ForeignDeductionAboveIncome",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"1000","Month":3})",
            R"(,"CurrencyIncomes":[{"IncomeCodeRate":13,"IncomeCode":1400,"IncomeInRoubles":"10000",
                 "DeductionCode":403,"DeductionAmount":"15000","TaxInRoubles":"500"}])",
            3),
    {{"/PrilB13/Lines/0/RussianTax", "0"}, {"/PrilB13/Lines/0/TaxCredited", "0"}, {"/PrilB13/TaxCredited", "0"},
     {"/PrilB13/ForeignTaxPaid", "500"}}};

// Income at 30% goes to no foreign sheet; 2620 neither.
const Scenario kForeignAt30{
    "ForeignIncomeAt30InNoSheet",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"1000","Month":3})",
            R"(,"CurrencyIncomes":[{"IncomeCodeRate":30,"IncomeCode":1400,"IncomeInRoubles":"10000"},
                                   {"IncomeCodeRate":35,"IncomeCode":2620,"IncomeInRoubles":"10000"}])",
            3),
    {{"/PrilB13/Lines", nlohmann::ordered_json::array()}, {"/PrilB9/Lines", nlohmann::ordered_json::array()},
     {"/PrilB35/Lines", nlohmann::ordered_json::array()}}};

// Profit of a controlled foreign company is in the base apart from other
// income, taxed at 13% with it.
const Scenario kKikProfit{
    "ControlledCompanyProfit",
    R"({"IncomeKinds":2,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "CurrencyIncomes":[{"IncomeCodeRate":99,"IncomeCode":1000,"IncomeInRoubles":"100000"}]})",
    {{"/PrilB13/KikProfit", "100000"}, {"/PrilB13/Lines/0/IncomeKind", "1"}, {"/PrilB13/Lines/0/RussianTax", "13000"},
     {"/List1/TotalIncome", "0"}, {"/List1/DividendIncome", "100000"}, {"/List1/TaxBase", "100000"},
     {"/List1/TaxComputed", "13000"}, {"/List1/ToPay", "13000"}}};

const Scenario kForeignAt9{
    "ForeignIncomeAt9",
    R"({"IncomeKinds":2,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "CurrencyIncomes":[{"IncomeCodeRate":9,"IncomeCode":1011,"IncomeInRoubles":"10000","TaxInRoubles":"500"}]})",
    {{"/PrilB9/OtherIncome", "10000"}, {"/PrilB9/Lines/0/RussianTax", "900"}, {"/PrilB9/TaxCredited", "500"},
     {"/List4/TotalIncome", "10000"}, {"/List4/TaxComputed", "900"}, {"/List4/ForeignTaxCredit", "500"},
     {"/List4/ToPay", "400"}, {"/List6/Lines", lines({line(k030, "45382000", "1", "400")})}}};

// Tax paid abroad is credited only up to the Russian tax and never refunded.
const Scenario kForeignTaxNotRefunded{
    "ForeignTaxNeverRefunded",
    R"({"IncomeKinds":2,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "CurrencyIncomes":[{"IncomeCodeRate":13,"IncomeCode":1400,"IncomeInRoubles":"200000","TaxInRoubles":"30000"}]})",
    {{"/PrilB13/Lines/0/RussianTax", "26000"}, {"/PrilB13/TaxCredited", "26000"}, {"/List1/TaxComputed", "26000"},
     {"/List1/ForeignTaxCredit", "26000"}, {"/List1/ToPay", "0"}, {"/List1/ToRefund", "0"},
     {"/List6/Lines", lines({line(k030, "45382000", "3", "0")})}, {"/Result", false}}};

// ---- Social deductions (art. 219) ----

// A quarter of 100 000.03 is 25 000.0075: cut to 25 000.00.
const Scenario kCharityCut{
    "CharityCutToKopecks",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"100000.03","Month":3})",
            R"(,"Social":{"Granted":1,"Charity":"50000"})"),
    {{"/PrilE2/Charity", "25000"}, {"/PrilE2/UnlimitedTotal", "25000"}}};

const Scenario kLimitedTogether{
    "TreatmentEducationPensionUnderOneLimit",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"1000000","Month":3})",
            R"(,"Social":{"Granted":1,"Medical":"100000","SelfEducation":"40000",
                "Pensions":[{"ContractKind":1,"Contribution":"30000"},{"ContractKind":0,"Contribution":"10000"},
                            {"ContractKind":5,"Contribution":"10000"}]})"),
    {{"/PrilE3/PensionTotal", "30000"}, {"/PrilE3/Contracts/0/Kind", 1},
     {"/PrilE3/AddContribs", nlohmann::ordered_json::array()}, {"/PrilE3/PensionPaid", "30000"},
     {"/PrilE2/LimitedTotal", "120000"}, {"/PrilE2/Total", "120000"}}};

// An agent that granted more than the deduction itself: the deductions of the
// return stay within the limit and no total goes negative.
const Scenario kAgentAboveDeduction{
    "AgentGrantedMoreThanTheLimit",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"1000000","Month":3})",
            R"(,"Social":{"Granted":1,"Pensions":[{"ContractKind":1,"Contribution":"130000","AgentDeduction":"150000"}]})"),
    {{"/PrilE3/Contracts/0/Deductible", "120000"}, {"/PrilE3/Contracts/0/GrantedByAgent", "130000"},
     {"/PrilE3/GrantedByAgents", "130000"}, {"/PrilE2/LimitedTotal", "120000"},
     {"/PrilE2/GrantedByAgents", "120000"}, {"/PrilE2/Total", "0"}, {"/List1/Deductions", "120000"}}};

// The investment deduction is carried even for a non-resident or without
// social deductions; a resident's base takes both amounts.
const Scenario kInvestmentNonResident{
    "InvestmentAmountsOfANonResident",
    R"({"ReturnKind":1,"IncomeKinds":1,"InvestmentDeduction":"10000","InvestmentDeductionReturn":"5000"})",
    {{"/PrilE3/InvestDeduction", "10000"}, {"/PrilE3/InvestRestore", "5000"}, {"/List1/Deductions", "0"}}};
const Scenario kInvestmentResident{
    "InvestmentAmountsInTheBase",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"100000","Month":3})",
            R"(,"InvestmentDeduction":"10000","InvestmentDeductionReturn":"5000")"),
    {{"/PrilE3/InvestDeduction", "10000"}, {"/List1/TotalIncome", "105000"}, {"/List1/Deductions", "10000"},
     {"/List1/TaxBase", "95000"}}};

// ---- Securities and partnerships (art. 214.1, 214.3, 214.4, 214.5, 220.1) ----

// A loss on traded securities reduces the result of derivatives on
// securities; the rest goes to later years.
const Scenario kTradedLossToFiss{
    "TradedLossReducesDerivatives",
    items13(R"({"IncomeCode":1530,"IncomeAmount":"100000","DeductionCode":201,"DeductionAmount":"130000","Month":3},
               {"IncomeCode":1532,"IncomeAmount":"50000","DeductionCode":206,"DeductionAmount":"30000","Month":4})"),
    {{"/PrilJ/TradedLoss", "30000"}, {"/PrilJ/FissSecResult", "20000"}, {"/PrilJ/TradedLossToFissSec", "20000"},
     {"/PrilJ/TradedToFissSec", "20000"}, {"/PrilJ/TradedLossFuture", "10000"}, {"/PrilJ/FissSecTaxable", "0"},
     {"/PrilJ/CarryOutSec", "10000"}, {"/PrilJ/TotalIncome", "150000"}, {"/PrilJ/TotalExpenses", "150000"}}};

const Scenario kNoDeductionCode{
    "SecuritiesItemWithoutDeductionCode",
    items13(R"({"IncomeCode":1530,"IncomeAmount":"100000","Month":3})"),
    {{"/PrilJ/TradedIncome", "0"}, {"/PrilJ/TotalIncome", "0"}, {"/PrilJ/TotalExpenses", "0"}}};

const Scenario kRepoLoss{
    "RepoLossReducesTradedSecurities",
    items13(R"({"IncomeCode":1530,"IncomeAmount":"100000","DeductionCode":201,"DeductionAmount":"50000","Month":3},
               {"IncomeCode":1537,"IncomeAmount":"10000","DeductionCode":207,"DeductionAmount":"30000","Month":4})"),
    {{"/PrilJ/RepoLoss", "20000"}, {"/PrilJ/RepoLossTraded", "20000"}, {"/PrilJ/RepoLossToTraded", "20000"},
     {"/PrilJ/TradedCosts", "70000"}, {"/PrilJ/TradedResult", "30000"}, {"/PrilJ/TradedTaxable", "30000"},
     {"/PrilJ/RepoTaxable", "0"}}};

const Scenario kFissOtherLoss{
    "OtherDerivativesLossReducesDerivativesOnSecurities",
    items13(R"({"IncomeCode":1535,"IncomeAmount":"10000","DeductionCode":206,"DeductionAmount":"40000","Month":3},
               {"IncomeCode":1532,"IncomeAmount":"50000","DeductionCode":206,"DeductionAmount":"30000","Month":4})"),
    {{"/PrilJ/FissOtherLoss", "30000"}, {"/PrilJ/FissOtherLossToSec", "20000"},
     {"/PrilJ/FissOtherToFissSec", "20000"}, {"/PrilJ/FissOtherLossFuture", "10000"},
     {"/PrilJ/FissSecTaxable", "0"}, {"/PrilJ/CarryOutFiss", "10000"}}};

const Scenario kFissCarry{
    "EarlierDerivativesLosses",
    items13(R"({"IncomeCode":1535,"IncomeAmount":"30000","DeductionCode":206,"DeductionAmount":"20000","Month":3},
               {"IncomeCode":1532,"IncomeAmount":"50000","DeductionCode":206,"DeductionAmount":"30000","Month":4})",
            R"(,"Securities":{"LossFISS":["15000","0","0","0","0","0","0","0","0","0"]})"),
    {{"/PrilJ/CarryInFiss", "15000"}, {"/PrilJ/CarryUsedFissOther", "10000"}, {"/PrilJ/CarryUsedFissSec", "5000"},
     {"/PrilJ/CarryUsedFiss", "15000"}, {"/PrilJ/CarryLeftFiss", "0"}, {"/PrilJ/FissOtherTaxable", "0"},
     {"/PrilJ/FissSecTaxable", "15000"}, {"/PrilJ/PeriodBaseFiss", "30000"}}};

// A loss on derivatives on securities goes first to the other derivatives,
// then to traded securities.
const Scenario kFissSecLoss{
    "DerivativesLossReducesOtherDerivativesThenSecurities",
    items13(R"({"IncomeCode":1532,"IncomeAmount":"10000","DeductionCode":206,"DeductionAmount":"40000","Month":3},
               {"IncomeCode":1535,"IncomeAmount":"20000","DeductionCode":206,"DeductionAmount":"10000","Month":4},
               {"IncomeCode":1530,"IncomeAmount":"100000","DeductionCode":201,"DeductionAmount":"50000","Month":5})"),
    {{"/PrilJ/FissSecLoss", "30000"}, {"/PrilJ/FissSecLossToOther", "10000"}, {"/PrilJ/FissSecToOther", "10000"},
     {"/PrilJ/FissSecLossToTraded", "20000"}, {"/PrilJ/FissSecToTraded", "20000"},
     {"/PrilJ/FissSecLossFuture", "0"}, {"/PrilJ/FissOtherTaxable", "0"}, {"/PrilJ/TradedTaxable", "30000"},
     {"/PrilJ/TotalTaxable", "30000"}, {"/PrilJ/TotalExpenses", "100000"}}};

// Partnerships: categories, leaving, and the loss on leaving reducing
// non-traded securities.
const Scenario kPartnerships{
    "InvestmentPartnership",
    R"({"IncomeKinds":17,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"Брокер","Incomes":[
        {"IncomeCode":1531,"IncomeAmount":"200000","DeductionCode":202,"DeductionAmount":"100000","Month":3}]}],
      "InvestPartnerships":[{"SourceName":"ИТ","TaxWithheld":"1000","Incomes":[
        {"OperationKind":1,"IncomeAmount":"100000","ExpenseShare":"20000","ManagerExpenses":"10000","PriorYearsLoss":"5000"},
        {"OperationKind":3,"IncomeAmount":"10000","ExpenseShare":"30000"},
        {"OperationKind":6,"IncomeAmount":"100000","ExpenseShare":"150000"},
        {"OperationKind":9,"IncomeAmount":"7000"}]}]})",
    {{"/PrilI/Categories/0/Taxable", "65000"}, {"/PrilI/Categories/2/LossFuture", "20000"},
     {"/PrilI/Categories/2/Taxable", "0"}, {"/PrilI/ExitLoss", "50000"}, {"/PrilI/ExitTaxable", "0"},
     {"/PrilI/TotalIncome", "210000"}, {"/PrilI/TotalTaxable", "65000"}, {"/PrilI/TotalExpenses", "145000"},
     {"/PrilJ/PartnershipExitLoss", "50000"}, {"/PrilJ/NonTradedCosts", "150000"},
     {"/PrilJ/NonTradedTaxable", "50000"}, {"/PrilA13/TotalIncome", "417000"}, {"/PrilA13/TaxWithheld", "1000"}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.InvestPartnerships.Item(0).IncomeTypeCode, "03"); }};

// ---- Sections 2 and 1 ----

// Patent payments and the trade levy reduce what is left to pay.
const Scenario kPatentAndLevy{
    "PatentAndTradeLevyReduceTheTaxToPay",
    R"({"IncomeKinds":4,"TaxpayerCategory":0,"Person":{"OKTMO":"45382000"},"ActualAdvancePayments":"80000",
      "PatentPayments":"4000","TradeLevy":"5000",
      "Businesses":[{"ActivityKind":"1","HasDocumentedExpenses":1,"BusinessIncome":"1000000","TotalExpenses":"200000"}]})",
    {{"/List1/TaxAssessed", "24000"}, {"/List1/PatentCredit", "4000"}, {"/List1/TradeLevyCredit", "5000"},
     {"/List1/ToPay", "15000"}, {"/List6/Lines", lines({line(k020, "45382000", "1", "15000")})}}};

// Business tax larger than what is due in all: the whole amount on the business code.
const Scenario kBusinessTaxAboveDue{
    "BusinessTaxAboveWhatIsDue",
    R"({"IncomeKinds":4,"TaxpayerCategory":0,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Social":{"Granted":1,"Medical":"30000"},
      "Businesses":[{"ActivityKind":"1","HasDocumentedExpenses":0,"BusinessIncome":"100000","ExpensesWithoutDocuments":"20000"}]})",
    {{"/List1/TaxBase", "50000"}, {"/List1/ToPay", "6500"},
     {"/List6/Lines", lines({line(k020, "45382000", "1", "6500")})}}};

// Fixed advance payments under a patent (art. 227.1) cover the tax but their
// excess is not refunded: only the tax withheld comes back.
const Scenario kFixedAdvanceExcess{
    "FixedAdvanceExcessNotRefunded",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},"ForeignerFixedAdvance":"20000",
      "Sources13":[{"SourceName":"A","SourceOKTMO":"40300000","TaxWithheld":"5000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"100000","Month":3}]}]})",
    {{"/List1/TaxComputed", "13000"}, {"/List1/FixedAdvanceCredit", "20000"}, {"/List1/TaxAssessed", "0"},
     {"/List1/ToRefund", "5000"}, {"/List6/Lines", lines({line(k010, "40300000", "2", "5000")})}}};
const Scenario kFixedAdvancePart{
    "FixedAdvanceCoversPartOfTheTax",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},"ForeignerFixedAdvance":"12000",
      "Sources13":[{"SourceName":"A","SourceOKTMO":"40300000","TaxWithheld":"5000","Incomes":[{"IncomeCode":2000,"IncomeAmount":"100000","Month":3}]}]})",
    {{"/List1/ToRefund", "4000"}, {"/List1/ToPay", "0"}}};

// Securities expenses that the 13% income does not hold (here income at
// another rate): the deductions are not used and do not go negative; the
// base is 0.
const Scenario kExpensesAboveIncome{
    "ExpensesAboveTheIncome",
    items13(R"({"IncomeCode":2000,"IncomeAmount":"50000","Month":3})",
            R"(,"Social":{"Granted":1,"Medical":"10000"},
               "CurrencyIncomes":[{"IncomeCodeRate":30,"IncomeCode":1530,"IncomeInRoubles":"100000","DeductionCode":201,"DeductionAmount":"90000"}])",
            3),
    {{"/List1/TaxableIncome", "50000"}, {"/List1/ExpensesLosses", "90000"}, {"/List1/Deductions", "0"},
     {"/List1/TaxBase", "0"}, {"/List1/TaxComputed", "0"}}};

// A non-resident at 30%: exempt gifts and advertising prizes, securities expenses.
const Scenario kNonResident30{
    "NonResidentAt30WithExemptIncomeAndExpenses",
    R"({"ReturnKind":1,"IncomeKinds":1,"Person":{"OKTMO":"45382000"},
      "Sources13":[{"SourceName":"A","SourceOKTMO":"40300000","Incomes":[
        {"IncomeCode":2720,"IncomeAmount":"10000","DeductionCode":501,"DeductionAmount":"4000","Month":3},
        {"IncomeCode":1530,"IncomeAmount":"50000","DeductionCode":201,"DeductionAmount":"40000","Month":4},
        {"IncomeCode":2740,"IncomeAmount":"5000","DeductionCode":503,"DeductionAmount":"3000","Month":5}]}]})",
    {{"/PrilA30/TotalIncome", "65000"}, {"/PrilM/GiftExempt", "4000"}, {"/PrilM/AdPrizeIncome", "5000"},
     {"/PrilM/AdPrizeExempt", "3000"}, {"/List2/TotalIncome", "65000"}, {"/List2/ExemptIncome", "7000"},
     {"/List2/TaxableIncome", "58000"}, {"/List2/ExpensesLosses", "40000"}, {"/List2/Deductions", "0"},
     {"/List2/TaxBase", "18000"}, {"/List2/TaxComputed", "5400"}, {"/List2/ToPay", "5400"},
     {"/List6/Lines", lines({line(k030, "45382000", "1", "5400")})}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Sources13.Item(0).IncomeTypeCode, "09"); }};

// A non-resident's refunds: at 13% to the source and the remainder to the
// taxpayer's OKTMO; at 30% to the source.
const Scenario kNonResidentRefunds{
    "NonResidentRefunds",
    R"({"ReturnKind":1,"IncomeKinds":1,"Person":{"OKTMO":"45382000"},
      "Sources13NR":[{"SourceName":"A","SourceOKTMO":"11111111","TaxWithheld":"20000","TaxComputed":"20000",
        "Incomes":[{"IncomeCode":2000,"IncomeAmount":"100000","Month":3}]}],
      "Sources13":[{"SourceName":"B","SourceOKTMO":"22222222","TaxWithheld":"40000",
        "Incomes":[{"IncomeCode":2010,"IncomeAmount":"100000","Month":3}]}]})",
    {{"/List1/ToRefund", "7000"}, {"/List2/ToRefund", "10000"},
     {"/List6/Lines", lines({line(k010, "11111111", "2", "7000"), line(k010, "22222222", "2", "10000")})},
     {"/Result", true}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Sources13NR.Item(0).IncomeTypeCode, "06"); }};

// A 13% source without items adds its taxes but no income.
const Scenario kSourceWithoutItems{
    "SourceWithoutItems",
    R"({"IncomeKinds":1,"Person":{"OKTMO":"45382000"},"Standard":{"Granted":0},
      "Sources13":[{"SourceName":"A","SourceOKTMO":"11111111","TaxWithheld":"1300","TaxableIncome":"10000","TaxComputed":"1300"}]})",
    {{"/PrilA13/TotalIncome", "0"}, {"/PrilA13/TaxableIncome", "10000"}, {"/PrilA13/TaxComputed", "1300"},
     {"/PrilA13/TaxWithheld", "1300"}, {"/List1/ToRefund", "1300"}},
    [](const mTDeclaration& d) { EXPECT_EQ(d.Sources13.Item(0).IncomeTypeCode, ""); }};

// Without any income kind only the income sheets and the sections are computed.
const Scenario kNoIncomeKinds{
    "NoIncomeKindsNoDeductionSheets",
    R"({"IncomeKinds":0,"Person":{"OKTMO":"45382000"},"InvestmentDeduction":"10000","Standard":{"PersonalCode":105}})",
    {{"/PrilE3/InvestDeduction", "0"}, {"/PrilE1/Total", "0"}, {"/List6/Lines/0/Sign", "3"}}};

const Scenario* const kCases[] = {
    &kGifts, &kGiftWithoutCode, &kEmployerPension, &kForeignGift, &kContractCapped, &kNonResidentContract,
    &kForeignContract, &kRateTexts, &kForeignDeductionAboveIncome, &kForeignAt30, &kKikProfit, &kForeignAt9,
    &kForeignTaxNotRefunded, &kCharityCut, &kLimitedTogether, &kAgentAboveDeduction, &kInvestmentNonResident,
    &kInvestmentResident, &kTradedLossToFiss, &kNoDeductionCode, &kRepoLoss, &kFissOtherLoss, &kFissCarry, &kFissSecLoss,
    &kPartnerships, &kPatentAndLevy, &kBusinessTaxAboveDue, &kFixedAdvanceExcess, &kFixedAdvancePart,
    &kExpensesAboveIncome, &kNonResident30, &kNonResidentRefunds, &kSourceWithoutItems, &kNoIncomeKinds};

class Sheet : public ::testing::TestWithParam<const Scenario*> {};
TEST_P(Sheet, Computes) { checkScenario(*GetParam()); }
INSTANTIATE_TEST_SUITE_P(Cases, Sheet, ::testing::ValuesIn(kCases), scenarioName);

} // namespace
