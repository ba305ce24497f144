#include "report/ShownYear.h"

#include "model/YearBreakdown.h"
#include "report/TodaysMoneyTable.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

TEST(ShownYearTest, ApportionRoundsThePartsToTheTotal) {
    struct Case {
        std::int64_t total;
        std::vector<double> exact;
        std::vector<std::int64_t> parts;
    };
    const std::vector<Case> cases{
        {0, {}, {}},
        {7, {7.0}, {7}},
        // The largest fractions go up first; of equal ones, the earlier.
        {10, {3.4, 3.4, 3.2}, {4, 3, 3}},
        {11, {3.4, 3.2, 3.7}, {4, 3, 4}},
        {-5, {-2.5, -2.5}, {-2, -3}},
        {36, {51.24, -15.70}, {51, -15}},
        // Out of reach by rounding: the largest part makes up the rest.
        {100, {1.0, -2.0}, {1, 99}},
        {-4, {1.5, 0.5}, {-4, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Apportion(c.total, c.exact), c.parts) << c.total;
}

// Every year of the worked example and of a drawdown, at several rates and from
// before, inside and after the projection: the row is the table's, every sum adds up, and no
// part is more than one unit from its own conversion.
TEST(ShownYearTest, EverySumAddsUpInTodaysMoney) {
    for (const Plan& plan : {ProjectionExamplePlan(), DrawdownPlan()}) {
        const ProjectionBreakdown projection = ExplainProjection(plan);
        for (const float inflation : {0.0F, 2.0F, 3.7F, 25.0F}) {
            for (const std::int32_t today : {1990, 2003, 2060}) {
                for (const YearBreakdown& year : projection.years) {
                    const auto direct = [&](std::int64_t amount) {
                        return ShownInTodaysMoney(amount, inflation, year.year, today);
                    };
                    // The table's conversion rounds through single precision first.
                    const auto near = [&](std::int64_t shown, std::int64_t amount) {
                        const std::int64_t converted = direct(amount);
                        return std::llabs(shown - converted) <=
                               1 + std::llabs(converted) / (1 << 22);
                    };
                    const ShownYear shown =
                        ShowYear(year, plan, TodaysMoneyBasis{inflation, today});
                    EXPECT_EQ(shown.income, direct(year.row.income));
                    EXPECT_EQ(shown.totalAssets, direct(year.row.totalAssets));
                    EXPECT_EQ(shown.availableAssets, direct(year.row.availableAssets));
                    EXPECT_EQ(shown.withdrawals, direct(year.row.withdrawals));
                    std::int64_t income = 0, total = 0, available = 0, spent = 0, withheld = 0,
                                 received = 0;
                    for (std::size_t i = 0; i < year.incomes.size(); ++i) {
                        const ShownIncome& item = shown.incomes[i];
                        EXPECT_EQ(item.credited,
                                  item.initial + item.annual + item.interest - item.tax);
                        EXPECT_EQ(item.balance, item.opening + item.credited);
                        EXPECT_EQ(item.closing, item.balance - item.withdrawn);
                        EXPECT_TRUE(near(item.interest, year.incomes[i].interest));
                        EXPECT_TRUE(near(item.balance, std::int64_t{year.incomes[i].opening} +
                                                           year.incomes[i].credited));
                        income += item.credited;
                        total += item.balance;
                        if (OpenForWithdrawal(plan.incomes[i], year.year))
                            available += item.balance;
                    }
                    for (const ShownExpense& expense : shown.expenses)
                        spent += expense.initial + expense.annual;
                    for (const ShownDraw& draw : shown.draws) {
                        EXPECT_EQ(draw.received, draw.taken - draw.withheld);
                        withheld += draw.withheld;
                        received += draw.received;
                    }
                    EXPECT_EQ(income, shown.income);
                    EXPECT_EQ(total, shown.totalAssets);
                    EXPECT_EQ(available, shown.availableAssets);
                    EXPECT_EQ(spent, shown.spent);
                    EXPECT_EQ(withheld, shown.withheld);
                    EXPECT_EQ(-shown.withdrawals, shown.spent + shown.withheld);
                    if (year.covered)
                        EXPECT_GE(received, shown.spent);
                    else
                        EXPECT_EQ(shown.unpaid, shown.spent - received);
                }
            }
        }
    }
}
