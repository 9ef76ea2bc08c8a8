#pragma once
// The kind-of-income code of a source (ВидДоход of the income sheets): which
// group of income codes the items of a 13% source belong to.
#include "model/StavClasses.h"

#include <string>

namespace velmar {

// Kind-of-income codes as the return's format has them.
inline constexpr const char* kIncomeTypeSale = "01";          // sale of housing and land
inline constexpr const char* kIncomeTypeOtherSale = "02";     // sale of other property
inline constexpr const char* kIncomeTypeSecurities = "03";    // securities, derivatives, partnerships
inline constexpr const char* kIncomeTypeRent = "04";          // rent
inline constexpr const char* kIncomeTypeGift = "05";          // gifts and help
inline constexpr const char* kIncomeTypeLabour = "06";        // labour income, tax withheld in full
inline constexpr const char* kIncomeTypeLabourShort = "07";   // labour income, tax not withheld in full
inline constexpr const char* kIncomeTypeDividends = "08";     // dividends
inline constexpr const char* kIncomeTypeOther = "09";         // anything else, and any mixture

// Classifies a source by its items in list order and stores the code in the
// source. A source without items gets the empty code.
void ClassifyIncomeType(mTThirteenPercent& source);

} // namespace velmar
