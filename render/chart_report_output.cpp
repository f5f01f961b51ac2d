#include "render/chart_report_output.h"
#include "render/pdf_document.h"

#include "document/verokant_doc.h"
#include "render/chart_diagram.h"
#include "render/chart_report_layout.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lumikan::render {

namespace {

constexpr int kDiagramWidth = 500;
constexpr int kDiagramHeight = 340;
// Sharper than the stretched bitmap, but never a huge image.
constexpr double kMaxDiagramScale = 4.0;

ReportLayout chartLayout(const ChartReportData& data)
{
    return [&data](const ReportMetrics& m) { return layoutChartReport(data, m); };
}

ReportDiagramPainter diagramPainter(const ChartReportData& data)
{
    return [&data](QPainter& p, const ReportDiagram& d) { paintReportDiagram(p, d, data); };
}

} // namespace

void paintReportDiagram(QPainter& painter, const ReportDiagram& diagram,
                        const ChartReportData& data)
{
    if (diagram.target.isEmpty())
        return;
    // The picture of a 500 x 340 bitmap, rendered at up to four times that
    // resolution so that it does not print blurred.
    const double scale =
        std::clamp(diagram.target.width() / double(kDiagramWidth), 1.0, kMaxDiagramScale);
    QImage image(int(std::lround(kDiagramWidth * scale)), int(std::lround(kDiagramHeight * scale)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 dots per inch, what the diagram's text sizes assume
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        const auto& planets =
            diagram.kind == ReportDiagramKind::Rashi ? data.rashiPlanets : data.bhavaPlanets;
        // Inset by a pixel so that the outline stays inside the bitmap.
        DrawChartDiagram(p, QRect(1, 1, kDiagramWidth - 3, kDiagramHeight - 3), &planets,
                         &data.cusps, nullptr);
    }
    painter.drawImage(diagram.target, image);
}

bool renderChartReport(const ChartReportData& data, QPagedPaintDevice& device, int fromPage,
                       int toPage)
{
    return renderReportPages(device, chartLayout(data), diagramPainter(data), fromPage, toPage);
}

int chartReportPageCount(const ChartReportData& data, QPagedPaintDevice& device)
{
    const ReportMetrics metrics =
        reportMetrics(QRect(0, 0, device.width(), device.height()), device.logicalDpiX(),
                      device.logicalDpiY(), &device);
    return int(layoutChartReport(data, metrics).size());
}

bool exportChartReportPdf(const document::CVerokantDoc& doc, const QString& path,
                          const QPageSize& paper, QString* error)
{
    const ChartReportData data = collectChartReport(doc);
    return writePdfDocument(
        path, paper, doc.GetTitle(),
        [&data](QPagedPaintDevice& device) { return renderChartReport(data, device); }, error);
}

} // namespace lumikan::render
