#pragma once

#include "persist/NumberText.h"

#include <QString>

#include <cstdint>
#include <optional>

// Whole numbers in plain decimal.
QString FormatInteger(std::int32_t value);
// A decimal integer with blanks or tabs around it, inside the 32-bit range.
std::optional<std::int32_t> ParseInteger(const QString& text);

// Rates as the plan file writes them: 6 significant digits, '.' whatever the user's locale,
// a three-digit exponent.
QString FormatReal(float value);
// A decimal number with optional sign, fraction and exponent, blanks or tabs around it,
// finite as a 32-bit float.
std::optional<float> ParseReal(const QString& text);
