#pragma once

#include "model/Goal.h"
#include "report/NumberWords.h"

#include <string>

// What the goal says to a reader, in UTF-8: orbelan-cli goal, the window's Risk pane, the
// report's summary and the browser's Risk view all show these words.

// What can be spent at the confidence, or why that is not known: "At 90 % confidence (900 of
// 1,000 paths, spread 10 points, seed 1): spending up to 96 % of the planned expenses lasts to
// age 95.", naming the paths that last only by stopping at the calculation limit.
std::string GoalSpendingText(const GoalAnswer& answer, const NumberWords& numbers);

// How long the money lasts at the planned expenses: "At the planned expenses the money lasts to
// age 88."; empty unless the run is done.
std::string GoalLastsText(const GoalAnswer& answer);

// Both, on one line, as orbelan-cli goal prints them.
std::string GoalAnswerText(const GoalAnswer& answer, const NumberWords& numbers);
