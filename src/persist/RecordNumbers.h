#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Reads numbers.size() unsigned decimal numbers from the start of contents, each followed by
// one space, and moves contents past them. False, with contents and numbers in no particular
// state, when any is missing, too large or not followed by a space.
bool ReadRecordNumbers(std::string_view& contents, std::span<std::uint64_t> numbers);
