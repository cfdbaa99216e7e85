#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lumenta {

// Money and counts of the estimate: a signed 64-bit count of ten-thousandths
// of a yen. Every operation is exact or rounds to the ten-thousandth grid
// with ties to even; an overflow throws std::overflow_error instead of
// wrapping.
class Currency {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Currency() = default;

    static constexpr Currency fromRaw(std::int64_t raw) { return Currency(raw); }
    static Currency fromYen(std::int64_t yen);
    // A rate or fraction given as numerator / denominator of a yen,
    // rounded to the grid (ties to even): fromRatio(-5, 100) is -0.05.
    static Currency fromRatio(std::int64_t numerator, std::int64_t denominator);

    constexpr std::int64_t raw() const { return raw_; }
    // Whole yen, halves rounded away from zero (the display rounding).
    std::int64_t roundedYen() const;
    // Whole units, for counts that are whole by construction.
    std::int64_t wholeUnits() const { return raw_ / kScale; }

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency operator*(std::int64_t factor) const;
    // Product of two amounts, rescaled to the grid through a 128-bit
    // intermediate, ties to even.
    Currency operator*(Currency other) const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr bool operator==(const Currency& o) const { return raw_ == o.raw_; }
    constexpr bool operator!=(const Currency& o) const { return raw_ != o.raw_; }
    constexpr bool operator<(const Currency& o) const { return raw_ < o.raw_; }
    constexpr bool operator>(const Currency& o) const { return raw_ > o.raw_; }
    constexpr bool operator<=(const Currency& o) const { return raw_ <= o.raw_; }
    constexpr bool operator>=(const Currency& o) const { return raw_ >= o.raw_; }

private:
    constexpr explicit Currency(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

constexpr Currency operator""_yen(unsigned long long yen)
{
    return Currency::fromRaw(static_cast<std::int64_t>(yen) * Currency::kScale);
}

// The one money text: "¥" then whole yen with "," thousands separators,
// halves away from zero, "-" before the yen sign when negative.
// 52,000 gives "¥52,000"; -6,172.5 gives "-¥6,173".
std::string formatYen(Currency amount);

// A text that names prices: each "{}" of the pattern becomes the next amount
// in whole yen with "," thousands separators and no yen sign, so that
// withPrices("（1基 {}円）", {15'750_yen}) is "（1基 15,750円）".
std::string withPrices(std::string_view pattern, std::initializer_list<Currency> amounts);

// A count as plain decimal digits, without sign or separators ("30").
std::string formatCount(Currency count);

} // namespace lumenta
