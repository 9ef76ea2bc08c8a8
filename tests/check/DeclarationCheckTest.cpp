// The whole-return check: one return per failing condition, the stopping
// rules with scripted answers, and a return that passes.
#include "check/DeclarationCheck.h"
#include "check/Identifiers.h"
#include "model/Json.h"

#include <gtest/gtest.h>

#include <deque>

using namespace velmar;
using nlohmann::json;

namespace {

// A resident's return that passes every check.
json passingReturn() {
    return json::parse(R"({
      "InspectionCode": "7701", "IncomeKinds": 1,
      "Person": {"Surname": "Иванов", "FirstName": "Иван", "INN": "770100000079",
                 "RegionCode": 77, "Street": "Тверская", "OKTMO": "45382000", "PostIndex": "125009"},
      "Sources13": [{"SourceName": "ООО", "SourceINN": "7707083893", "SourceKPP": "770701001",
                     "SourceOKTMO": "45382000", "TaxWithheld": "1300",
                     "Incomes": [{"IncomeCode": 2000, "IncomeAmount": "10000", "Month": 1}]}]
    })");
}

struct Scripted : CheckQuestions {
    std::deque<int> answers;
    std::vector<CheckFinding> shown;
    explicit Scripted(std::deque<int> a = {}) : answers(std::move(a)) {}
    int ask(const CheckFinding& finding) override {
        shown.push_back(finding);
        if (answers.empty())
            return kCheckAnswerFix;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

int32_t check(const json& j, Scripted& questions) {
    auto d = DeclarationFromJson(j);
    return RunDeclarationCheck(*d, questions);
}

} // namespace

TEST(CheckINN, ModesAndControlDigits) {
    struct Case {
        const char* inn;
        int mode;
        int expected;
    } cases[] = {
        {"1234567894", kInnAny, 0}, {"1234567895", kInnAny, 5}, {"123456789", kInnAny, 2},
        {"123456789", kInnOrganisation, 3}, {"500123456750", kInnAny, 0}, {"500123456750", kInnOrganisation, 3},
        {"500123456750", kInnPerson, 0}, {"  ", kInnAny, 1}, {"0000000000", kInnAny, 5},
        {"000000000000", kInnPerson, 5}, {"77010000007X", kInnPerson, 5}, {"770100000079", kInnPerson, 0},
        {"770100000078", kInnPerson, 5}, {"7707083893", kInnPerson, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckINN(c.inn, c.mode), c.expected) << c.inn << " mode " << c.mode;
    EXPECT_EQ(CheckKPP(""), 1);
    EXPECT_EQ(CheckKPP("77070100"), 2);
    EXPECT_EQ(CheckKPP("000000000"), 3);
    EXPECT_EQ(CheckKPP("770701001"), 0);
}

TEST(DeclarationCheck, PassingReturnGivesZeroAndStaysUnchanged) {
    auto d = DeclarationFromJson(passingReturn());
    auto before = DeclarationToJson(*d);
    Scripted questions;
    EXPECT_EQ(RunDeclarationCheck(*d, questions), 0);
    EXPECT_TRUE(questions.shown.empty());
    EXPECT_EQ(DeclarationToJson(*d), before) << "checking must not change the return";
    EXPECT_TRUE(FindAllProblems(*d).empty());
}

TEST(DeclarationCheck, EachConditionPointsAtItsPageAndControl) {
    struct Case {
        const char* what;
        std::function<void(json&)> spoil;
        uint16_t page;
        uint16_t code;
        const char* message;
    } cases[] = {
        {"no tax office", [](json& j) { j["InspectionCode"] = ""; }, 1, 1, "Не введен номер инспекции"},
        {"tax office not four digits", [](json& j) { j["InspectionCode"] = "77A1"; }, 1, 1,
         "Код налоговой инспекции должен состоять из 4 цифр"},
        {"representative without name", [](json& j) { j["ConfirmationKind"] = 1; j["RepresentativeDocument"] = "Д"; },
         1, 3, "Не указаны ФИО подписанта-представителя"},
        {"organisation without name",
         [](json& j) { j["ConfirmationKind"] = 2; j["RepresentativeName"] = "П"; j["RepresentativeDocument"] = "Д"; },
         1, 5, "Не указано наименование Юр.лица-представителя"},
        {"no surname", [](json& j) { j["Person"]["Surname"] = ""; }, 2, 1, "Не введена фамилия"},
        {"no first name", [](json& j) { j["Person"]["FirstName"] = ""; }, 2, 2, "Не введено имя"},
        {"short INN", [](json& j) { j["Person"]["INN"] = "7701000000"; }, 2, 4,
         "Длинна ИНН должна быть равна 12 цифрам"},
        {"wrong INN", [](json& j) { j["Person"]["INN"] = "770100000078"; }, 2, 4, "Номер ИНН введен неверно"},
        {"entrepreneur without INN", [](json& j) { j["Person"]["INN"] = ""; j["TaxpayerCategory"] = 0; }, 2, 4,
         "Лицам имеющим доходы от предпринимательской деятельности необходимо ввести ИНН"},
        {"no INN, no birth place", [](json& j) { j["Person"]["INN"] = ""; }, 2, 9, "Не указано место рождения"},
        {"no INN, no document", [](json& j) { j["Person"]["INN"] = ""; j["Person"]["BirthPlace"] = "Москва"; }, 2, 5,
         "Не указан документ, удостоверяющий личность"},
        {"document without number", [](json& j) { j["Person"]["DocTypeCode"] = 21; }, 2, 6,
         "Не указаны серия и номер документа, удостоверяющего личность"},
        {"issued before birth",
         [](json& j) {
             j["Person"]["DocTypeCode"] = 21; j["Person"]["DocSeriesNumber"] = "45 01 123456";
             j["Person"]["BirthDate"] = "01.01.1990"; j["Person"]["DocIssueDate"] = "31.12.1989";
         },
         2, 7, "Дата выдачи документа не может быть меньше даты рождения"},
        {"passport the day before the 14th birthday",
         [](json& j) {
             j["Person"]["DocTypeCode"] = 21; j["Person"]["DocSeriesNumber"] = "45 01 123456";
             j["Person"]["BirthDate"] = "29.02.1992"; j["Person"]["DocIssueDate"] = "27.02.2006";
         },
         2, 7, "Дата выдачи документа должна быть больше даты рождения как минимум на 14 лет"},
        {"document without issuer",
         [](json& j) {
             j["Person"]["DocTypeCode"] = 21; j["Person"]["DocSeriesNumber"] = "45 01 123456";
             j["Person"]["BirthDate"] = "29.02.1992"; j["Person"]["DocIssueDate"] = "28.02.2006";
         },
         2, 8, "Не указано, кем выдан документ, удостоверяющий личность"},
        {"4-NDFL without INN", [](json& j) { j["ReturnKind"] = 2; j["Person"]["INN"] = ""; }, 2, 4, "Не указан ИНН"},
        {"4-NDFL with a short OKTMO", [](json& j) { j["ReturnKind"] = 2; j["Person"]["OKTMO"] = "4538"; }, 2, 10,
         "Не введен код ОКТМО(8 или 11 симв.)"},
        {"no region", [](json& j) { j["Person"]["RegionCode"] = 0; }, 3, 2,
         "Не указан регион постоянного местожительства"},
        {"short postal code", [](json& j) { j["Person"]["PostIndex"] = "12500"; }, 3, 6,
         "Почтовый индекс должен содержать ровно 6 цифр"},
        {"no locality nor street", [](json& j) { j["Person"]["Street"] = ""; }, 3, 5,
         "Не указан населенный пункт (село, поселок) или улица (проспект, переулок)"},
        {"second source withholds more than it paid",
         [](json& j) {
             json second = j["Sources13"][0];
             second["TaxWithheld"] = "10000.01";
             j["Sources13"].push_back(second);
         },
         4, 2, "По данному источнику выплаты общая сумма дохода меньше удержанной суммы"},
        {"source without incomes",
         [](json& j) { j["Sources13"][0]["Incomes"] = json::array(); j["Sources13"][0]["TaxWithheld"] = "0"; }, 4, 1,
         "По данному источнику не указаны доходы"},
        {"currency without code",
         [](json& j) { j["IncomeKinds"] = 3; j["CurrencyIncomes"] = json::parse(R"([{"IncomeCode":1010}])"); }, 7, 1,
         "По данному источнику выплаты не указан код валюты"},
        {"currency without rate",
         [](json& j) {
             j["IncomeKinds"] = 3;
             j["CurrencyIncomes"] = json::parse(R"([{"IncomeCode":1010,"CurrencyCode":"840","IncomeDateRate":"65"}])");
         },
         7, 1, "По данному источнику выплаты не указан курс валюты"},
        {"deduction without amount",
         [](json& j) {
             j["IncomeKinds"] = 3;
             j["CurrencyIncomes"] = json::parse(R"([{"IncomeCode":1010,"CurrencyCode":"840","IncomeDateRate":"65",
                  "IncomeDateUnits":1,"DeductionCode":201}])");
         },
         7, 1, "По данному источнику выплаты не указана сумма вычета"},
        {"documented and 20% norm mixed",
         [](json& j) {
             j["IncomeKinds"] = 5;
             j["Businesses"] = json::parse(R"([{"ActivityKind":"1","ActivityCode":"01.11"},
                  {"ActivityKind":"5","HasDocumentedExpenses":0}])");
         },
         8, 2, "Нельзя одновременно пользоваться и подтвержденными расходами и нормативом 20%."},
        {"short OKVED code",
         [](json& j) { j["IncomeKinds"] = 5; j["Businesses"] = json::parse(R"([{"ActivityKind":"1","ActivityCode":"01."}])"); },
         8, 1, "Длина кода ОКВЭД должна быть не меньше 4 знаков вклячая точку"},
        {"labour contracts above labour",
         [](json& j) {
             j["IncomeKinds"] = 5;
             j["Businesses"] = json::parse(R"([{"ActivityKind":"2","LabourCosts":"100.5","LabourUnderContracts":"200"}])");
         },
         8, 1, "Расходы по оплате трудовых договоров(200) превышают сумму расходов на оплату труда (100,5)"},
        {"other expenses below their parts",
         [](json& j) {
             j["IncomeKinds"] = 5;
             j["Businesses"] = json::parse(R"([{"ActivityKind":"2","OtherExpenses":"10","TotalExpenses":"100",
                  "ExpenseReserve":["5","6","0","0","0","0","0","0","0","0","0","0","0"]}])");
         },
         8, 1, "Сумма прочих расходов (10) меньше суммы ее составляющих (11)"},
        {"total below the sum of expenses",
         [](json& j) {
             j["IncomeKinds"] = 5;
             j["Businesses"] = json::parse(R"([{"ActivityKind":"2","TotalExpenses":"10","MaterialExpenses":"8",
                  "Depreciation":"3"}])");
         },
         8, 1,
         "Общие расходы (10) меньше суммы расходов материальных, на оплату труда, прочих и амортизационных "
         "отчислений (11)"},
        {"social deductions claimed without data", [](json& j) { j["Social"]["Granted"] = 1; }, 9, 1,
         "Не введены данные по социальным налоговым вычетам"},
        {"standard deductions at two employers in the same month",
         [](json& j) {
             json second = j["Sources13"][0];
             second["Incomes"][0]["Month"] = 3;
             j["Sources13"][0]["Incomes"].push_back(json::parse(R"({"IncomeCode":2000,"IncomeAmount":"1","Month":3})"));
             j["Sources13"].push_back(second);
         },
         9, 2, "Вы не могли получать стандартные вычеты работая в нескольких местах ОДНОВРЕМЕННО."},
        {"OKTMO of a wrong length", [](json& j) { j["Person"]["OKTMO"] = "453820"; }, 3, 4,
         "Код ОКТМО (по месту жительства) должен содержать 8 или 11 символов"},
        {"no OKTMO with tax to pay",
         [](json& j) { j["Person"]["OKTMO"] = ""; j["Sources13"][0]["TaxWithheld"] = "0"; }, 3, 4,
         "Не введен код ОКТМО(8 или 11 симв.) по месту жительства"},
        {"refund spread onto a source without OKTMO",
         [](json& j) {
             j["Sources13"][0]["SourceOKTMO"] = "";
             j["Social"] = json::parse(R"({"Granted":1,"Medical":"5000"})");
         },
         4, 1, "По данному источнику выплаты не указан код ОКТМО"},
        {"refund while neither taxpayer nor source has an OKTMO",
         [](json& j) {
             j["Person"]["OKTMO"] = "";
             j["Sources13"][0]["SourceOKTMO"] = "";
             j["Social"] = json::parse(R"({"Granted":1,"Medical":"5000"})");
         },
         3, 4, "Не введен код ОКТМО(8 или 11 симв.) по месту жительства"},
    };
    for (const auto& c : cases) {
        json j = passingReturn();
        c.spoil(j);
        Scripted questions;
        int32_t result = check(j, questions);
        ASSERT_EQ(questions.shown.size(), 1u) << c.what;
        EXPECT_EQ(questions.shown[0].message, c.message) << c.what;
        EXPECT_EQ(CheckResultPage(result), c.page) << c.what;
        EXPECT_EQ(CheckResultCode(result), c.code) << c.what;
    }
}

TEST(DeclarationCheck, CancelOnTheFirstPageShowsTheNextMessageThere) {
    json j = passingReturn();
    j["InspectionCode"] = "";
    j["ConfirmationKind"] = 2;
    Scripted cancelAll({kCheckAnswerCancel, kCheckAnswerCancel, kCheckAnswerCancel, kCheckAnswerCancel});
    int32_t result = check(j, cancelAll);
    ASSERT_EQ(cancelAll.shown.size(), 4u);
    EXPECT_EQ(cancelAll.shown[1].message, "Не указаны ФИО подписанта-представителя");
    EXPECT_EQ(cancelAll.shown[3].message, "Не указано наименование Юр.лица-представителя");
    EXPECT_EQ(cancelAll.shown[0].title, "Задание условий");
    EXPECT_TRUE(CheckResultCancelled(result));
    EXPECT_EQ(CheckResultPage(result), 1);

    Scripted fixSecond({kCheckAnswerCancel, kCheckAnswerFix});
    result = check(j, fixSecond);
    EXPECT_EQ(fixSecond.shown.size(), 2u) << "Fix ends the run";
    EXPECT_EQ(CheckResultPage(result), 1);
    EXPECT_EQ(CheckResultCode(result), 3);
}

TEST(DeclarationCheck, CancelElsewhereEndsTheRun) {
    json j = passingReturn();
    j["Person"]["Surname"] = "";
    j["Person"]["FirstName"] = "";
    j["Person"]["RegionCode"] = 0;
    Scripted questions({kCheckAnswerCancel});
    int32_t result = check(j, questions);
    EXPECT_EQ(questions.shown.size(), 1u);
    EXPECT_TRUE(CheckResultCancelled(result));
    EXPECT_EQ(CheckResultPage(result), 2);

    auto d = DeclarationFromJson(j);
    auto all = FindAllProblems(*d);
    ASSERT_EQ(all.size(), 3u) << "the full listing goes on past each problem";
    EXPECT_EQ(all[2].page, 3);
}

TEST(DeclarationCheck, AnswersTheTitleOfTheDeductionRule) {
    json j = passingReturn();
    j["Social"]["Granted"] = 1;
    Scripted questions;
    check(j, questions);
    ASSERT_EQ(questions.shown.size(), 1u);
    EXPECT_EQ(questions.shown[0].title, "Социальные вычеты");
}

TEST(DeclarationCheck, AReturnTheComputationRefusesIsLeftToTheExport) {
    json j = passingReturn();
    j["Sources13"][0]["Incomes"][0]["IncomeAmount"] = "20000000000000";
    j["Sources13"][0]["Incomes"].push_back(j["Sources13"][0]["Incomes"][0]);
    auto d = DeclarationFromJson(j);
    Scripted questions;
    EXPECT_NO_THROW(RunDeclarationCheck(*d, questions));
    EXPECT_NO_THROW(FindAllProblems(*d));
}
