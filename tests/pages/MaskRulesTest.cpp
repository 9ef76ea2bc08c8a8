#include "pages/MaskRules.h"

#include "PrintQString.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

constexpr char16_t kBs = 8;

struct KeysCase {
    const char* name;
    MaskRule rule;
    const char16_t* start;
    const char16_t* keys; // typed at the end of `start`
    const char16_t* expected;
};

class MaskedEditKeys : public testing::TestWithParam<KeysCase> {};

TEST_P(MaskedEditKeys, TypingGivesText) {
    const KeysCase& c = GetParam();
    FieldState start{QString::fromUtf16(c.start), static_cast<int>(QString::fromUtf16(c.start).size())};
    const FieldState end = typeKeys(c.rule, start, QString::fromUtf16(c.keys));
    EXPECT_EQ(end.text, QString::fromUtf16(c.expected));
    EXPECT_EQ(end.caret, end.text.size()) << "typing at the end leaves the caret at the end";
}

const MaskRule kAmount{edtCurrency, 0, 0};
const MaskRule kAmount12{edtCurrency, 12, 0};
const MaskRule kAmount12_2{edtCurrency, 12, 2};
const MaskRule kDigits4{edtDigital, 4, 0};
const MaskRule kChars3{edtChar, 3, 0};
const MaskRule kFree3{edtNone, 3, 0};

INSTANTIATE_TEST_SUITE_P(
    Table, MaskedEditKeys,
    testing::Values(
        KeysCase{"point_in_empty_amount_is_comma", kAmount, u"", u".", u","},
        KeysCase{"point_after_comma_refused", kAmount, u"1,5", u".", u"1,5"},
        KeysCase{"second_comma_refused", kAmount, u"1,", u",", u"1,"},
        KeysCase{"amount_digits_and_point", kAmount, u"", u"12.50", u"12,50"},
        KeysCase{"amount_letters_refused", kAmount, u"", u"1a2 b-3", u"123"},
        KeysCase{"thirteenth_whole_digit_refused", kAmount12, u"123456789012", u"3", u"123456789012"},
        KeysCase{"fraction_unlimited_without_limit", kAmount12, u"123456789012", u",34567890", u"123456789012,34567890"},
        KeysCase{"fraction_limit", kAmount12_2, u"", u"7,1234", u"7,12"},
        KeysCase{"backspace_always_accepted", kAmount, u"12,5", u"\x08\x08", u"12"},
        KeysCase{"digital_only_digits", kDigits4, u"", u"1a2.3", u"123"},
        KeysCase{"digital_length", kDigits4, u"", u"123456", u"1234"},
        KeysCase{"char_refuses_digits", kChars3, u"", u"a1b2", u"ab"},
        KeysCase{"char_length", kChars3, u"", u"abcd", u"abc"},
        KeysCase{"free_length", kFree3, u"", u"a1.z", u"a1."},
        KeysCase{"free_refuses_outside_cp1251", kFree3, u"", u"a\u4E00b", u"ab"}),
    [](const testing::TestParamInfo<KeysCase>& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    MaskRule rule;
    const char16_t* text;
    std::optional<const char16_t*> kept; // nullopt: back to the last accepted text
};

class MaskedEditChange : public testing::TestWithParam<TextCase> {};

TEST_P(MaskedEditChange, ChangeRule) {
    const TextCase& c = GetParam();
    const std::optional<QString> kept = acceptText(c.rule, QString::fromUtf16(c.text));
    const std::optional<QString> expected =
        c.kept ? std::optional<QString>(QString::fromUtf16(*c.kept)) : std::nullopt;
    EXPECT_EQ(kept, expected) << "got " << shown(kept) << ", expected " << shown(expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MaskedEditChange,
    testing::Values(
        TextCase{"blank_amount_is_empty", kAmount, u"   ", u""},
        TextCase{"amount_pasted_letters", kAmount, u"12a", std::nullopt},
        TextCase{"amount_two_commas", kAmount, u"1,2,3", std::nullopt},
        TextCase{"amount_point_is_not_the_separator", kAmount, u"1.5", std::nullopt},
        TextCase{"amount_lone_comma", kAmount, u",", u","},
        TextCase{"amount_whole_limit", kAmount12, u"1234567890123", std::nullopt},
        TextCase{"amount_fraction_limit", kAmount12_2, u"1,234", std::nullopt},
        TextCase{"amount_ok", kAmount12_2, u"123,45", u"123,45"},
        TextCase{"amount_overflow", kAmount, u"99999999999999999999", std::nullopt},
        TextCase{"digital_pasted_letters", kDigits4, u"12a", std::nullopt},
        TextCase{"digital_too_long", kDigits4, u"12345", std::nullopt},
        TextCase{"digital_blank", kDigits4, u"1 2", std::nullopt},
        TextCase{"char_digit", kChars3, u"a1", std::nullopt},
        TextCase{"free_too_long", kFree3, u"abcd", std::nullopt},
        TextCase{"free_control_character", MaskRule{edtNone, 0, 0}, u"a\tb", std::nullopt},
        TextCase{"free_line_break", MaskRule{edtNone, 0, 0}, u"a\nb", std::nullopt},
        TextCase{"free_not_cp1251", MaskRule{edtNone, 0, 0}, u"Jürgen \u2713", std::nullopt},
        TextCase{"free_cp1251_symbols", MaskRule{edtNone, 0, 0}, u"№ 5 «ООО» €", u"№ 5 «ООО» €"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

// Typing into the middle of a field: the digit test looks at the text the
// digit would make, and "." still becomes ",".
TEST(MaskedEditKeysInside, CaretInTheMiddle) {
    const FieldState start{QStringLiteral("1234"), 2};
    EXPECT_EQ(typeKey(kAmount12_2, start, QLatin1Char('.')), (FieldState{QStringLiteral("12,34"), 3}));
    EXPECT_EQ(typeKey(kAmount12_2, {QStringLiteral("12345"), 2}, QLatin1Char('.')).text, QStringLiteral("12345"))
        << "three decimals would break the fraction limit";
    EXPECT_EQ(typeKey(MaskRule{edtCurrency, 4, 0}, {QStringLiteral("1234"), 0}, QLatin1Char('9')).text,
              QStringLiteral("1234"));
    EXPECT_EQ(typeKey(kAmount, {QStringLiteral("12"), 0}, kBs).text, QStringLiteral("12"));
}

} // namespace
} // namespace velmar
