#include "dicts/DictError.h"
#include "dicts/Okved.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

// Two level-3 entries share the name "Прочее"; each must give its own code.
const char* const kOkved =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><root>"
    "<e><GRUP>1</GRUP><Kod>A</Kod><OKVED>A</OKVED><Name>Сельское хозяйство</Name></e>"
    "<e><GRUP>2</GRUP><Kod>A01</Kod><OKVED>01</OKVED><Name>Растениеводство</Name></e>"
    "<e><GRUP>3</GRUP><Kod>A01.1</Kod><OKVED>01.1</OKVED><Name>Прочее</Name></e>"
    "<e><GRUP>4</GRUP><Kod>A01.11</Kod><OKVED>01.11</OKVED><Name>Выращивание</Name></e>"
    "<e><GRUP>2</GRUP><Kod>A02</Kod><OKVED>02</OKVED><Name>Лесоводство</Name></e>"
    "<e><GRUP>3</GRUP><Kod>A02.1</Kod><OKVED>02.1</OKVED><Name>Прочее</Name></e>"
    "<e><GRUP>1</GRUP><Kod>B</Kod><OKVED>B</OKVED><Name>Добыча</Name></e>"
    "<e><GRUP>2</GRUP><Kod>B05</Kod><OKVED>05</OKVED><Name>Добыча угля</Name></e>"
    "<e>\n  <GRUP> 3 </GRUP>\n  <Kod>B05.1</Kod>\n  <OKVED>05.1</OKVED>\n  <Name>Антрацит</Name>\n</e>"
    "</root>";

using Texts = std::vector<std::string>;

class OkvedCascade : public ::testing::Test {
protected:
    const std::vector<OkvedEntry> entries = parseOkved(kOkved, "Sp_OKVED2.xml");
    OkvedChooser chooser{&entries};

    void expectDeeperOnNone(int fromLevel) {
        for (int level = fromLevel; level <= kOkvedLevels; ++level)
            EXPECT_EQ(chooser.selectedRow(level), 0) << level;
    }
};

TEST_F(OkvedCascade, StartsWithLevelOneAndNothingChosen) {
    EXPECT_EQ(chooser.rowTexts(1), (Texts{"нет", "Сельское хозяйство", "Добыча"}));
    for (int level = 2; level <= kOkvedLevels; ++level)
        EXPECT_EQ(chooser.rowTexts(level), Texts{"нет"});
    EXPECT_EQ(chooser.shownCode(), "нет");
    EXPECT_EQ(chooser.chosen(), nullptr);
    EXPECT_FALSE(chooser.codeLongEnough());
}

TEST_F(OkvedCascade, ChoosingFillsEveryDeeperLevelAtOnce) {
    chooser.choose(1, 1);
    EXPECT_EQ(chooser.shownCode(), "A");
    EXPECT_EQ(chooser.rowTexts(2), (Texts{"нет", "Растениеводство", "Лесоводство"}));
    EXPECT_EQ(chooser.rowTexts(3), (Texts{"нет", "Прочее", "Прочее"})); // grandchildren under all children
    EXPECT_EQ(chooser.rowTexts(4), (Texts{"нет", "Выращивание"}));
    EXPECT_EQ(chooser.rowTexts(5), Texts{"нет"});
    expectDeeperOnNone(2);

    chooser.choose(2, 2);
    EXPECT_EQ(chooser.shownCode(), "02");
    EXPECT_EQ(chooser.rowTexts(3), (Texts{"нет", "Прочее"}));
    EXPECT_EQ(chooser.rowTexts(4), Texts{"нет"});
    EXPECT_EQ(chooser.rowTexts(2), (Texts{"нет", "Растениеводство", "Лесоводство"})); // own level kept
    EXPECT_EQ(chooser.selectedRow(2), 2);
    expectDeeperOnNone(3);
}

TEST_F(OkvedCascade, EntriesOfTheSameNameKeepTheirOwnCode) {
    chooser.choose(1, 1);
    chooser.choose(3, 2); // the second "Прочее", under "Лесоводство"
    ASSERT_TRUE(chooser.chosen());
    EXPECT_EQ(chooser.chosen()->kod, "A02.1");
    EXPECT_EQ(chooser.shownCode(), "02.1");
    EXPECT_EQ(chooser.rowTexts(4), Texts{"нет"}); // nothing below A02.1

    chooser.choose(3, 1);
    EXPECT_EQ(chooser.chosen()->kod, "A01.1");
    EXPECT_EQ(chooser.rowTexts(4), (Texts{"нет", "Выращивание"}));
}

TEST_F(OkvedCascade, NoneClearsDeeperLevelsButKeepsTheCode) {
    chooser.choose(1, 1);
    chooser.choose(2, 1);
    ASSERT_EQ(chooser.rowTexts(3), (Texts{"нет", "Прочее"}));
    chooser.choose(3, 1);
    chooser.choose(2, 0);
    EXPECT_EQ(chooser.selectedRow(2), 0);
    for (int level = 3; level <= kOkvedLevels; ++level)
        EXPECT_EQ(chooser.rowTexts(level), Texts{"нет"}) << level;
    EXPECT_EQ(chooser.shownCode(), "01.1"); // the code last chosen stays
    EXPECT_EQ(chooser.chosen()->kod, "A01.1");
}

TEST_F(OkvedCascade, ConfirmingNeedsACodeLongerThanThreeCharacters) {
    chooser.choose(1, 2);
    EXPECT_FALSE(chooser.codeLongEnough()); // "B"
    chooser.choose(2, 1);
    EXPECT_FALSE(chooser.codeLongEnough()); // "B05"
    chooser.choose(3, 1);
    EXPECT_TRUE(chooser.codeLongEnough());  // "B05.1", read from an indented entry
    EXPECT_EQ(chooser.shownCode(), "05.1");

    const std::vector<OkvedEntry> cyrillic = {{"1", "АБВ", "АБВ", "x"}, {"1", "АБВГ", "АБВГ", "y"}};
    OkvedChooser other(&cyrillic);
    other.choose(1, 1);
    EXPECT_FALSE(other.codeLongEnough()); // three letters, six bytes
    other.choose(1, 2);
    EXPECT_TRUE(other.codeLongEnough());
}

TEST(Okved, WithoutTheFileOnlyNoneIsOffered) {
    OkvedChooser chooser(nullptr);
    for (int level = 1; level <= kOkvedLevels; ++level)
        EXPECT_EQ(chooser.rowTexts(level), Texts{"нет"});
    chooser.choose(1, 0);
    EXPECT_EQ(chooser.shownCode(), "нет");
    EXPECT_THROW(chooser.choose(1, 1), std::out_of_range);
    EXPECT_THROW(chooser.choose(0, 0), std::out_of_range);
    EXPECT_THROW(chooser.rowTexts(7), std::out_of_range);
}

TEST(Okved, MissingChildElementsReadAsEmptyAndDamageIsAnError) {
    const auto entries = parseOkved("<r><e><GRUP>1</GRUP><Name>n</Name></e><e/></r>", "t");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].kod, "");
    EXPECT_EQ(entries[0].name, "n");
    EXPECT_THROW(parseOkved("<r><e><GRUP>1</GRUP></r>", "t"), DictError);
}

} // namespace
} // namespace velmar
