#pragma once

#include "model/Goal.h"
#include "model/Plan.h"
#include "model/StopToken.h"
#include "session/Verdict.h"

// What can be spent at a confidence, and how long the money lasts, over the risk run's paths.
struct GoalRunAnswer {
    Verdict verdict;
    // With an answer: the goal, whose sentences GoalSpendingText and GoalLastsText
    // (report/GoalText.h) word in the edition's numbers.
    GoalAnswer goal;
};

// Every setting is brought within its range first, as RunGoal does.
GoalRunAnswer AskGoal(const Plan& plan, const GoalSettings& settings, StopToken stop = {},
                      const RiskProgress& progress = {}, unsigned threads = 0);
