#pragma once

#include "model/Plan.h"
#include "model/StopToken.h"
#include "model/WhatIf.h"
#include "session/Verdict.h"

#include <cstdint>

// The spending that lasts to an age: the largest share of the planned expenses covered through
// it.
struct SustainAnswer {
    Verdict verdict;
    // With an answer: Found, NoneCovered or StopsAtLimit.
    SustainableSpending spending;
};

SustainAnswer AskSustainableSpending(const Plan& plan, std::int32_t age, StopToken stop = {},
                                     const SpendingProgress& progress = {}, unsigned threads = 1);

// How far the money carries with returns and expenses moved: the sensitivity grid. The age is
// the one its horizons are banded against, so it is asked of the plan as every age is.
struct GridAnswer {
    Verdict verdict;
    HorizonGrid grid{};
};

GridAnswer AskSensitivityGrid(const Plan& plan, std::int32_t age, StopToken stop = {});
