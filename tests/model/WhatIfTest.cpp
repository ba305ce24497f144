#include "model/WhatIf.h"
#include "tests/model/RandomPlans.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <thread>

namespace {

// Nothing can be withdrawn in 2000, when a cost of 3 and a refund of 2 fall due: the year is
// covered exactly when both round to the same amount at s %, for s in 0-16, 25-49 and
// 75-83, so coverage comes back after failing, twice.
Plan RoundingPlan() {
    Plan plan;
    plan.birthDate = MakeDate(1950, 1, 1);
    plan.AppendIncome();
    IncomeItem& locked = plan.incomes.back();
    locked.initialAmount = 1;
    locked.initialDate = MakeDate(2000, 1, 1);
    locked.annualAmount = 0;
    locked.withdrawalStart = MakeDate(2200, 1, 1);
    for (const std::int32_t amount : {3, -2}) {
        plan.AppendExpense();
        ExpenseItem& item = plan.expenses.back();
        item.initialAmount = 0;
        item.annualAmount = amount;
        item.annualStart = MakeDate(2000, 1, 1);
        item.annualEnd = MakeDate(2000, 1, 1);
    }
    return plan;
}

std::int32_t Horizon(const Plan& plan) {
    return ProjectReach(plan, FirstProjectionYear(plan))->horizon;
}

} // namespace

TEST(WhatIfTest, ReachOfTheWorkedExampleAndCoverageByAge) {
    const Plan plan = ProjectionExamplePlan();
    const Reach reach = *ProjectReach(plan, 2000);
    EXPECT_EQ(reach, (Reach{2004, 2005}));
    // Born 1948: 2004 is age 56, 2005 age 57.
    EXPECT_TRUE(CoveredThroughAge(reach, plan, 56));
    EXPECT_FALSE(CoveredThroughAge(reach, plan, 57));
}

TEST(WhatIfTest, HorizonFollowsSpendingAndReturns) {
    const Plan plan = DrawdownPlan();
    // 1000 / s whole years from 2000 on.
    const std::vector<std::pair<std::int32_t, std::int32_t>> cases{
        {70, 2013}, {100, 2009}, {130, 2006}, {1000, 2000}, {2000, 1999}};
    for (const auto& [percent, horizon] : cases)
        EXPECT_EQ(Horizon(*ExpensesAt(plan, percent)), horizon) << percent;
    // At +10 points the savings earn their 100 every year and last all hundred rows; at +1
    // they earn 57 in all by 2009, too little for 2010.
    EXPECT_EQ(Horizon(ReturnsMovedBy(plan, 10)), 2099);
    EXPECT_EQ(Horizon(ReturnsMovedBy(plan, 1)), 2009);
    std::array<std::int32_t, 7> horizons{};
    const HorizonGrid grid = *SensitivityGrid(plan);
    std::transform(grid[3].begin(), grid[3].end(), horizons.begin(),
                   [](const Reach& reach) { return reach.horizon; });
    EXPECT_EQ(horizons, (std::array<std::int32_t, 7>{2013, 2011, 2010, 2009, 2008, 2007, 2006}));
}

TEST(WhatIfTest, SustainableSpending) {
    Plan invalid = DrawdownPlan();
    invalid.birthDate = MakeDate(2001, 2, 29);
    struct Case {
        const char* name;
        Plan plan;
        std::int32_t age;
        SustainableSpending expected;
    };
    const std::vector<Case> cases{
        // 10 years to 2009 at s each: 100 %; 9 years to 2008: 9 x 111 = 999 <= 1000.
        {"ten years", DrawdownPlan(), 59, {SustainStatus::Found, 100}},
        {"nine years", DrawdownPlan(), 58, {SustainStatus::Found, 111}},
        {"coverage returns", RoundingPlan(), 95, {SustainStatus::Found, 83}},
        {"all hundred rows covered", Plan{}, 95, {SustainStatus::Found, 1000}},
        {"no age", invalid, 95, {SustainStatus::InvalidBirthDate, 0}},
        // Every spending stops at the limit in 2040, before age 95 in 2055.
        {"calculation limit", CalculationLimitPlan(), 95, {SustainStatus::StopsAtLimit, 0, 2040}},
        // Age 79 is 2039, the last year reached.
        {"limit after the age", CalculationLimitPlan(), 79, {SustainStatus::Found, 1000}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindSustainableSpending(c.plan, c.age), c.expected) << c.name;
}

TEST(WhatIfTest, SustainableSpendingCountsTheSpendingsTriedAndStops) {
    // From 1000 % down to 100 %, the first covered to age 59: 901 spendings tried.
    std::vector<std::int32_t> tried;
    EXPECT_EQ(FindSustainableSpending(DrawdownPlan(), 59, {},
                                      [&tried](std::int32_t done) { tried.push_back(done); }),
              (SustainableSpending{SustainStatus::Found, 100}));
    ASSERT_EQ(tried.size(), 901U);
    EXPECT_EQ(tried.front(), 1);
    EXPECT_EQ(tried.back(), 901);

    StopSource stop;
    const auto stopAtTen = [&stop](std::int32_t done) {
        if (done == 10)
            stop.request_stop();
    };
    EXPECT_EQ(FindSustainableSpending(DrawdownPlan(), 59, stop.get_token(), stopAtTen).status,
              SustainStatus::Stopped);
}

TEST(WhatIfTest, MemoryRunningOutOnAWorkerThreadEndsTheSearchAsNotCalculated) {
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<bool> thrown{false};
    // The calling thread waits after its first spending until a helper has failed.
    const auto failOnAHelper = [&](std::int32_t) {
        if (std::this_thread::get_id() != caller) {
            thrown.store(true);
            throw std::bad_alloc();
        }
        while (!thrown.load())
            std::this_thread::yield();
    };

    EXPECT_EQ(FindSustainableSpending(DrawdownPlan(), 59, {}, failOnAHelper, 2).status,
              SustainStatus::CannotCalculate);
}

TEST(WhatIfTest, SearchAgreesWithTheFullScanOnRandomPlans) {
    std::mt19937 random(20261207);
    for (int n = 0; n < 25; ++n) {
        const Plan plan = RandomPlan(random, {.maxIncomes = 4, .maxExpenses = 3});
        const std::int32_t age = std::uniform_int_distribution<std::int32_t>(40, 100)(random);
        std::optional<std::int32_t> largest;
        const std::int32_t first = FirstProjectionYear(plan);
        for (std::int32_t s = 0; s <= kMaxSpendingPercent; ++s)
            if (CoveredThroughAge(*ProjectReach(ExpensesAt(plan, s), first), plan, age))
                largest = s;
        const SustainableSpending found = FindSustainableSpending(plan, age);
        EXPECT_EQ(FindSustainableSpending(plan, age, {}, {}, 2), found) << n << ", two threads";
        if (largest)
            EXPECT_EQ(found, (SustainableSpending{SustainStatus::Found, *largest})) << n;
        else
            EXPECT_EQ(found.status, SustainStatus::NoneCovered) << n;
    }
}

TEST(WhatIfTest, CalculationLimitIsNotRunningOut) {
    const Plan plan = CalculationLimitPlan();
    const Reach reach = *ProjectReach(plan, 2024);
    EXPECT_EQ(reach, (Reach{2039, 2040, 2040}));
    EXPECT_EQ(HorizonLabel(reach), "2039+");
    EXPECT_EQ(HorizonLabel(Reach{2004, 2005}), "2004");
    // Born 1960: the limit comes before age 95, and after age 79.
    EXPECT_EQ(BandOf(reach, plan, 95), HorizonBand::UntilLimit);
    EXPECT_EQ(BandOf(reach, plan, 79), HorizonBand::Lasting);
    // At 60 % every expense level of the grid reaches the limit.
    const HorizonGrid grid = *SensitivityGrid(plan);
    for (const Reach& cell : grid[3])
        EXPECT_EQ(cell, (Reach{2039, 2040, 2040}));
}

TEST(WhatIfTest, BandsOnAFixedScale) {
    // Born 1950, retiring at 55 in 2005; age 59 is 2009.
    Plan plan = DrawdownPlan();
    plan.SetRetirementAge(55);
    Plan ageless = plan;
    ageless.birthDate = MakeDate(2001, 2, 29);
    struct Case {
        Reach reach;
        const Plan* plan;
        HorizonBand expected;
    };
    const std::vector<Case> cases{
        {{2003, 2004}, &plan, HorizonBand::BeforeRetirement},
        {{2004, 2005}, &plan, HorizonBand::BeforeRetirement},
        {{2005, 2006}, &plan, HorizonBand::BeforeAge},
        {{2008, 2009}, &plan, HorizonBand::BeforeAge},
        {{2009, 2010}, &plan, HorizonBand::Lasting},
        {{1999, 2000}, &plan, HorizonBand::BeforeRetirement},
        {{2099, std::nullopt}, &plan, HorizonBand::Lasting},
        {{2001, 2002, 2002}, &plan, HorizonBand::UntilLimit},
        {{2008, 2009, 2009}, &plan, HorizonBand::UntilLimit},
        {{2009, 2010, 2010}, &plan, HorizonBand::Lasting},
        {{2003, 2004}, &ageless, HorizonBand::Unknown},
        {{2003, 2004, 2004}, &ageless, HorizonBand::UntilLimit},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BandOf(c.reach, *c.plan, 59), c.expected) << c.reach.horizon;
}
