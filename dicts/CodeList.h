#pragma once
// What the list dialogs of the dictionaries show: rows of code and name, and
// which row starts selected. The dialogs only display rows and hand back the
// row the user picked.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmar {

struct CodeName {
    std::string code;
    std::string name;
    bool operator==(const CodeName&) const = default;
};

// Index of the first row whose code equals `code`; none when no row does.
template <typename Row>
std::optional<std::size_t> findRowByCode(const std::vector<Row>& rows, std::string_view code) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].code == code)
            return i;
    return std::nullopt;
}

// The row matching `code`, else the first row; none only for an empty list.
template <typename Row>
std::optional<std::size_t> findRowOrFirst(const std::vector<Row>& rows, std::string_view code) {
    if (auto found = findRowByCode(rows, code))
        return found;
    if (rows.empty())
        return std::nullopt;
    return std::size_t{0};
}

} // namespace velmar
