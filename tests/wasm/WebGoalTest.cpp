#include "wasm/WebGoal.h"
#include "model/WhatIf.h"
#include "tests/support/ExamplePlans.h"
#include "wasm/PlanJson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

// Marks what the page writes, to tell it from the core's words.
const NumberWords kPageNumbers{[](std::int64_t n) { return '#' + std::to_string(n); },
                               [](std::int32_t tenths) { return 't' + std::to_string(tenths); }};

GoalSettings Settings(std::int32_t untilAge, std::int32_t confidence) {
    return {RiskSettings{3, 0, 1, untilAge}, confidence};
}

} // namespace

TEST(WebGoalTest, AnswersWithSentencesAndThePlanToApply) {
    // Spread 0: three identical drawdown paths. 1000 pays five years (2000 to 2004, to age 54)
    // at up to 200 a year, twice the planned 100; at the planned 100 the last paid year is 2009,
    // age 59.
    const Json answer =
        Json::parse(GoalRunJson(DrawdownPlan(), Settings(54, 90), {}, kPageNumbers));
    EXPECT_EQ(answer["status"], "done");
    EXPECT_EQ(answer["needed"], 3);
    EXPECT_EQ(answer["spending"], 200);
    EXPECT_EQ(answer["lastsToAge"], 59);
    EXPECT_EQ(answer["spendingText"], "At 90 % confidence (#3 of #3 paths, spread 0 points, seed "
                                      "1): spending up to 200 % of the planned expenses lasts to "
                                      "age 54.");
    EXPECT_EQ(answer["lastsText"], "At the planned expenses the money lasts to age 59.");
    const Json doubled = PlanToJson(*ExpensesAt(DrawdownPlan(), 200));
    EXPECT_EQ(answer["plan"], doubled);
    EXPECT_NE(answer["plan"], PlanToJson(DrawdownPlan()));
}

TEST(WebGoalTest, PlansThatCannotBeAsked) {
    Plan noAge = DrawdownPlan();
    noAge.birthDate.SetDate(-1, -1, -1);
    const Json refused = Json::parse(GoalRunJson(noAge, Settings(95, 90), {}, kPageNumbers));
    EXPECT_EQ(refused["status"], "problem");
    EXPECT_FALSE(refused["spendingText"].get<std::string>().empty());
    EXPECT_EQ(refused["lastsText"], "");
}
