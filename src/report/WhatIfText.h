#pragma once

#include "model/Plan.h"
#include "model/WhatIf.h"

#include <cstdint>
#include <string>
#include <vector>

// What the What If views say, in UTF-8: the window's pane and the browser's view show these
// words, only the numbers' digits being each edition's own.

// A number of percentage points in words, with its sign: "+1 point", "-2 points", "0 points".
std::string PointsInWords(std::int32_t points);

// How long the variant's money lasts, with the age at its horizon when the plan has one and the
// calculation limit named when the projection stopped there.
std::string HorizonSentence(const Reach& reach, const Plan& plan, std::int32_t firstYear);

// The largest spending that lasts to the age, after the "Sustainable spending to age N" the
// views show before it; returns are the points the returns are moved by.
std::string SustainableSentence(const SustainableSpending& found, std::int32_t returnPoints);

// orbelan-cli sustain's answer on a line of its own: "sustainable spending to age 95: 87%",
// "...: none", or "...: unknown, " and where the projection stops.
std::string SustainLine(std::int32_t age, const SustainableSpending& found);

// What the views say once the search for the sustainable spending is cancelled.
std::string SustainCancelledText();

// What the views say in place of the variant's and the grid's answers: before the plan is
// calculated, and where memory ran out.
std::string WhatIfNeedsCalculationText();
std::string GridNeedsCalculationText();
std::string VariantNoMemoryText();
std::string GridNotCalculatedText();

// Above the sensitivity grid: what its cells and headings say.
std::string GridTitle();

// The sensitivity grid's headings: a column's expenses, "70%", and a row's returns, "-3".
std::string GridExpensesHeading(std::int32_t percent);
std::string GridReturnsHeading(std::int32_t points);

// A cell of the grid: its horizon as HorizonLabel writes it ("2039+" where the projection
// stopped at the calculation limit), and that in words for the cell's tip.
std::string GridCellText(const Reach& reach);
std::string GridCellTip(const Reach& reach);

struct GridLegendEntry {
    HorizonBand band = HorizonBand::Lasting;
    std::string text;

    bool operator==(const GridLegendEntry& other) const = default;
};

// The legend of the grid's colours for the plan and the age; with an invalid birth date only
// the bands without a milestone are known, and the band of the calculation limit shows only
// where a cell is in it.
std::vector<GridLegendEntry> GridLegend(const HorizonGrid& grid, const Plan& plan,
                                        std::int32_t age);
// Below the legend, what "+" means where a cell has it in another colour than the limit's;
// empty otherwise.
std::string GridNote(const HorizonGrid& grid, const Plan& plan, std::int32_t age);
