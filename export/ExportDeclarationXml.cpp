#include "export/ExportDeclarationXml.h"

#include "compute/SvodSum.h"
#include "export/DeclarationDocument.h"
#include "export/ExportError.h"
#include "platform/Guid.h"

namespace velmar {

namespace {

ExportStamp newStamp() {
    auto date = decodeDate(today());
    if (!date)
        throw ExportError("Не удалось определить текущую дату");
    const std::string guid = NewGuidText();
    // The registry form without its braces.
    return ExportStamp{*date, guid.substr(1, 36)};
}

std::string fail(ExportReporter& reporter, const std::string& cause, const char* message) {
    reporter.cause(cause);
    reporter.message(message);
    return kExportError;
}

} // namespace

std::string ExportDeclarationXml(const std::filesystem::path& folder, const mTDeclaration& declaration, int16_t mode,
                                 ExportReporter& reporter) {
    return ExportDeclarationXml(folder, declaration, mode, reporter,
                                [](mTDeclaration& work, kTSvodSum& svod) { svod.Compute(work); });
}

std::string ExportDeclarationXml(const std::filesystem::path& folder, const mTDeclaration& declaration, int16_t mode,
                                 ExportReporter& reporter, const ComputeStep& compute) {
    // The computation writes a few results back into the return it works on
    // (codes of the sources, lowered education amounts); the export must leave
    // the user's return as it is.
    std::unique_ptr<mTDeclaration> work;
    kTSvodSum svod;
    try {
        work = std::make_unique<mTDeclaration>(declaration);
        compute(*work, svod);
    } catch (const std::exception& e) {
        // Summaries half computed would give a file with wrong amounts.
        return fail(reporter, e.what(), kComputationFailedMessage);
    } catch (...) {
        return fail(reporter, "неизвестная ошибка", kComputationFailedMessage);
    }

    try {
        const ExportStamp stamp = newStamp();
        XmlDocument document = BuildDeclarationDocument(*work, svod, stamp);
        if (mode != kExportSaveFile)
            return document.toCp1251Text();
        const std::string name = MakeFileId(*work, stamp) + ".xml";
        document.saveCp1251(folder / name);
        return name;
    } catch (const std::exception& e) {
        return fail(reporter, e.what(), kExportFailedMessage);
    } catch (...) {
        return fail(reporter, "неизвестная ошибка", kExportFailedMessage);
    }
}

} // namespace velmar
