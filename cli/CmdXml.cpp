// velmar-cli xml FILE [--cp1251]: the XML text of the return as printing gets
// it, in UTF-8 (or the file's own Windows-1251 with --cp1251).
#include "cli/CliSupport.h"
#include "cli/Commands.h"
#include "cli/ExportSupport.h"
#include "export/ExportDeclarationXml.h"
#include "platform/CodePage.h"

#include <iostream>

namespace velmar::cli {
namespace {

int runXml(const std::vector<std::string>& args) {
    ParsedArgs parsed = parseArgs(args, {"--cp1251"});
    if (parsed.positional.size() != 1)
        throw UsageError("one file expected");
    auto declaration = loadReturn(parsed.positional[0]);
    StderrReporter reporter;
    const std::string text = ExportDeclarationXml({}, *declaration, kExportText, reporter);
    if (text == kExportError)
        return 1;
    if (parsed.has("--cp1251")) {
        std::cout << text;
    } else {
        // The declaration still names windows-1251; only the bytes change, for reading.
        std::cout << cp1251ToUtf8(text);
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

Registrar registrar({"xml", "xml FILE [--cp1251]",
                     "print the XML text of the return (UTF-8; the file's Windows-1251 with --cp1251)", runXml});

} // namespace
} // namespace velmar::cli
