#pragma once

#include "model/ProjectionArithmetic.h"

#include <cstdint>

// The inflation the windows show today's money at until another is chosen, and the largest
// they take, in percent a year.
inline constexpr float kDefaultShownInflation = 2.0F;
inline constexpr float kMaxShownInflation = 20.0F;

// An amount of the given year in the money of currentYear at a yearly inflation rate, rounded
// as the engine rounds: discounted from later years, compounded from earlier ones. Empty when
// the result leaves 32 bits.
Money InTodaysMoney(std::int32_t amount, float inflation, std::int32_t year,
                    std::int32_t currentYear);

// What InTodaysMoney multiplies an amount of the year by before it rounds.
double TodaysMoneyFactor(float inflation, std::int32_t year, std::int32_t currentYear);
