#include "print/ChartStyle.h"

#include <iterator>

namespace {

constexpr qreal kLineWidth = 2;

} // namespace

QColor SeriesColor(ChartSeries series) {
    switch (series) {
    case ChartSeries::Income:
        return {0x6b, 0xae, 0xd6};
    case ChartSeries::Withdrawals:
        return {0xf0, 0x9a, 0x4e};
    case ChartSeries::TotalAssets:
        return {0x1f, 0x77, 0xb4};
    case ChartSeries::AvailableAssets:
        return {0x2c, 0xa0, 0x2c};
    case ChartSeries::VariantTotalAssets:
        return {0xb0, 0x5c, 0xd6};
    case ChartSeries::VariantAvailableAssets:
        return {0xe0, 0x4f, 0xa0};
    case ChartSeries::RiskBand:
    case ChartSeries::RiskMedian:
        return {0x1f, 0x77, 0xb4};
    case ChartSeries::RiskPath:
        return {0xa8, 0xa0, 0x10};
    }
    return {};
}

QPen SeriesPen(ChartSeries series) {
    switch (series) {
    case ChartSeries::VariantTotalAssets:
    case ChartSeries::VariantAvailableAssets:
        // A dash lets the plan's own line show through where the two coincide.
        return QPen(SeriesColor(series), kLineWidth, Qt::DashLine);
    case ChartSeries::RiskBand:
        return QPen(SeriesFill(series), 1);
    case ChartSeries::RiskMedian:
        return QPen(SeriesColor(series), kLineWidth * 0.75, Qt::DashLine);
    case ChartSeries::RiskPath:
        // Dots read apart from the plan's solid and the variant's dashed lines.
        return QPen(SeriesColor(series), kLineWidth * 1.5, Qt::DotLine);
    default:
        return QPen(SeriesColor(series), kLineWidth, Qt::SolidLine);
    }
}

QColor SeriesFill(ChartSeries series) {
    QColor fill = SeriesColor(series);
    // The band lies behind the plan's own lines and bars, which must read through it.
    if (series == ChartSeries::RiskBand)
        fill.setAlpha(0x40);
    return fill;
}

bool IsFilledSeries(ChartSeries series) {
    return IsBarSeries(series) || series == ChartSeries::RiskBand;
}

bool IsBarSeries(ChartSeries series) {
    return series == ChartSeries::Income || series == ChartSeries::Withdrawals;
}

QPen ScenarioPen(std::size_t index) {
    struct Look {
        QColor colour;
        Qt::PenStyle dash;
    };
    static const Look kLooks[] = {{{0x8c, 0x56, 0x4b}, Qt::DashDotLine},
                                  {{0xd6, 0x61, 0x6b}, Qt::DashDotDotLine},
                                  {{0x52, 0x54, 0xa3}, Qt::DotLine}};
    const Look& look = kLooks[index % std::size(kLooks)];
    return QPen(look.colour, kLineWidth, look.dash);
}

QPen MarkPen(ChartMarkKind kind) {
    switch (kind) {
    case ChartMarkKind::Retirement:
        return QPen(QColor(0x90, 0x90, 0x90), 2, Qt::DashLine);
    case ChartMarkKind::NotCovered:
        return QPen(QColor(0xd6, 0x27, 0x28), 3, Qt::SolidLine);
    case ChartMarkKind::CalculationLimit:
        return QPen(QColor(0x17, 0xa8, 0xb8), 3, Qt::DotLine);
    }
    return {};
}

std::vector<LegendEntry> ChartLegend(const std::vector<ChartSeries>& series,
                                     const std::vector<ChartMark>& marks) {
    std::vector<LegendEntry> legend;
    for (const ChartSeries shown : series)
        legend.push_back(
            {QString::fromUtf8(SeriesName(shown)), SeriesPen(shown), IsFilledSeries(shown)});
    for (const ChartMark& mark : marks)
        legend.push_back({QString::fromUtf8(MarkText(mark)), MarkPen(mark.kind), false});
    return legend;
}
