// velmar-cli export FILE DIR [--no-check]: the tax authority's XML file of the
// return, written into DIR; prints its full path.
#include "cli/CheckSupport.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ExportSupport.h"
#include "export/ExportDeclarationXml.h"

#include <filesystem>
#include <iostream>

namespace velmar::cli {
namespace {

int runExport(const std::vector<std::string>& args) {
    ParsedArgs parsed = parseArgs(args, {"--no-check"});
    if (parsed.positional.size() != 2)
        throw UsageError("a return and a folder expected");
    auto declaration = loadReturn(parsed.positional[0]);
    const std::filesystem::path folder(parsed.positional[1]);
    if (!std::filesystem::is_directory(folder))
        throw std::runtime_error("Папка не найдена: " + folder.string());

    // Only a return that passes the check is exported, as in the program.
    if (!parsed.has("--no-check")) {
        if (auto problem = firstCheckProblem(*declaration)) {
            std::cerr << findingLine(*problem) << "\n";
            return 1;
        }
    }

    StderrReporter reporter;
    const std::string result = ExportDeclarationXml(folder, *declaration, kExportSaveFile, reporter);
    if (result == kExportError)
        return 1;
    std::cout << std::filesystem::absolute(folder / result).lexically_normal().string() << "\n";
    return 0;
}

Registrar registrar({"export", "export FILE DIR [--no-check]",
                     "write the tax authority's XML file of the return into DIR and print its path", runExport});

} // namespace
} // namespace velmar::cli
