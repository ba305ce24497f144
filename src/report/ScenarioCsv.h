#pragma once

#include "model/Scenarios.h"

#include <span>
#include <string>

// orbelan-cli compare --csv: Year, then each plan's Total Assets under "Total Assets (NAME)",
// one line per year any plan reaches, empty where a plan has no row that year.
std::string FormatScenarioCsv(const ScenarioComparison& comparison,
                              std::span<const std::string> names);
