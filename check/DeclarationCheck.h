#pragma once
// The whole-return check run before Check, Export, Preview and Print: the
// pages' conditions in a fixed order, the first problem shown to the user with
// the offer to go and fix it.
#include "model/DeclClasses.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmar {

// Pages the check can point at (low word of its result).
enum CheckPage : uint16_t {
    kPageInitialData = 1,
    kPagePersonName = 2,
    kPagePersonAddress = 3,
    kPageIncome13 = 4,      // the 13% page of "Доходы, полученные в РФ"
    kPageDividends = 5,
    kPageIncome35 = 6,
    kPageCurrency = 7,
    kPageBusiness = 8,
    kPageDeductions1 = 9,
    kPageDeductions2 = 10,
    kPageInvestTov = 12,
    kPageIncome13NR = 13,   // the non-resident 13% page of "Доходы, полученные в РФ"
    kPageIncome9 = 14,      // the 9% page of "Доходы, полученные в РФ"
};

// Answers of the check-message window.
enum CheckAnswer : int { kCheckAnswerFix = 6, kCheckAnswerCancel = 7, kCheckAnswerSkipAll = 9 };

// One problem: where it is, the page's own code for the control, and the text.
struct CheckFinding {
    uint16_t page = 0;
    uint16_t code = 0;
    std::string title;   // the window caption is "Проверка: " + title
    std::string message;
};

// What shows a problem to the user and returns the answer (the GUI's message
// window; a scripted answerer in tests).
class CheckQuestions {
public:
    virtual ~CheckQuestions() = default;
    virtual int ask(const CheckFinding& finding) = 0;
};

// Runs the check and returns the 32-bit result: 0 when nothing was found;
// otherwise the low word is the page of the last problem shown and the high
// word the problem code, or 0xFFFF when the user answered "Отмена". The
// return itself is never changed: the computation runs on a copy.
int32_t RunDeclarationCheck(const mTDeclaration& declaration, CheckQuestions& questions);

// Every problem the rules find, as if each message were skipped.
std::vector<CheckFinding> FindAllProblems(const mTDeclaration& declaration);

inline uint16_t CheckResultPage(int32_t result) { return static_cast<uint16_t>(result & 0xFFFF); }
inline uint16_t CheckResultCode(int32_t result) { return static_cast<uint16_t>((result >> 16) & 0xFFFF); }
inline bool CheckResultCancelled(int32_t result) { return result != 0 && CheckResultCode(result) == 0xFFFF; }

} // namespace velmar
