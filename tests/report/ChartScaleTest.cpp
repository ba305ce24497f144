#include "report/ChartScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

TEST(ChartScaleTest, ValueScaleIsRoundAndHoldsTheSpan) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double lowest;
        double highest;
        std::int32_t intervals;
        ValueScale expected;
    } cases[] = {
        {0, 0, 5, {0, 1, 1}},
        {0, 1000, 5, {0, 1000, 200}},
        {0, 1234567, 5, {0, 1250000, 250000}},
        {-608, 42, 4, {-750, 250, 250}},
        {-608, 42, 1, {-1000, 1000, 1000}},
        {-5, 0, 1, {-5, 0, 5}},
        {0, 3, 10, {0, 3, 1}},
        {0, 2147483647, 6, {0, 2.5e9, 5e8}},
        {5, 5, 0, {5, 6, 1}},
        {nan, 5, 5, {0, 1, 1}},
        {0, std::numeric_limits<double>::infinity(), 5, {0, 1, 1}},
    };
    for (const auto& c : cases) {
        const ValueScale scale = NiceValueScale(c.lowest, c.highest, c.intervals);
        EXPECT_EQ(scale, c.expected) << c.lowest << " to " << c.highest;
    }
}

TEST(ChartScaleTest, TicksRunFromLowestToHighestEveryStep) {
    EXPECT_EQ((ValueScale{-750, 250, 250}.Ticks()),
              (std::vector<double>{-750, -500, -250, 0, 250}));
}

TEST(ChartScaleTest, YearLabelsThinToRoundYearsThatFit) {
    const struct {
        std::int32_t firstYear;
        std::int32_t rowCount;
        std::int32_t room;
        std::vector<std::int32_t> expected;
    } cases[] = {
        {2005, 1, 10, {0}},
        {2020, 10, 10, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {2025, 100, 12, {5, 15, 25, 35, 45, 55, 65, 75, 85, 95}},
        {2025, 100, 20, {0,  5,  10, 15, 20, 25, 30, 35, 40, 45,
                         50, 55, 60, 65, 70, 75, 80, 85, 90, 95}},
        {0, 100, 8, {0, 20, 40, 60, 80}},
        {2021, 3, 1, {1}},
        {2001, 4, 1, {0}},
        {2021, 3, 0, {0}},
        {2021, 0, 10, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelledYearRows(c.firstYear, c.rowCount, c.room), c.expected)
            << c.firstYear << " + " << c.rowCount << " in room for " << c.room;
}

TEST(ChartScaleTest, MarksTellRetirementUncoveredAndTheLimitApart) {
    const struct {
        std::int32_t rowCount;
        std::int32_t retirementYear;
        ChartEnding ending;
        std::vector<ChartMark> expected;
        std::int32_t columns;
    } cases[] = {
        {10, 2005, {}, {{ChartMarkKind::Retirement, 2005}}, 10},
        {10, 2030, {false, {}}, {{ChartMarkKind::NotCovered, 2009}}, 10},
        {10, 1999, {true, 2010}, {{ChartMarkKind::CalculationLimit, 2010}}, 11},
        {0, 2000, {false, 2000}, {}, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChartMarks(2000, c.rowCount, c.retirementYear, c.ending), c.expected)
            << c.rowCount << " rows";
        EXPECT_EQ(ChartColumns(c.rowCount, c.ending), c.columns);
    }
}

TEST(ChartScaleTest, YearSpanHoldsEverySeriesWhole) {
    constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::vector<YearSpan> series;
        YearSpan expected;
    } cases[] = {
        {{}, {0, 0}},
        {{{2025, 30}}, {2025, 30}},
        {{{2025, 30}, {2020, 20}}, {2020, 35}},
        {{{2025, 30}, {2030, 40}}, {2025, 45}},
        {{{2025, 30}, {2030, 5}}, {2025, 30}},
        {{{2000, 2}, {2010, 2}}, {2000, 12}},
        {{{2025, 30}, {1900, 0}, {1950, -5}}, {2025, 30}},
        {{{1900, 0}}, {0, 0}},
        {{{kLowest, 1}, {kHighest, 1}}, {kLowest, kHighest}},
    };
    for (const auto& c : cases) {
        const YearSpan span = SpanningYears(c.series);
        EXPECT_EQ(span, c.expected)
            << c.series.size() << " series, got " << span.firstYear << " + " << span.count;
    }
}

// A percentile beyond the calculation limit has no amount and widens nothing.
TEST(ChartScaleTest, BandWidensTheSpanByItsAmountsOnly) {
    const std::vector<RiskYear> band{{2000, 3, 0, 0, -50, 40, std::nullopt},
                                     {2001, 2, 0, 1, 10, 400, std::nullopt}};
    EXPECT_EQ(WidenedByBand({0, 100}, band), (std::pair<std::int32_t, std::int32_t>{-50, 400}));
    EXPECT_EQ(WidenedByBand({-80, 900}, band), (std::pair<std::int32_t, std::int32_t>{-80, 900}));
}
