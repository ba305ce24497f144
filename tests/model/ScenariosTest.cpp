#include "model/Scenarios.h"
#include "tests/model/RandomPlans.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

RiskSummary WithOutcomes(std::vector<PathOutcome> outcomes) {
    RiskSummary summary;
    summary.outcomes = std::move(outcomes);
    return summary;
}

} // namespace

TEST(ScenariosTest, AgreementCountsOnlySuccessesAsLasting) {
    constexpr PathOutcome S = PathOutcome::Succeeds;
    constexpr PathOutcome F = PathOutcome::Fails;
    constexpr PathOutcome L = PathOutcome::StoppedAtLimit;
    struct Case {
        std::vector<PathOutcome> first;
        std::vector<PathOutcome> second;
        PathAgreement expected;
    };
    const Case cases[] = {
        {{S, S, F, F}, {S, F, S, F}, {0, 0, 1, 1, 1, 1}},
        {{S, S, S}, {S, S, S}, {0, 0, 3, 0, 0, 0}},
        // A path stopped at the limit has not lasted.
        {{L, S, L}, {S, L, L}, {0, 0, 0, 1, 1, 1}},
        {{}, {}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AgreementOf(WithOutcomes(c.first), WithOutcomes(c.second)), c.expected);
}

// Every plan's figures are what its own runs give, and the pairs agree with the paths projected
// one by one from the same offsets.
TEST(ScenariosTest, EveryPlanRunsOnTheSamePaths) {
    std::mt19937 random(11);
    RiskSettings settings{300, 15, 5, 60};
    for (int round = 0; round < 4; ++round) {
        const Plan base = round == 0 ? ProjectionExamplePlan() : RandomPlan(random, {});
        const std::vector<Plan> plans{base, *PlanVariant(base, 90, 0), ReturnsMovedBy(base, -2)};
        const ScenarioComparison comparison = CompareScenarios(plans, settings, {}, {}, 2);
        if (!base.birthDate.IsValid()) {
            EXPECT_EQ(comparison.status, ScenarioStatus::InvalidBirthDate);
            continue;
        }
        ASSERT_EQ(comparison.status, ScenarioStatus::Done);
        ASSERT_EQ(comparison.pairs.size(), 3u);
        for (std::size_t p = 0; p < plans.size(); ++p) {
            const ScenarioResult& result = comparison.plans[p];
            EXPECT_EQ(result.risk, RunRisk(plans[p], settings, {}, {}, 1));
            EXPECT_EQ(result.sustainable, FindSustainableSpending(plans[p], settings.untilAge));
            EXPECT_EQ(result.table.firstYear, FirstProjectionYear(plans[p]));
        }
        for (const PathAgreement& pair : comparison.pairs) {
            PathAgreement expected{pair.first, pair.second};
            for (std::int32_t k = 0; k < settings.paths; ++k) {
                const ReturnOffsets offsets = PathOffsets(settings.seed, settings.spread, k);
                const bool first =
                    ProjectPath(plans[pair.first], offsets, settings.untilAge)->outcome ==
                    PathOutcome::Succeeds;
                const bool second =
                    ProjectPath(plans[pair.second], offsets, settings.untilAge)->outcome ==
                    PathOutcome::Succeeds;
                (first ? (second ? expected.both : expected.onlyFirst)
                       : (second ? expected.onlySecond : expected.neither)) += 1;
            }
            EXPECT_EQ(pair, expected) << round;
        }
    }
}

TEST(ScenariosTest, AnInvalidBirthDateNamesItsPlanAndAStopStops) {
    Plan noAge = DrawdownPlan();
    noAge.birthDate = MakeDate(2001, 2, 29);
    const std::vector<Plan> plans{DrawdownPlan(), noAge};
    const ScenarioComparison invalid = CompareScenarios(plans, {10, 5, 1, 95});
    EXPECT_EQ(invalid.status, ScenarioStatus::InvalidBirthDate);
    EXPECT_EQ(invalid.failedPlan, 1u);

    StopSource stop;
    stop.request_stop();
    EXPECT_EQ(CompareScenarios(plans, {}, stop.get_token()).status, ScenarioStatus::Stopped);
}
