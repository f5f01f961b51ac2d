#pragma once

#include "render/match_report_layout.h"
#include "render/report_pages.h"

#include <QPageSize>
#include <QString>

#include <utility>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace lumikan::render {

// The match sheet on paper: scaled to the width of the page area (never
// enlarged), split between pages where a section or the footer starts, or
// between two rows when a section does not fit a page. Every page's footer
// names the two charts beside "Page %d of %d".

// The parts of a sheet `sheetHeight` high that go on pages `pageHeight`
// high (both in sheet pixels), as top and bottom edges.
std::vector<std::pair<qreal, qreal>> matchReportPageSpans(const std::vector<SheetBreak>& breaks,
                                                          qreal sheetHeight, qreal pageHeight);

// The sheet laid out for pages of `metrics` (whose device measures the
// texts), split into pages, with their footers.
struct MatchReportPages {
    MatchReportLayout layout;
    ReportMetrics metrics;
    qreal scale = 1;                            // device pixels per sheet pixel
    qreal left = 0;                             // device x of the sheet's left edge
    std::vector<std::pair<qreal, qreal>> spans; // of the sheet, page by page
    std::vector<ReportPage> footers;
};
MatchReportPages layoutMatchReportPages(const MatchReportContent& content,
                                        const ReportMetrics& metrics);
// Paints page `number` (from 1).
void paintMatchReportPage(QPainter& painter, const MatchReportPages& pages, int number);

// How many pages the sheet of `content` takes on `device`.
int matchReportPageCount(const MatchReportContent& content, QPagedPaintDevice& device);

// Pages `fromPage` to `toPage` (0 and 0 for all). False when the device cannot
// be painted on.
bool renderMatchReport(const MatchReportContent& content, QPagedPaintDevice& device,
                       int fromPage = 0, int toPage = 0);

// The sheet as a PDF on `paper`, replacing the file at `path` only when the
// whole document is written. False with the reason in `error` otherwise.
bool exportMatchReportPdf(const MatchReportContent& content, const QString& path,
                          const QPageSize& paper = QPageSize(QPageSize::A4),
                          QString* error = nullptr);

// "Ravi ♥ Asha": the footer's names.
QString matchReportNames(const MatchReportContent& content);

} // namespace lumikan::render
