#include "report/ChartRoom.h"

#include <gtest/gtest.h>

// Labels 16 high in slots of 24, at least 40 apart; the axes take 52 besides the plot. The
// legend stays while 4 slots, 96, remain for the plot under it.
TEST(ChartRoomTest, TheLegendGivesWayBeforeTheValueLabelsAreCut) {
    const struct {
        double chart;
        double legend;
        double spacing;
        ChartRoom expected;
    } cases[] = {
        {320, 26, 40, {true, 6}},  // 242: 6 by spacing, 8 whole
        {320, 26, 20, {true, 8}},  // 12 by spacing, 8 whole
        {226, 26, 20, {true, 4}},  // 148: 7 by spacing, 6 slots less 2
        {174, 26, 40, {true, 2}},  // exactly 96 left
        {173, 26, 40, {false, 3}}, // 95 left: without the legend 121
        {180, 78, 40, {false, 3}}, // five rows of legend leave 50
        {148, 0, 40, {true, 2}},   // no legend to give way
        {100, 26, 40, {false, 1}}, // 48: not even one interval whole, still one
        {0, 26, 40, {false, 1}},   {4000, 26, 40, {true, 8}},
    };
    for (const auto& c : cases) {
        const ChartHeights heights{c.chart, c.legend, 52, 24, c.spacing};
        EXPECT_EQ(ShareChartHeight(heights), c.expected) << c.chart << " with " << c.legend;
    }
}
