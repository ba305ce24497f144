#include "dialogs/NameText.h"

#include <gtest/gtest.h>

TEST(NameTextTest, Utf8NamesShowAsUtf8) {
    EXPECT_EQ(NameForDisplay("Caf\xc3\xa9"), QStringLiteral(u"Caf\u00e9"));
    EXPECT_EQ(NameForDisplay(""), QString());
}

TEST(NameTextTest, OtherNamesShowAsWindows1252) {
    EXPECT_EQ(NameForDisplay("Caf\xe9"), QStringLiteral(u"Caf\u00e9"));
    EXPECT_EQ(NameForDisplay("\x80\x9f\xff"), QStringLiteral(u"\u20ac\u0178\u00ff"));
}

TEST(NameTextTest, ALeadingByteOrderMarkStaysVisible) {
    EXPECT_EQ(NameForDisplay("\xef\xbb\xbf"
                             "A"),
              QStringLiteral(u"\ufeffA"));
}

TEST(NameTextTest, UnchangedTextKeepsTheStoredBytes) {
    const std::string legacy = "Caf\xe9";
    EXPECT_EQ(NameFromEdit(NameForDisplay(legacy), legacy), legacy);
}

TEST(NameTextTest, ChangedTextIsStoredAsUtf8) {
    EXPECT_EQ(NameFromEdit(QStringLiteral(u"Caf\u00e9!"), "Caf\xe9"), "Caf\xc3\xa9!");
}
