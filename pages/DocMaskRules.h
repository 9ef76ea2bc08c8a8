#pragma once
// Key and text rules of `TMaskedDocEdit`, the series-and-number field of an
// identity document, as plain functions.
#include <QChar>
#include <QString>
#include <QStringView>

#include <optional>

namespace velmar {

// R = Roman numeral, B = capital Cyrillic letter, 9 = digit.
enum TDocumentMaskEnum {
    edtR_BB,  // R-BB 999999
    edt99,    // 99 9999999
    edt99_,   // 99 99 999999
    edtBB,    // BB 999999
    edtBB0,   // BB 9999999
    edtNone1, // free, at most 20 characters
    edtNone2, // free, at most 14 characters
    edtBB5,   // BB-99999
};

int RomanToInt(QStringView text);
// Values 1..399 from C, L, X, V, I with the pairs IV, IX, XL, XC; empty otherwise.
QString IntToRoman(int value);
// Written the way IntToRoman writes its value ("IV", not "IIII" or "VX").
bool isCanonicalRoman(QStringView text);

// Upper-cases letters the mask takes as capitals and, before the hyphen of
// `edtR_BB`, turns the look-alikes into Roman letters.
QString docNormalize(TDocumentMaskEnum mask, QStringView text);

// Whether a normalised text fits the format; a text may stop after any part.
bool docTextFits(TDocumentMaskEnum mask, QStringView text);

// The change rule: the normalised text, or nullopt to go back to the last accepted text.
std::optional<QString> docAcceptText(TDocumentMaskEnum mask, QStringView text);

struct DocKeyResult {
    bool accepted = false;
    QString text;
    int caret = 0;
};

// One typed character (backspace included) on a field whose selection, if
// any, has already been taken out. The separators a mask inserts by itself are
// part of the result; a refused key changes nothing.
DocKeyResult docApplyKey(TDocumentMaskEnum mask, QStringView text, int caret, QChar ch);

} // namespace velmar
