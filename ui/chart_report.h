#pragma once

#include <QPageSize>
#include <QString>

class QPrinter;
class QWidget;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::ui {

// The paper a report is exported on: the default printer's.
QPageSize defaultPaperSize();

// The chart report on a printer that is already set up, laid out for its
// paper; the printer's page range is honoured. False when the printer cannot
// be used.
bool printChartReport(const document::CVerokantDoc& doc, QPrinter& printer);

// File > Print: the print dialog (all the report's pages), then the report.
void printChartReportWithDialog(const document::CVerokantDoc& doc, QWidget* parent);

// File > Print Preview: the report in the print preview window.
void previewChartReport(const document::CVerokantDoc& doc, QWidget* parent);

// File > Export PDF...: asks where, writes the report as a PDF, and says so
// when the file cannot be written. The path written, empty when none was.
QString exportChartReportPdfWithDialog(const document::CVerokantDoc& doc, QWidget* parent);

// "Chart_Name.pdf" beside the chart file, or in the home folder for a new chart.
QString proposedReportPdfPath(const document::CVerokantDoc& doc);

} // namespace lumikan::ui
