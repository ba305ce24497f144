#include "model/TodaysMoney.h"

#include <gtest/gtest.h>

TEST(TodaysMoneyTest, LaterYearsAreDiscountedAndEarlierOnesCompounded) {
    struct Case {
        std::int32_t amount;
        float inflation;
        std::int32_t year;
        Money expected;
    };
    // Today is 2026. 1000 / 1.02^2 = 961.17; 1000 x 1.02^3 = 1061.21; 1000 / 1.02 = 980.39.
    const Case cases[] = {
        {1000, 2.0f, 2026, 1000},
        {1000, 2.0f, 2028, 961},
        {1000, 2.0f, 2023, 1061},
        {1000, 2.0f, 2027, 980},
        {-1000, 2.0f, 2027, -980},
        {1000, 0.0f, 2090, 1000},
        {2000000000, 2.0f, 2020, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(InTodaysMoney(c.amount, c.inflation, c.year, 2026), c.expected)
            << c.amount << " of " << c.year;
}
