#pragma once

#include "report/ChartScale.h"

#include <QColor>
#include <QPen>
#include <QString>

#include <vector>

// How the projection chart looks, in the window and on paper alike: the colour and line of each
// series and mark, and the legend's words. The colours are mid tones that read on a light and
// on a dark background.

enum class ChartSeries {
    Income,
    Withdrawals,
    TotalAssets,
    AvailableAssets,
    // The assets of a What If variant: their own colours and a dashed line.
    VariantTotalAssets,
    VariantAvailableAssets,
};

QString SeriesName(ChartSeries series);
QColor SeriesColor(ChartSeries series);
// The line of a line series; bars are filled with SeriesColor.
QPen SeriesPen(ChartSeries series);
bool IsBarSeries(ChartSeries series);

QString MarkText(const ChartMark& mark);
QPen MarkPen(ChartMarkKind kind);

// One entry of the legend: its words and how its sample is drawn.
struct LegendEntry {
    QString text;
    QPen pen;
    // A filled square rather than a line.
    bool filled = false;
};

// The legend of a chart with the given series and marks, in the order they are drawn.
std::vector<LegendEntry> ChartLegend(const std::vector<ChartSeries>& series,
                                     const std::vector<ChartMark>& marks);
