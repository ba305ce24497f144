#pragma once

#include "model/Plan.h"
#include "session/ComparisonAnswer.h"
#include "session/GoalAnswers.h"
#include "session/RiskAnswers.h"

#include <ostream>
#include <span>

// The answers that take minutes for a large plan, asked as LongRun.h runs them: every command
// that asks one shows how far it has come and stops at Ctrl+C alike.
RiskRunAnswer AskRiskShowingProgress(const Plan& plan, const RiskSettings& settings,
                                     std::ostream& err);
GoalRunAnswer AskGoalShowingProgress(const Plan& plan, const GoalSettings& settings,
                                     std::ostream& err);
ComparisonAnswer AskComparisonShowingProgress(std::span<const Plan> plans,
                                              const RiskSettings& settings, std::ostream& err);
