#pragma once

#include "model/Goal.h"
#include "model/Plan.h"
#include "model/ProjectionTable.h"
#include "model/Risk.h"
#include "model/WhatIf.h"
#include "report/YearExplanation.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A plan of more items than this is too large to search for its sustainable spending within a
// report, and lists only this many items: the report stays quick to make and to read.
inline constexpr std::size_t kMostReportItems = 1000;

// What a report's summary says of a projection: how far the money carries, the spending that
// lasts to an age and, when asked, how sure the plan is when returns vary.
struct ReportSummaryFacts {
    // The first year and, through the reach, the last one the table shows.
    std::int32_t firstYear = 0;
    std::int32_t rowCount = 0;
    Reach reach;
    // What the first uncovered year leaves unpaid, in the money the report shows.
    std::int64_t unpaid = 0;
    std::int32_t untilAge = kDefaultUntilAge;
    // Why the age asks nothing of the plan, said instead of its spending; then no spending.
    std::optional<std::string> untilAgeProblem;
    // Empty for a plan of more than kMostReportItems items.
    std::optional<SustainableSpending> sustainable;
    std::optional<RiskSummary> risk;
    // What can be spent at a confidence over the same paths, and how long the money lasts.
    std::optional<GoalAnswer> goal;
};

// The facts of the plan's projection in table, found by the one engine: the reach, what the
// last year leaves unpaid (in the year's money) and the sustainable spending to the age.
ReportSummaryFacts GatherSummaryFacts(const Plan& plan, const ProjectionTable& table,
                                      bool lastRowCovered, std::optional<std::int32_t> limitYear,
                                      std::int32_t untilAge);

// The summary's sentences, UTF-8, in the order a reader needs them: how long the money lasts or
// where it first falls short, the spending that lasts to the age, the share of paths that last
// when the facts hold a risk run, and what can be spent at a confidence when they hold a goal.
std::vector<std::string> SummarySentences(const ReportSummaryFacts& facts, const Plan& plan,
                                          const ExplanationText& text);

// The sentence that says in which money the report's amounts are.
std::string MoneySentence(std::optional<std::int32_t> todaysMoneyYear, float inflation,
                          const ExplanationText& text);

// "Made on 2026-12-08 by Orbelan 1.4.0".
std::string MadeOnLine(std::int32_t year, std::int32_t month, std::int32_t day,
                       const std::string& version);

// What the report is and is not.
std::string NotAdviceStatement();
