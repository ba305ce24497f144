#pragma once

#include "model/Scenarios.h"

#include <span>
#include <string>

// orbelan-cli compare --json: the settings, each plan's figures under the file as given, and
// each pair's paths. The comparison must be done.
std::string FormatScenarioJson(const ScenarioComparison& comparison,
                               std::span<const std::string> files);
