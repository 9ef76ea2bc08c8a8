// velmar-cli check FILE [--all]: the whole-return check without a screen.
#include "cli/CheckSupport.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <iostream>

namespace velmar::cli {
namespace {

struct FirstProblem : CheckQuestions {
    std::optional<CheckFinding> shown;
    int ask(const CheckFinding& finding) override {
        shown = finding;
        return kCheckAnswerFix;
    }
};

} // namespace

std::optional<CheckFinding> firstCheckProblem(const mTDeclaration& declaration) {
    FirstProblem questions;
    if (RunDeclarationCheck(declaration, questions) == 0)
        return std::nullopt;
    return questions.shown;
}

std::string findingLine(const CheckFinding& f) {
    return std::to_string(f.page) + " " + std::to_string(f.code) + ": " + f.message;
}

namespace {

int runCheck(const std::vector<std::string>& args) {
    ParsedArgs parsed = parseArgs(args, {"--all"});
    if (parsed.positional.size() != 1)
        throw UsageError("one file expected");
    auto declaration = loadReturn(parsed.positional[0]);
    if (parsed.has("--all")) {
        auto findings = FindAllProblems(*declaration);
        for (const auto& f : findings)
            std::cout << findingLine(f) << "\n";
        return findings.empty() ? 0 : 1;
    }
    auto problem = firstCheckProblem(*declaration);
    if (!problem)
        return 0;
    std::cout << findingLine(*problem) << "\n";
    return 1;
}

Registrar registrar({"check", "check FILE [--all]",
                     "check the return: the first problem as \"page code: message\" (exit 1), or exit 0; "
                     "--all lists every problem",
                     runCheck});

} // namespace
} // namespace velmar::cli
