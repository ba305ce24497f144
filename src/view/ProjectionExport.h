#pragma once

class CTessalyDoc;
class MoneyDisplay;
class UiServices;

// File > Export > Projection as CSV: the header and rows that orbelan-cli project --csv
// prints, of the projection the list shows, to a file the user chooses.
void ExportProjectionCsv(const CTessalyDoc& document, UiServices& ui);

// File > Export > Report as PDF: the plan and its items, the chart and the table, in today's
// money when the display shows it.
void ExportReportPdf(const CTessalyDoc& document, const MoneyDisplay& display, UiServices& ui);
