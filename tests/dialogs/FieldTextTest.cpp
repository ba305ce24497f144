#include "dialogs/FieldText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::optional<std::int32_t> Integer(const char* text) {
    return ParseInteger(QString::fromLatin1(text));
}

std::optional<float> Real(const char* text) {
    return ParseReal(QString::fromLatin1(text));
}

} // namespace

TEST(FieldTextTest, IntegersAllowBlanksAndTabsAroundAndASign) {
    EXPECT_EQ(Integer(" \t12\t "), 12);
    EXPECT_EQ(Integer("+5"), 5);
    EXPECT_EQ(Integer("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(Integer("2147483647"), std::numeric_limits<std::int32_t>::max());
}

TEST(FieldTextTest, IntegersRefuseAnythingElse) {
    for (const char* text :
         {"", " ", "12a", "1 2", "+-5", "-", "1.0", "2147483648", "-2147483649", "0x10", "\n5"})
        EXPECT_EQ(Integer(text), std::nullopt) << text;
}

TEST(FieldTextTest, RealsTakeDecimalNumbers) {
    EXPECT_EQ(Real("33"), 33.0f);
    EXPECT_EQ(Real(" -1.5e3\t"), -1500.0f);
    EXPECT_EQ(Real("+.5"), 0.5f);
    EXPECT_EQ(Real("5."), 5.0f);
    EXPECT_EQ(Real("2E-1"), 0.2f);
    EXPECT_EQ(Real("3.4e38"), 3.4e38f);
}

TEST(FieldTextTest, RealsRefuseWhatIsNoFiniteFloat) {
    for (const char* text : {"", "abc", ".", "e5", "1e", "1,5", "inf", "nan", "0x1p3", "1e39",
                             "-1e39", "1.5.2", "--1"})
        EXPECT_EQ(Real(text), std::nullopt) << text;
}

TEST(FieldTextTest, FormatsLikePrintf) {
    EXPECT_EQ(FormatInteger(-5), QStringLiteral("-5"));
    EXPECT_EQ(FormatReal(33.0f), QStringLiteral("33"));
    EXPECT_EQ(FormatReal(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(FormatReal(123456.7f), QStringLiteral("123457"));
    EXPECT_EQ(FormatReal(1e6f), QStringLiteral("1e+006"));
    EXPECT_EQ(FormatReal(-2.5e-5f), QStringLiteral("-2.5e-005"));
}
