#include "report/LimitText.h"

std::string CalculationLimitIn(std::int32_t year) {
    return "the calculation limit in " + std::to_string(year);
}

std::string ProjectionStopsAt(std::int32_t year) {
    return "the projection stops at " + CalculationLimitIn(year);
}

std::string LimitStopText(std::int32_t year) {
    std::string text = ProjectionStopsAt(year);
    text.front() = 'T';
    return text;
}

std::string LimitMessage(std::int32_t year) {
    return LimitStopText(year) +
           ": the amounts of that year are larger than 2147483647 or smaller than -2147483648, "
           "which this program cannot calculate exactly.";
}

std::string NoYearBeforeLimitText(std::int32_t asked, std::int32_t stopped) {
    return "the projection has no year " + std::to_string(asked) + ": it stops at " +
           CalculationLimitIn(stopped) + ", its first year";
}
