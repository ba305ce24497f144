#include "wasm/WebGoal.h"

#include "model/WhatIf.h"
#include "report/GoalJson.h"
#include "report/GoalText.h"
#include "session/GoalAnswers.h"
#include "wasm/PlanJson.h"

#include <nlohmann/json.hpp>

#include <optional>

namespace {

// Keys in the order the command line writes them.
using Json = nlohmann::ordered_json;

} // namespace

std::string GoalRunJson(const Plan& plan, const GoalSettings& settings,
                        const RiskProgress& progress, const NumberWords& numbers) {
    const GoalRunAnswer answer = AskGoal(plan, settings, {}, progress, 1);
    if (!answer.verdict.Answered())
        return Json{
            {"status", "problem"}, {"spendingText", answer.verdict.sentence}, {"lastsText", ""}}
            .dump(-1, ' ', true);
    Json json = Json::parse(FormatGoalJson(answer.goal));
    json["status"] = "done";
    json["spendingText"] = GoalSpendingText(answer.goal, numbers);
    json["lastsText"] = GoalLastsText(answer.goal);
    std::optional<Plan> applied;
    if (answer.goal.spending)
        applied = ExpensesAt(plan, *answer.goal.spending);
    json["plan"] = applied ? Json(PlanToJson(*applied)) : Json(nullptr);
    // ASCII, as the page's other texts cross into JavaScript.
    return json.dump(-1, ' ', true);
}
