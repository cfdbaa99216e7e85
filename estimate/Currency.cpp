#include "Currency.h"

#include <limits>
#include <stdexcept>

namespace lumenta {

namespace {

__extension__ typedef __int128 Wide;

std::int64_t narrow(Wide value)
{
    if (value > std::numeric_limits<std::int64_t>::max() || value < std::numeric_limits<std::int64_t>::min())
        throw std::overflow_error("Currency overflow");
    return static_cast<std::int64_t>(value);
}

// numerator / denominator rounded to the nearest integer, ties to even.
Wide divideTiesToEven(Wide numerator, Wide denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    Wide quotient = numerator / denominator;
    Wide remainder = numerator % denominator;
    if (remainder < 0) {  // floor division
        quotient -= 1;
        remainder += denominator;
    }
    const Wide twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += 1;
    return quotient;
}

} // namespace

Currency Currency::fromYen(std::int64_t yen)
{
    return Currency(narrow(Wide(yen) * kScale));
}

Currency Currency::fromRatio(std::int64_t numerator, std::int64_t denominator)
{
    if (denominator == 0)
        throw std::domain_error("Currency ratio with zero denominator");
    return Currency(narrow(divideTiesToEven(Wide(numerator) * kScale, denominator)));
}

std::int64_t Currency::roundedYen() const
{
    const std::int64_t whole = raw_ / kScale;
    const std::int64_t rest = raw_ % kScale;  // same sign as raw_
    if (rest * 2 >= kScale)
        return whole + 1;
    if (rest * 2 <= -kScale)
        return whole - 1;
    return whole;
}

Currency Currency::operator+(Currency other) const { return Currency(narrow(Wide(raw_) + other.raw_)); }
Currency Currency::operator-(Currency other) const { return Currency(narrow(Wide(raw_) - other.raw_)); }
Currency Currency::operator-() const { return Currency(narrow(-Wide(raw_))); }
Currency Currency::operator*(std::int64_t factor) const { return Currency(narrow(Wide(raw_) * factor)); }

Currency Currency::operator*(Currency other) const
{
    return Currency(narrow(divideTiesToEven(Wide(raw_) * other.raw_, kScale)));
}

namespace {

// Whole yen with "," thousands separators, "-" in front when negative.
struct GroupedYen {
    bool negative;
    std::string digits;
};

GroupedYen groupedYen(Currency amount)
{
    const std::int64_t yen = amount.roundedYen();
    // Work in unsigned so that the most negative value has a magnitude too.
    std::uint64_t magnitude = yen < 0 ? 0 - static_cast<std::uint64_t>(yen) : static_cast<std::uint64_t>(yen);
    const std::string digits = std::to_string(magnitude);
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return {yen < 0, grouped};
}

} // namespace

std::string formatYen(Currency amount)
{
    const GroupedYen g = groupedYen(amount);
    return std::string(g.negative ? "-" : "") + "\u00A5" + g.digits;
}

std::string withPrices(std::string_view pattern, std::initializer_list<Currency> amounts)
{
    std::string text;
    auto next = amounts.begin();
    for (std::size_t at = 0;;) {
        const std::size_t mark = pattern.find("{}", at);
        if (mark == std::string_view::npos || next == amounts.end()) {
            text += pattern.substr(at);
            break;
        }
        const GroupedYen g = groupedYen(*next++);
        text.append(pattern.substr(at, mark - at)).append(g.negative ? "-" : "").append(g.digits);
        at = mark + 2;
    }
    return text;
}

std::string formatCount(Currency count)
{
    return std::to_string(count.roundedYen());
}

} // namespace lumenta
