#pragma once

#include "render/chart_report_data.h"
#include "render/report_pages.h"

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::render {

// Paints the Rashi or Bhava diagram of `data` into the item's target, in the
// current theme and chart text size.
void paintReportDiagram(QPainter& painter, const ReportDiagram& diagram,
                        const ChartReportData& data);

// The pages `fromPage` to `toPage` (0 and 0 for all) of the chart report on a
// printer or PDF writer, laid out for its page size and resolution. False when
// the device cannot be painted on.
bool renderChartReport(const ChartReportData& data, QPagedPaintDevice& device, int fromPage = 0,
                       int toPage = 0);

// How many pages the report of `data` takes on `device`.
int chartReportPageCount(const ChartReportData& data, QPagedPaintDevice& device);

// The report as a PDF on `paper`, replacing the file at `path` only when the
// whole document is written. False with the reason in `error` otherwise.
bool exportChartReportPdf(const document::CVerokantDoc& doc, const QString& path,
                          const QPageSize& paper = QPageSize(QPageSize::A4),
                          QString* error = nullptr);

} // namespace lumikan::render
