#include "report/ChartRoom.h"

#include <algorithm>
#include <cmath>

namespace {

// Three labels and the axis's one share more.
constexpr double kSmallestPlotSlots = 4;

std::int32_t IntervalsIn(double plot, const ChartHeights& heights) {
    const double bySpacing = std::floor(plot / std::max(heights.spacing, 1.0));
    const double whole = std::floor(plot / std::max(heights.labelSlot, 1.0)) - 2;
    const double fitting = std::min(bySpacing, whole);
    if (!(fitting >= 1))
        return 1;
    return static_cast<std::int32_t>(std::min<double>(fitting, kMostValueIntervals));
}

} // namespace

ChartRoom ShareChartHeight(const ChartHeights& heights) {
    const double withoutLegend = heights.chart - heights.axes;
    const double withLegend = withoutLegend - heights.legend;
    const bool shown = heights.legend <= 0 || withLegend >= kSmallestPlotSlots * heights.labelSlot;
    return {shown, IntervalsIn(shown ? withLegend : withoutLegend, heights)};
}
