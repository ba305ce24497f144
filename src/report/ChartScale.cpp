#include "report/ChartScale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace {

// The factors of a power of ten that make round steps; 2.5 only above single units.
constexpr std::array kStepFactors{1.0, 2.0, 2.5, 5.0};
constexpr std::array<std::int32_t, 8> kYearSteps{1, 2, 5, 10, 20, 25, 50, 100};

double FloorTo(double value, double step) {
    return std::floor(value / step) * step;
}

double CeilTo(double value, double step) {
    return std::ceil(value / step) * step;
}

std::int32_t CountLabels(std::int32_t firstYear, std::int32_t rowCount, std::int32_t step) {
    std::int32_t count = 0;
    for (std::int32_t r = 0; r < rowCount; ++r)
        if ((firstYear + r) % step == 0)
            ++count;
    return count;
}

} // namespace

std::pair<std::int32_t, std::int32_t> AmountSpan(const ProjectionTable& table) {
    std::int32_t lowest = 0;
    std::int32_t highest = 0;
    for (std::int32_t r = 0; r < table.rowCount; ++r) {
        const ProjectionRow& row = table.rows[static_cast<std::size_t>(r)];
        for (const std::int32_t amount :
             {row.income, row.withdrawals, row.totalAssets, row.availableAssets}) {
            lowest = std::min(lowest, amount);
            highest = std::max(highest, amount);
        }
    }
    return {lowest, highest};
}

std::pair<std::int32_t, std::int32_t> WidenedByBand(std::pair<std::int32_t, std::int32_t> span,
                                                    std::span<const RiskYear> band) {
    for (const RiskYear& year : band)
        for (const std::optional<std::int32_t>& amount : {year.p10, year.p50, year.p90})
            if (amount)
                span = {std::min(span.first, *amount), std::max(span.second, *amount)};
    return span;
}

std::vector<double> ValueScale::Ticks() const {
    std::vector<double> ticks;
    const auto count = static_cast<std::int32_t>(std::lround((highest - lowest) / step));
    for (std::int32_t i = 0; i <= count; ++i)
        ticks.push_back(lowest + step * i);
    return ticks;
}

ValueScale NiceValueScale(double lowest, double highest, std::int32_t intervals) {
    if (!std::isfinite(lowest) || !std::isfinite(highest))
        return {};
    intervals = std::max(intervals, 1);
    if (highest < lowest)
        std::swap(lowest, highest);
    if (highest == lowest)
        highest = lowest + 1;
    // No single step holds a span across zero: one step would never be found.
    if (lowest < 0 && highest > 0)
        intervals = std::max(intervals, 2);
    const double raw = (highest - lowest) / intervals;
    for (double power = std::pow(10.0, std::floor(std::log10(raw)));; power *= 10) {
        for (const double factor : kStepFactors) {
            const double step = factor * power;
            if (step < 1 || (factor == 2.5 && power < 10))
                continue;
            const ValueScale scale{FloorTo(lowest, step), CeilTo(highest, step), step};
            if ((scale.highest - scale.lowest) / step <= intervals + 1e-9)
                return scale;
        }
    }
}

std::vector<std::int32_t> LabelledYearRows(std::int32_t firstYear, std::int32_t rowCount,
                                           std::int32_t room) {
    std::vector<std::int32_t> rows;
    if (rowCount <= 0)
        return rows;
    // Years are never negative on the axis; the remainder below relies on it.
    firstYear = std::max(firstYear, 0);
    std::int32_t step = kYearSteps.back();
    for (const std::int32_t candidate : kYearSteps) {
        if (CountLabels(firstYear, rowCount, candidate) <= room || candidate == kYearSteps.back()) {
            step = candidate;
            break;
        }
    }
    for (std::int32_t r = 0; r < rowCount; ++r)
        if (step == 1 || (firstYear + r) % step == 0)
            rows.push_back(r);
    if (rows.empty())
        rows.push_back(0);
    return rows;
}

std::vector<ChartMark> ChartMarks(std::int32_t firstYear, std::int32_t rowCount,
                                  std::int32_t retirementYear, const ChartEnding& ending) {
    std::vector<ChartMark> marks;
    if (rowCount <= 0)
        return marks;
    const std::int32_t lastYear = firstYear + rowCount - 1;
    if (retirementYear >= firstYear && retirementYear <= lastYear)
        marks.push_back({ChartMarkKind::Retirement, retirementYear});
    if (!ending.lastRowCovered)
        marks.push_back({ChartMarkKind::NotCovered, lastYear});
    if (ending.limitYear)
        marks.push_back({ChartMarkKind::CalculationLimit, *ending.limitYear});
    return marks;
}

std::int32_t ChartColumns(std::int32_t rowCount, const ChartEnding& ending) {
    return rowCount + (ending.limitYear && rowCount > 0 ? 1 : 0);
}

YearSpan SpanningYears(std::span<const YearSpan> series) {
    // In 64 bits, so that no year a file can hold overflows its end.
    std::int64_t first = std::numeric_limits<std::int64_t>::max();
    std::int64_t end = std::numeric_limits<std::int64_t>::min();
    for (const YearSpan& years : series) {
        if (years.count <= 0)
            continue;
        first = std::min<std::int64_t>(first, years.firstYear);
        end = std::max<std::int64_t>(end, std::int64_t{years.firstYear} + years.count);
    }
    if (end < first)
        return {};
    return {static_cast<std::int32_t>(first),
            static_cast<std::int32_t>(
                std::min<std::int64_t>(end - first, std::numeric_limits<std::int32_t>::max()))};
}
