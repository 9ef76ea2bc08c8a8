#pragma once
// The tax authority's XML file of a return: format 5.10 (КНД 1151020) for the
// annual return, 5.02 (КНД 1151021) for the estimated-income return.
#include "model/DeclClasses.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace velmar {

class kTSvodSum;

// Where the export's messages go: a message box in the program, stderr in
// velmar-cli, a list in the tests.
class ExportReporter {
public:
    virtual ~ExportReporter() = default;
    // The message shown to the user, word for word.
    virtual void message(const std::string& text) = 0;
    // What went wrong, for the developers; comes before `message`.
    virtual void cause(const std::string& detail) {}
};

enum ExportMode : int16_t {
    kExportSaveFile = 1, // save the file into the folder
    kExportText = 2,     // return the document's text (printing, preview)
};

inline constexpr const char* kExportError = "ERROR";
inline constexpr const char* kComputationFailedMessage =
    "Ошибка в рассчетах. Пожалуйста, свяжитесь с разработчиками через службу поддержки";
inline constexpr const char* kExportFailedMessage =
    "Ошибка в выгрузке. Пожалуйста, свяжитесь с разработчиками через службу поддержки";

// Computes the return afresh and builds its file with today's date and a new
// GUID. Mode 1 saves it into `folder` under its identifier + ".xml" (written to
// a temporary file and renamed, so a failure leaves nothing behind) and
// returns that name; any other mode returns the document as Windows-1251 text.
// On any failure, of the computation included, the reporter gets the message
// and the result is "ERROR"; nothing is written. The return is not changed:
// the computation works on a copy.
std::string ExportDeclarationXml(const std::filesystem::path& folder, const mTDeclaration& declaration, int16_t mode,
                                 ExportReporter& reporter);

// The same with the computation step given (kTSvodSum::Compute in the call
// above); tests pass one that fails.
using ComputeStep = std::function<void(mTDeclaration&, kTSvodSum&)>;
std::string ExportDeclarationXml(const std::filesystem::path& folder, const mTDeclaration& declaration, int16_t mode,
                                 ExportReporter& reporter, const ComputeStep& compute);

} // namespace velmar
