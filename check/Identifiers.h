#pragma once
// Checks of taxpayer and payer identifiers, shared by the pages and the
// whole-return check.
#include <string>

namespace velmar {

// INN modes: 0 either length, 1 organisation (10 digits), 2 person (12 digits).
enum InnMode { kInnAny = 0, kInnOrganisation = 1, kInnPerson = 2 };

// 0 valid; 1 empty; 2, 3, 4 wrong length for mode 0, 1, 2; 5 all zeros, not
// digits or wrong check digits.
int CheckINN(const std::string& text, int mode);

// 0 valid; 1 empty; 2 not 9 characters; 3 all zeros.
int CheckKPP(const std::string& text);

// Leading and trailing blanks and control characters removed.
std::string TrimText(const std::string& text);

} // namespace velmar
