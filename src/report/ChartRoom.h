#pragma once

#include <cstdint>

// How the projection chart shares its height between the plot, its axes and the legend below
// it, in whatever unit the caller measures: the legend gives way before the plot is too short
// for its value labels to show whole.

// A value axis never has more intervals than this, however tall the chart.
inline constexpr std::int32_t kMostValueIntervals = 8;

struct ChartHeights {
    // The whole chart.
    double chart = 0;
    // The legend's rows with their margins; 0 for a chart without one.
    double legend = 0;
    // What the axes and the chart's edges take above and below the plot.
    double axes = 0;
    // The height a value label needs to show whole. The axis shares the plot's height equally
    // among its labels and one share more.
    double labelSlot = 1;
    // The least distance between two value labels that reads well.
    double spacing = 1;
};

struct ChartRoom {
    bool legendShown = false;
    // The value axis's intervals that its labels have room for: at least 1.
    std::int32_t intervals = 1;

    bool operator==(const ChartRoom& other) const = default;
};

// The legend stays when the plot keeps room below it for a scale across zero, two intervals
// with every label whole; the value axis then takes as many intervals as fit the plot left.
ChartRoom ShareChartHeight(const ChartHeights& heights);
