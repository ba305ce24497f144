#pragma once

#include "model/Plan.h"

#include <cstdint>

// n accounts, all open for withdrawal from the start, at assorted rates, and
// living costs that drain them over about forty years.
Plan DrainedPlan(std::int64_t n);
