#include "report/ReportSummary.h"

#include "model/Projection.h"
#include "model/YearBreakdown.h"
#include "report/GoalText.h"
#include "report/LimitText.h"
#include "report/OutlastText.h"
#include "report/PlanChecks.h"
#include "report/ReportRiskSentence.h"
#include "report/UntilAgeCheck.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// "2040 (age 92)", or the year alone for a plan without an age in it.
std::string YearWithAge(const Plan& plan, std::int32_t year) {
    const std::optional<std::int32_t> age = NamedAge(plan, year);
    return age ? Number(year) + " (age " + Number(*age) + ")" : Number(year);
}

std::string ReachSentence(const ReportSummaryFacts& facts, const Plan& plan,
                          const ExplanationText& text) {
    if (facts.rowCount == 0)
        return NoFirstYearProblem(plan)->sentence;
    const Reach& reach = facts.reach;
    if (reach.limitYear) {
        const std::string stop = LimitStopText(*reach.limitYear) +
                                 ", where the amounts grow beyond what it can calculate";
        if (reach.horizon < facts.firstYear)
            return stop + ".";
        return "The money lasts at least until " + YearWithAge(plan, reach.horizon) + ". " + stop +
               ": whether it lasts longer is not known.";
    }
    if (const std::optional<std::int32_t> end = OutlastedExpensesEnd(reach, LastExpenseYear(plan)))
        return OutlastsSentence(plan, *end) + ".";
    if (!reach.firstUncoveredYear)
        return "The money lasts through " + YearWithAge(plan, reach.horizon) +
               ", the last year projected.";
    const std::string shortfall = "falls short in " + YearWithAge(plan, *reach.firstUncoveredYear) +
                                  " by " + text.amount(facts.unpaid) +
                                  ": that year's expenses cannot all be paid.";
    if (reach.horizon < facts.firstYear)
        return "The money " + shortfall;
    return "The money lasts until " + YearWithAge(plan, reach.horizon) + ". It first " + shortfall;
}

std::string SustainableSentence(const ReportSummaryFacts& facts) {
    if (facts.untilAgeProblem)
        return *facts.untilAgeProblem;
    const std::string lead = "Sustainable spending to age " + Number(facts.untilAge) + ": ";
    if (!facts.sustainable)
        return lead + "not worked out for a plan of more than " + Number(kMostReportItems) +
               " items; orbelan-cli sustain works it out.";
    switch (facts.sustainable->status) {
    case SustainStatus::Found:
        return lead + Number(facts.sustainable->percent) +
               " % of the planned expenses, the most whose money lasts to that age.";
    case SustainStatus::NoneCovered:
        return lead + "none; the money runs out before that age even without expenses.";
    case SustainStatus::StopsAtLimit:
        return lead + "unknown; " + ProjectionStopsAt(facts.sustainable->limitYear) + ".";
    case SustainStatus::InvalidBirthDate:
        return InvalidBirthDateProblem().sentence;
    case SustainStatus::CannotCalculate:
    case SustainStatus::Stopped:
        break;
    }
    return lead + "could not be calculated.";
}

} // namespace

ReportSummaryFacts GatherSummaryFacts(const Plan& plan, const ProjectionTable& table,
                                      bool lastRowCovered, std::optional<std::int32_t> limitYear,
                                      std::int32_t untilAge) {
    ReportSummaryFacts facts;
    facts.firstYear = table.firstYear;
    // Without a first year the engine projects from year 0: no year of the plan's.
    facts.rowCount = NoFirstYearProblem(plan) ? 0 : table.rowCount;
    if (facts.rowCount == 0)
        return facts;
    ProjectionOutcome outcome;
    outcome.lastRowCovered = lastRowCovered;
    if (limitYear) {
        outcome.status = ProjectionStatus::AmountOutOfRange;
        outcome.stoppedYear = *limitYear;
    }
    facts.reach = ReachOf(table, outcome);
    if (!limitYear && facts.reach.firstUncoveredYear) {
        if (const std::optional<YearBreakdown> year =
                ExplainYear(plan, *facts.reach.firstUncoveredYear))
            facts.unpaid = year->unpaid;
    }
    facts.untilAge = untilAge;
    facts.untilAgeProblem = UntilAgeProblem(plan, untilAge);
    if (!facts.untilAgeProblem && plan.incomes.size() + plan.expenses.size() <= kMostReportItems)
        facts.sustainable = FindSustainableSpending(plan, untilAge, {}, {}, 0);
    return facts;
}

std::vector<std::string> SummarySentences(const ReportSummaryFacts& facts, const Plan& plan,
                                          const ExplanationText& text) {
    std::vector<std::string> sentences{ReachSentence(facts, plan, text)};
    if (facts.rowCount == 0)
        return sentences;
    sentences.push_back(SustainableSentence(facts));
    if (facts.risk)
        sentences.push_back(RiskReportSentence(*facts.risk, text));
    if (facts.goal) {
        sentences.push_back(GoalSpendingText(*facts.goal, ReportNumbers(text)));
        if (const std::string lasts = GoalLastsText(*facts.goal); !lasts.empty())
            sentences.push_back(lasts);
    }
    return sentences;
}

std::string MoneySentence(std::optional<std::int32_t> todaysMoneyYear, float inflation,
                          const ExplanationText& text) {
    if (!todaysMoneyYear)
        return "Amounts as projected, in the money of each year.";
    return "Amounts in today's money: in " + Number(*todaysMoneyYear) + " money, at " +
           text.rate(inflation) + " % inflation a year.";
}

std::string MadeOnLine(std::int32_t year, std::int32_t month, std::int32_t day,
                       const std::string& version) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", static_cast<int>(year),
                  static_cast<int>(month), static_cast<int>(day));
    return "Made on " + std::string(date) + " by Orbelan " + version;
}

std::string NotAdviceStatement() {
    return "This report is a projection under the assumptions stated in it, not financial "
           "advice: real returns, taxes and prices will differ from them, and so will the "
           "figures.";
}
