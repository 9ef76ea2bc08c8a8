#pragma once
// The conditions page's own checks and its mapping of controls to codes, as
// functions over the return.
#include <QString>

#include <cstdint>
#include <vector>

namespace velmar {

class mTDeclaration;

// Problem codes of `TfrInitialData` (also its FocusError codes).
enum TInitialDataCode : uint16_t {
    kInitialInspection = 1,
    kInitialEstimatedIncome = 2,
    kInitialRepresentativeName = 3,
    kInitialRepresentativeDocument = 4,
    kInitialRepresentativeOrganisation = 5,
};

struct TPageProblem {
    QString message;
    uint16_t code = 0;
};

// Every problem of the stored conditions, in the order they are shown.
std::vector<TPageProblem> InitialDataProblems(const mTDeclaration& declaration);

// The income-kind bits the page's four boxes give, keeping the bit of the
// fifth list, which no page shows.
uint8_t IncomeKindsFromBoxes(uint8_t previous, bool inquiry, bool currency, bool business, bool investTov);

// True when switching the Russian-income kind off would throw data away.
bool HasRussianIncomeData(const mTDeclaration& declaration);

} // namespace velmar
