#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The --todays-money RATE of report and explain: a yearly inflation from 0 to
// kMaxShownInflation percent, as the window takes it, or empty when the text is not one.
std::optional<float> ParseInflation(const std::string& text);

// What --todays-money says of a RATE that is not one.
std::string InflationUsage();

// The year on this machine's clock, whose money "today's money" means.
std::int32_t CurrentYear();
