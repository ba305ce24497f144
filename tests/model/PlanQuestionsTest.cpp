#include "model/PlanQuestions.h"

#include "model/Projection.h"
#include "model/WhatIf.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Born 1980, retiring at 67 in 2047, asked in 2026: 40,000 saved at 3 %, a salary of 45,000
// growing 2 %, living costs of 30,000 and a pension of 15,000 from 67.
PlanAnswers TestHousehold() {
    PlanAnswers answers;
    answers.birthDate = MakeDate(1980, 1, 1);
    answers.retirementAge = 67;
    answers.savings = 40000;
    answers.savingsInterest = 3.0f;
    answers.salary = 45000;
    answers.salaryGrowth = 2.0f;
    answers.livingCosts = 30000;
    answers.pension = 15000;
    answers.pensionAge = 67;
    return answers;
}

IncomeItem Account(const char* name, std::int32_t initial, std::int32_t yearly, std::int32_t from,
                   std::int32_t to, std::int32_t open) {
    IncomeItem item;
    item.name = name;
    item.taxable = false;
    item.withdrawalTaxable = false;
    item.initialAmount = initial;
    item.initialDate = MakeDate(from, 1, 1);
    item.annualAmount = yearly;
    item.annualStart = MakeDate(from, 1, 1);
    item.annualEnd = MakeDate(to, 12, 31);
    item.rateSwitchDate = MakeDate(2047, 1, 1);
    item.withdrawalStart = MakeDate(open, 1, 1);
    return item;
}

} // namespace

TEST(PlanQuestionsTest, AnswersBecomeOrdinaryItems) {
    const Plan plan = PlanFromAnswers(TestHousehold(), 2026);
    EXPECT_EQ(plan.retirementDate, MakeDate(2047, 1, 1));
    EXPECT_EQ(plan.taxRateBefore, 0.0f);
    EXPECT_EQ(plan.taxRateAfter, 0.0f);
    IncomeItem salary = Account("Salary", 0, 45000, 2026, 2046, 2026);
    salary.growthRate = 2.0f;
    IncomeItem savings = Account("Savings", 40000, 0, 2026, 2026, 2026);
    savings.rateBefore = 3.0f;
    savings.rateAfter = 3.0f;
    EXPECT_EQ(plan.incomes, (std::vector<IncomeItem>{
                                salary, savings, Account("Pension", 0, 15000, 2047, 2080, 2047)}));
    ASSERT_EQ(plan.expenses.size(), 1u);
    EXPECT_EQ(plan.expenses[0].name, "Living costs");
    EXPECT_EQ(plan.expenses[0].annualAmount, 30000);
    EXPECT_EQ(plan.expenses[0].annualStart, MakeDate(2026, 1, 1));
    EXPECT_EQ(plan.expenses[0].annualEnd, MakeDate(2080, 12, 31));
}

// The household's money lasts: the projection starts in the year asked and every year to age
// 100 is paid.
TEST(PlanQuestionsTest, TheTestHouseholdIsPaidToTheLastAge) {
    const Plan plan = PlanFromAnswers(TestHousehold(), 2026);
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    EXPECT_EQ(table.firstYear, 2026);
    EXPECT_TRUE(CoveredThroughAge(ReachOf(table, outcome), plan, kQuestionsLastAge));
}

// Without savings the first payment opens the projection; without anything paid this year the
// plan has no first year, which the plan's checks then tell.
TEST(PlanQuestionsTest, WithoutSavingsTheFirstPaymentIsTheInitialAmount) {
    PlanAnswers answers = TestHousehold();
    answers.savings = 0;
    Plan plan = PlanFromAnswers(answers, 2026);
    EXPECT_EQ(plan.incomes[0].initialAmount, 45000);
    EXPECT_EQ(plan.incomes[0].annualStart, MakeDate(2027, 1, 1));
    EXPECT_EQ(FirstProjectionYear(plan), 2026);

    answers.salary = 0;
    answers.birthDate = MakeDate(1950, 1, 1);
    plan = PlanFromAnswers(answers, 2026);
    ASSERT_EQ(plan.incomes.size(), 2u) << "no salary after retirement";
    EXPECT_EQ(plan.incomes[1].initialAmount, 15000) << "a pension paid already";
    EXPECT_EQ(plan.incomes[1].annualStart, MakeDate(2027, 1, 1));

    answers.pension = 0;
    EXPECT_EQ(FirstProjectionYear(PlanFromAnswers(answers, 2026)), 0);
}

// Ages of any size give years outside the dates' range, never an overflow.
TEST(PlanQuestionsTest, ExtremeAgesGiveInvalidDates) {
    PlanAnswers answers = TestHousehold();
    answers.retirementAge = INT32_MAX;
    answers.pensionAge = INT32_MAX;
    const Plan plan = PlanFromAnswers(answers, 2026);
    EXPECT_FALSE(plan.retirementDate.IsValid());
    EXPECT_EQ(plan.incomes[0].annualEnd.GetYear(), -1) << "the salary's end year 10000";
    EXPECT_EQ(plan.incomes[2].annualStart.GetYear(), -1) << "the pension's start year 10000";
}
