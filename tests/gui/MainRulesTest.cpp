// The main window's decisions that need no window.
#include "app/MainRules.h"
#include "model/DeclClasses.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

std::string s(const QString& text) { return text.toStdString(); }

TEST(MainRules, TitleNamesTheFileWithoutItsFolder) {
    EXPECT_EQ(s(WindowTitle(QString())), "Без имени - Velmar 2015");
    EXPECT_EQ(s(WindowTitle(QStringLiteral("/home/user/Декларации/r.vx5"))), "r.vx5 - Velmar 2015");
    EXPECT_EQ(s(WindowTitle(QStringLiteral("r.vx4"))), "r.vx4 - Velmar 2015");
}

TEST(MainRules, CommandLine) {
    const struct {
        QStringList arguments;
        const char* file;
    } table[] = {
        {{}, ""},
        {{"a.vx5"}, "a.vx5"},
        {{"-P", "c:\\a.vx5"}, "c:\\a.vx5"},
        {{"-p", "a.vx5"}, "a.vx5"},
        {{"a.vx5", "-p"}, "a.vx5"},
        {{"-p"}, ""},
        {{"-P", ""}, ""},
        {{"a", "b", "c"}, ""},
        {{"-pp"}, "-pp"},
    };
    for (const auto& row : table)
        EXPECT_EQ(s(CommandLineFile(row.arguments)), row.file) << s(row.arguments.join(' '));
}

TEST(MainRules, FiveRuleChangesTheLastCharacter) {
    const std::pair<const char*, const char*> table[] = {
        {"x.vx4", "x.vx5"}, {"x.vx5", "x.vx5"}, {"x.vxl", "x.vx5"}, {"r.txt", "r.tx5"}, {"", ""}, {"a", "5"},
    };
    for (auto [name, expected] : table)
        EXPECT_EQ(s(FiveRuleName(QString::fromUtf8(name))), expected) << name;
}

TEST(MainRules, PageButtonStates) {
    const struct {
        uint8_t kinds, kind;
        bool russian, foreign, business, invest, deduction;
    } table[] = {
        {0, kReturnResident, false, false, false, false, false},
        {kIncomeRF, kReturnResident, true, false, false, false, true},
        {kIncomeRF, kReturnNonResident, true, false, false, false, false},
        {kIncomeCurrency | kIncomeBusiness, kReturn4NDFL, false, true, true, false, false},
        {kIncomeInvestTov, kReturnResident, false, false, false, true, true},
        {kIncomeFifth, kReturnResident, false, false, false, false, true},
    };
    for (const auto& row : table) {
        const TPageButtonStates states = PageButtonStates(row.kinds, row.kind);
        EXPECT_EQ(states.russianIncome, row.russian);
        EXPECT_EQ(states.foreignIncome, row.foreign);
        EXPECT_EQ(states.businessIncome, row.business);
        EXPECT_EQ(states.investTov, row.invest);
        EXPECT_EQ(states.deduction, row.deduction) << int(row.kinds) << "/" << int(row.kind);
    }
}

TEST(MainRules, CheckPagesLeadToPagesAndInnerPages) {
    const struct {
        uint16_t number;
        TPageId page;
        int inner;
    } table[] = {
        {1, TPageId::InitialData, -1},   {2, TPageId::PersonData, 0},    {3, TPageId::PersonData, 1},
        {4, TPageId::RussianIncome, 0},  {6, TPageId::RussianIncome, 2}, {7, TPageId::ForeignIncome, -1},
        {8, TPageId::BusinessIncome, -1}, {9, TPageId::Deduction, 0},    {10, TPageId::Deduction, 1},
        {12, TPageId::InvestTov, -1},
    };
    for (const auto& row : table)
        EXPECT_EQ(CheckTarget(row.number), (TCheckTarget{row.page, row.inner})) << row.number;
    for (uint16_t none : {0, 11, 13, 0xFFFF})
        EXPECT_FALSE(CheckTarget(none).has_value()) << none;
}

TEST(MainRules, FileFiltersOfferEarlierYears) {
    const QStringList filters = OpenFileFilter().split(QStringLiteral(";;"));
    ASSERT_EQ(filters.size(), 12);
    EXPECT_EQ(s(filters.first()), "Velmar 2015 (*.vx5)");
    EXPECT_EQ(s(filters[1]), "Velmar 2014 (*.vx4)");
    EXPECT_EQ(s(filters[10]), "Velmar 2005 (*.vx5)");
    EXPECT_EQ(s(filters.last()), "Velmar 200* (*.vxl)");
    EXPECT_EQ(s(SaveFileFilter()), "Velmar 2015 (*.vx5)");
}

TEST(MainRules, ExportFolderAndMessages) {
    EXPECT_EQ(s(FolderWithSeparator(QStringLiteral("/tmp/out"))), "/tmp/out/");
    EXPECT_EQ(s(FolderWithSeparator(QStringLiteral("/"))), "/");
    EXPECT_EQ(s(ExportMessage(QStringLiteral("/o/"), QStringLiteral("NO_NDFL3_1.xml"), true)),
              "Сформирован файл /o/ NO_NDFL3_1.xml");
    EXPECT_EQ(s(ExportMessage(QStringLiteral("/o/"), QStringLiteral("ERROR"), false)),
              "Файл не сформирован, свяжитесь с разработчиками.");
}

} // namespace
} // namespace velmar
