#pragma once
// Text forms of the values in the tax authority's XML file. Numbers are always
// written with "." whatever the locale: nothing here reads or changes it.
#include "model/Currency.h"
#include "model/DateTime.h"

#include <string>
#include <string_view>

namespace velmar {

// Amounts that carry kopecks (income, deductions, expenses, bases): a negative
// value becomes "0.00"; otherwise the whole roubles, "." and the first two
// decimals, the third and fourth cut off ("0.0999" gives "0.09"). A text longer
// than 15 characters becomes "999999999999.99".
std::string FormatSum2(Currency value);

// The general form: no trailing zeros, no decimals for whole values, a minus
// sign kept ("1500", "12.5", "-0.0001"). A text longer than 15 characters
// becomes "999999999999999".
std::string FormatSumPlain(Currency value);

// Tax amounts (computed, withheld, paid, advances, to pay, to refund): whole
// roubles, half a rouble and more rounding up, in the general form. The file
// format admits only whole roubles there, and advance payments typed with
// kopecks would otherwise carry them in. Negative values, which only faulty
// input produces, are cut toward zero like every rounding of this program.
std::string FormatTaxRoubles(Currency value);
Currency RoundToWholeRoubles(Currency value);

// "DD.MM.YYYY" and "YYYY". Throw ExportError naming `what` for a value outside
// the calendar.
std::string FormatDate(TDateTime value, std::string_view what);
std::string FormatYear(TDateTime value, std::string_view what);

// Left-pads with "0" up to `width` characters; a longer text stays as it is.
std::string PadZeros(std::string_view text, size_t width);
std::string PadZeros(long long number, size_t width);

// Every comma becomes a point; blanks around the result are trimmed.
std::string CommaToPoint(std::string_view text);

// An exchange rate as the file admits it: "." as separator and at most four
// decimals (more are rounded half up), no trailing zeros, whatever separator
// the stored text uses. An empty text stays empty; any other text that is not
// a number throws ExportError naming `what`.
std::string FormatExchangeRate(std::string_view stored, std::string_view what);

// Upper case of the letters that Windows-1251 holds: Latin and Cyrillic
// (Ё, Ў, Ґ and the other Cyrillic letters of that code page included). Any
// other character, and bytes that are not valid UTF-8, pass unchanged.
std::string UpperCaseCp1251(std::string_view utf8);

// Blanks (bytes up to 0x20) removed at both ends.
std::string_view TrimBlanks(std::string_view text);
// True when nothing but blanks is left.
inline bool IsBlankText(std::string_view text) { return TrimBlanks(text).empty(); }

// The first `count` characters (code points) of UTF-8 text; never splits a
// character.
std::string_view CutChars(std::string_view utf8, size_t count);

// Surname, first name and patronymic attributes hold at most this many characters.
inline constexpr size_t kMaxNameChars = 60;

// A representative's full name split into the three name attributes. The
// surname is the first word and the first name the second; the rest is the
// patronymic. Each part is cut to 60 characters; an empty surname or first
// name becomes a single blank, an empty patronymic stays empty (not written).
struct SplitName {
    std::string surname, firstName, patronymic;
};
SplitName SplitRepresentativeName(std::string_view fullName);

} // namespace velmar
