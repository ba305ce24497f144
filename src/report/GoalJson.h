#pragma once

#include "model/Goal.h"

#include <string>

// The goal as one JSON object: confidence, untilAge, paths, spread, seed, needed, spending (null
// when not even 0 % lasts), lastsToAge, toTheEnd and stoppedAtLimit. Ends with a line break.
std::string FormatGoalJson(const GoalAnswer& answer);
