#pragma once

#include "model/ProjectionTable.h"

#include <string>

// "Year,Income,Total Assets,Available Assets,Withdrawals" and one line of
// plain integers per row, LF line ends.
std::string FormatProjectionCsv(const ProjectionTable& table);
