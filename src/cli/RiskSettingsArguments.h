#pragma once

#include "cli/CommandArguments.h"
#include "model/Risk.h"

#include <cstdint>
#include <optional>
#include <ostream>

// The options that draw the paths, as risk and compare take them: --paths, --spread, --seed
// and --until-age read over the defaults; empty after saying on err what was wrong (the caller
// then gives the usage status).
std::optional<RiskSettings> ReadRiskSettings(const CommandArguments& arguments, std::ostream& err);

// --until-age, as every command that asks how long the money lasts takes it: read into age when
// given; false after saying on err what was wrong.
bool ReadUntilAge(const CommandArguments& arguments, std::int32_t& age, std::ostream& err);
