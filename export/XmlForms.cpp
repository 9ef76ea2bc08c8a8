#include "export/XmlForms.h"

#include "export/ExportError.h"

#include <cstdint>

namespace velmar {

namespace {

constexpr size_t kMaxNumberChars = 15;

std::string digitsOf(unsigned __int128 value) {
    if (value == 0)
        return "0";
    std::string out;
    while (value > 0) {
        out.insert(out.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    }
    return out;
}

bool isBlankByte(char c) { return static_cast<unsigned char>(c) <= 0x20; }

size_t findBlank(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i)
        if (isBlankByte(text[i]))
            return i;
    return std::string_view::npos;
}

// Length of the UTF-8 sequence that starts with `lead`, 0 for a byte that
// cannot start one.
size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t upperOf(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - 0x20;
    if (c >= 0x0430 && c <= 0x044F) // а..я
        return c - 0x20;
    if (c >= 0x0450 && c <= 0x045F) // ѐ..џ: ё, ђ, ѓ, є, ѕ, і, ї, ј, љ, њ, ћ, ќ, ў, џ
        return c - 0x50;
    if (c == 0x0491) // ґ
        return 0x0490;
    return c;
}

} // namespace

std::string FormatSum2(Currency value) {
    const int64_t units = value.units();
    if (units < 0)
        return "0.00";
    const int64_t whole = units / Currency::kUnitsPerRouble;
    const int64_t kopecks = (units % Currency::kUnitsPerRouble) / Currency::kUnitsPerKopeck;
    std::string text = std::to_string(whole) + "." + PadZeros(kopecks, 2);
    if (text.size() > kMaxNumberChars)
        return "999999999999.99";
    return text;
}

std::string FormatSumPlain(Currency value) {
    std::string text = value.toText();
    if (text.size() > kMaxNumberChars)
        return "999999999999999";
    return text;
}

Currency RoundToWholeRoubles(Currency value) {
    const __int128 units = value.units();
    const __int128 unit = Currency::kUnitsPerRouble;
    __int128 rounded;
    if (units >= 0)
        rounded = (units + unit / 2) / unit * unit;
    else
        rounded = units / unit * unit; // C++ division truncates toward zero
    if (rounded > INT64_MAX)
        rounded -= unit; // only INT64_MAX itself rounds past the range
    return Currency::fromUnits(static_cast<int64_t>(rounded));
}

std::string FormatTaxRoubles(Currency value) { return FormatSumPlain(RoundToWholeRoubles(value)); }

std::string FormatDate(TDateTime value, std::string_view what) {
    auto date = decodeDate(value);
    if (!date)
        throw ExportError("Недопустимая дата в поле " + std::string(what));
    return PadZeros(date->day, 2) + "." + PadZeros(date->month, 2) + "." + PadZeros(date->year, 4);
}

std::string FormatYear(TDateTime value, std::string_view what) {
    auto date = decodeDate(value);
    if (!date)
        throw ExportError("Недопустимая дата в поле " + std::string(what));
    return PadZeros(date->year, 4);
}

std::string PadZeros(std::string_view text, size_t width) {
    std::string out(text);
    // Width counts characters; the codes padded here are digits, one byte each.
    if (out.size() < width)
        out.insert(0, width - out.size(), '0');
    return out;
}

std::string PadZeros(long long number, size_t width) {
    if (number < 0)
        return "-" + PadZeros(digitsOf(static_cast<unsigned __int128>(-static_cast<__int128>(number))), width);
    return PadZeros(digitsOf(static_cast<unsigned __int128>(number)), width);
}

std::string CommaToPoint(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c == ',')
            c = '.';
    return std::string(TrimBlanks(out));
}

std::string FormatExchangeRate(std::string_view stored, std::string_view what) {
    const std::string text = CommaToPoint(stored);
    if (text.empty())
        return text;
    auto rate = Currency::parse(text, '.');
    if (!rate)
        throw ExportError("Недопустимый курс валюты в поле " + std::string(what) + ": \"" + std::string(stored) + "\"");
    return rate->toText();
}

std::string UpperCaseCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = sequenceLength(lead);
        // Only one- to three-byte sequences hold letters we change; anything
        // else (and anything malformed) is copied byte by byte.
        bool decoded = length >= 1 && length <= 3 && i + length <= utf8.size();
        char32_t c = 0;
        if (decoded) {
            c = length == 1 ? lead : (lead & (length == 2 ? 0x1F : 0x0F));
            for (size_t k = 1; k < length; ++k) {
                const auto next = static_cast<unsigned char>(utf8[i + k]);
                if ((next & 0xC0) != 0x80) {
                    decoded = false;
                    break;
                }
                c = (c << 6) | (next & 0x3F);
            }
        }
        const char32_t upper = decoded ? upperOf(c) : c;
        if (!decoded || upper == c) {
            const size_t copy = decoded ? length : 1;
            out.append(utf8.substr(i, copy));
            i += copy;
        } else {
            appendUtf8(out, upper);
            i += length;
        }
    }
    return out;
}

std::string_view TrimBlanks(std::string_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && isBlankByte(text[begin]))
        ++begin;
    while (end > begin && isBlankByte(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

std::string_view CutChars(std::string_view utf8, size_t count) {
    size_t i = 0;
    for (size_t chars = 0; chars < count && i < utf8.size(); ++chars) {
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            ++i;
    }
    return utf8.substr(0, i);
}

SplitName SplitRepresentativeName(std::string_view fullName) {
    // Each word is taken whole up to the blank and only then cut, so a long
    // word never spills into the next attribute.
    auto firstWord = [](std::string_view text, std::string_view& rest) {
        const size_t blank = findBlank(text);
        const std::string_view word = blank == std::string_view::npos ? text : text.substr(0, blank);
        rest = blank == std::string_view::npos ? std::string_view() : TrimBlanks(text.substr(blank));
        return std::string(TrimBlanks(CutChars(word, kMaxNameChars)));
    };
    SplitName name;
    std::string_view rest;
    name.surname = firstWord(TrimBlanks(fullName), rest);
    name.firstName = firstWord(rest, rest);
    name.patronymic = std::string(TrimBlanks(CutChars(rest, kMaxNameChars)));
    if (name.surname.empty())
        name.surname = " ";
    if (name.firstName.empty())
        name.firstName = " ";
    return name;
}

} // namespace velmar
