// velmar-cli save IN OUT.vx5: a container file from a JSON (or container) return.
#include "cli/CliSupport.h"
#include "cli/Commands.h"

namespace velmar::cli {
namespace {

int runSave(const std::vector<std::string>& args) {
    ParsedArgs parsed = parseArgs(args, {});
    if (parsed.positional.size() != 2)
        throw UsageError("input and output files expected");
    auto declaration = loadReturn(parsed.positional[0]);
    declaration->SaveToFile(parsed.positional[1]);
    return 0;
}

Registrar registrar({"save", "save IN OUT.vx5", "write a container file from a return (JSON or container)", runSave});

} // namespace
} // namespace velmar::cli
