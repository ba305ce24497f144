#include "report/SignedPoints.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

TEST(SignedPointsTest, SignsEveryNumberAndZeroAsGain) {
    const struct {
        std::int32_t points;
        std::string text;
    } cases[] = {
        {-3, "-3"},
        {0, "+0"},
        {2, "+2"},
        {-2147483647 - 1, "-2147483648"},
        {2147483647, "+2147483647"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SignedPoints(c.points), c.text) << c.points;
}
