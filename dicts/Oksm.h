#pragma once
// The country classifier "Oksm.xml": one child of the root per country, with
// the three-digit `Code` ("643" for Russia) and the country name as text. The
// element names of the children are not looked at.
#include "dicts/CodeList.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace velmar {

// Throws DictError naming the file and the fault.
std::vector<CodeName> parseOksm(std::string_view xml, std::string_view sourceName);
std::vector<CodeName> loadOksm(const std::filesystem::path& path);

// The first country with that code; none selected when no country has it.
inline std::optional<std::size_t> preselectCountry(const std::vector<CodeName>& countries, std::string_view code) {
    return findRowByCode(countries, code);
}

inline constexpr std::string_view kCountryDialogCaption = "Справочник стран";
inline constexpr std::string_view kCountryCodeColumn = "Код";
inline constexpr std::string_view kCountryNameColumn = "Наименование государства";
inline constexpr std::string_view kRussiaCountryCode = "643";

} // namespace velmar
