#include "persist/InterruptedWrite.h"

#include <gtest/gtest.h>

TEST(InterruptedWriteTest, OnlyWhatTheWriteCanLeaveCountsAsTorn) {
    struct Case {
        const char* current;
        const char* oldBytes;
        const char* newBytes;
        WriteState state;
    };
    const Case cases[] = {
        {"abcdef", "abcdef", "XYZ", WriteState::Old},
        {"XYZ", "abcdef", "XYZ", WriteState::New},
        {"XYcdef", "abcdef", "XYZ", WriteState::Torn}, // cut after two bytes
        {"XYZdef", "abcdef", "XYZ", WriteState::Torn}, // written, not yet cut
        {"XYZ", "abc", "XYZUVW", WriteState::Torn},    // same length as the old
        {"XYZU", "abc", "XYZUVW", WriteState::Torn},   // past the old end
        {"XYZUVW", "abc", "XYZUVW", WriteState::New},
        {"XYZV", "abc", "XYZUVW", WriteState::Other},    // not a start of the new
        {"XYZUVWQ", "abc", "XYZUVW", WriteState::Other}, // longer than both
        {"XYc", "abcdef", "XYZ", WriteState::Other},     // cut shorter than the old
        {"XbZdef", "abcdef", "XYZ", WriteState::Other},  // old byte inside the new
        {"later", "abcdef", "XYZ", WriteState::Other},
        {"", "abc", "XYZ", WriteState::Other},
        {"", "", "XYZ", WriteState::Old},
        {"X", "", "XYZ", WriteState::Torn},
        // The old bytes put back part-way over a torn file: done again, never taken for
        // a later change.
        {"aYZdef", "abcdef", "XYZ", WriteState::Torn},   // one byte over "XYZdef"
        {"abZU", "abc", "XYZUVW", WriteState::Torn},     // two bytes over "XYZU"
        {"abcU", "abc", "XYZUVW", WriteState::Torn},     // all of them, not yet cut
        {"aYcdZf", "abcdef", "XYZ", WriteState::Other},  // a new byte after the old again
        {"abcUVWQ", "abc", "XYZUVW", WriteState::Other}, // longer than both
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyWrite(c.current, c.oldBytes, c.newBytes), c.state)
            << c.current << " / " << c.oldBytes << " / " << c.newBytes;
}
