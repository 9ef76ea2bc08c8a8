#include "model/DateTime.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>

namespace velmar {

namespace {

// Day 0 of the real-number dates is 30 December 1899.
constexpr std::chrono::sys_days kEpoch = std::chrono::sys_days(
    std::chrono::year(1899) / std::chrono::December / std::chrono::day(30));

bool readNumber(std::string_view text, size_t& i, int minDigits, int maxDigits, int& out) {
    int digits = 0;
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < maxDigits) {
        value = value * 10 + (text[i] - '0');
        ++digits;
        ++i;
    }
    out = value;
    return digits >= minDigits;
}

} // namespace

std::optional<TDateTime> encodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999)
        return std::nullopt;
    std::chrono::year_month_day ymd{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                    std::chrono::day(static_cast<unsigned>(day))};
    if (month < 1 || month > 12 || day < 1 || !ymd.ok())
        return std::nullopt;
    auto days = (std::chrono::sys_days(ymd) - kEpoch).count();
    return TDateTime{static_cast<double>(days)};
}

TDateTime encodeDateOrThrow(int year, int month, int day) {
    return encodeDate(year, month, day).value();
}

std::optional<CivilDate> decodeDate(TDateTime value) {
    if (!std::isfinite(value.days) || value.days < -693593.0 || value.days > 2958466.0)
        return std::nullopt;
    // The integer part counts days; negative values still mean the time of day
    // by their fraction, so the day is the truncation toward zero.
    auto whole = static_cast<long long>(std::trunc(value.days));
    std::chrono::year_month_day ymd{kEpoch + std::chrono::days(whole)};
    int year = static_cast<int>(ymd.year());
    if (year < 1 || year > 9999)
        return std::nullopt;
    return CivilDate{year, static_cast<int>(static_cast<unsigned>(ymd.month())),
                     static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

TDateTime today() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return encodeDateOrThrow(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

static long long secondsOfDay(TDateTime value) {
    double fraction = std::fabs(value.days - std::trunc(value.days));
    return std::llround(fraction * 86400.0) % 86400;
}

bool hasTimeOfDay(TDateTime value) {
    return std::isfinite(value.days) && secondsOfDay(value) != 0;
}

std::string formatDate(TDateTime value) {
    auto civil = decodeDate(value);
    if (!civil)
        return dateToStorageText(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", civil->day, civil->month, civil->year);
    std::string text = buffer;
    if (hasTimeOfDay(value)) {
        long long s = secondsOfDay(value);
        std::snprintf(buffer, sizeof buffer, " %02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
        text += buffer;
    }
    return text;
}

std::optional<TDateTime> parseDateText(std::string_view text, char separator) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    int day = 0, month = 0, year = 0;
    if (!readNumber(text, i, 1, 2, day) || i >= text.size() || text[i++] != separator)
        return std::nullopt;
    if (!readNumber(text, i, 1, 2, month) || i >= text.size() || text[i++] != separator)
        return std::nullopt;
    if (!readNumber(text, i, 4, 4, year))
        return std::nullopt;
    auto date = encodeDate(year, month, day);
    if (!date)
        return std::nullopt;
    if (i < text.size() && text[i] == ' ') {
        ++i;
        int h = 0, m = 0, s = 0;
        if (!readNumber(text, i, 1, 2, h) || i >= text.size() || text[i++] != ':')
            return std::nullopt;
        if (!readNumber(text, i, 2, 2, m) || i >= text.size() || text[i++] != ':')
            return std::nullopt;
        if (!readNumber(text, i, 2, 2, s) || h > 23 || m > 59 || s > 59)
            return std::nullopt;
        date->days += (h * 3600 + m * 60 + s) / 86400.0;
    }
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i != text.size())
        return std::nullopt;
    return date;
}

std::string dateToStorageText(TDateTime value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value.days, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::optional<TDateTime> parseStorageReal(std::string_view text) {
    auto attempt = [](std::string_view t) -> std::optional<double> {
        size_t b = 0, e = t.size();
        while (b < e && t[b] == ' ') ++b;
        while (e > b && t[e - 1] == ' ') --e;
        t = t.substr(b, e - b);
        if (!t.empty() && t[0] == '+')
            t.remove_prefix(1);
        if (t.empty())
            return std::nullopt;
        double value = 0.0;
        auto result = std::from_chars(t.data(), t.data() + t.size(), value, std::chars_format::general);
        if (result.ec != std::errc() || result.ptr != t.data() + t.size() || !std::isfinite(value))
            return std::nullopt;
        return value;
    };
    if (auto v = attempt(text))
        return TDateTime{*v};
    std::string swapped(text);
    for (char& c : swapped) {
        if (c == ',') c = '.';
        else if (c == '.') c = ',';
    }
    if (auto v = attempt(swapped))
        return TDateTime{*v};
    return std::nullopt;
}

} // namespace velmar
