#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

// The age that sustainable spending is reckoned to when none is given.
inline constexpr std::int32_t kDefaultUntilAge = 95;

// orbelan-cli sustain FILE [--until-age N]: prints "sustainable spending to age N: S%".
int RunSustain(std::span<const std::string> args, std::ostream& out, std::ostream& err);
