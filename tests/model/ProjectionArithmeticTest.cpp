#include "model/ProjectionArithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ProjectionArithmeticTest, RoundHalfAwayNarrowsToFloatFirst) {
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfAway(1.4999), 1);
    EXPECT_EQ(RoundHalfAway(-1.4999), -1);
    EXPECT_EQ(RoundHalfAway(0.0), 0);
    EXPECT_EQ(RoundHalfAway(-0.0), 0);
    EXPECT_EQ(RoundHalfAway(-0.4), 0);
    // 52.4999988 narrows to 52.5 and rounds away from zero.
    EXPECT_EQ(RoundHalfAway(52.4999988), 53);
    EXPECT_EQ(RoundHalfAway(16777217.0), 16777216);
}

TEST(ProjectionArithmeticTest, RoundHalfAwayReportsResultsBeyond32Bits) {
    EXPECT_EQ(RoundHalfAway(2147483520.0), 2147483520);
    // Narrows to 2^31, which does not fit.
    EXPECT_EQ(RoundHalfAway(2147483647.0), std::nullopt);
    EXPECT_EQ(RoundHalfAway(-2147483648.0), -2147483647 - 1);
    EXPECT_EQ(RoundHalfAway(-2147483904.0), std::nullopt);
    EXPECT_EQ(RoundHalfAway(1e300), std::nullopt);
    EXPECT_EQ(RoundHalfAway(std::numeric_limits<double>::infinity()), std::nullopt);
    EXPECT_EQ(RoundHalfAway(std::nan("")), std::nullopt);
}

TEST(ProjectionArithmeticTest, InterestUsesTheSinglePrecisionPercent) {
    EXPECT_EQ(Interest(1050, 5.0f), 53);
    EXPECT_EQ(Interest(1000, 5.0f), 50);
    EXPECT_EQ(Interest(503, 2.0f), 10);
    EXPECT_EQ(Interest(1828, 4.0f), 73);
    EXPECT_EQ(Interest(-1050, 5.0f), -53);
    EXPECT_EQ(Interest(0, std::numeric_limits<float>::infinity()), 0);
}

TEST(ProjectionArithmeticTest, CompoundAndDiscount) {
    EXPECT_EQ(Compound(16777217, 0.0f, 1), 16777216);
    EXPECT_EQ(Compound(1000, 10.0f, 0), 1000);
    EXPECT_EQ(Compound(1000, 10.0f, 1), 1100);
    EXPECT_EQ(Compound(1000, 10.0f, 2), 1210);
    EXPECT_EQ(Compound(1040, -30.0f, 1), 728);
    EXPECT_EQ(Compound(124, -30.0f, 1), 87);
    EXPECT_EQ(Discount(87, -30.0f, 1), 124);
    EXPECT_EQ(Discount(600, -20.0f, 1), 750);
    // A zero amount stays zero even when the factor overflows to infinity.
    EXPECT_EQ(Compound(0, 1000.0f, 10000), 0);
    EXPECT_EQ(Discount(0, -100.0f, 1), 0);
    EXPECT_EQ(Compound(1, 1000.0f, 10000), std::nullopt);
    // The float 0.01 makes 1 - 100 % a tiny positive factor, not zero.
    EXPECT_EQ(Discount(5, -100.0f, 1), 223696208);
    EXPECT_EQ(Discount(100, -100.0f, 1), std::nullopt);
}

TEST(ProjectionArithmeticTest, WholePercentTruncatesTowardZero) {
    EXPECT_EQ(WholePercent(5.9f), 5.0f);
    EXPECT_EQ(WholePercent(-2.5f), -2.0f);
    EXPECT_EQ(WholePercent(-0.5f), 0.0f);
    EXPECT_EQ(WholePercent(33.5f), 33.0f);
    EXPECT_EQ(WholePercent(3e30f), 3e30f);
}

TEST(ProjectionArithmeticTest, MoneySumsStayInside32Bits) {
    EXPECT_EQ(AddMoney(2147483647, 0), 2147483647);
    EXPECT_EQ(AddMoney(2147483647, 1), std::nullopt);
    EXPECT_EQ(SubtractMoney(0, -2147483647 - 1), std::nullopt);
    EXPECT_EQ(SubtractMoney(-1, 2147483647), -2147483647 - 1);
    EXPECT_EQ(AddMoney(std::nullopt, 1), std::nullopt);
}
