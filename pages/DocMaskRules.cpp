#include "pages/DocMaskRules.h"

#include "pages/MaskRules.h"
#include "pages/TextRules.h"

namespace velmar {
namespace {

bool isDigit(QChar ch) { return ch >= QLatin1Char('0') && ch <= QLatin1Char('9'); }
bool isCyrillicCapital(QChar ch) { return ch.unicode() >= 0x0410 && ch.unicode() <= 0x042F; }
bool isCyrillicSmall(QChar ch) { return (ch.unicode() >= 0x0430 && ch.unicode() <= 0x044F) || ch.unicode() == 0x0451; }
bool isRomanLetter(QChar ch) { return QStringView(u"CLXVI").contains(ch); }

bool takesCapitals(TDocumentMaskEnum mask) {
    return mask == edtR_BB || mask == edtBB || mask == edtBB0 || mask == edtBB5;
}

int romanValue(QChar ch) {
    switch (ch.unicode()) {
    case 'C': return 100;
    case 'L': return 50;
    case 'X': return 10;
    case 'V': return 5;
    case 'I': return 1;
    default: return 0;
    }
}

// Roman look-alikes of the series part: what a Russian keyboard or the digit
// row gives for the letters of a Soviet-style series.
QChar romanLookAlike(QChar ch) {
    switch (ch.unicode()) {
    case '1': return QLatin1Char('I');
    case 0x041B: return QLatin1Char('L'); // Л
    case 0x0421: return QLatin1Char('C'); // С
    case 0x0423: return QLatin1Char('V'); // У
    case 0x0425: return QLatin1Char('X'); // Х
    case 'c': return QLatin1Char('C');
    case 'i': return QLatin1Char('I');
    case 'l': return QLatin1Char('L');
    case 'v': return QLatin1Char('V');
    case 'x': return QLatin1Char('X');
    default: return ch;
    }
}

bool allOf(QStringView text, bool (*pred)(QChar)) {
    for (QChar ch : text)
        if (!pred(ch))
            return false;
    return true;
}

// Letters, then optionally the separator and digits.
bool lettersThenDigits(QStringView text, QChar separator, int maxLetters, int maxDigits) {
    const qsizetype sep = text.indexOf(separator);
    const QStringView letters = sep < 0 ? text : text.left(sep);
    if (letters.size() > maxLetters || !allOf(letters, isCyrillicCapital))
        return false;
    if (sep < 0)
        return true;
    const QStringView digits = text.mid(sep + 1);
    return digits.size() <= maxDigits && allOf(digits, isDigit);
}

bool digitGroups(QStringView text, std::initializer_list<int> limits) {
    qsizetype pos = 0;
    for (auto it = limits.begin(); it != limits.end(); ++it) {
        const bool last = std::next(it) == limits.end();
        const qsizetype blank = last ? -1 : text.indexOf(QLatin1Char(' '), pos);
        const QStringView group = blank < 0 ? text.mid(pos) : text.mid(pos, blank - pos);
        if (group.size() > *it || !allOf(group, isDigit))
            return false;
        if (blank < 0)
            return true;
        pos = blank + 1;
    }
    return true;
}

int maxFreeLength(TDocumentMaskEnum mask) { return mask == edtNone1 ? 20 : 14; }

DocKeyResult refused() { return {}; }

} // namespace

int RomanToInt(QStringView text) {
    int total = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int value = romanValue(text[i]);
        if (i + 1 < text.size() && romanValue(text[i + 1]) > value)
            total -= value;
        else
            total += value;
    }
    return total;
}

QString IntToRoman(int value) {
    if (value < 1 || value > 399)
        return {};
    static const struct {
        int value;
        const char* letters;
    } kSteps[] = {{100, "C"}, {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString result;
    for (const auto& step : kSteps)
        while (value >= step.value) {
            result += QLatin1String(step.letters);
            value -= step.value;
        }
    return result;
}

bool isCanonicalRoman(QStringView text) {
    if (!allOf(text, isRomanLetter))
        return false;
    return IntToRoman(RomanToInt(text)) == text;
}

QString docNormalize(TDocumentMaskEnum mask, QStringView text) {
    QString result = text.toString();
    if (!takesCapitals(mask))
        return result;
    const qsizetype hyphen = mask == edtR_BB ? result.indexOf(QLatin1Char('-')) : -1;
    for (qsizetype i = 0; i < result.size(); ++i) {
        QChar ch = result[i];
        if (isCyrillicSmall(ch))
            ch = ch.toUpper();
        if (mask == edtR_BB && (hyphen < 0 || i < hyphen))
            ch = romanLookAlike(ch);
        result[i] = ch;
    }
    return result;
}

bool docTextFits(TDocumentMaskEnum mask, QStringView text) {
    if (!isStorableText(text))
        return false;
    switch (mask) {
    case edtR_BB: {
        const qsizetype hyphen = text.indexOf(QLatin1Char('-'));
        const QStringView series = hyphen < 0 ? text : text.left(hyphen);
        if (series.size() > 9 || !isCanonicalRoman(series))
            return false;
        return hyphen < 0 || lettersThenDigits(text.mid(hyphen + 1), QLatin1Char(' '), 2, 6);
    }
    case edt99: return digitGroups(text, {2, 7});
    case edt99_: return digitGroups(text, {2, 2, 6});
    case edtBB: return lettersThenDigits(text, QLatin1Char(' '), 2, 6);
    case edtBB0: return lettersThenDigits(text, QLatin1Char(' '), 2, 7);
    case edtBB5: return lettersThenDigits(text, QLatin1Char('-'), 2, 5);
    case edtNone1:
    case edtNone2: return text.size() <= maxFreeLength(mask);
    }
    return false;
}

std::optional<QString> docAcceptText(TDocumentMaskEnum mask, QStringView text) {
    QString normal = docNormalize(mask, text);
    if (!docTextFits(mask, normal))
        return std::nullopt;
    return normal;
}

DocKeyResult docApplyKey(TDocumentMaskEnum mask, QStringView text, int caret, QChar ch) {
    caret = qBound(0, caret, static_cast<int>(text.size()));
    QString next = text.toString();
    if (ch == kBackspace) {
        if (caret == 0)
            return refused();
        next.remove(caret - 1, 1);
        --caret;
    } else {
        if (ch == QChar(13) || !isStorableChar(ch))
            return refused();
        if (isCyrillicSmall(ch) && takesCapitals(mask))
            ch = ch.toUpper();
        auto insertSeparator = [&](QChar separator) {
            next.insert(caret, separator);
            ++caret;
        };
        switch (mask) {
        case edtR_BB: {
            const qsizetype hyphen = next.indexOf(QLatin1Char('-'));
            if (ch == QLatin1Char('-')) {
                if (hyphen >= 0)
                    return refused();
            } else if (hyphen < 0 || caret <= hyphen) {
                ch = romanLookAlike(ch);
                if (!isRomanLetter(ch))
                    return refused();
            } else {
                if (!isDigit(ch) && !isCyrillicCapital(ch))
                    return refused();
                if (caret == hyphen + 3 && !next.contains(QLatin1Char(' ')))
                    insertSeparator(QLatin1Char(' '));
            }
            break;
        }
        case edt99:
        case edt99_: {
            if (!isDigit(ch))
                return refused();
            const qsizetype blanks = next.count(QLatin1Char(' '));
            if ((caret == 2 && blanks == 0) || (mask == edt99_ && caret == 5 && blanks == 1))
                insertSeparator(QLatin1Char(' '));
            break;
        }
        case edtBB:
        case edtBB0:
        case edtBB5: {
            const QChar separator = mask == edtBB5 ? QLatin1Char('-') : QLatin1Char(' ');
            if (ch == separator) {
                if (next.contains(separator))
                    return refused();
                break;
            }
            if (caret == 2 && !next.contains(separator))
                insertSeparator(separator);
            const qsizetype sep = next.indexOf(separator);
            const bool inLetters = sep < 0 || caret <= sep;
            if (inLetters ? !isCyrillicCapital(ch) : !isDigit(ch))
                return refused();
            break;
        }
        case edtNone1:
        case edtNone2:
            break;
        }
        next.insert(caret, ch);
        ++caret;
    }
    const std::optional<QString> kept = docAcceptText(mask, next);
    if (!kept)
        return refused();
    return {true, *kept, caret};
}

} // namespace velmar
