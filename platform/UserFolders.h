#pragma once
#include <filesystem>

namespace velmar {

// The program's folder for the user's own data: $XDG_DATA_HOME/velmar, else
// $HOME/.local/share/velmar. Empty when neither variable gives an absolute
// path. The folder may not exist yet.
std::filesystem::path userDataFolder();

} // namespace velmar
