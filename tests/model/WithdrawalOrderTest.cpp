#include "model/Projection.h"
#include "tests/model/RandomPlans.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The straightforward choice: scan every item for each withdrawal.
class ScanningChooser final : public WithdrawalChooser {
public:
    void Reserve(const Plan& plan, WorkingMemory*) override { m_plan = &plan; }
    void BeginYear(std::int32_t year, std::int32_t returnsMove) override {
        m_year = year;
        m_returnsMove = returnsMove;
        ++yearsBegun;
    }
    std::int32_t FindWithdrawalItem(std::span<const std::int32_t> balances) override {
        float best = 2147483648.0f;
        std::int32_t result = -1;
        for (std::size_t i = 0; i < m_plan->incomes.size(); ++i) {
            const IncomeItem& item = m_plan->incomes[i];
            if (balances[i] != 0 && m_year >= item.withdrawalStart.GetYear()) {
                const float rate = MovedRate(CurrentInterestRate(item, m_year), m_returnsMove);
                if (rate < best) {
                    best = rate;
                    result = static_cast<std::int32_t>(i);
                }
            }
        }
        return result;
    }

    int yearsBegun = 0;

private:
    const Plan* m_plan = nullptr;
    std::int32_t m_year = 0;
    std::int32_t m_returnsMove = 0;
};

} // namespace

TEST(WithdrawalOrderTest, OrderedChoiceMatchesTheScanOnRandomPlans) {
    std::mt19937 random(20261207);
    int plansWithWithdrawals = 0;
    for (int n = 0; n < 400; ++n) {
        const Plan plan = RandomPlan(random, {});
        ProjectionTable ordered;
        ProjectionTable scanned;
        ScanningChooser scan;
        const ProjectionOutcome a = Calculate(plan, ordered);
        const ProjectionOutcome b = Calculate(plan, scanned, scan);
        ASSERT_EQ(a, b) << "plan " << n;
        ASSERT_EQ(ordered, scanned) << "plan " << n;
        plansWithWithdrawals += ordered.rows[0].withdrawals != 0 && ordered.rowCount > 1;
    }
    EXPECT_GT(plansWithWithdrawals, 20) << "the random plans must exercise withdrawals";
}

TEST(WithdrawalOrderTest, RatesOfTwoToThe31OrMoreAreNeverChosen) {
    Plan plan;
    plan.AppendIncome();
    IncomeItem& item = plan.incomes.back();
    item.taxable = false;
    item.withdrawalTaxable = false;
    item.initialAmount = 1;
    item.initialDate = MakeDate(2000, 1, 1);
    item.withdrawalStart = MakeDate(2000, 1, 1);
    item.rateSwitchDate = MakeDate(2100, 1, 1);
    item.rateBefore = 2147483648.0f;
    plan.AppendExpense();
    plan.expenses[0].initialAmount = 100;
    plan.expenses[0].initialDate = MakeDate(2000, 1, 1);
    ProjectionTable table;
    EXPECT_EQ(Calculate(plan, table), (ProjectionOutcome{ProjectionStatus::Completed, 0, false}));
    EXPECT_EQ(table.rowCount, 1) << "the only open item cannot be drawn on";
    EXPECT_EQ(table.rows[0].totalAssets, 21474837);
    EXPECT_EQ(table.rows[0].withdrawals, -100);

    EXPECT_TRUE(IsChoosableRate(2147483520.0f));
    EXPECT_TRUE(IsChoosableRate(-std::numeric_limits<float>::infinity()));
    EXPECT_FALSE(IsChoosableRate(2147483648.0f));
    EXPECT_FALSE(IsChoosableRate(std::nanf("")));
}

TEST(WithdrawalOrderTest, YearsWithoutExpensesNeverLookForAnItem) {
    Plan plan = ProjectionExamplePlan();
    plan.expenses.clear();
    ProjectionTable table;
    ScanningChooser scan;
    Calculate(plan, table, scan);
    EXPECT_EQ(table.rowCount, 100);
    EXPECT_EQ(scan.yearsBegun, 0);
}
