#pragma once

#include <cstdint>
#include <functional>
#include <string>

// How an edition writes the numbers inside a sentence, each in its own locale: the sentences
// themselves are the same everywhere.
struct NumberWords {
    // A count or an amount, with the digit grouping: "1,000".
    std::function<std::string(std::int64_t)> whole;
    // A share in tenths of a percent, with one decimal: 381 as "38.1".
    std::function<std::string(std::int32_t)> tenths;
};

// As orbelan-cli writes them: "1,000" and "38.1".
NumberWords EnglishNumbers();
