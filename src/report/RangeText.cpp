#include "report/RangeText.h"

#include "model/Goal.h"
#include "model/Plan.h"
#include "model/Risk.h"

#include <cstdint>
#include <limits>

std::string SpreadRangeText() {
    return "Enter a spread from 0 to " + std::to_string(kMaxRiskSpread) + " points.";
}

std::string UntilAgeRangeText() {
    return "Enter an age from 0 to " + std::to_string(kMaxUntilAge) + '.';
}

std::string PathsRangeText() {
    return "Enter a number of paths from " + std::to_string(kMinRiskPaths) + " to " +
           std::to_string(kMaxRiskPaths) + '.';
}

std::string IntegerRangeText() {
    return "Enter an integer from " + std::to_string(std::numeric_limits<std::int32_t>::min()) +
           " to " + std::to_string(std::numeric_limits<std::int32_t>::max()) + '.';
}

std::string YearRangeText() {
    return "Enter a year from " + std::to_string(kFirstPlanYear) + " to " +
           std::to_string(kLastPlanYear) + '.';
}

std::string ConfidenceRangeText() {
    return "Enter a confidence from " + std::to_string(kMinGoalConfidence) + " to " +
           std::to_string(kMaxGoalConfidence) + " %.";
}
