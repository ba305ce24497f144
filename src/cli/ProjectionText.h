#pragma once

#include "model/ProjectionTable.h"

#include <string>

// The table with the five column headings, amounts right-aligned, LF line ends.
std::string FormatProjectionTable(const ProjectionTable& table);
