// The JSON form of a return: round trips through the container file and the
// errors that name the offending path.
#include "model/Json.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace velmar;

namespace {

// A return that holds every kind of record.
const char* kFullReturn = R"({
 "InspectionCode":"7701","IncomeKinds":31,"SigningDate":"15.03.2016","ReturnKind":0,
 "CorrectionNumber":4294967,"RepresentativeName":"Петров П.П.","InvestmentDeduction":"10.01",
 "Person":{"Surname":"Иванов","FirstName":"Иван","INN":"770100000000","OKTMO":"45382000","BirthDate":"02.03.1980"},
 "Sources13":[{"SourceName":"ООО \"Ромашка\"","SourceOKTMO":"45382000","TaxWithheld":"1326",
   "Incomes":[{"IncomeCode":2000,"IncomeAmount":"10000.5","Month":1},{"IncomeCode":2000,"IncomeAmount":"200","Month":2}],
   "MonthAmounts":[null,"1",null,null,null,null,null,null,null,null,null,"-0.0001"]}],
 "Sources13NR":[{"SourceName":"АО","Incomes":[]}],
 "Sources35":[{"IncomeCode":2740,"TotalIncome":"5000"}],
 "DividendSources":[{"IncomeCode":1010,"TotalIncome":"300"}],
 "Sources9":[{"IncomeCode":1011,"TotalIncome":"5"}],
 "CurrencyIncomes":[{"CurrencyCode":"840","IncomeDateRate":"65.4321","IncomeDateUnits":1,"IncomeInCurrency":"1000","IncomeDate":"10.05.2015"}],
 "Businesses":[{"ActivityKind":"1","BusinessIncome":"100000","ExpenseReserve":["1","0","0","0","0","0","0","0","0","0","0","0","2"]},
               {"HasDocumentedExpenses":0,"ExpensesWithoutDocuments":"7"}],
 "InvestPartnerships":[{"SourceName":"ИТ","Incomes":[{"OperationKind":1,"IncomeAmount":"3","PriorYearsLoss":"1"}]}],
 "TaxPayments":[{"PaymentText1":"x","PaymentAmount":"1"}],
 "Standard":{"Granted":1,"PersonalCode":110,"ChildrenConst":0,"ChildrenByMonth":[1,1,1,1,1,1,2,2,2,2,2,2],
             "HasCodeByMonth":1,"CodeByMonth":[104,104,104,104,104,104,105,105,105,105,105,105],
             "HasMonthly":1,"MonthIncome":["1","2","3","4","5","6","7","8","9","10","11","12"]},
 "Social":{"Granted":1,"ChildEducation":["100","200"],"Medical":"50000","Pensions":[{"OrgName":"НПФ","ContractDate":"01.02.2015"}]},
 "Property":{"Granted":1,"CarriedOverMain":"12.34","Objects":[{"ObjectKind":1,"ShareNumerator":1,"ShareDenominator":2,"City":"Москва"}]},
 "Securities":{"LossCB":["1","0","0","0","0","0","0","0","0","0.5"]}
})";

std::string saveToBytes(mTDeclaration& d) {
    test::TempDir dir;
    d.SaveToFile(dir.file("r.vx5"));
    return test::readBytes(dir.file("r.vx5"));
}

std::unique_ptr<mTDeclaration> loadFromBytes(const std::string& bytes) {
    test::TempDir dir;
    test::writeBytes(dir.file("r.vx5"), bytes);
    auto d = std::make_unique<mTDeclaration>();
    d->LoadFromFile(dir.file("r.vx5"));
    return d;
}

} // namespace

TEST(Json, FullReturnRoundTripsThroughTheFileByteForByte) {
    auto fromJson = DeclarationFromJsonText(kFullReturn);
    std::string first = saveToBytes(*fromJson);
    EXPECT_EQ(first.size(), fromJson->SavedSize());

    auto loaded = loadFromBytes(first);
    auto json = DeclarationToJson(*loaded);
    EXPECT_EQ(json["Sources13"][0]["TotalIncome"], "10200.5");
    EXPECT_EQ(json["Sources13"][0]["MonthAmounts"][0], nullptr);
    EXPECT_EQ(json["Sources13"][0]["MonthAmounts"][11], "-0.0001");
    EXPECT_EQ(json["Person"]["Surname"], "Иванов");
    EXPECT_EQ(json["Social"]["Pensions"][0]["ContractDate"], "01.02.2015");
    EXPECT_EQ(json["Property"]["Objects"][0]["City"], "Москва");
    EXPECT_EQ(json["Businesses"][0]["ExpenseReserve"][12], "2");
    EXPECT_EQ(json["SigningDate"], "15.03.2016");

    auto again = DeclarationFromJsonText(json.dump());
    EXPECT_EQ(saveToBytes(*again), first);
    EXPECT_EQ(DeclarationToJson(*again), json);
}

TEST(Json, MissingFieldsKeepTheirDefaults) {
    auto d = DeclarationFromJsonText(R"({"IncomeKinds":1})");
    EXPECT_EQ(d->TaxpayerCategory, 5);
    EXPECT_EQ(d->Person->CountryCode, "643");
    EXPECT_EQ(d->Standard->PersonalCode, 103);
    EXPECT_TRUE(d->Sources13.Exists());
    EXPECT_EQ(d->FarmFoundingDate, encodeDateOrThrow(2000, 1, 1));
}

TEST(Json, ErrorsNameThePath) {
    struct Case {
        const char* json;
        const char* message;
    } cases[] = {
        {R"({"IncomeKinds":1,"Sources13":[{},{"Incomes":[{"IncomeAmount":"12,5x"}]}]})",
         R"(Sources13[1].Incomes[0].IncomeAmount: not an amount: "12,5x")"},
        {R"({"Person":{"Nickname":"x"}})", "Person.Nickname: unknown field"},
        {R"({"Colour":"red"})", "Colour: unknown field"},
        {R"({"ReturnKind":256})", "ReturnKind: out of range: 256"},
        {R"({"CorrectionNumber":4294967295})", "CorrectionNumber: out of range: 4294967295"},
        {R"({"CorrectionNumber":1.5})", "CorrectionNumber: not a whole number: 1.5"},
        {R"({"Person":{"Surname":5}})", "Person.Surname: not a string: 5"},
        {R"({"SigningDate":"31.02.2015"})", R"(SigningDate: not a date: "31.02.2015")"},
        {R"({"EstimatedIncome":100})", "EstimatedIncome: not an amount: 100"},
        {R"({"Sources9":[{"IncomeCode":1011}]})", "Sources9: records need IncomeKinds bit 1"},
        {R"({"IncomeKinds":4,"Businesses":[{"ExpenseReserve":["1"]}]})",
         "Businesses[0].ExpenseReserve: not an array of 13 values"},
        {R"({"IncomeKinds":1,"Sources13":[{"TotalIncome":"5","Incomes":[]}]})",
         "Sources13[0].TotalIncome: is not the sum of Incomes (0)"},
        {R"({"Social":{"Pensions":{}}})", "Social.Pensions: not an array"},
        {R"([1,2])", "(return): not an object"},
        {R"({"Person":)", "not valid JSON"},
    };
    for (const auto& c : cases) {
        try {
            DeclarationFromJsonText(c.json);
            ADD_FAILURE() << "no error for " << c.json;
        } catch (const JsonError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
}
