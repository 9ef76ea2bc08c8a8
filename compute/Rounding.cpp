#include "compute/Rounding.h"

namespace velmar {

namespace {

using Wide = __int128;

constexpr Wide kUnitsPerRouble = Currency::kUnitsPerRouble;
constexpr Wide kUnitsPerKopeck = Currency::kUnitsPerKopeck;

// value / step, half up for value ≥ 0, toward zero below; in units of `step`.
Wide divideHalfUp(Wide value, Wide step) {
    if (value < 0)
        return value / step;  // C++ division truncates toward zero
    return (value + step / 2) / step;
}

Currency fromWide(Wide units) { return Currency::fromUnits(static_cast<int64_t>(units)); }

} // namespace

Currency RoundHalfUp(Currency x) {
    return fromWide(divideHalfUp(x.units(), kUnitsPerRouble) * kUnitsPerRouble);
}

Currency RoundHalfUpTo2(Currency x) {
    return fromWide(divideHalfUp(x.units(), kUnitsPerKopeck) * kUnitsPerKopeck);
}

Currency TruncateTo2(Currency x) {
    return fromWide(Wide(x.units()) / kUnitsPerKopeck * kUnitsPerKopeck);
}

Currency ScaleHalfUpTo2(Currency x, int64_t numerator, int64_t denominator) {
    // Units × numerator / denominator, then to kopecks: one exact division by
    // denominator × 100 units.
    Wide scaled = Wide(x.units()) * numerator;
    return fromWide(divideHalfUp(scaled, Wide(denominator) * kUnitsPerKopeck) * kUnitsPerKopeck);
}

Currency ScaleTruncateTo2(Currency x, int64_t numerator, int64_t denominator) {
    Wide scaled = Wide(x.units()) * numerator;
    return fromWide(scaled / (Wide(denominator) * kUnitsPerKopeck) * kUnitsPerKopeck);
}

Currency TaxAtPercent(Currency base, int percent) {
    // Roubles of tax = units × percent / (10 000 × 100).
    Wide scaled = Wide(base.units()) * percent;
    return fromWide(divideHalfUp(scaled, kUnitsPerRouble * 100) * kUnitsPerRouble);
}

Currency TaxAtRate(Currency base, TaxRate rate) { return TaxAtPercent(base, percentOf(rate)); }

} // namespace velmar
