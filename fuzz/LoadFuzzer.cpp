// Arbitrary bytes loaded as a return: any outcome but a crash, a hang or an
// access outside a buffer is fine. A return that loads is saved again and must
// load back.
#include "model/DeclClasses.h"
#if HAVE_VELMAR_COMPUTE
#include "compute/AmountGuard.h"
#include "compute/SvodSum.h"
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
