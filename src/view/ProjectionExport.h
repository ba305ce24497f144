#pragma once

#include "print/ProjectionReport.h"

#include <optional>
#include <string>

class CTessalyDoc;
class MoneyDisplay;
class UiServices;

// Each export gives the path it wrote, or nothing when the user cancelled or the write failed
// (and the user has been told).

// File > Export > Projection as CSV: the header and rows that orbelan-cli project --csv
// prints, of the projection the list shows, to a file the user chooses.
std::optional<std::string> ExportProjectionCsv(const CTessalyDoc& document, UiServices& ui);

// File > Export > Report as PDF: the report orbelan-cli report writes, of the projection the
// list shows, in today's money when the display shows it.
std::optional<std::string> ExportReportPdf(const CTessalyDoc& document, const MoneyDisplay& display,
                                           const ReportRequest& request, UiServices& ui);
