// The summaries as JSON: one key per member in order, the fields under their
// names, money as the container's money text, lines as arrays.
#include "ComputeTestSupport.h"

#include <gtest/gtest.h>

using namespace velmar;
using namespace velmar::test;
using nlohmann::ordered_json;

TEST(SvodJson, HasOneKeyPerMemberInOrderAndTheResult) {
    kTSvodSum svod;
    ordered_json json = SvodSumToJson(svod, true);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items())
        keys.push_back(key);
    const std::vector<std::string> expected = {
        "List1", "List2", "List3", "List4", "List5", "List6", "PrilA9", "PrilA13", "PrilA15", "PrilA30",
        "PrilA35", "PrilB13", "PrilB9", "PrilB35", "PrilV1", "PrilM", "PrilG", "PrilG_In", "PrilE1",
        "PrilE2", "PrilE3", "PrilH1", "PrilZ", "PrilJ", "PrilI", "Result"};
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(json["Result"], true);
    EXPECT_EQ(json["List6"], ordered_json::parse(R"({"Lines":[]})"));
    EXPECT_EQ(json["PrilI"]["Categories"].size(), 5u);
    EXPECT_EQ(json["PrilE1"]["MonthIncome"].size(), 12u);
}

TEST(SvodJson, WritesEveryKindOfValue) {
    kTSvodSum svod;
    svod.List1.Rate = "13";
    svod.List1.TaxBase = Currency::fromUnits(12'345'678);  // 1234.5678
    svod.List1.Deductions = Currency::fromUnits(-1);
    svod.PrilE1.MonthsUnderLimit = 5;
    svod.PrilZ.Share = 0.5;
    svod.List6.Lines.push_back({"18210102010011000110", "45382000", "2", Currency::fromRoubles(1092)});
    DohodCur foreign;
    foreign.IncomeDate = encodeDateOrThrow(2015, 5, 15);
    foreign.IncomeInRoubles = Currency::fromKopecks(7'012'340);
    foreign.IncomeCode = 1010;
    svod.PrilB13.Lines.push_back(foreign);
    mbTPens contract;
    contract.Kind = 2;
    contract.SourceName = "НПФ «Будущее»";
    svod.PrilE3.AddContribs.push_back(contract);

    ordered_json json = SvodSumToJson(svod);
    EXPECT_EQ(json["List1"]["Rate"], "13");
    EXPECT_EQ(json["List1"]["TaxBase"], "1234.5678");
    EXPECT_EQ(json["List1"]["Deductions"], "-0.0001");
    EXPECT_EQ(json["List1"]["ToPay"], "0");
    EXPECT_EQ(json["PrilE1"]["MonthsUnderLimit"], 5);
    EXPECT_EQ(json["PrilZ"]["Share"], 0.5);
    EXPECT_EQ(json["List6"]["Lines"][0],
              ordered_json::parse(R"({"Kbk":"18210102010011000110","Oktmo":"45382000","Sign":"2","Amount":"1092"})"));
    EXPECT_EQ(json["PrilB13"]["Lines"][0]["IncomeDate"], "15.05.2015");
    EXPECT_EQ(json["PrilB13"]["Lines"][0]["IncomeInRoubles"], "70123.4");
    EXPECT_EQ(json["PrilB13"]["Lines"][0]["IncomeCode"], 1010);
    EXPECT_EQ(json["PrilE3"]["AddContribs"][0]["SourceName"], "НПФ «Будущее»");
    EXPECT_FALSE(json.contains("Result"));
}

TEST(SvodJson, FieldsOfASectionRecordInTheirOrder) {
    ordered_json json = SvodSumToJson(kTSvodSum());
    std::vector<std::string> keys;
    for (const auto& [key, value] : json["List2"].items())
        keys.push_back(key);
    const std::vector<std::string> expected = {
        "Rate", "TotalIncome", "ExemptIncome", "Deductions", "TaxableIncome", "ExpensesLosses",
        "DividendIncome", "TaxBase", "TaxComputed", "TaxWithheld", "WithheldMatBenefit", "AdvancesPaid",
        "FixedAdvanceCredit", "ForeignTaxCredit", "TaxAssessed", "ToRefund", "PatentCredit", "TradeLevyCredit",
        "ToPay"};
    EXPECT_EQ(keys, expected);
}
