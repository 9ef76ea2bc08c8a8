// velmar-cli compute FILE [--write-back OUT.vx5]: every summary of the return
// as JSON on stdout, with "Result", what the computation returned. With
// --write-back the return, as the computation has changed it, is saved too.
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "compute/SvodJson.h"
#include "compute/SvodSum.h"

#include <iostream>

namespace velmar::cli {
namespace {

int runCompute(const std::vector<std::string>& args) {
    ParsedArgs parsed = parseArgs(args, {}, {"--write-back"});
    if (parsed.positional.size() != 1)
        throw UsageError("one file expected");
    auto declaration = loadReturn(parsed.positional[0]);
    kTSvodSum svod;
    const bool result = svod.Compute(*declaration);
    if (parsed.has("--write-back"))
        declaration->SaveToFile(parsed.value("--write-back"));
    std::cout << SvodSumToJson(svod, result).dump(2) << "\n";
    return 0;
}

Registrar registrar({"compute", "compute FILE [--write-back OUT.vx5]",
                     "print every summary of the return as JSON; --write-back saves the return as computed",
                     runCompute});

} // namespace
} // namespace velmar::cli
