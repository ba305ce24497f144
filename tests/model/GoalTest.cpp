#include "model/Goal.h"
#include "model/WhatIf.h"
#include "tests/model/RandomPlans.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

GoalSettings Settings(std::int32_t paths, std::int32_t spread, std::int32_t untilAge,
                      std::int32_t confidence) {
    GoalSettings settings;
    settings.risk.paths = paths;
    settings.risk.spread = spread;
    settings.risk.untilAge = untilAge;
    settings.risk.seed = 7;
    settings.confidence = confidence;
    return settings;
}

// The definitions read literally: every spending from the top down on every path, and each
// path's last paid year at the planned expenses.
GoalAnswer ByDefinition(const Plan& plan, const GoalSettings& settings) {
    const RiskSettings& risk = settings.risk;
    GoalAnswer answer;
    answer.settings = settings;
    answer.needed = NeededPaths(settings.confidence, risk.paths);
    const auto outcomesAt = [&](std::int32_t percent) {
        std::vector<PathOutcome> outcomes;
        const std::optional<Plan> variant = ExpensesAt(plan, percent);
        for (std::int32_t k = 0; k < risk.paths; ++k)
            outcomes.push_back(
                variant
                    ? ProjectPath(*variant, PathOffsets(risk.seed, risk.spread, k), risk.untilAge)
                          ->outcome
                    : PathOutcome::Fails);
        return outcomes;
    };
    std::vector<PathOutcome> atSpending;
    for (std::int32_t percent = kMaxSpendingPercent; percent >= 0 && !answer.spending; --percent) {
        atSpending = outcomesAt(percent);
        if (std::count(atSpending.begin(), atSpending.end(), PathOutcome::Fails) <=
            risk.paths - answer.needed)
            answer.spending = percent;
    }
    answer.stoppedAtLimit = static_cast<std::int32_t>(
        std::count(atSpending.begin(), atSpending.end(), PathOutcome::StoppedAtLimit));
    std::vector<std::pair<std::int32_t, bool>> reaches;
    for (std::int32_t k = 0; k < risk.paths; ++k) {
        const PathProjection path =
            *ProjectPath(plan, PathOffsets(risk.seed, risk.spread, k), risk.untilAge);
        const bool ranOut = path.firstUncoveredYear && !path.stoppedAtLimit;
        const std::int32_t lastRow = path.table.firstYear + path.table.rowCount - 1;
        reaches.emplace_back((ranOut ? lastRow - 1 : lastRow) - plan.birthDate.GetYear(), !ranOut);
    }
    std::sort(reaches.begin(), reaches.end(), std::greater<>());
    std::tie(answer.lastsToAge, answer.toTheEnd) =
        reaches[static_cast<std::size_t>(answer.needed - 1)];
    return answer;
}

} // namespace

TEST(GoalTest, NeededPaths) {
    // {confidence, paths, needed}: ceil(confidence x paths / 100).
    const std::vector<std::array<std::int32_t, 3>> cases{
        {90, 1000, 900}, {90, 1, 1}, {1, 1000, 10},       {99, 1001, 991},
        {50, 3, 2},      {1, 1, 1},  {99, 100000, 99000},
    };
    for (const auto& [confidence, paths, needed] : cases)
        EXPECT_EQ(NeededPaths(confidence, paths), needed) << confidence << " of " << paths;
}

TEST(GoalTest, WorkedAnswersWithEveryPathThePlannedReturns) {
    // With no spread every path is the plan's own projection.
    struct Case {
        std::string name;
        Plan plan;
        std::int32_t untilAge;
        std::optional<std::int32_t> spending;
        std::int32_t lastsToAge;
        bool toTheEnd;
        std::int32_t stoppedAtLimit;
    };
    const std::vector<Case> cases{
        // 1000 pays ten years of s from 2000 to 2009 (age 59): s <= 100; nine years: s <= 111.
        {"ten years", DrawdownPlan(), 59, 100, 59, false, 0},
        {"nine years", DrawdownPlan(), 58, 111, 59, false, 0},
        // Every spending reaches 2040 paid, where the amounts leave 32 bits: all last to 95.
        {"calculation limit", CalculationLimitPlan(), 95, 1000, 79, true, 5},
        // Stopped at the limit after the age: lasting, and no path counted at the limit.
        {"limit after the age", CalculationLimitPlan(), 79, 1000, 79, true, 0},
    };
    for (const Case& c : cases) {
        const GoalAnswer answer = RunGoal(c.plan, Settings(5, 0, c.untilAge, 90));
        EXPECT_EQ(answer.status, GoalStatus::Done) << c.name;
        EXPECT_EQ(answer.needed, 5) << c.name;
        EXPECT_EQ(answer.spending, c.spending) << c.name;
        EXPECT_EQ(answer.lastsToAge, c.lastsToAge) << c.name;
        EXPECT_EQ(answer.toTheEnd, c.toTheEnd) << c.name;
        EXPECT_EQ(answer.stoppedAtLimit, c.stoppedAtLimit) << c.name;
    }
}

TEST(GoalTest, WithoutSpreadTheSpendingIsTheSustainableOne) {
    Plan household = DrawdownPlan();
    household.incomes.front().rateBefore = 3.0f;
    household.incomes.front().rateAfter = 2.0f;
    for (const std::int32_t age : {55, 62, 70, 95}) {
        const SustainableSpending sustainable = FindSustainableSpending(household, age);
        ASSERT_EQ(sustainable.status, SustainStatus::Found) << age;
        EXPECT_EQ(RunGoal(household, Settings(3, 0, age, 50)).spending, sustainable.percent) << age;
    }
}

TEST(GoalTest, AgreesWithTheDefinitionsOnRandomPlans) {
    std::mt19937 random(20261209);
    for (int n = 0; n < 30; ++n) {
        Plan plan = RandomPlan(random, {});
        if (!plan.birthDate.IsValid())
            plan.birthDate = MakeDate(1960, 1, 1);
        const GoalSettings settings =
            Settings(std::uniform_int_distribution<std::int32_t>(1, 9)(random),
                     std::uniform_int_distribution<std::int32_t>(0, 20)(random),
                     std::uniform_int_distribution<std::int32_t>(40, 110)(random),
                     std::uniform_int_distribution<std::int32_t>(1, 99)(random));
        const GoalAnswer expected = ByDefinition(plan, settings);
        EXPECT_EQ(RunGoal(plan, settings, {}, {}, 1), expected) << n;
        EXPECT_EQ(RunGoal(plan, settings, {}, {}, 2), expected) << n;
    }
}

TEST(GoalTest, StatusesAndProgress) {
    Plan invalid = DrawdownPlan();
    invalid.birthDate = MakeDate(-1, -1, -1);
    EXPECT_EQ(RunGoal(invalid, Settings(10, 5, 59, 90)).status, GoalStatus::InvalidBirthDate);

    StopSource source;
    source.request_stop();
    EXPECT_EQ(RunGoal(DrawdownPlan(), Settings(10, 5, 59, 90), source.get_token()).status,
              GoalStatus::Stopped);

    // Out of range: brought to the ends, as the answer's settings show.
    const GoalAnswer clamped = RunGoal(DrawdownPlan(), Settings(0, 99, 59, 100));
    EXPECT_EQ(clamped.settings, Settings(1, kMaxRiskSpread, 59, kMaxGoalConfidence));

    std::int32_t largest = 0;
    const GoalSettings settings = Settings(100, 10, 59, 90);
    RunGoal(
        DrawdownPlan(), settings, {}, [&](std::int32_t done) { largest = std::max(largest, done); },
        1);
    EXPECT_GT(largest, settings.risk.paths);
    EXPECT_LE(largest, GoalProgressTotal(settings));
}
