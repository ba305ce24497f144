#pragma once

#include <cstdint>
#include <limits>
#include <optional>

// Money results of the projection's arithmetic. An empty value means that the
// exact result does not fit in a signed 32-bit integer.
using Money = std::optional<std::int32_t>;

// The single-precision 0.01 widened to double: this exact constant turns
// percentages into fractions, so results match to the unit.
inline constexpr double kPercentFactor = static_cast<double>(0.01f);

// Narrows to single precision, then rounds half away from zero.
Money RoundHalfAway(double x);

// (1 + rate%) raised to the number of years, unrounded.
double GrowthFactor(float rate, std::int32_t years);

// amount * (1 + rate%)^years, rounded.
Money Compound(std::int32_t amount, float rate, std::int32_t years);

// amount / (1 + rate%)^years, rounded.
Money Discount(std::int32_t amount, float rate, std::int32_t years);

// (rate%) * amount, rounded.
Money Interest(std::int32_t amount, float rate);

// Interest and withdrawal tax use rates truncated toward zero to whole percents.
float WholePercent(float rate);

// Sums of money, empty when either side is empty or the result leaves 32
// bits. Inline: the engine calls them several times per item and year.
inline Money MoneyFromWide(std::int64_t value) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

inline Money AddMoney(Money a, Money b) {
    return a && b ? MoneyFromWide(std::int64_t{*a} + *b) : std::nullopt;
}

inline Money SubtractMoney(Money a, Money b) {
    return a && b ? MoneyFromWide(std::int64_t{*a} - *b) : std::nullopt;
}
