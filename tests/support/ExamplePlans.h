#pragma once

#include "model/Plan.h"

#include <cstdint>

PlanDate MakeDate(std::int32_t year, std::int32_t month, std::int32_t day);

// Savings and a pension paying rent: six rows from 2000 to 2005.
Plan ProjectionExamplePlan();

// One savings account and living costs: the 28-line, 214-byte file.
Plan FileExamplePlan();
