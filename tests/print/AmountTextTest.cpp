#include "print/AmountText.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(AmountTextTest, GroupsDigitsAsTheLocaleDoes) {
    const struct {
        QLocale locale;
        std::int64_t amount;
        const char* expected;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), 0, "0"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 999, "999"},
        {QLocale(QLocale::English, QLocale::UnitedStates), 1234567, "1,234,567"},
        {QLocale(QLocale::English, QLocale::UnitedStates), -2147483648, "-2,147,483,648"},
        {QLocale(QLocale::German, QLocale::Germany), 1234567, "1.234.567"},
        {QLocale::c(), 1234567, "1234567"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AmountText(c.amount, c.locale), QString::fromUtf8(c.expected)) << c.amount;
}

TEST(AmountTextTest, ShortFormTellsNeighbouringTicksApart) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const struct {
        const QLocale& locale;
        double amount;
        double step;
        const char* expected;
    } cases[] = {
        {english, 0, 250000, "0"},           {english, 500, 250, "500"},
        {english, 1000, 500, "1k"},          {english, 1500, 500, "1.5k"},
        {english, 250000, 250000, "250k"},   {english, 1000000, 250000, "1M"},
        {english, 1250000, 250000, "1.25M"}, {english, 1020000, 20000, "1.02M"},
        {english, -2000, 1000, "-2k"},       {english, 2000000000, 500000000, "2bn"},
        {german, 1500000, 500000, "1,5M"},   {german, 999, 1, "999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortAmountText(c.amount, c.step, c.locale), QString::fromUtf8(c.expected))
            << c.amount;
}
