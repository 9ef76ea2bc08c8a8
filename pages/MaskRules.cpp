#include "pages/MaskRules.h"

#include "model/Currency.h"
#include "pages/TextRules.h"

namespace velmar {
namespace {

bool isDigit(QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); }

// A decimal amount with the comma as separator, as the conversion of amounts
// reads it. A lone comma stays acceptable: it is what a typed separator leaves
// in an empty field, and it reads as zero.
bool isAmountText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed == QString(kDecimalComma))
        return true;
    const QByteArray latin = text.toLatin1();
    if (QString::fromLatin1(latin) != text)
        return false;
    return Currency::parse(std::string_view(latin.constData(), static_cast<size_t>(latin.size())), ',').has_value();
}

bool withinAmountLimits(const MaskRule& rule, QStringView text) {
    const qsizetype comma = text.indexOf(kDecimalComma);
    const qsizetype whole = comma < 0 ? text.size() : comma;
    if (rule.wholeLength > 0 && whole > rule.wholeLength)
        return false;
    if (comma >= 0 && rule.fractionalLength > 0 && text.size() - comma - 1 > rule.fractionalLength)
        return false;
    return true;
}

bool withinLength(const MaskRule& rule, qsizetype length) { return rule.wholeLength == 0 || length <= rule.wholeLength; }

} // namespace

KeyResult applyKey(const MaskRule& rule, QStringView text, int caret, QChar ch) {
    if (ch == kBackspace)
        return {true, ch};
    caret = qBound(0, caret, static_cast<int>(text.size()));
    switch (rule.editType) {
    case edtCurrency: {
        if (ch == QLatin1Char('.') || ch == QLatin1Char(',')) {
            if (text.contains(kDecimalComma))
                return {};
            return {true, kDecimalComma};
        }
        if (!isDigit(ch))
            return {};
        const QString result = text.left(caret).toString() + ch + text.mid(caret).toString();
        if (!isAmountText(result) || !withinAmountLimits(rule, result))
            return {};
        return {true, ch};
    }
    case edtDigital:
        if (!isDigit(ch) || !withinLength(rule, text.size() + 1))
            return {};
        return {true, ch};
    case edtChar:
        if (isDigit(ch) || !withinLength(rule, text.size() + 1))
            return {};
        return {true, ch};
    case edtNone:
        if (!withinLength(rule, text.size() + 1))
            return {};
        return {true, ch};
    }
    return {};
}

std::optional<QString> acceptText(const MaskRule& rule, const QString& text) {
    if (!isStorableText(text))
        return std::nullopt;
    switch (rule.editType) {
    case edtCurrency:
        if (text.trimmed().isEmpty())
            return QString();
        if (!isAmountText(text) || !withinAmountLimits(rule, text))
            return std::nullopt;
        return text;
    case edtDigital: {
        if (!withinLength(rule, text.trimmed().size()))
            return std::nullopt;
        for (QChar ch : text)
            if (!isDigit(ch))
                return std::nullopt;
        return text;
    }
    case edtChar:
        if (!withinLength(rule, text.size()))
            return std::nullopt;
        for (QChar ch : text)
            if (isDigit(ch))
                return std::nullopt;
        return text;
    case edtNone:
        if (!withinLength(rule, text.size()))
            return std::nullopt;
        return text;
    }
    return std::nullopt;
}

FieldState typeKey(const MaskRule& rule, FieldState state, QChar ch) {
    state.caret = qBound(0, state.caret, static_cast<int>(state.text.size()));
    const KeyResult key = applyKey(rule, state.text, state.caret, ch);
    if (!key.accepted)
        return state;
    FieldState next = state;
    if (key.ch == kBackspace) {
        if (next.caret == 0)
            return state;
        next.text.remove(next.caret - 1, 1);
        --next.caret;
    } else {
        next.text.insert(next.caret, key.ch);
        ++next.caret;
    }
    const std::optional<QString> kept = acceptText(rule, next.text);
    if (!kept)
        return state;
    if (*kept != next.text) {
        next.text = *kept;
        next.caret = static_cast<int>(kept->size());
    }
    return next;
}

FieldState typeKeys(const MaskRule& rule, FieldState state, QStringView keys) {
    for (QChar ch : keys)
        state = typeKey(rule, state, ch);
    return state;
}

} // namespace velmar
