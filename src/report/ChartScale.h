#pragma once

#include "model/ProjectionTable.h"
#include "model/Risk.h"

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// The scales of the projection chart, shared by the window and the printed report so that both
// draw the same axes; no pixels here, only which values and years are marked.

// A value axis from one round number to another, with a tick every step.
struct ValueScale {
    double lowest = 0;
    double highest = 1;
    double step = 1;

    // The ticks from lowest to highest.
    std::vector<double> Ticks() const;
    bool operator==(const ValueScale& other) const = default;
};

// The lowest and highest of the rows' income, withdrawals and assets, and 0: what a value axis
// of the projection must hold.
std::pair<std::int32_t, std::int32_t> AmountSpan(const ProjectionTable& table);

// The span widened to hold every percentile of a risk run's band that has an amount.
std::pair<std::int32_t, std::int32_t> WidenedByBand(std::pair<std::int32_t, std::int32_t> span,
                                                    std::span<const RiskYear> band);

// The scale that holds lowest to highest in at most `intervals` steps of 1, 2, 2.5 or 5 times
// a power of ten, never less than 1 (amounts are whole units); a span across zero takes two at
// the least. A span without width, or one that is not a number, still gets a scale of one step.
ValueScale NiceValueScale(double lowest, double highest, std::int32_t intervals);

// The rows whose years are labelled when the axis has room for `room` labels: every year when
// they fit, otherwise the round years every 2, 5, 10, 20, 25 or 50 years, as few steps apart as
// fit. Never an empty list for a non-empty axis: a short axis without a round year labels its
// first.
std::vector<std::int32_t> LabelledYearRows(std::int32_t firstYear, std::int32_t rowCount,
                                           std::int32_t room);

enum class ChartMarkKind {
    Retirement,
    // The last row's expenses could not all be paid.
    NotCovered,
    // The year the projection could not calculate because its amounts left 32 bits: one past
    // the last row.
    CalculationLimit,
};

struct ChartMark {
    ChartMarkKind kind;
    std::int32_t year;
    bool operator==(const ChartMark& other) const = default;
};

// How a shown projection ended, as the chart marks it.
struct ChartEnding {
    bool lastRowCovered = true;
    // The year that could not be calculated, when the projection stopped at the limit.
    std::optional<std::int32_t> limitYear;
};

// The marks of a projection of rowCount rows from firstYear: the retirement year when shown,
// the uncovered last year, and the year of the calculation limit.
std::vector<ChartMark> ChartMarks(std::int32_t firstYear, std::int32_t rowCount,
                                  std::int32_t retirementYear, const ChartEnding& ending);

// The number of columns the chart's year axis needs: the rows, and one more for a limit mark.
std::int32_t ChartColumns(std::int32_t rowCount, const ChartEnding& ending);

// Years in a row: those of one drawn series, or those a chart's year axis runs over.
struct YearSpan {
    std::int32_t firstYear = 0;
    std::int32_t count = 0;
    bool operator==(const YearSpan& other) const = default;
};

// The years an axis must run over to draw every series whole, whichever starts first or ends
// last: another plan compared may start before the open one. A series without years adds none.
YearSpan SpanningYears(std::span<const YearSpan> series);
