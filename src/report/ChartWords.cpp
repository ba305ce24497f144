#include "report/ChartWords.h"

#include "report/LimitText.h"

std::string SeriesName(ChartSeries series) {
    switch (series) {
    case ChartSeries::Income:
        return "Income";
    case ChartSeries::Withdrawals:
        return "Withdrawals";
    case ChartSeries::TotalAssets:
        return "Total Assets";
    case ChartSeries::AvailableAssets:
        return "Available Assets";
    case ChartSeries::VariantTotalAssets:
        return "Total Assets (what if)";
    case ChartSeries::VariantAvailableAssets:
        return "Available Assets (what if)";
    case ChartSeries::RiskBand:
        return "Total Assets, 10th to 90th percentile of paths";
    case ChartSeries::RiskMedian:
        return "Total Assets, median of paths";
    case ChartSeries::RiskPath:
        return TotalAssetsOf("path");
    }
    return {};
}

std::string TotalAssetsOf(std::string_view name) {
    return "Total Assets (" + std::string(name) + ')';
}

std::string MarkText(const ChartMark& mark) {
    const std::string year = std::to_string(mark.year);
    switch (mark.kind) {
    case ChartMarkKind::Retirement:
        return "Retirement " + year;
    case ChartMarkKind::NotCovered:
        return year + ": expenses not fully paid";
    case ChartMarkKind::CalculationLimit:
        return LimitStopText(mark.year);
    }
    return {};
}

std::string TodaysMoneyTitle(std::int32_t currentYear) {
    return "In " + std::to_string(currentYear) + " money";
}
