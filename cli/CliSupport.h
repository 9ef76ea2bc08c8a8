#pragma once
#include "model/DeclClasses.h"

#include <memory>
#include <string>
#include <vector>

namespace velmar::cli {

// A return from a container file of any year or from a JSON file, told apart
// by the first non-blank byte ("{" for JSON).
std::unique_ptr<mTDeclaration> loadReturn(const std::string& path);

// Puts `content` under `path` through a temporary file and a rename, so a
// failure leaves nothing half-written.
void writeFileAtomically(const std::string& path, const std::string& content);

// Splits `args` into positional arguments and the flags named in `flags`
// ("--write-back" takes a value when listed in `valued`).
struct ParsedArgs {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    bool has(const std::string& flag) const;
    std::string value(const std::string& flag) const;
};
ParsedArgs parseArgs(const std::vector<std::string>& args, const std::vector<std::string>& flags,
                     const std::vector<std::string>& valued = {});

} // namespace velmar::cli
