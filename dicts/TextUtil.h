#pragma once
#include <string_view>

namespace velmar {

// Removes leading and trailing spaces and control characters (every byte up to
// 0x20), the way classifier fields and dictionary texts are trimmed.
std::string_view trimText(std::string_view text);

} // namespace velmar
