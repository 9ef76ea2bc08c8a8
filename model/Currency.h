#pragma once
// Money: a signed 64-bit count of ten-thousandths of a rouble. Sums and
// differences are exact; rounding lives in the computation, not here.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmar {

class Currency {
public:
    static constexpr int64_t kUnitsPerRouble = 10000;
    static constexpr int64_t kUnitsPerKopeck = 100;

    constexpr Currency() = default;
    static constexpr Currency fromUnits(int64_t units) { return Currency(units); }
    static constexpr Currency fromRoubles(int64_t roubles) { return Currency(roubles * kUnitsPerRouble); }
    static constexpr Currency fromKopecks(int64_t kopecks) { return Currency(kopecks * kUnitsPerKopeck); }

    constexpr int64_t units() const { return units_; }
    constexpr bool isZero() const { return units_ == 0; }

    constexpr Currency operator-() const { return Currency(-units_); }
    constexpr Currency operator+(Currency o) const { return Currency(units_ + o.units_); }
    constexpr Currency operator-(Currency o) const { return Currency(units_ - o.units_); }
    constexpr Currency& operator+=(Currency o) { units_ += o.units_; return *this; }
    constexpr Currency& operator-=(Currency o) { units_ -= o.units_; return *this; }
    constexpr Currency operator*(int64_t k) const { return Currency(units_ * k); }
    constexpr auto operator<=>(const Currency&) const = default;

    // The container file's money text: shortest decimal form, "." separator,
    // at most four decimals, no trailing zeros ("0", "1234.5", "-0.0001").
    std::string toText() const;

    // Parses a decimal number with the given separator: optional blanks, an
    // optional sign, digits, optionally the separator and digits. More than four
    // decimals round half away from zero. nullopt on anything else or overflow.
    static std::optional<Currency> parse(std::string_view text, char separator = '.');

private:
    constexpr explicit Currency(int64_t units) : units_(units) {}
    int64_t units_ = 0;
};

// The marker of an amount that was never given (-1 rouble); read from the letter "a".
inline constexpr Currency AbsentAmount = Currency::fromRoubles(-1);

} // namespace velmar
