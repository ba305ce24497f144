#pragma once

#include <cstdint>
#include <string>

// Whole points of interest with their sign: "-3", "+0", "+2".
std::string SignedPoints(std::int32_t points);
