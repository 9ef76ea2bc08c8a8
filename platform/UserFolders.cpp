#include "platform/UserFolders.h"

#include <cstdlib>

namespace velmar {

std::filesystem::path userDataFolder() {
    // The XDG rules ignore relative paths in these variables.
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome && dataHome[0] == '/')
        return std::filesystem::path(dataHome) / "velmar";
    if (const char* home = std::getenv("HOME"); home && home[0] == '/')
        return std::filesystem::path(home) / ".local" / "share" / "velmar";
    return {};
}

} // namespace velmar
