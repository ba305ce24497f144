#pragma once

#include <cstdint>
#include <ostream>
#include <string>

// The age that sustainable spending is reckoned to when none is given.
inline constexpr std::int32_t kDefaultUntilAge = 95;

// Prints "sustainable spending to age N: S%".
int Sustain(const std::string& path, std::int32_t age, std::ostream& out, std::ostream& err);

// Prints the sensitivity grid of horizon years as CSV.
int Sensitivity(const std::string& path, std::ostream& out, std::ostream& err);
