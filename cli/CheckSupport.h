#pragma once
#include "check/DeclarationCheck.h"

#include <optional>

namespace velmar::cli {

// The first problem of the whole-return check, answered "Исправить" as a user
// going to fix it would; nothing when the return passes.
std::optional<CheckFinding> firstCheckProblem(const mTDeclaration& declaration);

// "page code: message", one line.
std::string findingLine(const CheckFinding& finding);

} // namespace velmar::cli
