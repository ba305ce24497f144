#pragma once

#include <cstdint>
#include <string>

// A count as a sentence writes it, its thousands set apart by commas: "1,000", "-12,345".
std::string GroupedNumber(std::int64_t value);
