#pragma once

#include "model/ProjectionTable.h"

#include <string>

// The table with the five column headings, amounts right-aligned, LF line ends.
std::string FormatProjectionTable(const ProjectionTable& table);

// "Year,Income,Total Assets,Available Assets,Withdrawals" and one line of
// plain integers per row, LF line ends.
std::string FormatProjectionCsv(const ProjectionTable& table);
