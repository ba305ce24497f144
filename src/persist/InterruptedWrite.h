#pragma once

#include <string_view>

// What a file holds after a write in place (ReplaceContents: the new bytes from the start,
// then a cut to their length) of newBytes over oldBytes, which may have stopped anywhere.
enum class WriteState {
    // The old bytes: the write had not begun, or was undone.
    Old,
    // The new bytes: the write was complete.
    New,
    // A start of the new bytes, followed by the rest of the old ones when the old were
    // longer: the write stopped part-way, and only the old bytes make a whole plan. Also
    // what a putting back of the old bytes over such a file leaves when it stopped
    // part-way: a start of the old bytes before it, so that it can simply be done again.
    Torn,
    // Anything else: the file was written by something other than this save since.
    Other,
};

WriteState ClassifyWrite(std::string_view current, std::string_view oldBytes,
                         std::string_view newBytes);
