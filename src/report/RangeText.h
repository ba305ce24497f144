#pragma once

#include <cstdint>
#include <string>

// What every edition says of a value typed outside the range the core takes, in UTF-8: the
// browser's views below the field, the window's dialogs in their message, orbelan-cli after the
// option's name. The window's sliders and date fields cannot be set outside their ranges.

// The risk run's spread: whole points from 0 to kMaxRiskSpread.
std::string SpreadRangeText();

// The age the money is asked to last to: a whole number from 0 to kMaxUntilAge.
std::string UntilAgeRangeText();

// A whole amount or age typed into a field: the 32-bit range.
std::string IntegerRangeText();

// The years a plan's dates may fall in, as PlanDate takes them.
inline constexpr std::int32_t kFirstPlanYear = 100;
inline constexpr std::int32_t kLastPlanYear = 9999;

// A year typed into a date field: kFirstPlanYear to kLastPlanYear.
std::string YearRangeText();

// The risk run's number of paths: kMinRiskPaths to kMaxRiskPaths.
std::string PathsRangeText();

// The confidence of the goal: a whole percent from kMinGoalConfidence to kMaxGoalConfidence.
std::string ConfidenceRangeText();
