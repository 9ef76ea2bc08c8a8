#pragma once
// Dates in the dictionaries are written "dd.mm.yyyy".
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

// "dd.mm.yyyy" of a real calendar day; none for anything else.
std::optional<std::chrono::year_month_day> parseDictDate(std::string_view text);

// The day as "dd.mm.yyyy" (the date the import writes into the directory).
std::string formatDictDate(std::chrono::year_month_day date);

} // namespace velmar
