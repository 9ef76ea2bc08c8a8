#pragma once
// Rounding of the tax computation, exact on Currency units.
//
// Tax Code art. 52 p.6: a tax is computed in whole roubles; less than 50 kopecks
// is dropped, 50 kopecks and more round up to the rouble. Incomes, bases and
// deductions keep kopecks. Negative amounts only arise from faulty input; they
// are cut toward zero so that a fault never grows an amount.
#include "model/Currency.h"

#include <cstdint>

namespace velmar {

// Whole roubles: half a rouble and more rounds up; negative values truncate toward zero.
Currency RoundHalfUp(Currency x);
// Kopecks: half a kopeck and more rounds up; negative values truncate toward zero.
Currency RoundHalfUpTo2(Currency x);
// Kopecks, always cut toward zero.
Currency TruncateTo2(Currency x);

// x × numerator / denominator taken exactly, then rounded like RoundHalfUpTo2.
// The denominator must be positive.
Currency ScaleHalfUpTo2(Currency x, int64_t numerator, int64_t denominator);
// x × numerator / denominator taken exactly, then cut to kopecks toward zero.
Currency ScaleTruncateTo2(Currency x, int64_t numerator, int64_t denominator);

// Tax rates of 2015, in percent (Tax Code art. 224).
enum class TaxRate : int {
    Percent9 = 9,    // art. 224 p.5: interest on mortgage-backed bonds issued before 2007
    Percent13 = 13,  // art. 224 p.1: the general rate of residents
    Percent15 = 15,  // art. 224 p.3: dividends of non-residents
    Percent30 = 30,  // art. 224 p.3: other income of non-residents
    Percent35 = 35,  // art. 224 p.2: prizes, deposit interest and loan benefit above the norm
};

constexpr int percentOf(TaxRate rate) { return static_cast<int>(rate); }

// The tax on a base at a rate, in whole roubles rounded half up (art. 52 p.6).
Currency TaxAtRate(Currency base, TaxRate rate);
// The same for a rate given in whole percent (foreign income at the rate of its code).
Currency TaxAtPercent(Currency base, int percent);

inline Currency max0(Currency x) { return x > Currency() ? x : Currency(); }
inline Currency minOf(Currency a, Currency b) { return a < b ? a : b; }
// A value capped at `cap` becomes `cap` when it is greater.
inline Currency capAt(Currency x, Currency cap) { return x > cap ? cap : x; }

} // namespace velmar
