#pragma once

#include "model/Plan.h"
#include "model/YearBreakdown.h"
#include "report/ShownYear.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The lines that explain one year of the projection so that its figures add up: the year's age,
// the rates in force, every income item from its opening balance through its balance after the
// year's credits to its closing one, Total and Available Assets, the expenses, the withdrawals'
// rule and each draw from gross to received, what could not be paid, and a stop at the
// calculation limit after the year. The desktop's Year Details, orbelan-cli explain and the
// browser's Year Details show these same lines; the figures are the engine's own breakdown.
struct ExplanationLine {
    // 0 for a heading, 1 for an item under it, 2 for a figure of an item.
    int depth = 0;
    // UTF-8, with the numbers given by ExplanationText as it wrote them.
    std::string label;
    // As shown (see ShownYear.h); each edition writes it in its own way. Empty for a line
    // without one.
    std::optional<std::int64_t> amount;
    // A sentence a reader must not miss, read whole across the columns.
    bool emphasised = false;

    bool operator==(const ExplanationLine& other) const = default;
};

// How each edition writes the numbers inside a label, as its other texts write them.
struct ExplanationText {
    // A rate the plan gives, such as 2.5.
    std::function<std::string(float)> rate;
    // An amount as shown, inside a sentence.
    std::function<std::string(std::int64_t)> amount;
};

// A path of the risk run, whose returns are moved by whole points each year.
struct ExplainedPath {
    // How the Risk view names it: "worst path, no. 37".
    std::string name;
    // The points this year's interest rates are moved by.
    std::int32_t points = 0;
};

struct ExplanationSettings {
    // Amounts in today's money, or in the year's own.
    std::optional<TodaysMoneyBasis> todaysMoney;
    // The year is a year of this path rather than of the plan's projection.
    std::optional<ExplainedPath> path;
};

std::vector<ExplanationLine> ExplainYearLines(const YearBreakdown& year, const Plan& plan,
                                              const ExplanationText& text,
                                              const ExplanationSettings& settings = {});

// The same lines handed over one by one as they are made, so that a year of a plan with
// millions of items never holds them all.
using ExplanationLineSink = std::function<void(ExplanationLine)>;
void ForEachExplanationLine(const YearBreakdown& year, const Plan& plan,
                            const ExplanationText& text, const ExplanationSettings& settings,
                            const ExplanationLineSink& each);
