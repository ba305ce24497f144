#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as text, the same on every platform whatever the user's locale.

// What a number may hold besides its decimal digits and a leading '+' or '-'.
enum class NumberForm { Integer, Decimal };
// Length of the longest number of that form at the start of text, 0 when there is none: at
// least one digit, and for Decimal a fraction and an exponent, the exponent only when digits
// follow its 'e'. No "inf", "nan" or hexadecimal forms, which from_chars would otherwise take.
std::size_t NumberLength(std::string_view text, NumberForm form);

// A whole token of decimal digits with optional '-', fraction and exponent as a double;
// empty when it is not one or lies beyond the double range.
std::optional<double> ParseDecimal(std::string_view token);
// The double as printf's "%.6g" writes it in the "C" locale.
std::string FormatSixDigits(double value);

// The numbers a user types into a field, read the same way wherever they are typed, and
// what a field says when its text is not one.
inline constexpr const char* kEnterInteger = "Please enter an integer.";
inline constexpr const char* kEnterNumber = "Please enter a number.";

// A decimal integer with blanks or tabs around it, inside the 32-bit range.
std::optional<std::int32_t> ParseIntegerText(std::string_view text);
// A decimal number with optional sign, fraction and exponent, blanks or tabs around it,
// finite as a 32-bit float.
std::optional<float> ParseRealText(std::string_view text);
// Whether the text is a decimal integer as ParseIntegerText reads it, refused only for lying
// beyond the 32-bit range, so that a field can say so rather than ask for an integer.
bool IsIntegerBeyondRange(std::string_view text);
// Decimal digits alone, from 0 to 2^64 - 1: a risk run's seed.
std::optional<std::uint64_t> ParseSeedText(std::string_view text);
