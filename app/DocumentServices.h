#pragma once
// The whole-return check and the XML export of the libraries, as the main
// window's commands use them.
#include "app/DocumentSeams.h"

#include <functional>
#include <memory>

namespace velmar {

std::unique_ptr<TDeclarationChecker> MakeDeclarationChecker();
// `showError` shows the export's own messages (a failed computation, a file
// that could not be written) before the command reports the result.
std::unique_ptr<TDeclarationExporter> MakeDeclarationExporter(std::function<void(const QString&)> showError);

} // namespace velmar
