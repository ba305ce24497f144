#include "report/RangeText.h"

#include "model/Plan.h"
#include "model/Risk.h"

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
