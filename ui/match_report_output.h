#pragma once

#include "render/match_report_layout.h"

#include <QString>

class QPrinter;
class QWidget;

namespace lumikan::ui {

// The match report on paper, from its window's File menu.

// The report on a printer that is already set up, laid out for its paper;
// the printer's page range is honoured. False when the printer cannot be used.
bool printMatchReport(const render::MatchReportContent& content, QPrinter& printer);

// File > Print: the print dialog (all the report's pages), then the report.
void printMatchReportWithDialog(const render::MatchReportContent& content, QWidget* parent);

// File > Print Preview: the report in the print preview window.
void previewMatchReport(const render::MatchReportContent& content, QWidget* parent);

// File > Export PDF...: asks where, writes the report on the default
// printer's paper, and says so when the file cannot be written.
QString exportMatchReportPdfWithDialog(const render::MatchReportContent& content, QWidget* parent);

// "Match_Ravi_Asha.pdf" in the documents folder (the home folder without one).
QString proposedMatchPdfPath(const render::MatchReportContent& content);

} // namespace lumikan::ui
