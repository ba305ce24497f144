#include "model/YearBreakdown.h"
#include "tests/model/RandomPlans.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(BreakdownTest, WorkedExampleYear2002InFull) {
    const std::optional<YearBreakdown> year = ExplainYear(ProjectionExamplePlan(), 2002);
    ASSERT_TRUE(year);
    YearBreakdown expected;
    expected.year = 2002;
    expected.row = {2105, 2105, 53, -637};
    // Savings earn 2 % of 503; the pension 4 % of 1549 = 62, taxed at 30 % to 43.
    expected.incomes = {{.item = 0,
                         .opening = 503,
                         .initial = 0,
                         .annual = 0,
                         .interestRate = 2,
                         .interest = 10,
                         .tax = 0,
                         .credited = 10,
                         .withdrawn = 513,
                         .closing = 0},
                        {.item = 1,
                         .opening = 1549,
                         .initial = 0,
                         .annual = 0,
                         .interestRate = 4,
                         .interest = 62,
                         .tax = 19,
                         .credited = 43,
                         .withdrawn = 124,
                         .closing = 1468}};
    expected.expenses = {{.item = 0, .initial = 0, .annual = 600}};
    // All 513 of the savings, then 87 grossed up at 30 % to 124 from the pension.
    expected.draws = {{.item = 0, .taxRate = 0, .gross = 600, .taken = 513, .received = 513},
                      {.item = 1, .taxRate = 30, .gross = 124, .taken = 124, .received = 87}};
    EXPECT_EQ(*year, expected);
}

TEST(BreakdownTest, ItemsAddUpToEveryRowOfRandomPlans) {
    std::mt19937 random(20260815);
    for (int n = 0; n < 300; ++n) {
        const Plan plan = RandomPlan(random, {});
        ProjectionTable plain;
        const ProjectionOutcome outcome = Calculate(plan, plain);
        const ProjectionBreakdown explained = ExplainProjection(plan);
        ASSERT_EQ(explained.outcome, outcome) << "plan " << n;
        ASSERT_EQ(explained.table, plain) << "plan " << n;
        ASSERT_EQ(explained.years.size(), static_cast<std::size_t>(plain.rowCount));
        for (const YearBreakdown& year : explained.years) {
            const std::size_t r = static_cast<std::size_t>(year.year - plain.firstYear);
            SCOPED_TRACE("plan " + std::to_string(n) + " year " + std::to_string(year.year));
            ASSERT_EQ(year.row, plain.rows[r]);
            std::int64_t income = 0, total = 0, available = 0, flows = 0;
            for (const IncomeBreakdown& item : year.incomes) {
                const std::int64_t afterCredit = std::int64_t{item.opening} + item.credited;
                income += item.credited;
                total += afterCredit;
                if (year.year >=
                    plan.incomes[static_cast<std::size_t>(item.item)].withdrawalStart.GetYear())
                    available += afterCredit;
                EXPECT_EQ(item.closing, afterCredit - item.withdrawn);
            }
            for (const ExpenseBreakdown& item : year.expenses)
                flows -= std::int64_t{item.initial} + item.annual;
            for (const DrawBreakdown& draw : year.draws)
                flows += std::int64_t{draw.received} - draw.taken;
            EXPECT_EQ(income, year.row.income);
            EXPECT_EQ(total, year.row.totalAssets);
            EXPECT_EQ(available, year.row.availableAssets);
            EXPECT_EQ(flows, year.row.withdrawals);
            EXPECT_EQ(year.unpaid == 0, year.covered);
            EXPECT_EQ(year.incomes.size(), plan.incomes.size());
            EXPECT_EQ(year.expenses.size(), plan.expenses.size());
        }
    }
}
