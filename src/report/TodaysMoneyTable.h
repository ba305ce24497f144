#pragma once

#include "model/ProjectionTable.h"

#include <cstdint>

// The table with every amount in the money of currentYear at the yearly inflation rate, rounded
// as the engine rounds; an amount whose value today would leave 32 bits shows at the nearest
// limit.
ProjectionTable InTodaysMoney(const ProjectionTable& table, float inflation,
                              std::int32_t currentYear);
