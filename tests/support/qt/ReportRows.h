#pragma once

#include <string>
#include <vector>

class QTreeWidget;

using ReportRow = std::vector<std::string>;

// The texts of a report list, row by row and column by column, as the user reads them.
std::vector<ReportRow> ReportRows(const QTreeWidget& list);
