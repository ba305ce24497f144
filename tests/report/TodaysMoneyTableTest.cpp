#include "report/TodaysMoneyTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();

} // namespace

TEST(TodaysMoneyTableTest, AmountsOutsideThirtyTwoBitsShowAtTheNearestLimit) {
    const struct {
        std::int64_t amount;
        std::int32_t year;
        std::int32_t shown;
    } cases[] = {
        // Today is 2026, inflation 2 %: 10000 / 1.02 = 9803.92.
        {10000, 2027, 9804},
        {1000, 2026, 1000},
        // A sum of the Year Details pane that has left 32 bits.
        {3000000000, 2026, kHighest},
        {-3000000000, 2026, kLowest},
        // 2,000,000,000 x 1.02^6 = 2.25e9.
        {2000000000, 2020, kHighest},
        {-2000000000, 2020, kLowest},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShownInTodaysMoney(c.amount, 2.0F, c.year, 2026), c.shown)
            << c.amount << " of " << c.year;
}

TEST(TodaysMoneyTableTest, EachRowIsShownInTheMoneyOfItsOwnYear) {
    ProjectionTable table;
    table.firstYear = 2026;
    table.rowCount = 2;
    table.rows[0] = {10000, 10000, 10000, 10000};
    // 10000 / 1.02 = 9803.92; -5000 / 1.02 = -4901.96; 2000000000 / 1.02 = 1960784313.7, which
    // a float holds as 1960784256.
    table.rows[1] = {10000, 2000000000, -5000, 0};
    const ProjectionTable shown = InTodaysMoney(table, 2.0F, 2026);
    EXPECT_EQ(shown.rows[0], (ProjectionRow{10000, 10000, 10000, 10000}));
    EXPECT_EQ(shown.rows[1], (ProjectionRow{9804, 1960784256, -4902, 0}));
}

TEST(TodaysMoneyTableTest, ARiskBandIsShownInTheMoneyOfEachYearAndBeyondTheLimitStaysSo) {
    // 10000 / 1.02 = 9803.92; -5000 / 1.02 = -4901.96.
    const std::vector<RiskYear> band{{2026, 5, 0, 0, 100, 200, 300},
                                     {2027, 3, 1, 1, -5000, 10000, std::nullopt}};
    const std::vector<RiskYear> shown = InTodaysMoney(band, 2.0F, 2026);
    EXPECT_EQ(shown, (std::vector<RiskYear>{{2026, 5, 0, 0, 100, 200, 300},
                                            {2027, 3, 1, 1, -4902, 9804, std::nullopt}}));
}
