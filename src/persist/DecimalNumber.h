#pragma once

#include <charconv>
#include <cstddef>
#include <optional>
#include <string_view>
#include <system_error>

// The one grammar of the numbers a plan holds, in its file and in the dialogs' fields: an
// optional sign and decimal digits, and for rates a fraction and an exponent. No "inf", "nan"
// or hexadecimal forms, which from_chars would otherwise take.

// Length of the longest such number at the start of text; 0 when text starts with none. A '-'
// counts only where allowMinus; integers take no fraction or exponent.
std::size_t DecimalNumberLength(std::string_view text, bool allowFraction, bool allowMinus);

// from_chars takes a minus sign but not a plus sign.
std::string_view WithoutPlus(std::string_view number);

// The rate that a number of the grammar spells; empty beyond the float range.
std::optional<float> RateFromDecimal(std::string_view number);

// The integer that a number of the grammar spells; empty when it does not fit the type.
template <typename Integer> std::optional<Integer> IntegerFromDecimal(std::string_view number) {
    number = WithoutPlus(number);
    Integer value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{} || end != number.data() + number.size())
        return std::nullopt;
    return value;
}
