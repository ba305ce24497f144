#include "model/Risk.h"
#include "model/WhatIf.h"
#include "model/YearBreakdown.h"
#include "tests/model/RandomPlans.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Born 1950: 1,000,000,000 at 50 % untaxed from 2000: 1,500,000,000 in 2000, and 2001's
// 2,250,000,000 leaves 32 bits.
Plan LimitPlan() {
    Plan plan;
    plan.birthDate = MakeDate(1950, 1, 1);
    plan.AppendIncome();
    IncomeItem& savings = plan.incomes.back();
    savings.taxable = false;
    savings.initialAmount = 1000000000;
    savings.initialDate = MakeDate(2000, 1, 1);
    savings.annualAmount = 0;
    savings.rateBefore = 50.0f;
    savings.rateAfter = 50.0f;
    return plan;
}

ReturnOffsets Constant(std::int32_t points) {
    ReturnOffsets offsets;
    offsets.fill(points);
    return offsets;
}

} // namespace

TEST(RiskTest, OffsetsOfAPathFromTheGenerator) {
    // The generator's first output from state 0 is 0xE220A8397B1DCDAF; worked by hand through
    // the twelve-uniform sum, rounded half away from zero.
    struct Case {
        std::uint64_t seed;
        std::int32_t spread;
        std::int32_t path;
        std::vector<std::int32_t> firstRows;
        std::int32_t lastRow;
    };
    const std::vector<Case> cases{
        {1, 10, 0, {14, -6, -6, 14, 6, -14}, 8}, {1, 10, 1, {-16, -8, -9, -11, -5, -4}, 3},
        {0, 50, 0, {2, 69, 7, -85, 30, 12}, 9},  {12345, 7, 3, {7, 2, -1, -14, -1, 8}, -6},
        {1, 0, 0, {0, 0, 0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        const ReturnOffsets offsets = PathOffsets(c.seed, c.spread, c.path);
        EXPECT_EQ(std::vector<std::int32_t>(offsets.begin(), offsets.begin() + 6), c.firstRows)
            << c.seed << '/' << c.spread << '/' << c.path;
        EXPECT_EQ(offsets.back(), c.lastRow) << c.seed << '/' << c.spread << '/' << c.path;
    }
}

TEST(RiskTest, NearestRankIndex) {
    // {p, m, index}: ceil(p * m / 100) - 1.
    const std::vector<std::array<std::size_t, 3>> cases{
        {10, 1, 0}, {50, 1, 0},  {90, 1, 0},  {10, 5, 0},  {50, 5, 2},  {90, 5, 4},
        {50, 2, 0}, {10, 10, 0}, {90, 10, 8}, {10, 11, 1}, {50, 11, 5}, {90, 100000, 89999},
    };
    for (const auto& [p, m, index] : cases)
        EXPECT_EQ(NearestRankIndex(static_cast<std::int32_t>(p), m), index) << p << " of " << m;
}

TEST(RiskTest, ZeroOffsetsReproduceThePlanAndConstantOnesTheMovedPlan) {
    std::mt19937 random(20261208);
    std::vector<Plan> plans{ProjectionExamplePlan()};
    for (int n = 0; n < 200; ++n)
        plans.push_back(RandomPlan(random, {}));
    for (std::size_t n = 0; n < plans.size(); ++n) {
        for (const std::int32_t points : {0, -3, 7}) {
            ProjectionTable expected;
            const ProjectionOutcome outcome = Calculate(ReturnsMovedBy(plans[n], points), expected);
            ProjectionTable moved;
            ASSERT_EQ(Calculate(plans[n], moved, Constant(points)), outcome) << n;
            ASSERT_EQ(moved, expected) << "plan " << n << " moved by " << points;
        }
        ProjectionTable own;
        Calculate(plans[n], own);
        ASSERT_EQ(ProjectPath(plans[n], PathOffsets(9, 0, 4), 95)->table, own) << n;
    }
}

TEST(RiskTest, EachRowMovesByItsOwnOffset) {
    // +10 in 2000 only: 1000 earns 100, so 2000 holds 1100 and the savings last to 2010.
    ReturnOffsets offsets{};
    offsets[0] = 10;
    const PathProjection path = *ProjectPath(DrawdownPlan(), offsets, 95);
    EXPECT_EQ(path.table.rowCount, 12);
    EXPECT_EQ(path.table.rows[0].totalAssets, 1100);
    EXPECT_EQ(path.table.rows[1].totalAssets, 1000);
    EXPECT_EQ(path.firstUncoveredYear, 2011);
    // Year Details of that path states the moved rate.
    EXPECT_EQ(ExplainYear(DrawdownPlan(), 2000, offsets)->incomes.at(0).interestRate, 10);
    EXPECT_EQ(ExplainYear(DrawdownPlan(), 2001, offsets)->incomes.at(0).interestRate, 0);
}

TEST(RiskTest, OutcomesOfHandMadePlans) {
    struct Case {
        Plan plan;
        std::int32_t untilAge;
        PathOutcome outcome;
        std::optional<std::int32_t> firstUncoveredYear;
    };
    const std::vector<Case> cases{
        {DrawdownPlan(), 95, PathOutcome::Fails, 2010},
        {DrawdownPlan(), 60, PathOutcome::Fails, 2010},
        {DrawdownPlan(), 59, PathOutcome::Succeeds, 2010},
        {LimitPlan(), 95, PathOutcome::StoppedAtLimit, 2001},
        {LimitPlan(), 51, PathOutcome::StoppedAtLimit, 2001},
        {LimitPlan(), 50, PathOutcome::Succeeds, 2001},
        {ProjectionExamplePlan(), 56, PathOutcome::Succeeds, 2005},
    };
    for (const Case& c : cases) {
        const PathProjection path = *ProjectPath(c.plan, Constant(0), c.untilAge);
        EXPECT_EQ(path.outcome, c.outcome) << c.untilAge;
        EXPECT_EQ(path.firstUncoveredYear, c.firstUncoveredYear) << c.untilAge;
    }
}

TEST(RiskTest, ZeroSpreadRunCountsAndPercentiles) {
    RiskSettings settings;
    settings.paths = 3;
    settings.spread = 0;
    const RiskSummary failing = RunRisk(DrawdownPlan(), settings);
    ASSERT_EQ(failing.status, RiskStatus::Done);
    EXPECT_EQ(failing.horizonYear, 2045);
    EXPECT_EQ(failing.successes, 0);
    EXPECT_EQ(failing.stoppedAtLimit, 0);
    ASSERT_EQ(failing.years.size(), 11u);
    EXPECT_EQ(failing.years.front(), (RiskYear{2000, 3, 0, 0, 1000, 1000, 1000}));
    EXPECT_EQ(failing.years.back(), (RiskYear{2010, 3, 0, 0, 0, 0, 0}));
    // All three paths tie: the lower path number ranks first.
    EXPECT_EQ(failing.worstPath, 0);
    EXPECT_EQ(failing.medianPath, 1);

    settings.untilAge = 95;
    const RiskSummary limited = RunRisk(LimitPlan(), settings);
    EXPECT_EQ(limited.successes, 0);
    EXPECT_EQ(limited.stoppedAtLimit, 3);
    EXPECT_EQ(limited.years,
              (std::vector<RiskYear>{{2000, 3, 0, 0, 1500000000, 1500000000, 1500000000}}));
}

TEST(RiskTest, PercentilesCountEveryPath) {
    // {amounts of the paths with a row and a 0 for each that ran out, paths beyond the limit,
    //  p10, p50, p90}; nearest rank over every path, those beyond the limit above every amount.
    struct Case {
        std::vector<std::int32_t> amounts;
        std::int32_t beyondLimit;
        std::optional<std::int32_t> p10, p50, p90;
    };
    const std::vector<Case> cases{
        // Ten paths: ranks 1, 5 and 9.
        {{9, 0, 7, 0, 5, 4, 3, 0, 1, 8}, 0, 0, 3, 8},
        // Four ran out: the band falls to 0 at the median.
        {{0, 0, 0, 0, 0, 0, 7, 0, 8, 9}, 0, 0, 0, 8},
        // Two beyond the limit take ranks 9 and 10 of ten.
        {{-5, 3, 1, 2, 6, 4, 5, 0}, 2, -5, 3, std::nullopt},
        // Five of ten beyond: rank 5 is the highest amount.
        {{50, 10, 40, 20, 30}, 5, 10, 50, std::nullopt},
        // Six of ten beyond: only the 10th percentile has an amount.
        {{3, 1, 2, 4}, 6, 1, std::nullopt, std::nullopt},
        // Every path beyond the limit, and one path alone.
        {{}, 3, std::nullopt, std::nullopt, std::nullopt},
        {{-7}, 0, -7, -7, -7},
    };
    for (Case c : cases) {
        const RiskPercentiles expected{c.p10, c.p50, c.p90};
        EXPECT_EQ(PercentilesOverPaths(c.amounts, c.beyondLimit), expected)
            << c.amounts.size() << " amounts, " << c.beyondLimit << " beyond";
    }
}

TEST(RiskTest, PathsThatEndCountInTheYearsAfter) {
    // Spread 10 moves the drawdown plan's end around 2010: every year up to the last any path
    // reaches is over all 200 paths; those that ran out count 0, so the band falls to 0.
    RiskSettings settings;
    settings.paths = 200;
    settings.untilAge = 60;
    const RiskSummary summary = RunRisk(DrawdownPlan(), settings, {}, {}, 1);
    ASSERT_EQ(summary.status, RiskStatus::Done);
    ASSERT_FALSE(summary.years.empty());
    std::int32_t lastRow = 0;
    for (std::int32_t k = 0; k < settings.paths; ++k)
        lastRow = std::max(lastRow,
                           ProjectPath(DrawdownPlan(), PathOffsets(1, 10, k), 60)->table.rowCount);
    EXPECT_EQ(summary.years.back().year, 2000 + lastRow - 1);
    for (const RiskYear& year : summary.years) {
        EXPECT_EQ(year.paths + year.ranOut, 200) << year.year;
        EXPECT_EQ(year.beyondLimit, 0) << year.year;
    }
    EXPECT_EQ(summary.years.back().p50, 0);
    EXPECT_EQ(summary.years.back().p10, 0);
    EXPECT_GT(summary.years.back().ranOut, 100);

    // Every path stops at the limit after its first row: nothing after it, and no path counts
    // as lasting.
    settings.untilAge = 95;
    const RiskSummary limited = RunRisk(LimitPlan(), settings, {}, {}, 1);
    EXPECT_EQ(limited.stoppedAtLimit, 200);
    EXPECT_EQ(limited.successes, 0);
    ASSERT_GT(limited.years.size(), 1u);
    EXPECT_EQ(limited.years.front().beyondLimit, 0);
    for (const RiskYear& year : limited.years) {
        EXPECT_EQ(year.paths + year.beyondLimit, 200) << year.year;
        EXPECT_EQ(year.ranOut, 0) << year.year;
    }
    // In the last year most paths are beyond the limit: the median has no amount.
    EXPECT_GT(limited.years.back().beyondLimit, 100);
    EXPECT_EQ(limited.years.back().p50, std::nullopt);
    EXPECT_EQ(limited.years.back().p90, std::nullopt);
}

TEST(RiskTest, PercentilesOfARunAndItsWorstAndMedianPaths) {
    // Spread 20 moves the example's last years in and out of the projection.
    RiskSettings settings;
    settings.paths = 200;
    settings.spread = 20;
    settings.untilAge = 56;
    const RiskSummary summary = RunRisk(ProjectionExamplePlan(), settings, {}, {}, 1);
    ASSERT_EQ(summary.status, RiskStatus::Done);
    ASSERT_FALSE(summary.years.empty());
    EXPECT_EQ(summary.years.front().paths, 200);
    EXPECT_LT(summary.years.back().paths, 200);
    EXPECT_EQ(summary.years.back().paths + summary.years.back().ranOut, 200);
    for (const RiskYear& year : summary.years) {
        EXPECT_LE(*year.p10, *year.p50) << year.year;
        EXPECT_LE(*year.p50, *year.p90) << year.year;
    }
    EXPECT_LT(summary.years[2].p10, summary.years[2].p90);
    const PathProjection worst =
        *ProjectPath(ProjectionExamplePlan(), PathOffsets(1, 20, summary.worstPath), 56);
    const PathProjection median =
        *ProjectPath(ProjectionExamplePlan(), PathOffsets(1, 20, summary.medianPath), 56);
    EXPECT_LE(worst.table.rowCount, median.table.rowCount);
}

TEST(RiskTest, OneAndTwoThreadsGiveTheSameSummary) {
    std::mt19937 random(7);
    RiskSettings settings;
    settings.paths = 1000;
    settings.spread = 15;
    for (const Plan& plan : {ProjectionExamplePlan(), RandomPlan(random, {})}) {
        const RiskSummary one = RunRisk(plan, settings, {}, {}, 1);
        const RiskSummary two = RunRisk(plan, settings, {}, {}, 2);
        EXPECT_EQ(one.status, RiskStatus::Done);
        EXPECT_EQ(one, two);
    }
}

TEST(RiskTest, InvalidBirthDateStopAndSettingsOutOfRange) {
    Plan noAge = DrawdownPlan();
    noAge.birthDate = MakeDate(2001, 2, 29);
    EXPECT_EQ(RunRisk(noAge, {}).status, RiskStatus::InvalidBirthDate);

    StopSource stop;
    stop.request_stop();
    EXPECT_EQ(RunRisk(DrawdownPlan(), {}, stop.get_token()).status, RiskStatus::Stopped);

    const RiskSummary clamped = RunRisk(DrawdownPlan(), {0, 99, 1, -5}, {}, {}, 1);
    EXPECT_EQ(clamped.settings, (RiskSettings{1, 50, 1, 0}));
    EXPECT_EQ(clamped.years.front().paths, 1);
}

TEST(RiskTest, SuccessTenthsRoundHalvesUp) {
    // {successes, paths, tenths}
    const std::vector<std::array<std::int32_t, 3>> cases{
        {873, 1000, 873}, {1, 8, 125},  {1, 16, 63},    {1, 3, 333},     {2, 3, 667},
        {0, 7, 0},        {7, 7, 1000}, {1, 100000, 0}, {50, 100000, 1},
    };
    for (const auto& [successes, paths, tenths] : cases) {
        RiskSummary summary;
        summary.settings.paths = paths;
        summary.successes = successes;
        EXPECT_EQ(SuccessTenths(summary), tenths) << successes << " of " << paths;
    }
}
