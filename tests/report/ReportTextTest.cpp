#include "report/ReportAssumptions.h"
#include "report/ReportSummary.h"
#include "report/UntilAgeCheck.h"

#include "model/Projection.h"
#include "tests/support/ExamplePlans.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// Amounts grouped as a reader's locale might, so that a test sees which figures are amounts.
std::string Grouped(std::int64_t amount) {
    const std::string digits = std::to_string(amount < 0 ? -amount : amount);
    std::string grouped = amount < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string Rate(float rate) {
    std::ostringstream text;
    text << rate;
    return text.str();
}

const ExplanationText kText{Rate, Grouped};

Plan WithoutBirthDate() {
    Plan plan;
    plan.birthDate.SetDate(0, 1, 1);
    plan.SetRetirementAge(60);
    return plan;
}

std::vector<std::string> Summary(const Plan& plan, std::int32_t age = kDefaultUntilAge) {
    ProjectionTable table;
    const ProjectionOutcome outcome = Calculate(plan, table);
    std::optional<std::int32_t> limit;
    if (outcome.status == ProjectionStatus::AmountOutOfRange)
        limit = outcome.stoppedYear;
    return SummarySentences(GatherSummaryFacts(plan, table, outcome.lastRowCovered, limit, age),
                            plan, kText);
}

} // namespace

void PrintTo(const ItemAssumption& item, std::ostream* out) {
    *out << item.name << " | " << item.kind << " | " << item.initial << " | " << item.annual
         << " | " << item.years << " | " << item.details;
}

// Each plan's summary from its own projection: the example's 2005 leaves 566 of 750 unpaid
// (its pension gives 42, 34 after tax: 600 + 150 - 34 - 150 paid... as explain shows), the
// drawdown's 1,000 pays ten years of 100, and 21 % of its spending (21 a year) lasts 47 years,
// through age 96, where 22 % lasts 45, to 2044, short of age 95 in 2045.
TEST(ReportTextTest, SummarySaysHowFarTheMoneyGoesAndWhatLasts) {
    const struct {
        const char* name;
        Plan plan;
        std::vector<std::string> sentences;
    } cases[] = {
        {"example",
         ProjectionExamplePlan(),
         {"The money lasts until 2004 (age 56). It first falls short in 2005 (age 57) by 566: that "
          "year's expenses cannot all be paid.",
          "Sustainable spending to age 95: 15 % of the planned expenses, the most whose money "
          "lasts to that age."}},
        {"drawdown",
         DrawdownPlan(),
         {"The money lasts until 2009 (age 59). It first falls short in 2010 (age 60) by 100: that "
          "year's expenses cannot all be paid.",
          "Sustainable spending to age 95: 21 % of the planned expenses, the most whose money "
          "lasts to that age."}},
        {"limit",
         CalculationLimitPlan(),
         {"The money lasts at least until 2039 (age 79). The projection stops at the calculation "
          "limit in 2040, where the amounts grow beyond what it can calculate: whether it lasts "
          "longer is not known.",
          "Sustainable spending to age 95: unknown; the projection stops at the calculation limit "
          "in 2040."}},
        {"new",
         Plan(),
         {"The plan has no income item, so the projection has no first year and runs from year "
          "0: add an account with what it holds today as its Initial Amount under Income."}},
    };
    for (const auto& test : cases)
        EXPECT_EQ(Summary(test.plan), test.sentences) << test.name;
}

TEST(ReportTextTest, AMoneyThatLastsEveryYearAndARunOfPathsAreSaid) {
    Plan plan = DrawdownPlan();
    plan.expenses.clear();
    const std::vector<std::string> lasting = Summary(plan, 60);
    EXPECT_EQ(lasting.front(), "The money lasts through 2099, the last year projected.")
        << "at 149 no age a plan is made for";
    plan = DrawdownPlan();
    plan.expenses[0].annualEnd = MakeDate(2004, 12, 31);
    EXPECT_EQ(Summary(plan, 60).front(),
              "The money outlasts the plan's expenses, which end in 2004, at age 54.");
    EXPECT_EQ(lasting.back(), "Sustainable spending to age 60: 1000 % of the planned expenses, the "
                              "most whose money lasts to that age.");
    EXPECT_EQ(Summary(ProjectionExamplePlan(), 3).back(),
              "Age 3 comes before the projection's first year, 2000, at age 52: choose an age "
              "from 52 on.");

    ReportSummaryFacts facts;
    facts.rowCount = 1;
    facts.reach = {1999, 2000};
    facts.firstYear = 2000;
    facts.unpaid = 1500;
    facts.sustainable = SustainableSpending{SustainStatus::NoneCovered, 0, 0};
    RiskSummary risk;
    risk.settings = {1000, 10, 7, 95};
    risk.successes = 381;
    risk.stoppedAtLimit = 12;
    facts.risk = risk;
    EXPECT_EQ(SummarySentences(facts, DrawdownPlan(), kText),
              (std::vector<std::string>{
                  "The money falls short in 2000 (age 50) by 1,500: that year's expenses cannot "
                  "all be paid.",
                  "Sustainable spending to age 95: none; the money runs out before that age even "
                  "without expenses.",
                  "The money lasts to age 95 in 381 of 1,000 paths: 38.1\u00a0%; 12 paths stopped "
                  "at the calculation limit first and are not counted (returns varying by a "
                  "spread of 10 points, seed 7)."}));
    facts.sustainable.reset();
    EXPECT_EQ(SummarySentences(facts, DrawdownPlan(), kText)[1],
              "Sustainable spending to age 95: not worked out for a plan of more than 1000 items; "
              "orbelan-cli sustain works it out.");
    facts.risk->successes = 0;
    facts.risk->stoppedAtLimit = 1000;
    EXPECT_EQ(SummarySentences(facts, DrawdownPlan(), kText).back(),
              "All 1,000 paths stop at the calculation limit before age 95: how sure the plan is "
              "cannot be calculated (returns varying by a spread of 10 points, seed 7).");
    facts.risk->status = RiskStatus::Stopped;
    EXPECT_EQ(SummarySentences(facts, DrawdownPlan(), kText).back(),
              "Cancelled. Change an input to run it again.");
}

TEST(ReportTextTest, MadeOnLineMoneyAndItemNotes) {
    EXPECT_EQ(MadeOnLine(2026, 3, 7, "1.2.3"), "Made on 2026-03-07 by Orbelan 1.2.3");
    EXPECT_EQ(MoneySentence(std::nullopt, 2, kText),
              "Amounts as projected, in the money of each year.");
    EXPECT_EQ(MoneySentence(2026, 2.5f, kText),
              "Amounts in today's money: in 2026 money, at 2.5 % inflation a year.");
    EXPECT_EQ(ItemsAtTheEndNote(300, kText), "The plan's 300 items are listed at the end of the "
                                             "report.");
    EXPECT_EQ(ItemsLeftOutNote(1000, 1000, kText), std::nullopt);
    EXPECT_EQ(ItemsLeftOutNote(20000, 1000, kText),
              "The first 1,000 of the plan's 20,000 items are listed here; the plan file holds "
              "them all.");
    EXPECT_EQ(ItemMoneyNote(std::nullopt), std::nullopt);
    EXPECT_EQ(ItemMoneyNote(2026), "The items' amounts are as the plan gives them, in the money of "
                                   "their own years, not in 2026 money.");
}

// The file example's items, read from ExamplePlans.cpp: an account with both amounts and a rate
// switch, and living costs with an annual amount alone.
TEST(ReportTextTest, AssumptionsStateTheGeneralDataAndEveryItem) {
    const Plan plan = FileExamplePlan();
    EXPECT_EQ(GeneralAssumptions(plan, kText),
              (std::vector<std::string>{
                  "Born in 1960; retiring at 62, in 2022.",
                  "Income tax 33 % before retirement, 25.5 % from the retirement year on."}));
    EXPECT_EQ(ItemAssumptions(plan, kText),
              (std::vector<ItemAssumption>{
                  {"Savings account", "Income", "10,000 in 2000", "1,200", "2000 to 2021",
                   "Annual amount growing 2.5 % a year. Interest 5 % before 2022, 3.5 % from "
                   "then on. Credits taxed as income. Withdrawals not taxed, open from 2022."},
                  {"Living costs", "Expense", "", "10,000", "2022 to 2050",
                   "Annual amount growing 3 % a year."}}));
}

// An account funded once shows no annual period; nameless items are numbered; an invalid
// withdrawal start opens the account from the first year, as the engine counts it.
TEST(ReportTextTest, AnItemWithoutAnnualAmountHasNoPeriod) {
    Plan plan = ProjectionExamplePlan();
    plan.incomes.front().name.clear();
    plan.incomes.front().withdrawalStart.SetDate(0, 1, 1);
    const ItemAssumption savings = ItemAssumptions(plan, kText).front();
    EXPECT_EQ(savings, (ItemAssumption{"Income item 1", "Income", "1,000 in 2000", "", "",
                                       "Interest 5.9 % before 2002, 2.5 % from then on. Credits "
                                       "not taxed. Withdrawals not taxed, open from the first "
                                       "year."}));
    EXPECT_EQ(GeneralAssumptions(WithoutBirthDate(), kText).front(),
              "No birth date entered, so the report shows no ages; retiring at 60.");
}

// The example starts in 2000, at age 52: an age before that asks nothing of the paths or of
// the spending that lasts.
TEST(ReportTextTest, AnAgeBeforeTheFirstYearIsNamed) {
    const Plan plan = ProjectionExamplePlan();
    const std::string from52 = " comes before the projection's first year, 2000, at age 52: "
                               "choose an age from 52 on.";
    Plan bornLater = plan;
    bornLater.birthDate = MakeDate(2010, 3, 1);
    Plan noFirstYear = plan;
    noFirstYear.incomes.clear();
    const struct {
        Plan plan;
        std::int32_t age;
        std::optional<std::string> problem;
    } cases[] = {
        {plan, 52, std::nullopt},
        {plan, 78, std::nullopt}, // the age in 2026, within the projection
        {plan, 150, std::nullopt},
        {plan, 1000, std::nullopt},
        {plan, 51, "Age 51" + from52},
        {plan, 3, "Age 3" + from52},
        {plan, 0, "Age 0" + from52},
        {plan, -1, "Age -1" + from52},
        // Born after the first year: age 0 is reached within the projection.
        {bornLater, 0, std::nullopt},
        {WithoutBirthDate(), 3, std::nullopt},
        {noFirstYear, 3, std::nullopt},
    };
    for (const auto& row : cases)
        EXPECT_EQ(UntilAgeProblem(row.plan, row.age), row.problem) << row.age;
    const Plan plans[] = {bornLater, plan, plan};
    const std::string names[] = {"a.Orbe", "b.Orbe", "c.Orbe"};
    EXPECT_EQ(UntilAgeProblem(plans, names, 51),
              "b.Orbe: Age 51 comes before the projection's first year, 2000, at age 52: choose "
              "an age from 52 on.");
    EXPECT_EQ(UntilAgeProblem(plans, names, 52), std::nullopt);
}
