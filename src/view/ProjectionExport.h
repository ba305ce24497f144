#pragma once

class CTessalyDoc;
class ProjectionChart;
class UiServices;

// File > Export > Projection as CSV: the header and rows that orbelan-cli project --csv
// prints, of the projection the list shows, to a file the user chooses.
void ExportProjectionCsv(const CTessalyDoc& document, UiServices& ui);

// File > Export > Report as PDF: the plan in summary, the table and the chart.
void ExportReportPdf(const CTessalyDoc& document, ProjectionChart& chart, UiServices& ui);
