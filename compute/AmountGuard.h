#pragma once
// The computation works in exact 64-bit money. A return whose amounts add up
// to more than it can hold (far beyond anything the form can show) is refused
// before anything is computed, instead of giving wrapped-around totals.
#include "model/DeclClasses.h"

#include <stdexcept>

namespace velmar {

class EAmountsTooLarge : public std::range_error {
public:
    EAmountsTooLarge();
};

// Sum of the magnitudes of all amounts the computation may read, in roubles,
// above which the return is refused: ten trillion, some ten times what the
// form's twelve digits of roubles hold in a single field.
inline constexpr Currency kComputableAmountsTotal = Currency::fromRoubles(10'000'000'000'000);

// Throws EAmountsTooLarge when the return's amounts exceed kComputableAmountsTotal.
void CheckComputableAmounts(const mTDeclaration& decl);

} // namespace velmar
