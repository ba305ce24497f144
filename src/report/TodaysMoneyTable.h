#pragma once

#include "model/ProjectionTable.h"
#include "model/Risk.h"

#include <cstdint>
#include <vector>

// An amount of the year as shown in the money of currentYear at the yearly inflation rate,
// rounded as the engine rounds. An amount whose value today would leave 32 bits, or a sum that
// has already left them, shows at the nearest limit.
std::int32_t ShownInTodaysMoney(std::int64_t amount, float inflation, std::int32_t year,
                                std::int32_t currentYear);

// The table with every amount shown so.
ProjectionTable InTodaysMoney(const ProjectionTable& table, float inflation,
                              std::int32_t currentYear);

// A risk run's percentiles shown so; those beyond the calculation limit stay without amount.
std::vector<RiskYear> InTodaysMoney(std::vector<RiskYear> band, float inflation,
                                    std::int32_t currentYear);
