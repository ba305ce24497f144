#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli report FILE OUT.pdf [--todays-money RATE]: writes the window's PDF report of the
// plan's projection, in today's money at the yearly inflation RATE when asked.
int RunReport(std::span<const std::string> args, std::ostream& out, std::ostream& err);
