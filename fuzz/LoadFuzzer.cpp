// Arbitrary bytes loaded as a return: any outcome but a crash, a hang or an
// access outside a buffer is fine. A return that loads is saved again and must
// load back, and its XML text is built.
#include "model/DeclClasses.h"
#if HAVE_VELMAR_COMPUTE
#include "compute/AmountGuard.h"
#include "compute/SvodSum.h"
#endif
#if HAVE_VELMAR_EXPORT
#include "export/ExportDeclarationXml.h"
#endif

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace velmar;

namespace {

std::string scratch(const char* name) {
    static const std::string folder = [] {
        char pattern[] = "/tmp/velmar-fuzz-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        return std::string(made ? made : "/tmp");
    }();
    return folder + "/" + name;
}

#if HAVE_VELMAR_EXPORT
// The export reports its failures instead of raising them; any message is a
// fine outcome for damaged data.
class SilentReporter : public ExportReporter {
public:
    void message(const std::string&) override {}
};

// The XML text of what loaded: "ERROR" or a document, never a crash.
void exportLoaded(const mTDeclaration& declaration) {
    SilentReporter reporter;
    const std::string text = ExportDeclarationXml({}, declaration, kExportText, reporter);
    static const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>";
    if (text != kExportError && text.compare(0, kDeclaration.size(), kDeclaration) != 0)
        __builtin_trap();
}
#endif

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input = scratch("input.vx5");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    mTDeclaration declaration;
    try {
        declaration.LoadFromFile(input);
    } catch (const mEPrivBase&) {
        return 0;
    } catch (const EConvertError&) {
        return 0;
    } catch (const std::logic_error&) {
        return 0;
    }
#if HAVE_VELMAR_COMPUTE
    // Whatever loads must compute without faults, on a copy so the save below
    // sees the return as loaded; computing again gives the same summaries.
    try {
        mTDeclaration copy(declaration);
        kTSvodSum first;
        const bool result = first.Compute(copy);
        kTSvodSum second;
        if (second.Compute(copy) != result || !(first == second))
            __builtin_trap();
    } catch (const EAmountsTooLarge&) {
    }
#endif
#if HAVE_VELMAR_EXPORT
    exportLoaded(declaration);
#endif
    // What loaded must save and load again.
    const std::string output = scratch("output.vx5");
    try {
        declaration.SaveToFile(output);
    } catch (const mEWriteStorage&) {
        return 0; // e.g. a text that a word count cut to an invalid record
    }
    mTDeclaration again;
    again.LoadFromFile(output);
    if (again.SavedSize() != declaration.SavedSize())
        __builtin_trap();
    return 0;
}
