#pragma once

#include <cstdint>
#include <ostream>
#include <span>
#include <string>

// orbelan-cli sustain FILE [--until-age N]: prints "sustainable spending to age N: S%".
int RunSustain(std::span<const std::string> args, std::ostream& out, std::ostream& err);
