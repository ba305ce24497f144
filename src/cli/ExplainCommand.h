#pragma once

#include <ostream>
#include <span>
#include <string>

// orbelan-cli explain FILE YEAR: how YEAR's row came about, as text; explain --json FILE: the
// whole projection with every year's breakdown as JSON.
int RunExplain(std::span<const std::string> args, std::ostream& out, std::ostream& err);
