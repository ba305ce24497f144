#include "session/ComparisonAnswer.h"
#include "session/ProjectionAnswer.h"
#include "session/RiskAnswers.h"
#include "session/WhatIfAnswers.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The four kinds of plan that cannot be asked about as they stand, and the one verdict each
// gets from every question.
struct Unanswerable {
    const char* kind;
    Plan plan;
    AnswerStatus status;
    std::string sentence;
};

std::vector<Unanswerable> UnanswerablePlans() {
    Plan noIncome = ProjectionExamplePlan();
    noIncome.incomes.clear();
    Plan noInitialAmount = ProjectionExamplePlan();
    for (IncomeItem& income : noInitialAmount.incomes)
        income.initialAmount = 0;
    Plan noBirthDate = ProjectionExamplePlan();
    noBirthDate.birthDate = MakeDate(-1, -1, -1);
    // Born 1948, the example starts in 2000 at age 52: age 51 lies before it.
    Plan young = ProjectionExamplePlan();
    return {
        {"no income item", noIncome, AnswerStatus::NoFirstYear,
         "The plan has no income item, so the projection has no first year and runs from year "
         "0: add an account with what it holds today as its Initial Amount under Income."},
        {"no initial amount", noInitialAmount, AnswerStatus::NoFirstYear,
         "No income item has an initial amount above 0, so the projection has no first year and "
         "runs from year 0: enter what an account holds today as its Initial Amount under "
         "Income."},
        {"invalid birth date", noBirthDate, AnswerStatus::InvalidBirthDate,
         "The birth date is not a valid date, so no age and no retirement year can be known: "
         "enter it again under General Data."},
        {"age before the first year", young, AnswerStatus::AgeBeforeFirstYear,
         "Age 51 comes before the projection's first year, 2000, at age 52: choose an age from "
         "52 on."},
    };
}

constexpr std::int32_t kAge = 51;

RiskSettings FewPaths() {
    RiskSettings settings;
    settings.paths = 5;
    settings.untilAge = kAge;
    return settings;
}

} // namespace

// Every question gives each such plan the same status and sentence; none scores it.
TEST(SessionAnswersTest, EveryQuestionGivesAPlanThatCannotBeAskedOneVerdict) {
    for (const Unanswerable& c : UnanswerablePlans()) {
        const Verdict expected{c.status, c.sentence};
        EXPECT_EQ(AskSustainableSpending(c.plan, kAge).verdict, expected) << c.kind;
        EXPECT_EQ(AskSensitivityGrid(c.plan, kAge).verdict, expected) << c.kind;
        EXPECT_EQ(AskRisk(c.plan, FewPaths()).verdict, expected) << c.kind;
        EXPECT_EQ(AskRiskPath(c.plan, FewPaths(), 0).verdict, expected) << c.kind;

        // Born 1950, the drawdown plan starts in 2000 at age 50: the age asks something of it.
        const Plan plans[] = {c.plan, DrawdownPlan(), DrawdownPlan()};
        const ComparisonAnswer compared = AskComparison(plans, FewPaths());
        ASSERT_TRUE(compared.verdict.Answered()) << c.kind;
        const ScenarioComparison& comparison = compared.comparison;
        ASSERT_EQ(comparison.plans.size(), 3u) << c.kind;
        EXPECT_EQ(comparison.plans[0].verdict, c.sentence) << c.kind;
        EXPECT_EQ(comparison.plans[0].risk.successes, 0) << c.kind;
        EXPECT_EQ(comparison.plans[1].verdict, std::nullopt) << c.kind;
        EXPECT_EQ(comparison.plans[1].table.firstYear, 2000) << c.kind;
        ASSERT_EQ(comparison.pairs.size(), 1u) << c.kind;
        EXPECT_EQ(comparison.pairs[0].first, 1u) << c.kind;
        EXPECT_EQ(comparison.pairs[0].second, 2u) << c.kind;
        EXPECT_EQ(comparison.pairs[0].both + comparison.pairs[0].neither, 5) << c.kind;
    }
}

// A projection runs whatever the plan; what is wrong with it is said beside its figures.
TEST(SessionAnswersTest, AProjectionSaysWhyItHasNoFirstYearAndWhereItStopped) {
    std::vector<Unanswerable> plans = UnanswerablePlans();
    const struct {
        Plan plan;
        std::vector<std::string> notes;
    } cases[] = {
        {plans[0].plan, {plans[0].sentence}},
        {plans[1].plan, {plans[1].sentence}},
        // No age is asked of a projection.
        {plans[2].plan, {}},
        {CalculationLimitPlan(),
         {"The projection stops at the calculation limit in 2040: the amounts of that year are "
          "larger than 2147483647 or smaller than -2147483648, which this program cannot "
          "calculate exactly."}},
    };
    for (const auto& c : cases) {
        const ProjectionAnswer answer = AskProjection(c.plan);
        EXPECT_TRUE(answer.verdict.Answered());
        EXPECT_EQ(answer.notes, c.notes);
    }
    EXPECT_EQ(AskProjection(CalculationLimitPlan()).ending.limitYear, 2040);
}
