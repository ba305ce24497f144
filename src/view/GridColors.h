#pragma once

#include "model/WhatIf.h"

#include <QColor>

// The sensitivity grid's colours on a fixed scale: red where the money runs out before the
// retirement year, amber where it runs out before the age asked for, green where it lasts, blue
// where the calculation limit stops the projection before that age. The browser's grid takes
// the same colours (page.css).

// Light enough to read a year in black on, in a light or a dark theme; no colour (invalid) for
// a band that is not known.
QColor BandColor(HorizonBand band);
