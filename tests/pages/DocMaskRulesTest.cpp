#include "pages/DocMaskRules.h"

#include "PrintQString.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

TEST(RomanNumerals, WrittenWithSubtractivePairs) {
    const std::pair<int, const char*> table[] = {
        {1, "I"}, {4, "IV"}, {9, "IX"}, {14, "XIV"}, {40, "XL"}, {49, "XLIX"}, {90, "XC"}, {399, "CCCXCIX"},
        {0, ""},  {400, ""}, {-3, ""},
    };
    for (auto [value, letters] : table)
        EXPECT_EQ(IntToRoman(value), QLatin1String(letters)) << value;
}

TEST(RomanNumerals, ReadAndCanonical) {
    const struct {
        const char* letters;
        int value;
        bool canonical;
    } table[] = {
        {"XIV", 14, true},  {"CCCXCIX", 399, true}, {"IIII", 4, false}, {"VX", 5, false},
        {"IL", 49, false},  {"CCCC", 400, false},   {"XXXX", 40, false}, {"MC", 100, false},
    };
    for (const auto& row : table) {
        EXPECT_EQ(RomanToInt(QString::fromLatin1(row.letters)), row.value) << row.letters;
        EXPECT_EQ(isCanonicalRoman(QString::fromLatin1(row.letters)), row.canonical) << row.letters;
    }
}

struct DocKeysCase {
    const char* name;
    TDocumentMaskEnum mask;
    const char16_t* keys;
    const char16_t* expected;
};

class MaskedDocEditKeys : public testing::TestWithParam<DocKeysCase> {};

// Types the keys one by one at the end of the field, as a user would.
TEST_P(MaskedDocEditKeys, TypingGivesText) {
    const DocKeysCase& c = GetParam();
    QString text;
    int caret = 0;
    for (QChar ch : QString::fromUtf16(c.keys)) {
        const DocKeyResult r = docApplyKey(c.mask, text, caret, ch);
        if (r.accepted) {
            text = r.text;
            caret = r.caret;
        }
    }
    EXPECT_EQ(text, QString::fromUtf16(c.expected));
    EXPECT_EQ(caret, text.size());
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaskedDocEditKeys,
    testing::Values(
        DocKeysCase{"passport_groups", edt99_, u"4509123456", u"45 09 123456"},
        DocKeysCase{"passport_extra_digit", edt99_, u"45091234567", u"45 09 123456"},
        DocKeysCase{"passport_letters_refused", edt99_, u"4a5", u"45"},
        DocKeysCase{"two_digit_series_blank_dropped", edt99, u"4 5 1234567", u"45 1234567"},
        DocKeysCase{"two_digit_series_number_limit", edt99, u"45123456789", u"45 1234567"},
        DocKeysCase{"roman_refuses_digit_four", edtR_BB, u"4", u""},
        DocKeysCase{"roman_look_alikes", edtR_BB, u"1\u0443", u"IV"},
        DocKeysCase{"roman_no_four_ones", edtR_BB, u"IIII", u"III"},
        DocKeysCase{"roman_no_vx", edtR_BB, u"VX", u"V"},
        DocKeysCase{"roman_latin_small", edtR_BB, u"xiv", u"XIV"},
        DocKeysCase{"roman_cyrillic_look_alikes", edtR_BB, u"\u0425\u0421\u041B", u"XC"},
        DocKeysCase{"birth_certificate_whole", edtR_BB, u"1\u0443-\u0430\u04311", u"IV-\u0410\u0411 1"},
        DocKeysCase{"birth_certificate_number_limit", edtR_BB, u"IV-\u0410\u04111234567", u"IV-\u0410\u0411 123456"},
        DocKeysCase{"one_hyphen_only", edtR_BB, u"IV--", u"IV-"},
        DocKeysCase{"after_hyphen_no_latin", edtR_BB, u"I-a", u"I-"},
        DocKeysCase{"roman_nine_letters", edtR_BB, u"CCCLXXXVIII", u"CCCLXXXVI"},
        DocKeysCase{"letters_then_number", edtBB, u"\u0430\u0431123456", u"\u0410\u0411 123456"},
        DocKeysCase{"letters_only_first", edtBB, u"1\u0430", u"\u0410"},
        DocKeysCase{"third_letter_refused", edtBB, u"\u0410\u0411\u0412", u"\u0410\u0411"},
        DocKeysCase{"letters_seven_digits", edtBB0, u"\u0430\u04311234567", u"\u0410\u0411 1234567"},
        DocKeysCase{"letters_hyphen_digits", edtBB5, u"\u0430\u0431123456", u"\u0410\u0411-12345"},
        DocKeysCase{"free_twenty", edtNone1, u"123456789012345678901", u"12345678901234567890"},
        DocKeysCase{"free_fourteen", edtNone2, u"123456789012345", u"12345678901234"},
        DocKeysCase{"backspace_over_blank", edt99_, u"4509\x08\x08\x08", u"45"}),
    [](const testing::TestParamInfo<DocKeysCase>& info) { return std::string(info.param.name); });

struct DocTextCase {
    const char* name;
    TDocumentMaskEnum mask;
    const char16_t* text;
    std::optional<const char16_t*> kept;
};

class MaskedDocEditChange : public testing::TestWithParam<DocTextCase> {};

TEST_P(MaskedDocEditChange, PastedText) {
    const DocTextCase& c = GetParam();
    const std::optional<QString> kept = docAcceptText(c.mask, QString::fromUtf16(c.text));
    const std::optional<QString> expected =
        c.kept ? std::optional<QString>(QString::fromUtf16(*c.kept)) : std::nullopt;
    EXPECT_EQ(kept, expected) << "got " << shown(kept) << ", expected " << shown(expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaskedDocEditChange,
    testing::Values(
        DocTextCase{"upper_cased_and_look_alikes", edtR_BB, u"1\u0443-\u0430\u0431 123456", u"IV-\u0410\u0411 123456"},
        DocTextCase{"half_typed_kept", edtR_BB, u"XIV-\u0410", u"XIV-\u0410"},
        DocTextCase{"not_canonical", edtR_BB, u"IIII-\u0410\u0411 1", std::nullopt},
        DocTextCase{"number_too_long", edtR_BB, u"I-\u0410\u0411 1234567", std::nullopt},
        DocTextCase{"digits_with_letter", edt99, u"12 34a", std::nullopt},
        DocTextCase{"passport_three_groups", edt99_, u"45 09 123456", u"45 09 123456"},
        DocTextCase{"passport_fourth_group", edt99_, u"45 09 1234 5", std::nullopt},
        DocTextCase{"letters_small", edtBB, u"\u0430\u0431 12", u"\u0410\u0411 12"},
        DocTextCase{"letters_latin", edtBB, u"AB 12", std::nullopt},
        DocTextCase{"letter_yo_not_in_range", edtBB, u"\u0451", std::nullopt},
        DocTextCase{"hyphen_number_limit", edtBB5, u"\u0410\u0411-123456", std::nullopt},
        DocTextCase{"free_control_character", edtNone1, u"12\t34", std::nullopt},
        DocTextCase{"free_not_cp1251", edtNone2, u"\u00C6 12", std::nullopt}),
    [](const testing::TestParamInfo<DocTextCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmar
