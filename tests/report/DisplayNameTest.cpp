#include "report/DisplayName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(DisplayNameTest, Utf8StaysAndEverythingElseIsReadAsWindows1252) {
    struct Case {
        std::string stored;
        std::string shown;
    };
    const std::vector<Case> cases{
        {"", ""},
        {"Rent", "Rent"},
        {"Caf\xc3\xa9 fund", "Caf\xc3\xa9 fund"},
        {"\xf0\x9f\x8f\xa0 house", "\xf0\x9f\x8f\xa0 house"},
        {"\xef\xbb\xbf"
         "A",
         "\xef\xbb\xbf"
         "A"},
        // Latin-1 where Windows-1252 agrees with it, the code page's own characters below.
        {"Caf\xe9 fund", "Caf\xc3\xa9 fund"},
        {"\x80\x9f\xff", "\xe2\x82\xac\xc5\xb8\xc3\xbf"},
        {"\x81\x8d\x8f\x90\x9d", "\xc2\x81\xc2\x8d\xc2\x8f\xc2\x90\xc2\x9d"},
        // Not UTF-8: an overlong '/', a surrogate, beyond U+10FFFF, cut short, a stray trail.
        {"\xc0\xaf", "\xc3\x80\xc2\xaf"},
        {"\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},
        {"\xf4\x90\x80\x80", "\xc3\xb4\xc2\x90\xe2\x82\xac\xe2\x82\xac"},
        {"\xe2\x82", "\xc3\xa2\xe2\x80\x9a"},
        {"a\xbf", "a\xc2\xbf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayName(c.stored), c.shown) << c.stored;
        EXPECT_TRUE(IsValidUtf8(DisplayName(c.stored))) << c.stored;
    }
}
