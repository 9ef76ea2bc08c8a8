// velmar-cli json FILE: the return as JSON on stdout.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "model/Json.h"

#include <iostream>

namespace velmar::cli {
namespace {

int runJson(const std::vector<std::string>& args) {
    ParsedArgs parsed = parseArgs(args, {});
    if (parsed.positional.size() != 1)
        throw UsageError("one file expected");
    auto declaration = loadReturn(parsed.positional[0]);
    std::cout << DeclarationToJson(*declaration).dump(2) << "\n";
    return 0;
}

Registrar registrar({"json", "json FILE", "print the return as JSON", runJson});

} // namespace
} // namespace velmar::cli
