#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The largest yearly inflation, in percent, that --todays-money takes.
inline constexpr std::int32_t kMaxInflationOption = 100;

// The --todays-money RATE of report and explain: a yearly inflation from 0 to
// kMaxInflationOption percent, or empty when the text is not one.
std::optional<float> ParseInflation(const std::string& text);

// The year on this machine's clock, whose money "today's money" means.
std::int32_t CurrentYear();
