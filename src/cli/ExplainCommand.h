#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli explain: with json, the operands are FILE and the whole projection is printed
// with every year's breakdown as JSON; without, FILE YEAR and that year is explained as text.
int Explain(std::span<const std::string> operands, bool json, std::ostream& out, std::ostream& err);
