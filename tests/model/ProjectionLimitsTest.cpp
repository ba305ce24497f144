#include "model/Projection.h"
#include "tests/model/RandomPlans.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

IncomeItem& AddUntaxed(Plan& plan, std::int32_t initialAmount, std::int32_t year) {
    plan.AppendIncome();
    IncomeItem& item = plan.incomes.back();
    item.taxable = false;
    item.initialAmount = initialAmount;
    item.initialDate = MakeDate(year, 1, 1);
    item.annualStart = MakeDate(year, 1, 1);
    item.annualEnd = MakeDate(year, 1, 1);
    return item;
}

} // namespace

TEST(ProjectionLimitsTest, SumBeyond32BitsEndsTheRunBeforeThatYear) {
    Plan plan;
    AddUntaxed(plan, 2147483647, 2000);
    IncomeItem& later = AddUntaxed(plan, 0, 2001);
    later.annualAmount = 1;
    ProjectionTable table;
    table.rows[1].income = 99;
    EXPECT_EQ(Calculate(plan, table),
              (ProjectionOutcome{ProjectionStatus::AmountOutOfRange, 2001}));
    EXPECT_EQ(table.firstYear, 2000);
    EXPECT_EQ(table.rowCount, 1);
    EXPECT_EQ(table.rows[0].totalAssets, 2147483647);
    EXPECT_EQ(table.rows[1], ProjectionRow{}) << "the failed year leaves nothing behind";
}

TEST(ProjectionLimitsTest, GrowthBeyond32BitsStopsInTheYearItOverflows) {
    Plan plan;
    AddUntaxed(plan, 1, 2000);
    IncomeItem& doubling = AddUntaxed(plan, 0, 2000);
    doubling.annualAmount = 1000;
    doubling.annualEnd = MakeDate(2099, 1, 1);
    doubling.growthRate = 100.0f;
    ProjectionTable table;
    EXPECT_EQ(Calculate(plan, table),
              (ProjectionOutcome{ProjectionStatus::AmountOutOfRange, 2021}));
    EXPECT_EQ(table.rowCount, 21);
    // Just below 2^31: 1000 * (2^21 - 1) less the float 0.01's shortfall.
    EXPECT_EQ(table.rows[20].totalAssets, 2097150555);
}

TEST(ProjectionLimitsTest, ExpensesAndWithdrawalsBeyond32Bits) {
    Plan plan;
    AddUntaxed(plan, 1000, 2000).withdrawalStart = MakeDate(2000, 1, 1);
    for (int i = 0; i < 2; ++i) {
        plan.AppendExpense();
        plan.expenses.back().initialAmount = -2147483647 - 1;
        plan.expenses.back().initialDate = MakeDate(2000 + i, 1, 1);
    }
    ProjectionTable table;
    // Year 2000 deposits 2^31 - 1 too much into a 32-bit outgo.
    EXPECT_EQ(Calculate(plan, table),
              (ProjectionOutcome{ProjectionStatus::AmountOutOfRange, 2000}));
    EXPECT_EQ(table.rowCount, 0);
}

TEST(ProjectionLimitsTest, ExtremePlansNeverMisbehave) {
    // Run under the sanitizers, this shows that no amount or rate, however
    // large, makes the engine overflow a signed integer or convert an
    // out-of-range float.
    std::mt19937 random(7);
    const RandomPlanShape huge{6, 4, std::numeric_limits<std::int32_t>::max(), 3e38f};
    for (int n = 0; n < 300; ++n) {
        Plan plan = RandomPlan(random, huge);
        plan.taxRateBefore = n % 3 == 0 ? -1e30f : plan.taxRateBefore * 100.0f;
        plan.taxRateAfter = n % 5 == 0 ? std::numeric_limits<float>::infinity() : plan.taxRateAfter;
        ProjectionTable table;
        const ProjectionOutcome outcome = Calculate(plan, table);
        ASSERT_GE(table.rowCount, 0);
        ASSERT_LE(table.rowCount, ProjectionTable::kMaxRows);
        const bool stopped = outcome.status == ProjectionStatus::AmountOutOfRange;
        EXPECT_TRUE(!stopped || outcome.stoppedYear == table.firstYear + table.rowCount)
            << "stopped in " << outcome.stoppedYear << " after " << table.rowCount << " rows";
        for (std::size_t r = static_cast<std::size_t>(table.rowCount); r < table.rows.size(); ++r)
            ASSERT_EQ(table.rows[r], ProjectionRow{});
    }
}
