#include "persist/DecimalNumber.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

TEST(DecimalNumberTest, LengthOfTheLongestNumberAtTheStart) {
    const struct {
        std::string_view text;
        bool allowFraction;
        bool allowMinus;
        std::size_t length;
    } cases[] = {
        {"", true, true, 0},        {".", true, true, 0},     {"+.5x", true, true, 3},
        {"5.", true, true, 2},      {"1e", true, true, 1},    {"1E-", true, true, 1},
        {"1.5e+3z", true, true, 6}, {"12.5", false, true, 2}, {"1e5", false, true, 1},
        {"-5", true, false, 0},     {"+5", false, false, 2},  {"inf", true, true, 0},
        {"0x1p3", true, true, 1},   {" 5", true, true, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecimalNumberLength(c.text, c.allowFraction, c.allowMinus), c.length)
            << '"' << c.text << '"';
}

TEST(DecimalNumberTest, ValuesInsideTheirTypeOnly) {
    EXPECT_EQ(RateFromDecimal("+2.5"), std::optional<float>(2.5f));
    EXPECT_EQ(RateFromDecimal("-3.4e38"), std::optional<float>(-3.4e38f));
    EXPECT_EQ(RateFromDecimal("3.5e38"), std::nullopt);
    EXPECT_EQ(IntegerFromDecimal<std::int32_t>("+2147483647"),
              std::optional<std::int32_t>(2147483647));
    EXPECT_EQ(IntegerFromDecimal<std::int32_t>("-2147483649"), std::nullopt);
    EXPECT_EQ(IntegerFromDecimal<std::uint32_t>("4294967295"),
              std::optional<std::uint32_t>(4294967295U));
    EXPECT_EQ(IntegerFromDecimal<std::uint32_t>("-1"), std::nullopt);
}
