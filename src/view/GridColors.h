#pragma once

#include "model/Plan.h"
#include "model/WhatIf.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <vector>

// The sensitivity grid's colours on a fixed scale: red where the money runs out before the
// retirement year, amber where it runs out before the age asked for, green where it lasts. Kept
// apart from the grid's widget so that the scale and its legend are tested without a window.

// Light enough to read a year in black on, in a light or a dark theme; no colour (invalid) for
// a band that is not known.
QColor BandColor(HorizonBand band);

struct GridLegendEntry {
    HorizonBand band = HorizonBand::Lasting;
    QString text;
};

// The legend of the scale for the plan and the age, one entry a colour; with an invalid birth
// date only the lasting band is known.
std::vector<GridLegendEntry> GridLegend(const Plan& plan, std::int32_t age);

// What a cell with "+" means, for the legend when one shows.
QString AtLeastUntilNote();
