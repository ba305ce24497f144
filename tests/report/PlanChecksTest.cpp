#include "report/PlanChecks.h"

#include "model/PlanQuestions.h"

#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <tuple>

namespace {

// Born 1980, retiring at 65 in 2045: 10,000 saved in 2020 at 2 %, open for withdrawal from
// 2020, and living costs of 1,000 a year from 2020 to 2079. Nothing to say about it.
Plan SoundPlan() {
    Plan plan;
    plan.birthDate = MakeDate(1980, 1, 1);
    plan.SetRetirementAge(65);
    plan.AppendIncome();
    IncomeItem& savings = plan.incomes.back();
    savings.name = "Savings";
    savings.initialAmount = 10000;
    savings.initialDate = MakeDate(2020, 1, 1);
    savings.rateBefore = 2.0f;
    savings.rateAfter = 2.0f;
    savings.withdrawalStart = MakeDate(2020, 1, 1);
    plan.AppendExpense();
    ExpenseItem& costs = plan.expenses.back();
    costs.name = "Living costs";
    costs.annualAmount = 1000;
    costs.annualStart = MakeDate(2020, 1, 1);
    costs.annualEnd = MakeDate(2079, 12, 31);
    return plan;
}

struct Case {
    const char* rule;
    std::function<void(Plan&)> change;
    PlanProblem expected;
};

} // namespace

void PrintTo(const PlanProblem& problem, std::ostream* out) {
    *out << static_cast<int>(problem.part) << " "
         << (problem.item ? std::to_string(*problem.item) : "-") << " " << problem.field << " "
         << problem.sentence;
}

TEST(PlanChecksTest, SoundPlansSayNothing) {
    EXPECT_EQ(CheckPlan(SoundPlan()), std::vector<PlanProblem>{});
    EXPECT_EQ(CheckPlan(ProjectionExamplePlan()), std::vector<PlanProblem>{});
}

// One plan per rule, each the sound plan with one thing wrong.
TEST(PlanChecksTest, EachRuleSaysWhatAndWhereToFixIt) {
    const std::vector<Case> cases{
        {"no positive initial amount",
         [](Plan& plan) { plan.incomes[0].initialAmount = 0; },
         {PlanPart::Income, 0, "initialAmount",
          "No income item has an initial amount above 0, so the projection has no first year "
          "and runs from year 0: enter what an account holds today as its Initial Amount under "
          "Income."}},
        {"no income item",
         [](Plan& plan) { plan.incomes.clear(); },
         {PlanPart::Income, std::nullopt, "initialAmount",
          "The plan has no income item, so the projection has no first year and runs from year "
          "0: add an account with what it holds today as its Initial Amount under Income."}},
        {"expenses before any withdrawal",
         [](Plan& plan) { plan.incomes[0].withdrawalStart = MakeDate(2045, 1, 1); },
         {PlanPart::Income, 0, "withdrawalStart",
          "Expenses fall in 2020 to 2044 (Living costs) while no income item is open for "
          "withdrawal, so the projection stops in 2020: open an account for withdrawal from "
          "2020 with the Start Date of its Eligible Withdrawals under Income."}},
        {"expenses of several items, none ever open",
         [](Plan& plan) {
             plan.incomes[0].withdrawalStart = MakeDate(2200, 1, 1);
             plan.expenses[0].annualStart = MakeDate(2030, 1, 1);
             plan.AppendExpense();
             plan.expenses[1].name = "Car";
             plan.expenses[1].initialAmount = 5000;
             plan.expenses[1].initialDate = MakeDate(2025, 1, 1);
         },
         {PlanPart::Income, 0, "withdrawalStart",
          "Expenses fall in 2025 to 2079 (Car and 1 other) while no income item is open for "
          "withdrawal, so the projection stops in 2025: open an account for withdrawal from "
          "2025 with the Start Date of its Eligible Withdrawals under Income."}},
        {"expenses beyond the calculation limit",
         [](Plan& plan) {
             plan.incomes[0].initialAmount = 1000000;
             plan.incomes[0].rateBefore = 49.0f;
             plan.incomes[0].rateAfter = 49.0f;
             plan.incomes[0].withdrawalStart = MakeDate(2100, 1, 1);
             plan.expenses[0].annualStart = MakeDate(2060, 1, 1);
         },
         {PlanPart::Income, 0, "withdrawalStart",
          "Expenses fall in 2060 to 2079 (Living costs) while no income item is open for "
          "withdrawal, so the projection can go no further than 2060: open an account for "
          "withdrawal from 2060 with the Start Date of its Eligible Withdrawals under Income."}},
        {"invalid birth date",
         [](Plan& plan) { plan.birthDate = MakeDate(1980, 2, 30); },
         {PlanPart::GeneralData, std::nullopt, "birthDate",
          "The birth date is not a valid date, so no age and no retirement year can be known: "
          "enter it again under General Data."}},
        {"retirement age below 30",
         [](Plan& plan) { plan.SetRetirementAge(29); },
         {PlanPart::GeneralData, std::nullopt, "retirementAge",
          "The retirement age 29 lies outside 30 to 90: enter the age at which work stops under "
          "General Data."}},
        {"retirement age above 90",
         [](Plan& plan) { plan.SetRetirementAge(91); },
         {PlanPart::GeneralData, std::nullopt, "retirementAge",
          "The retirement age 91 lies outside 30 to 90: enter the age at which work stops under "
          "General Data."}},
        {"income date before the birth year",
         [](Plan& plan) { plan.incomes[0].withdrawalStart = MakeDate(1979, 12, 31); },
         {PlanPart::Income, 0, "withdrawalStart",
          "In Savings, the withdrawal start date, 1979, lies before the birth year 1980: change it "
          "under Income."}},
        {"expense date before the birth year",
         [](Plan& plan) { plan.expenses[0].annualStart = MakeDate(1970, 1, 1); },
         {PlanPart::Expenses, 0, "annualStart",
          "In Living costs, the annual amount's start date, 1970, lies before the birth year 1980: "
          "change it under Expenses."}},
        {"invalid item date",
         [](Plan& plan) { plan.expenses[0].annualEnd = MakeDate(-1, -1, -1); },
         {PlanPart::Expenses, 0, "annualEnd",
          "In Living costs, the annual amount's end date is not a valid date: enter it again under "
          "Expenses."}},
        {"annual end before its start",
         [](Plan& plan) { plan.expenses[0].annualEnd = MakeDate(2019, 12, 31); },
         {PlanPart::Expenses, 0, "annualEnd",
          "In Living costs, the annual amount ends in 2019, before it starts in 2020, so it is "
          "never "
          "counted: change its End Date under Expenses."}},
        {"interest rate of 50 %",
         [](Plan& plan) { plan.incomes[0].rateAfter = 50.0f; },
         {PlanPart::Income, 0, "rateAfter",
          "In Savings, the interest rate of 50 % after the switch makes amounts reach the "
          "calculation limit within a few decades: enter a rate below 50 % under Income."}},
        {"growth rate above 50 %",
         [](Plan& plan) { plan.expenses[0].growthRate = 52.5f; },
         {PlanPart::Expenses, 0, "growthRate",
          "In Living costs, the growth rate of 52.5 % makes amounts reach the calculation limit "
          "within "
          "a few decades: enter a rate below 50 % under Expenses."}},
        {"item with no name",
         [](Plan& plan) { plan.expenses[0].name.clear(); },
         {PlanPart::Expenses, 0, "name",
          "Expense item 1 has no name: enter one so that the item can be told apart under "
          "Expenses."}},
        {"name holding a carriage return",
         [](Plan& plan) { plan.incomes[0].name = "Sav\rings"; },
         {PlanPart::Income, 0, "name",
          "The name of Income item 1 holds control characters (such as NUL or a carriage "
          "return), which other programs cut short or hide: type the name again under Income."}},
        {"name holding NUL",
         [](Plan& plan) { plan.expenses[0].name = std::string("Living\0costs", 12); },
         {PlanPart::Expenses, 0, "name",
          "The name of Expense item 1 holds control characters (such as NUL or a carriage "
          "return), which other programs cut short or hide: type the name again under "
          "Expenses."}},
        {"tax rate above 100 %",
         [](Plan& plan) { plan.taxRateBefore = 1e30f; },
         {PlanPart::GeneralData, std::nullopt, "taxRateBefore",
          "The tax rate before retirement of 1e+30 % lies outside 0 to 100 %, so tax takes more "
          "than the whole of each taxed amount: enter the share of income paid in tax under "
          "General Data."}},
        {"tax rate below 0 %",
         [](Plan& plan) { plan.taxRateAfter = -500.0f; },
         {PlanPart::GeneralData, std::nullopt, "taxRateAfter",
          "The tax rate after retirement of -500 % lies outside 0 to 100 %, so tax adds to each "
          "taxed amount instead of taking from it: enter the share of income paid in tax under "
          "General Data."}},
        {"interest rate below -100 %",
         [](Plan& plan) { plan.incomes[0].rateBefore = -3e38f; },
         {PlanPart::Income, 0, "rateBefore",
          "In Savings, the interest rate of -3e+38 % before the switch takes away more than the "
          "whole amount each year: enter a rate of -100 % or more under Income."}},
        {"a taxable yearly amount past retirement",
         [](Plan& plan) {
             plan.incomes[0].annualAmount = 1000;
             plan.incomes[0].annualStart = MakeDate(2020, 1, 1);
             plan.incomes[0].annualEnd = MakeDate(2055, 12, 31);
         },
         {PlanPart::Income, 0, "annualEnd",
          "In Savings, the taxable annual amount runs to 2055, 11 years past the retirement in "
          "2045, taxed at the rate after retirement: end it in 2044 with its End Date if it "
          "stops at retirement under Income."}},
        {"a stored retirement date apart from the age",
         [](Plan& plan) { plan.retirementDate = MakeDate(2040, 7, 1); },
         {PlanPart::GeneralData, std::nullopt, "retirementAge",
          "The stored retirement date, 2040-07-01, is not the birth date plus the retirement age "
          "of 65, 2045-01-01, and the tax rate changes by the stored date: confirm the "
          "Retirement Age with OK under General Data."}},
    };
    for (const Case& test : cases) {
        Plan plan = SoundPlan();
        test.change(plan);
        EXPECT_EQ(CheckPlan(plan), std::vector<PlanProblem>{test.expected}) << test.rule;
    }
}

// What does not count is not checked: dates of amounts of 0, the switch date of equal rates,
// and rates just inside the limits.
TEST(PlanChecksTest, DatesAndRatesThatDoNotCountPass) {
    Plan plan = SoundPlan();
    plan.taxRateBefore = 100.0f;
    plan.taxRateAfter = 0.0f;
    plan.expenses[0].growthRate = -100.0f;
    plan.expenses[0].name = "Living\tcosts";
    plan.incomes[0].annualStart = MakeDate(1900, 1, 1);
    plan.incomes[0].annualEnd = MakeDate(1800, 1, 1);
    plan.incomes[0].rateSwitchDate = MakeDate(1900, 1, 1);
    plan.incomes[0].growthRate = 49.99f;
    plan.expenses[0].initialDate = MakeDate(-1, -1, -1);
    EXPECT_EQ(CheckPlan(plan), std::vector<PlanProblem>{});
}

// Only a taxable yearly amount that starts before the retirement year and is still paid in it
// is taxed as it was not meant to be: one ending the year before, a pension from the retirement
// year and an untaxed amount run on are as planned.
TEST(PlanChecksTest, YearlyAmountsAroundRetirementThatArePlanned) {
    const std::vector<std::tuple<std::int32_t, std::int32_t, bool, bool>> cases{
        {2020, 2044, true, false},
        {2020, 2045, true, true},
        {2045, 2079, true, false},
        {2020, 2079, false, false},
    };
    for (const auto& [start, end, taxable, warned] : cases) {
        Plan plan = SoundPlan();
        IncomeItem& income = plan.incomes[0];
        income.annualAmount = 500;
        income.annualStart = MakeDate(start, 1, 1);
        income.annualEnd = MakeDate(end, 12, 31);
        income.taxable = taxable;
        EXPECT_EQ(CheckPlan(plan).size(), warned ? 1u : 0u) << start << " to " << end;
    }
}

// A name stored in Windows-1252 reads as every edition shows it, as does a UTF-8 one.
TEST(PlanChecksTest, ANameReadsAsEveryEditionShowsIt) {
    Plan plan = SoundPlan();
    plan.expenses[0].name = "Caf\xE9";
    plan.expenses[0].growthRate = 60.0f;
    ASSERT_EQ(CheckPlan(plan).size(), 1u);
    EXPECT_EQ(CheckPlan(plan)[0].sentence.substr(0, 25), "In Caf\xC3\xA9, the growth rate");
    plan.expenses[0].name = "Caf\xC3\xA9";
    EXPECT_EQ(CheckPlan(plan)[0].sentence.substr(0, 25), "In Caf\xC3\xA9, the growth rate");
}

// A plan with several faults lists the plan-wide ones first, then item by item.
TEST(PlanChecksTest, ProblemsComeInPlanOrder) {
    Plan plan = SoundPlan();
    plan.expenses[0].name.clear();
    plan.incomes[0].growthRate = 80.0f;
    plan.incomes[0].initialAmount = 0;
    plan.SetRetirementAge(20);
    std::vector<std::string> fields;
    for (const PlanProblem& problem : CheckPlan(plan))
        fields.push_back(problem.field);
    EXPECT_EQ(fields,
              (std::vector<std::string>{"retirementAge", "initialAmount", "growthRate", "name"}));
    EXPECT_EQ(NoFirstYearProblem(plan), CheckPlan(plan)[1]);
    EXPECT_EQ(NoFirstYearProblem(SoundPlan()), std::nullopt);
}

// A plan of many faulty items keeps the first problems whole and only counts the others.
TEST(PlanChecksTest, ProblemsBeyondThoseKeptAreCounted) {
    Plan plan = SoundPlan();
    plan.expenses.resize(13, plan.expenses[0]);
    for (ExpenseItem& expense : plan.expenses)
        expense.name.clear();
    const std::vector<PlanProblem> all = CheckPlan(plan);
    ASSERT_EQ(all.size(), 13u);

    const PlanCheck kept = CheckPlan(plan, 10);

    EXPECT_EQ(kept.problems, std::vector<PlanProblem>(all.begin(), all.begin() + 10));
    EXPECT_EQ(kept.more, 3u);
}

TEST(PlanChecksTest, MoreProblemsAreCounted) {
    EXPECT_EQ(MoreProblemsSentence(1), "And 1 more problem like these.");
    EXPECT_EQ(MoreProblemsSentence(12), "And 12 more problems like these.");
}

TEST(PlanChecksTest, APlanFromTheQuestionsPasses) {
    EXPECT_EQ(CheckPlan(PlanFromAnswers(DefaultPlanAnswers(2026), 2026)),
              std::vector<PlanProblem>{});
}
