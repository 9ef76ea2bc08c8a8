// velmar-cli check FILE [--all]: the whole-return check without a screen.
#include "check/DeclarationCheck.h"
#include "cli/CliSupport.h"
#include "cli/Commands.h"

#include <iostream>

namespace velmar::cli {
namespace {

// Answers every message with "Исправить", as a user going to fix it would.
struct FirstProblem : CheckQuestions {
    std::vector<CheckFinding> shown;
    int ask(const CheckFinding& finding) override {
        shown.push_back(finding);
        return kAnswerFix;
    }
};

void print(const CheckFinding& f) { std::cout << f.page << " " << f.code << ": " << f.message << "\n"; }

int runCheck(const std::vector<std::string>& args) {
    ParsedArgs parsed = parseArgs(args, {"--all"});
    if (parsed.positional.size() != 1)
        throw UsageError("one file expected");
    auto declaration = loadReturn(parsed.positional[0]);
    if (parsed.has("--all")) {
        auto findings = FindAllProblems(*declaration);
        for (const auto& f : findings)
            print(f);
        return findings.empty() ? 0 : 1;
    }
    FirstProblem questions;
    if (RunDeclarationCheck(*declaration, questions) == 0)
        return 0;
    print(questions.shown.back());
    return 1;
}

Registrar registrar({"check", "check FILE [--all]",
                     "check the return: the first problem as \"page code: message\" (exit 1), or exit 0; "
                     "--all lists every problem",
                     runCheck});

} // namespace
} // namespace velmar::cli
