#pragma once

#include "model/Plan.h"
#include "model/YearBreakdown.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// The lines that explain one year of the projection so that its figures add up: the year's age,
// the rates in force, every income item from its opening to its closing balance, the expenses,
// each withdrawal from gross to received, and what could not be paid. Kept apart from the Year
// Details widget so that the wording is tested without a window; the figures are the engine's
// own breakdown.
struct ExplanationLine {
    // 0 for a heading, 1 for an item under it, 2 for a figure of an item.
    int depth = 0;
    QString label;
    // Empty for a line without an amount.
    QString amount;
    // The line a reader must not miss: expenses that could not be paid.
    bool emphasised = false;

    bool operator==(const ExplanationLine& other) const = default;
};

// How an amount of the year is written: in the year's or today's money, with digit grouping.
using AmountFormat = std::function<QString(std::int64_t)>;

std::vector<ExplanationLine> ExplainYearLines(const YearBreakdown& year, const Plan& plan,
                                              const AmountFormat& format);
