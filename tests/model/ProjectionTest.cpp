#include "model/Projection.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

namespace {

ProjectionRow Row(std::int32_t available, std::int32_t total, std::int32_t income,
                  std::int32_t withdrawals) {
    return {available, total, income, withdrawals};
}

// An untaxed account open for withdrawal from its first year.
IncomeItem& AddAccount(Plan& plan, std::int32_t initialAmount, std::int32_t year, float rate) {
    plan.AppendIncome();
    IncomeItem& item = plan.incomes.back();
    item.taxable = false;
    item.withdrawalTaxable = false;
    item.initialAmount = initialAmount;
    item.initialDate = MakeDate(year, 1, 1);
    item.annualStart = MakeDate(year, 1, 1);
    item.annualEnd = MakeDate(year, 1, 1);
    item.rateSwitchDate = MakeDate(year, 1, 1);
    item.rateAfter = rate;
    item.withdrawalStart = MakeDate(year, 1, 1);
    return item;
}

void AddExpense(Plan& plan, std::int32_t amount, std::int32_t year) {
    plan.AppendExpense();
    plan.expenses.back().initialAmount = amount;
    plan.expenses.back().initialDate = MakeDate(year, 1, 1);
}

Plan PlanRetiringIn(std::int32_t year) {
    Plan plan;
    plan.birthDate = MakeDate(year - 55, 1, 1);
    plan.SetRetirementAge(55);
    return plan;
}

ProjectionTable Project(const Plan& plan) {
    ProjectionTable table;
    EXPECT_EQ(Calculate(plan, table).status, ProjectionStatus::Completed);
    return table;
}

} // namespace

TEST(ProjectionTest, WorkedExampleToTheUnit) {
    ProjectionTable table;
    table.rows[50] = Row(1, 2, 3, 4);
    table.rowCount = 77;
    // 2005 is the last row because its expenses could not all be paid.
    EXPECT_EQ(Calculate(ProjectionExamplePlan(), table),
              (ProjectionOutcome{ProjectionStatus::Completed, 0, false}));
    EXPECT_EQ(table.firstYear, 2000);
    ASSERT_EQ(table.rowCount, 6);
    EXPECT_EQ(table.rows[0], Row(1050, 1778, 1778, 0));
    EXPECT_EQ(table.rows[1], Row(1103, 2652, 874, -600));
    EXPECT_EQ(table.rows[2], Row(2105, 2105, 53, -637));
    EXPECT_EQ(table.rows[3], Row(1515, 1515, 47, -750));
    EXPECT_EQ(table.rows[4], Row(790, 790, 25, -750));
    EXPECT_EQ(table.rows[5], Row(42, 42, 2, -608));
    for (std::size_t r = 6; r < table.rows.size(); ++r)
        EXPECT_EQ(table.rows[r], ProjectionRow{}) << "row " << r << " must be cleared";
}

TEST(ProjectionTest, WithoutPositiveInitialAmountsTheRunStartsInYearZero) {
    EXPECT_EQ(Project(Plan{}).firstYear, 0);
    EXPECT_EQ(Project(Plan{}).rowCount, 100);
    EXPECT_EQ(Project(Plan{}).rows, ProjectionTable{}.rows);

    Plan plan;
    AddAccount(plan, 0, 2030, 0.0f);
    AddAccount(plan, -500, 2010, 0.0f).annualAmount = 100;
    const ProjectionTable table = Project(plan);
    EXPECT_EQ(table.firstYear, 0);
    EXPECT_EQ(table.rowCount, 100);
    EXPECT_EQ(table.rows[99], ProjectionRow{}) << "years 0 to 99 see no dated amounts";
}

TEST(ProjectionTest, AssetsThatNeverRunOutGiveAHundredYears) {
    Plan plan = PlanRetiringIn(2030);
    AddAccount(plan, 1000, 2010, 1.0f);
    AddAccount(plan, 50, 2012, 0.0f);
    const ProjectionTable table = Project(plan);
    EXPECT_EQ(table.firstYear, 2010);
    EXPECT_EQ(table.rowCount, 100);
    EXPECT_EQ(table.rows[0], Row(1010, 1010, 1010, 0)) << "the initial amount earns interest";
    EXPECT_EQ(table.rows[1], Row(1020, 1020, 10, 0));
    EXPECT_EQ(table.rows[2].totalAssets, 1080);
}

TEST(ProjectionTest, TheOutcomeTellsWhetherTheHundredthYearWasCovered) {
    Plan plan = PlanRetiringIn(2030);
    AddAccount(plan, 10, 2000, 0.0f);
    plan.AppendExpense();
    plan.expenses[0].initialAmount = 100;
    plan.expenses[0].initialDate = MakeDate(2099, 1, 1);
    ProjectionTable table;
    EXPECT_EQ(Calculate(plan, table), (ProjectionOutcome{ProjectionStatus::Completed, 0, false}));
    EXPECT_EQ(table.rowCount, 100);
    EXPECT_EQ(table.rows[99].totalAssets, 10);
}

TEST(ProjectionTest, AnnualAmountsGrowFromTheirOwnStartYear) {
    Plan plan;
    AddAccount(plan, 100, 2010, 0.0f);
    IncomeItem& annual = AddAccount(plan, 0, 2008, 0.0f);
    annual.annualAmount = 1000;
    annual.annualEnd = MakeDate(2011, 12, 31);
    annual.growthRate = 10.0f;
    IncomeItem& exact = AddAccount(plan, 0, 2010, 0.0f);
    exact.annualAmount = 1000;
    exact.annualEnd = MakeDate(2011, 1, 1);
    exact.growthRate = 5.9f;
    const ProjectionTable table = Project(plan);
    EXPECT_EQ(table.rows[0].income, 100 + 1210 + 1000) << "entered already grown; start year plain";
    EXPECT_EQ(table.rows[1].income, 1331 + 1059) << "growth rate used exactly, end year included";
    EXPECT_EQ(table.rows[2].income, 0);
}

TEST(ProjectionTest, InterestUsesWholePercentsAndTheSwitchYearUsesRateAfter) {
    Plan plan;
    IncomeItem& a = AddAccount(plan, 1000, 2010, 0.0f);
    a.rateBefore = -0.5f;
    a.rateSwitchDate = MakeDate(2011, 7, 1);
    a.rateAfter = 5.9f;
    const ProjectionTable table = Project(plan);
    EXPECT_EQ(table.rows[0].totalAssets, 1000) << "-0.5 % earns nothing";
    EXPECT_EQ(table.rows[1].totalAssets, 1050) << "5.9 % earns 5 % from the switch year on";
}

TEST(ProjectionTest, TaxFallsOnTaxableCreditsWithTheRetirementYearTaxedAfter) {
    Plan plan = PlanRetiringIn(2011);
    plan.taxRateBefore = 50.0f;
    plan.taxRateAfter = 10.0f;
    IncomeItem& item = AddAccount(plan, 1000, 2010, 0.0f);
    item.taxable = true;
    item.annualAmount = 1000;
    item.annualEnd = MakeDate(2011, 1, 1);
    const ProjectionTable table = Project(plan);
    EXPECT_EQ(table.rows[0].income, 1000) << "(1000 + 1000) taxed at 50 %";
    EXPECT_EQ(table.rows[1].income, 900) << "the retirement year uses the rate after";
}

TEST(ProjectionTest, InvalidRetirementDateTaxesEveryYearAtTheRateAfter) {
    Plan plan;
    plan.birthDate = MakeDate(1960, 2, 29);
    plan.SetRetirementAge(55);
    plan.taxRateBefore = 50.0f;
    plan.taxRateAfter = 10.0f;
    AddAccount(plan, 1000, 2000, 0.0f).taxable = true;
    EXPECT_EQ(Project(plan).rows[0].income, 900);
}

TEST(ProjectionTest, WithdrawalsAreGrossedUpAtTheWholePercentTaxRate) {
    Plan plan = PlanRetiringIn(2050);
    plan.taxRateBefore = 33.5f;
    IncomeItem& item = AddAccount(plan, 1000, 2000, 0.0f);
    item.taxable = true;
    item.withdrawalTaxable = true;
    AddExpense(plan, 100, 2000);
    const ProjectionTable table = Project(plan);
    // Income taxed at 33.5 % gives 665; 100 grossed up at 33 % is 149.
    EXPECT_EQ(table.rows[0], Row(665, 665, 665, -149));
    EXPECT_EQ(table.rows[1].totalAssets, 516);
}

TEST(ProjectionTest, EqualRatesDrawTheEarlierItemFirst) {
    const auto project = [](bool taxedFirst) {
        Plan plan = PlanRetiringIn(2050);
        plan.taxRateBefore = 20.0f;
        AddAccount(plan, 500, 2000, 3.0f).withdrawalTaxable = taxedFirst;
        AddAccount(plan, 500, 2000, 3.0f).withdrawalTaxable = !taxedFirst;
        AddExpense(plan, 300, 2000);
        return Project(plan).rows[0].withdrawals;
    };
    EXPECT_EQ(project(true), -375);
    EXPECT_EQ(project(false), -300);
}

TEST(ProjectionTest, LowestExactRateIsDrawnFirstAlthoughBothEarnTheSame) {
    Plan plan = PlanRetiringIn(2050);
    plan.taxRateBefore = 20.0f;
    AddAccount(plan, 1000, 2000, 5.9f);
    AddAccount(plan, 1000, 2000, 5.5f).withdrawalTaxable = true;
    AddExpense(plan, 100, 2001);
    const ProjectionTable table = Project(plan);
    EXPECT_EQ(table.rows[1], Row(2206, 2206, 106, -125)) << "drawn from the taxed 5.5 % item";
}

TEST(ProjectionTest, NegativeBalanceCanBeChosen) {
    Plan plan;
    AddAccount(plan, -100, 2000, 0.5f);
    AddAccount(plan, 1000, 2000, 0.9f);
    AddExpense(plan, 50, 2000);
    const ProjectionTable table = Project(plan);
    // Taking the -100 raises the need to 150, drawn from the other item.
    EXPECT_EQ(table.rows[0], Row(900, 900, 900, -50));
    EXPECT_EQ(table.rows[1], Row(850, 850, 0, 0));
    EXPECT_EQ(table.rowCount, 100);
}

TEST(ProjectionTest, NegativeExpensesAreDepositedInOnePass) {
    Plan plan;
    AddAccount(plan, 1000, 2000, 0.9f);
    AddAccount(plan, 1000, 2000, 0.5f);
    AddExpense(plan, -200, 2000);
    const ProjectionTable table = Project(plan);
    EXPECT_EQ(table.rows[0], Row(2000, 2000, 2000, 200));
    EXPECT_EQ(table.rows[1].totalAssets, 2200);

    Plan closed = PlanRetiringIn(2050);
    closed.AppendIncome();
    closed.incomes[0].initialAmount = 1000;
    closed.incomes[0].initialDate = MakeDate(2000, 1, 1);
    AddExpense(closed, -200, 2000);
    EXPECT_EQ(Project(closed).rowCount, 1) << "no item open for the deposit ends the run";
}

TEST(ProjectionTest, ExpensesBeforeAnyItemOpensEndTheRun) {
    Plan plan = PlanRetiringIn(2030);
    plan.AppendIncome();
    plan.incomes[0].taxable = false;
    plan.incomes[0].initialAmount = 5000;
    plan.incomes[0].initialDate = MakeDate(2010, 1, 1);
    AddExpense(plan, 10, 2010);
    const ProjectionTable table = Project(plan);
    EXPECT_EQ(table.rowCount, 1);
    EXPECT_EQ(table.rows[0], Row(0, 5000, 5000, -10)) << "counted in total, not available";
}

TEST(ProjectionTest, HugeTaxFactorsLeaveTheRestUnpaidInsteadOfLoopingForever) {
    for (const float tax : {1000.0f, -300.0f}) {
        Plan plan = PlanRetiringIn(2050);
        plan.taxRateBefore = tax;
        AddAccount(plan, 1000, 2000, 0.0f).withdrawalTaxable = true;
        AddExpense(plan, 1, 2000);
        const ProjectionTable table = Project(plan);
        EXPECT_EQ(table.rowCount, 1) << tax;
        EXPECT_EQ(table.rows[0], Row(1000, 1000, 1000, -1)) << tax;
    }
}

namespace {

class ThrowingResource final : public WorkingMemory {
    void* Allocate(std::size_t, std::size_t) override { throw std::bad_alloc(); }
    void Deallocate(void*, std::size_t, std::size_t) noexcept override {}
};

} // namespace

TEST(ProjectionTest, FailedAllocationLeavesTheTableAsItWas) {
    ProjectionTable table;
    ASSERT_EQ(Calculate(ProjectionExamplePlan(), table).status, ProjectionStatus::Completed);
    const ProjectionTable before = table;
    ThrowingResource failing;
    EXPECT_EQ(Calculate(FileExamplePlan(), table, &failing).status,
              ProjectionStatus::AllocationFailed);
    EXPECT_EQ(table, before);
}
