#pragma once
// Dates as the return keeps them: a real number of days since 30 December 1899,
// the fraction being the time of day.
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

struct TDateTime {
    double days = 0.0;
    friend bool operator==(const TDateTime&, const TDateTime&) = default;
};

struct CivilDate {
    int year = 0, month = 0, day = 0;
};

// nullopt for an impossible day (31.02, month 13, year outside 1..9999).
std::optional<TDateTime> encodeDate(int year, int month, int day);
TDateTime encodeDateOrThrow(int year, int month, int day);
// nullopt when the value lies outside years 1..9999 or is not a number.
std::optional<CivilDate> decodeDate(TDateTime value);

TDateTime today();                   // today's date, time of day 0
bool hasTimeOfDay(TDateTime value);  // a fraction of at least a second

// "dd.mm.yyyy", with " hh:mm:ss" only when the value has a time of day.
// Values outside the calendar come out as the plain number.
std::string formatDate(TDateTime value);
// Parses "dd.mm.yyyy" or "dd.mm.yyyy hh:mm:ss" with the given separator between the date parts.
std::optional<TDateTime> parseDateText(std::string_view text, char separator = '.');

// The container file's form: the real in general form, at most 15 significant
// digits, "." as separator whatever the locale ("42369", "42369.5").
std::string dateToStorageText(TDateTime value);
// The real number, "." first and then "," as separator.
std::optional<TDateTime> parseStorageReal(std::string_view text);

} // namespace velmar
