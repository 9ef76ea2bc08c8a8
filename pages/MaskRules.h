#pragma once
// Key and text rules of `TMaskedEdit`, kept as plain functions: the widget
// calls them, the tests feed them tables.
#include <QChar>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace velmar {

enum TEditTypeControlEnum { edtCurrency, edtDigital, edtChar, edtNone };

struct MaskRule {
    TEditTypeControlEnum editType = edtCurrency;
    uint16_t wholeLength = 0;      // 0 = no limit
    uint16_t fractionalLength = 0; // 0 = no limit
};

inline constexpr QChar kBackspace = QChar(8);
inline constexpr QChar kDecimalComma = QLatin1Char(',');

// The key filter's answer for one typed character: refused, or the character
// the edit inserts ("." becomes ",").
struct KeyResult {
    bool accepted = false;
    QChar ch;
};

// `text` and `caret` are the field as it will be once a selection is replaced
// by the typed character.
KeyResult applyKey(const MaskRule& rule, QStringView text, int caret, QChar ch);

// The change rule: the text the field keeps (blanks of an amount become the
// empty text), or nullopt when the field must go back to its last accepted text.
std::optional<QString> acceptText(const MaskRule& rule, const QString& text);

// A field's text and caret, for running the rules the way the widget does.
struct FieldState {
    QString text;
    int caret = 0;
    friend bool operator==(const FieldState&, const FieldState&) = default;
};

// One keystroke: key filter, insertion at the caret (or deletion before it for
// backspace), change rule. A refused or reverted keystroke leaves `state` as it was.
FieldState typeKey(const MaskRule& rule, FieldState state, QChar ch);
FieldState typeKeys(const MaskRule& rule, FieldState state, QStringView keys);

} // namespace velmar
