#include "pages/SourceChecks.h"

#include "PrintQString.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>

namespace velmar {
namespace {

TEST(CheckINN, Table) {
    const struct {
        const char* inn;
        int mode;
        int expected;
    } table[] = {
        {"1234567894", 0, 0},    {"1234567895", 0, 5},    {"123456789", 0, 2},     {"123456789", 1, 3},
        {"500123456750", 0, 0},  {"500123456750", 1, 3},  {"500123456750", 2, 0},  {"500123456751", 2, 5},
        {"500123456760", 2, 5},  {"1234567894", 2, 4},    {"", 0, 1},              {"   ", 2, 1},
        {"0000000000", 0, 5},    {"000000000000", 2, 5},  {" 1234567894 ", 1, 0},  {"12345678a4", 0, 5},
        {"7707083893", 1, 0},    {"12345678901", 0, 2},
    };
    for (const auto& row : table)
        EXPECT_EQ(CheckINN(QString::fromLatin1(row.inn), row.mode), row.expected) << row.inn << " mode " << row.mode;
}

TEST(CheckKPP, Table) {
    const std::pair<const char*, int> table[] = {
        {"", 1}, {"  ", 1}, {"12345678", 2}, {"1234567890", 2}, {"000000000", 3}, {"773601001", 0}, {" 773601001 ", 0},
    };
    for (auto [kpp, expected] : table)
        EXPECT_EQ(CheckKPP(QString::fromLatin1(kpp)), expected) << kpp;
}

TEST(CheckAnswers, ClosedWindowCountsAsSkipOnlyWhereSkipIsOffered) {
    EXPECT_EQ(effectiveAnswer(kCheckClosed, true), kCheckSkip);
    EXPECT_EQ(effectiveAnswer(kCheckClosed, false), kCheckFix);
    EXPECT_EQ(effectiveAnswer(kCheckSkipAll, false), kCheckSkipAll);
    EXPECT_EQ(effectiveAnswer(kCheckFix, true), kCheckFix);
}

// Plays the user: answers the messages in order and remembers what was shown.
struct ScriptedUser {
    std::deque<int> answers;
    std::vector<TCheckRequest> shown;
    TCheckAsk ask() {
        return [this](const TCheckRequest& r) {
            shown.push_back(r);
            if (answers.empty())
                return static_cast<int>(kCheckFix);
            const int a = answers.front();
            answers.pop_front();
            return a;
        };
    }
    QStringList messages() const {
        QStringList out;
        for (const auto& r : shown)
            out << r.message;
        return out;
    }
};

const QString kSection = QStringLiteral("Доходы, облагаемые по ставке 13%");
const QString kOktmo = QStringLiteral("45382000");
const QString kOrgInn = QStringLiteral("7707083893");
const QString kPersonInn = QStringLiteral("500123456750");
const QString kKpp = QStringLiteral("773601001");
const QString kName = QStringLiteral("ООО \"Ромашка\"");

TEST(CheckIncomeSource, OrganisationWithoutKppStopsAtMissingKpp) {
    ScriptedUser user{{kCheckFix}};
    EXPECT_EQ(CheckIncomeSource(user.ask(), kSection, kName, true, kOktmo, QString(), kOrgInn), kSourceKPP);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].message, QStringLiteral("Отсутствует КПП"));
    EXPECT_EQ(user.shown[0].section, kSection);
    EXPECT_FALSE(user.shown[0].skipEnabled);
    EXPECT_FALSE(user.shown[0].skipAllEnabled);
}

TEST(CheckIncomeSource, PersonWithKppStopsAtLegalInnLength) {
    ScriptedUser user{{kCheckFix}};
    EXPECT_EQ(CheckIncomeSource(user.ask(), kSection, kName, true, kOktmo, kKpp, kPersonInn), kSourceINN);
    EXPECT_EQ(user.messages(), QStringList{QStringLiteral("Длинна ИНН для юрлиц должна быть равна 10 цифрам")});
}

TEST(CheckIncomeSource, KppWithoutInnAsksForInn) {
    ScriptedUser user{{kCheckFix}};
    EXPECT_EQ(CheckIncomeSource(user.ask(), kSection, kName, true, kOktmo, kKpp, QString()), kSourceINN);
    EXPECT_EQ(user.messages(), QStringList{QStringLiteral("Введите ИНН")});
}

TEST(CheckIncomeSource, CompleteSourcesPassSilently) {
    ScriptedUser user;
    EXPECT_EQ(CheckIncomeSource(user.ask(), kSection, kName, true, kOktmo, kKpp, kOrgInn), kSourceOk);
    EXPECT_EQ(CheckIncomeSource(user.ask(), kSection, kName, true, QStringLiteral("45382000001"), QString(),
                                kPersonInn),
              kSourceOk);
    EXPECT_EQ(CheckIncomeSource(user.ask(), kSection, kName, true, kOktmo, QString(), QString()), kSourceOk)
        << "a person's source may have no ИНН";
    EXPECT_TRUE(user.shown.empty());
}

TEST(CheckIncomeSource, MissingOktmoMayBeSkippedWhereTheCallerAllows) {
    ScriptedUser user{{kCheckSkip, kCheckFix}};
    EXPECT_EQ(CheckIncomeSource(user.ask(), kSection, kName, true, QString(), QString(), QStringLiteral("123")),
              kSourceINN);
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_EQ(user.shown[0].message,
              QStringLiteral("Не введен код ОКТМО(8 или 11 симв.)(При продаже имущества физ.лицу - не нужен)"));
    EXPECT_TRUE(user.shown[0].skipEnabled);
    EXPECT_EQ(user.shown[1].message, QStringLiteral("Длинна ИНН должна быть равна 10 или 12 цифрам"));
    EXPECT_FALSE(user.shown[1].skipEnabled);

    ScriptedUser strict{{kCheckFix}};
    EXPECT_EQ(CheckIncomeSource(strict.ask(), kSection, kName, false, QString(), QString(), QString()), kSourceOKTMO);
    EXPECT_FALSE(strict.shown[0].skipEnabled);
}

TEST(CheckIncomeSource, ClosingTheWindowWhereSkipIsDisabledMeansFix) {
    ScriptedUser user{{kCheckClosed}};
    EXPECT_EQ(CheckIncomeSource(user.ask(), kSection, kName, true, kOktmo, QString(), QStringLiteral("1234567895")),
              kSourceINN);
    EXPECT_EQ(user.messages(), QStringList{QStringLiteral("Номер ИНН введен неверно")});

    ScriptedUser closer{{kCheckClosed}};
    EXPECT_EQ(CheckIncomeSource(closer.ask(), kSection, kName, true, QString(), QString(), QString()), kSourceOk)
        << "where Skip is offered, closing skips";
}

TEST(CheckLegalIncomeSource, EveryProblemMustBeFixed) {
    const struct {
        const char* name;
        QString oktmo, kpp, inn;
        const char* message;
        uint16_t code;
    } table[] = {
        {"no_name", kOktmo, kKpp, kOrgInn, "Не заполненно поле \"Наименование источника выплаты\"", kSourceName},
        {"short_oktmo", QStringLiteral("1234"), kKpp, kOrgInn, "Не введен код ОКТМО(8 или 11 симв.)", kSourceOKTMO},
        {"empty_oktmo", QString(), kKpp, kOrgInn, "Не введен код ОКТМО(8 или 11 симв.)", kSourceOKTMO},
        {"person_inn", kOktmo, kKpp, kPersonInn, "Длинна ИНН должна быть равна 10 цифрам", kSourceINN},
        {"wrong_inn", kOktmo, kKpp, QStringLiteral("7707083894"), "Номер ИНН введен неверно", kSourceINN},
        {"no_kpp", kOktmo, QString(), kOrgInn, "Отсутствует КПП", kSourceKPP},
        {"short_kpp", kOktmo, QStringLiteral("7736"), kOrgInn, "Длинна КПП должна быть равна 9 цифрам", kSourceKPP},
        {"zero_kpp", kOktmo, QStringLiteral("000000000"), kOrgInn, "Некорректный КПП", kSourceKPP},
        {"no_inn", kOktmo, kKpp, QString(), "Введите ИНН", kSourceINN},
    };
    for (const auto& row : table) {
        for (int answer : {int(kCheckFix), int(kCheckClosed)}) {
            ScriptedUser user{{answer}};
            const QString name = QString::fromLatin1(row.name) == QLatin1String("no_name") ? QString() : kName;
            EXPECT_EQ(CheckLegalIncomeSource(user.ask(), kSection, name, row.oktmo, row.kpp, row.inn), row.code)
                << row.name;
            ASSERT_EQ(user.shown.size(), 1u) << row.name;
            EXPECT_EQ(user.shown[0].message, QString::fromUtf8(row.message)) << row.name;
            EXPECT_FALSE(user.shown[0].skipEnabled);
            EXPECT_FALSE(user.shown[0].skipAllEnabled);
        }
    }
    ScriptedUser user;
    EXPECT_EQ(CheckLegalIncomeSource(user.ask(), kSection, kName, kOktmo, kKpp, kOrgInn), kSourceOk);
    EXPECT_TRUE(user.shown.empty());
}

} // namespace
} // namespace velmar
