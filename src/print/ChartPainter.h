#pragma once

#include "model/ProjectionTable.h"
#include "report/ChartScale.h"

#include <QRectF>

#include <cstdint>

class QPainter;

// What the printed chart shows: the projection as the table beside it shows it.
struct ChartPicture {
    ProjectionTable table;
    std::int32_t retirementYear = 0;
    ChartEnding ending;
};

// Draws the chart as vectors into the area, in the painter's font, dark on a light page: the
// same scales, series, marks and legend as the window's chart, every label whole.
void PaintChart(QPainter& painter, const QRectF& area, const ChartPicture& picture);
