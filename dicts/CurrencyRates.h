#pragma once
// The currency list with exchange rates "CurrencyRates.xml": one child of the
// root per currency with `Code` (three digits) and `Name`; under it one child
// per published rate with `Date` ("dd.mm.yyyy"), `Rate` (roubles for
// `Quantity` units, decimal text) and `Quantity`.
#include "dicts/CodeList.h"
#include "dicts/DictDate.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct CurrencyRate {
    std::string date;     // as written
    std::string rate;     // as written; the page reads it as an amount
    std::string quantity; // as written
    // The parsed date; none for a date that is not a real "dd.mm.yyyy" day,
    // and such an entry is never found by FindRate.
    std::optional<std::chrono::year_month_day> day;
};

struct CurrencyEntry {
    std::string code;
    std::string name;
    std::vector<CurrencyRate> rates; // in file order
};

struct CurrencyRates {
    std::vector<CurrencyEntry> currencies; // in file order
};

// Throws DictError naming the file and the fault.
CurrencyRates parseCurrencyRates(std::string_view xml, std::string_view sourceName);
CurrencyRates loadCurrencyRates(const std::filesystem::path& path);

// The first currency whose code equals `code`; none for an empty code (even
// when the file has a currency without a code) or when no rates file is
// loaded (`rates` null).
const CurrencyEntry* FindCurrency(const CurrencyRates* rates, std::string_view code);

// The rate of `date`: the entry dated that very day, else the last entry in
// file order dated before it; none when there is no such entry or no currency.
// The last earlier entry is the latest rate only while the file keeps its
// entries in ascending date order, as the published rates do.
const CurrencyRate* FindRate(const CurrencyEntry* currency, std::chrono::year_month_day date);

// Rows of the currency dialog and the row to select: the currency of
// `currentCode` (an empty code counts as "0"), else the first row.
std::vector<CodeName> currencyRows(const CurrencyRates* rates);
std::optional<std::size_t> preselectCurrency(const std::vector<CodeName>& rows, std::string_view currentCode);

inline constexpr std::string_view kCurrencyDialogCaption = "Справочник валют";
inline constexpr std::string_view kCurrencyCodeColumn = "Код";
inline constexpr std::string_view kCurrencyNameColumn = "Наименование валюты";

} // namespace velmar
