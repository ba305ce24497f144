#pragma once

#include "model/Plan.h"
#include "model/YearBreakdown.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The lines that explain one year of the projection so that its figures add up: the year's age,
// the rates in force, every income item from its opening to its closing balance, the expenses,
// each withdrawal from gross to received, and what could not be paid. The desktop's Year
// Details and the browser's show these same lines; the figures are the engine's own breakdown.
struct ExplanationLine {
    // 0 for a heading, 1 for an item under it, 2 for a figure of an item.
    int depth = 0;
    // UTF-8, with the parts given by ExplanationText as it wrote them.
    std::string label;
    // In the year's money; each edition shows it in its own way. Empty for a line without one.
    std::optional<std::int64_t> amount;
    // The line a reader must not miss: expenses that could not be paid.
    bool emphasised = false;

    bool operator==(const ExplanationLine& other) const = default;
};

// How each edition writes what a label holds besides words, as its other texts write it.
struct ExplanationText {
    // An item's stored name, never empty.
    std::function<std::string(const std::string&)> name;
    // A rate the plan gives, such as 2.5.
    std::function<std::string(float)> rate;
    // An amount of the year inside a sentence.
    std::function<std::string(std::int64_t)> amount;
};

std::vector<ExplanationLine> ExplainYearLines(const YearBreakdown& year, const Plan& plan,
                                              const ExplanationText& text);
