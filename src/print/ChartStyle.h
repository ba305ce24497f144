#pragma once

#include "report/ChartWords.h"

#include <QColor>
#include <QPen>
#include <QString>

#include <cstddef>
#include <vector>

// How the projection chart looks, in the window and on paper alike: the colour and line of each
// series and mark, and the legend in the chart's words (report/ChartWords). The colours are mid
// tones that read on a light and on a dark background.

QColor SeriesColor(ChartSeries series);
// The line of a line series; bars and the band are filled with SeriesFill.
QPen SeriesPen(ChartSeries series);
QColor SeriesFill(ChartSeries series);
// Drawn as a filled shape rather than a line: its legend sample is a square.
bool IsFilledSeries(ChartSeries series);
bool IsBarSeries(ChartSeries series);

// The Total Assets of the index-th plan compared beside the open one (0 to 2): a colour and a
// dash of its own, apart from the plan's, the variant's and the risk run's lines.
QPen ScenarioPen(std::size_t index);

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
