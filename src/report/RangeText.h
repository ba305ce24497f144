#pragma once

#include <string>

// What every edition says of a value typed outside the range the core takes, in UTF-8: the
// browser's views below the field, orbelan-cli after the option's name. The window's fields
// cannot be set outside these ranges.

// The risk run's spread: whole points from 0 to kMaxRiskSpread.
std::string SpreadRangeText();

// The age the money is asked to last to: a whole number from 0 to kMaxUntilAge.
std::string UntilAgeRangeText();

// The risk run's number of paths: kMinRiskPaths to kMaxRiskPaths.
std::string PathsRangeText();
