#include "persist/NumberText.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>
#include <utility>

// The plan file's reader takes the longest number at its position and leaves the rest, so an
// 'e' without exponent digits ends the number instead of spoiling it.
TEST(NumberTextTest, NumberLengthTakesTheLongestNumberOfItsForm) {
    struct Case {
        std::string_view text;
        NumberForm form;
        std::size_t length;
    };
    const Case cases[] = {
        {"12x", NumberForm::Integer, 2},   {"-3 4", NumberForm::Integer, 2},
        {"+7", NumberForm::Integer, 2},    {"1.5", NumberForm::Integer, 1},
        {"+", NumberForm::Integer, 0},     {"+-1", NumberForm::Integer, 0},
        {"", NumberForm::Integer, 0},      {"1.5e3x", NumberForm::Decimal, 5},
        {"2E-2", NumberForm::Decimal, 4},  {"1e", NumberForm::Decimal, 1},
        {"1e+x", NumberForm::Decimal, 1},  {"1.", NumberForm::Decimal, 2},
        {".5", NumberForm::Decimal, 2},    {".", NumberForm::Decimal, 0},
        {"-.e1", NumberForm::Decimal, 0},  {"inf", NumberForm::Decimal, 0},
        {"0x1p3", NumberForm::Decimal, 1}, {"1.2.3", NumberForm::Decimal, 3},
    };
    for (const Case& given : cases)
        EXPECT_EQ(NumberLength(given.text, given.form), given.length) << given.text;
}

// Only an integer refused for its size is said to be out of range.
TEST(NumberTextTest, IntegersBeyondTheRangeAreToldApart) {
    const std::pair<std::string_view, bool> cases[] = {
        {"2147483648", true},    {" -2147483649\t", true},
        {"+3000000000", true},   {"99999999999999999999", true},
        {"2147483647", false},   {"-2147483648", false},
        {"3000000000.0", false}, {"3e9", false},
        {"50,000", false},       {"", false}};
    for (const auto& [text, beyond] : cases)
        EXPECT_EQ(IsIntegerBeyondRange(text), beyond) << text;
}
