#pragma once

#include "model/ProjectionTable.h"
#include "model/Risk.h"
#include "report/ChartScale.h"

#include <QRectF>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

// Another plan drawn beside the open one, its Total Assets under its name.
struct ChartScenario {
    QString name;
    ProjectionTable table;
};

// What the printed chart shows: the projection as the table beside it shows it, and the plans
// it is compared with in the same money.
struct ChartPicture {
    ProjectionTable table;
    std::int32_t retirementYear = 0;
    ChartEnding ending;
    std::vector<ChartScenario> scenarios;
    // A risk run's band and median over its paths, in the table's money; empty without a run.
    std::vector<RiskYear> band;
    // The amount axis's title, "In 2026 money" in today's money; empty for amounts as projected.
    QString amountTitle;
};

// Draws the chart as vectors into the area, in the painter's font, dark on a light page: the
// same scales, series, marks and legend as the window's chart, every label whole. The years run
// over every plan drawn, the earliest first.
void PaintChart(QPainter& painter, const QRectF& area, const ChartPicture& picture);
