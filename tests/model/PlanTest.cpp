#include "model/Plan.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

TEST(PlanTest, NewPlanHasTheDefaults) {
    const int year = CurrentLocalYear();
    const Plan plan;
    EXPECT_EQ(plan.birthDate, MakeDate(year, 1, 1));
    EXPECT_EQ(plan.retirementAge, 55);
    EXPECT_EQ(plan.retirementDate, MakeDate(year + 55, 1, 1));
    EXPECT_EQ(plan.taxRateBefore, 33.0f);
    EXPECT_EQ(plan.taxRateAfter, 33.0f);
    EXPECT_TRUE(plan.incomes.empty());
    EXPECT_TRUE(plan.expenses.empty());
}

TEST(PlanTest, ResetRestoresEveryDefault) {
    Plan plan = FileExamplePlan();
    plan.Reset();
    EXPECT_EQ(plan, Plan{});
}

TEST(PlanTest, RetirementDateFollowsBirthDateAndAge) {
    Plan plan;
    plan.birthDate = MakeDate(1960, 2, 29);
    plan.SetRetirementAge(55);
    EXPECT_FALSE(plan.retirementDate.IsValid()) << "2015 is not a leap year";
    plan.SetRetirementAge(56);
    EXPECT_EQ(plan.retirementDate, MakeDate(2016, 2, 29));
    plan.SetRetirementAge(-12);
    EXPECT_EQ(plan.retirementDate, MakeDate(1948, 2, 29));
}

TEST(PlanTest, NegativeAgeGivesDateBeforeBirth) {
    Plan plan;
    plan.birthDate = MakeDate(1970, 5, 6);
    plan.SetRetirementAge(-5);
    EXPECT_EQ(plan.retirementDate, MakeDate(1965, 5, 6));
}

TEST(PlanTest, ExtremeAgesGiveAnInvalidDate) {
    Plan plan;
    plan.birthDate = MakeDate(1970, 5, 6);
    plan.SetRetirementAge(2147483647);
    EXPECT_FALSE(plan.retirementDate.IsValid());
    plan.birthDate = MakeDate(2001, 2, 29);
    plan.SetRetirementAge(-2147483647 - 1);
    EXPECT_FALSE(plan.retirementDate.IsValid());
}

TEST(PlanTest, NewIncomeItemTakesTheRetirementDateOfItsCreation) {
    const int year = CurrentLocalYear();
    Plan plan;
    plan.birthDate = MakeDate(1960, 2, 29);
    plan.SetRetirementAge(56);
    plan.AppendIncome();
    const IncomeItem& item = plan.incomes[0];
    EXPECT_EQ(item.rateSwitchDate, MakeDate(2016, 2, 29));
    EXPECT_EQ(item.withdrawalStart, MakeDate(2016, 2, 29));
    EXPECT_TRUE(item.taxable);
    EXPECT_TRUE(item.withdrawalTaxable);
    EXPECT_EQ(item.initialAmount, 0);
    EXPECT_EQ(item.annualAmount, 0);
    EXPECT_EQ(item.growthRate, 0.0f);
    EXPECT_EQ(item.rateBefore, 0.0f);
    EXPECT_EQ(item.rateAfter, 0.0f);
    EXPECT_EQ(item.initialDate, MakeDate(year, 1, 1));
    EXPECT_EQ(item.annualStart, MakeDate(year, 1, 1));
    EXPECT_EQ(item.annualEnd, MakeDate(year, 1, 1));
    EXPECT_TRUE(item.name.empty());

    plan.SetRetirementAge(60);
    EXPECT_EQ(plan.incomes[0].withdrawalStart, MakeDate(2016, 2, 29)) << "existing items stay";
}

TEST(PlanTest, InsertAndEraseKeepTheOrderOfTheOthers) {
    Plan plan;
    for (const char* name : {"a", "b", "c"}) {
        plan.AppendIncome();
        plan.incomes.back().name = name;
        plan.AppendExpense();
        plan.expenses.back().name = name;
    }
    plan.InsertIncome(0);
    plan.incomes[0].name = "first";
    plan.InsertIncome(4);
    plan.incomes[4].name = "last";
    plan.InsertExpense(1);
    plan.expenses[1].name = "x";
    std::vector<std::string> incomes;
    for (const IncomeItem& item : plan.incomes)
        incomes.push_back(item.name);
    EXPECT_EQ(incomes, (std::vector<std::string>{"first", "a", "b", "c", "last"}));

    plan.EraseIncome(2);
    plan.EraseExpense(0);
    EXPECT_EQ(plan.incomes[2].name, "c");
    ASSERT_EQ(plan.expenses.size(), 3u);
    EXPECT_EQ(plan.expenses[0].name, "x");
    EXPECT_EQ(plan.expenses[1].name, "b");
}

TEST(PlanTest, CopiesAreIndependent) {
    const Plan original = FileExamplePlan();
    Plan copy = original;
    copy.incomes[0].name = "changed";
    copy.expenses.clear();
    EXPECT_EQ(original.incomes[0].name, "Savings account");
    EXPECT_EQ(original.expenses.size(), 1u);
}

// The last expense is where the engine counts one: amounts of 0, an annual amount that ends
// before it starts and invalid dates count nowhere.
TEST(PlanTest, LastExpenseYearIsTheLastCounted) {
    const struct {
        const char* what;
        std::int32_t initial;
        PlanDate initialDate;
        std::int32_t annual;
        PlanDate start;
        PlanDate end;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {"an annual amount's end", 0, MakeDate(2090, 1, 1), 100, MakeDate(2020, 1, 1),
         MakeDate(2085, 12, 31), 2085},
        {"an initial amount after it", 5, MakeDate(2090, 1, 1), 100, MakeDate(2020, 1, 1),
         MakeDate(2085, 12, 31), 2090},
        {"an annual amount ending before it starts", 5, MakeDate(2030, 1, 1), 100,
         MakeDate(2040, 1, 1), MakeDate(2035, 12, 31), 2030},
        {"an invalid end", 5, MakeDate(2030, 1, 1), 100, MakeDate(2020, 1, 1),
         MakeDate(2023, 2, 30), 2030},
        {"amounts of 0", 0, MakeDate(2030, 1, 1), 0, MakeDate(2020, 1, 1), MakeDate(2085, 12, 31),
         std::nullopt},
    };
    for (const auto& c : cases) {
        Plan plan;
        plan.AppendExpense();
        ExpenseItem& item = plan.expenses.back();
        item.initialAmount = c.initial;
        item.initialDate = c.initialDate;
        item.annualAmount = c.annual;
        item.annualStart = c.start;
        item.annualEnd = c.end;
        EXPECT_EQ(LastExpenseYear(plan), c.expected) << c.what;
    }
    EXPECT_EQ(LastExpenseYear(Plan{}), std::nullopt) << "no expense";
}
