#pragma once

#include "model/ProjectionArithmetic.h"

#include <cstdint>

// An amount of the given year in the money of currentYear at a yearly inflation rate, rounded
// as the engine rounds: discounted from later years, compounded from earlier ones. Empty when
// the result leaves 32 bits.
Money InTodaysMoney(std::int32_t amount, float inflation, std::int32_t year,
                    std::int32_t currentYear);

// What InTodaysMoney multiplies an amount of the year by before it rounds.
double TodaysMoneyFactor(float inflation, std::int32_t year, std::int32_t currentYear);
