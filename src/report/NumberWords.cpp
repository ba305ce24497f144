#include "report/NumberWords.h"

#include "report/GroupedNumber.h"

#include <cstdlib>

namespace {

std::string Tenths(std::int32_t tenths) {
    const std::int64_t whole = tenths;
    return (whole < 0 ? "-" : "") + std::to_string(std::llabs(whole) / 10) + '.' +
           std::to_string(std::llabs(whole) % 10);
}

} // namespace

NumberWords EnglishNumbers() {
    return {GroupedNumber, Tenths};
}
