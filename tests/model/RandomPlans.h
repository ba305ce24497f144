#pragma once

#include "model/Plan.h"

#include <random>

// Random plans over a few decades: amounts, rates, dates and flags of every
// sign, so balances go negative and expenses net out to deposits at times.
struct RandomPlanShape {
    int maxIncomes = 8;
    int maxExpenses = 4;
    std::int32_t maxAmount = 100000;
    float maxRate = 12.0f;
};

Plan RandomPlan(std::mt19937& random, const RandomPlanShape& shape);
