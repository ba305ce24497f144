#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli check FILE: whether FILE opens cleanly, is damaged (and from which line), or
// cannot be opened; for a clean file, then the plan's checks as warnings.
int RunCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err);
