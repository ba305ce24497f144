#pragma once

#include "report/ChartScale.h"

#include <cstdint>
#include <string>
#include <string_view>

// The projection chart's words, in UTF-8: the window's chart, the PDF report's and the
// browser's name their series and marks with these.

enum class ChartSeries {
    Income,
    Withdrawals,
    TotalAssets,
    AvailableAssets,
    // The assets of a What If variant.
    VariantTotalAssets,
    VariantAvailableAssets,
    // Over the paths of a risk run: Total Assets between the 10th and 90th percentile, their
    // median, and the Total Assets of one path opened, which TotalAssetsOf names.
    RiskBand,
    RiskMedian,
    RiskPath,
};

std::string SeriesName(ChartSeries series);

// "Total Assets (NAME)": a risk path's or another plan's, beside the open plan's own.
std::string TotalAssetsOf(std::string_view name);

// "Retirement 2040", "2051: expenses not fully paid", or the limit's LimitStopText.
std::string MarkText(const ChartMark& mark);

// The amount axis's title in today's money: "In 2026 money".
std::string TodaysMoneyTitle(std::int32_t currentYear);
