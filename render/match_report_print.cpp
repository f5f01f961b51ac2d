#include "render/match_report_print.h"
#include "render/pdf_document.h"

#include "render/report_flow.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lumikan::render {

namespace {

// Sheet pixels are 1/96 inch.
constexpr qreal kSheetDpi = 96;

ReportMetrics deviceMetrics(QPagedPaintDevice& device)
{
    return reportMetrics(QRect(0, 0, device.width(), device.height()), device.logicalDpiX(),
                         device.logicalDpiY(), &device);
}

} // namespace

QString matchReportNames(const MatchReportContent& content)
{
    return content.boyName + QStringLiteral(" \u2665 ") + content.girlName;
}

std::vector<std::pair<qreal, qreal>> matchReportPageSpans(const std::vector<SheetBreak>& breaks,
                                                          qreal sheetHeight, qreal pageHeight)
{
    std::vector<std::pair<qreal, qreal>> spans;
    if (pageHeight <= 1 || sheetHeight <= 0)
        return {{0, std::max<qreal>(sheetHeight, 0)}};
    qreal top = 0;
    while (sheetHeight - top > pageHeight) {
        const qreal limit = top + pageHeight;
        qreal preferred = -1, row = -1;
        for (const SheetBreak& b : breaks) {
            if (b.y <= top + 1 || b.y > limit)
                continue;
            qreal& best = b.preferred ? preferred : row;
            best = std::max(best, b.y);
        }
        // A section or the footer starts on a fresh page unless that leaves
        // more than two thirds of the page empty; then the page ends between rows.
        qreal end = limit;
        if (preferred > 0 && (preferred - top >= pageHeight / 3 || row < 0))
            end = preferred;
        else if (row > 0)
            end = row;
        spans.emplace_back(top, end);
        top = end;
    }
    spans.emplace_back(top, sheetHeight);
    return spans;
}

MatchReportPages layoutMatchReportPages(const MatchReportContent& content,
                                        const ReportMetrics& metrics)
{
    MatchReportPages pages;
    pages.metrics = metrics;
    pages.layout = layoutMatchReport(content, metrics.device);
    // Scaled to the width of the page area, never enlarged.
    const QRect& area = metrics.pageArea;
    const qreal natural = metrics.dpiX / kSheetDpi;
    const qreal width = pages.layout.size.width();
    pages.scale = width > 0 ? std::min(natural, area.width() / width) : natural;
    pages.left = area.left() + (area.width() - width * pages.scale) / 2;
    pages.spans = matchReportPageSpans(pages.layout.breaks, pages.layout.size.height(),
                                       area.height() / pages.scale);
    // The footers come from the report pages, like the chart report's.
    ReportFlow footers(metrics);
    for (std::size_t i = 1; i < pages.spans.size(); ++i)
        footers.newPage();
    pages.footers = footers.finish(matchReportNames(content));
    return pages;
}

void paintMatchReportPage(QPainter& painter, const MatchReportPages& pages, int number)
{
    if (number < 1 || number > int(pages.spans.size()))
        return;
    const auto [top, bottom] = pages.spans[std::size_t(number - 1)];
    painter.save();
    painter.translate(pages.left, pages.metrics.pageArea.top());
    painter.scale(pages.scale, pages.scale);
    painter.translate(0, -top);
    paintMatchReport(painter, pages.layout,
                     QRectF(0, top, pages.layout.size.width(), bottom - top));
    painter.restore();
    paintReportPage(painter, pages.footers[std::size_t(number - 1)], pages.metrics);
}

int matchReportPageCount(const MatchReportContent& content, QPagedPaintDevice& device)
{
    return int(layoutMatchReportPages(content, deviceMetrics(device)).spans.size());
}

bool renderMatchReport(const MatchReportContent& content, QPagedPaintDevice& device, int fromPage,
                       int toPage)
{
    const MatchReportPages pages = layoutMatchReportPages(content, deviceMetrics(device));
    const int count = int(pages.spans.size());
    if (fromPage <= 0 && toPage <= 0) {
        fromPage = 1;
        toPage = count;
    }
    fromPage = std::clamp(fromPage, 1, count);
    toPage = std::clamp(toPage <= 0 ? count : toPage, fromPage, count);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int number = fromPage; number <= toPage; ++number) {
        if (number > fromPage && !device.newPage())
            return false;
        paintMatchReportPage(painter, pages, number);
    }
    return painter.end();
}

bool exportMatchReportPdf(const MatchReportContent& content, const QString& path,
                          const QPageSize& paper, QString* error)
{
    return writePdfDocument(
        path, paper,
        QStringLiteral("Match Report - %1 & %2").arg(content.boyName, content.girlName),
        [&content](QPagedPaintDevice& device) { return renderMatchReport(content, device); },
        error);
}

} // namespace lumikan::render
