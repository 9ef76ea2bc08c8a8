#include "model/Currency.h"

#include <limits>

namespace velmar {

std::string Currency::toText() const {
    // Work on the magnitude as unsigned so that INT64_MIN formats too.
    const bool negative = units_ < 0;
    uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(units_) : static_cast<uint64_t>(units_);
    uint64_t whole = magnitude / kUnitsPerRouble;
    uint64_t fraction = magnitude % kUnitsPerRouble;
    std::string text = negative ? "-" : "";
    text += std::to_string(whole);
    if (fraction != 0) {
        char digits[5] = {0, 0, 0, 0, 0};
        for (int i = 3; i >= 0; --i) {
            digits[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        int len = 4;
        while (len > 0 && digits[len - 1] == '0')
            --len;
        text += '.';
        text.append(digits, len);
    }
    return text;
}

std::optional<Currency> Currency::parse(std::string_view text, char separator) {
    size_t i = 0;
    const size_t n = text.size();
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (i < n && isBlank(text[i]))
        ++i;
    size_t end = n;
    while (end > i && isBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr uint64_t kLimit = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    uint64_t whole = 0;
    int wholeDigits = 0;
    while (i < end && text[i] >= '0' && text[i] <= '9') {
        uint64_t digit = static_cast<uint64_t>(text[i] - '0');
        if (whole > (kLimit / kUnitsPerRouble - digit) / 10)
            return std::nullopt;
        whole = whole * 10 + digit;
        ++wholeDigits;
        ++i;
    }
    uint64_t fraction = 0;
    int fractionDigits = 0;
    bool roundUp = false;
    if (i < end && text[i] == separator) {
        ++i;
        while (i < end && text[i] >= '0' && text[i] <= '9') {
            if (fractionDigits < 4)
                fraction = fraction * 10 + static_cast<uint64_t>(text[i] - '0');
            else if (fractionDigits == 4)
                roundUp = text[i] >= '5';
            ++fractionDigits;
            ++i;
        }
    }
    if (i != end || (wholeDigits == 0 && fractionDigits == 0))
        return std::nullopt;
    for (int k = fractionDigits; k < 4; ++k)
        fraction *= 10;
    uint64_t magnitude = whole * kUnitsPerRouble + fraction + (roundUp ? 1 : 0);
    if (magnitude > kLimit)
        return std::nullopt;
    int64_t units = static_cast<int64_t>(magnitude);
    return Currency::fromUnits(negative ? -units : units);
}

} // namespace velmar
