#pragma once

#include <QColor>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>
#include <vector>

class QFont;
class QFontMetricsF;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace lumikan::render {

// Printed pages laid out as rectangles, texts and colours in device pixels,
// then painted. Needs QtGui only, so the headless report program writes the
// same pages as the desktop program prints.

// Sizes of one page, from its device. Point sizes become device heights as
// size x vertical dots per inch / 72.
struct ReportMetrics {
    QRect pageArea; // the drawing rectangle less half an inch on every side
    int dpiX = 96, dpiY = 96;
    int bodyHeight = 0;    // 9 pt
    int headingHeight = 0; // 13 pt
    int smallHeight = 0;   // 7 pt
    int titleHeight = 0;   // 18 pt
    int rowHeight = 0;     // a one-line table row: 1.55 x the body height
    int lineHeight = 0;    // each further line of a wrapped cell
    int gap = 0;           // dpiY / 5
    int inset = 0;         // cell text inset: a third of the body height
    // Where the pages are painted: texts are measured as it sets them. The
    // screen when null.
    const QPaintDevice* device = nullptr;
};
ReportMetrics reportMetrics(const QRect& drawingRect, int dpiX, int dpiY,
                            const QPaintDevice* device = nullptr);

enum class ReportFont { Body, Bold, Heading, Small, Title };
QFont reportFont(ReportFont role, const ReportMetrics& metrics);
QFontMetricsF reportFontMetrics(ReportFont role, const ReportMetrics& metrics);
// The line spacing of a font on the page, whole pixels.
int reportLineHeight(ReportFont role, const ReportMetrics& metrics);

// A filled rectangle; lines are thin ones, so they land on whole pixels.
struct ReportFill {
    QRect rect;
    QColor color;
};
// A hollow outline `width` pixels thick, drawn inside `rect`.
struct ReportFrame {
    QRect rect;
    QColor color;
    int width = 1;
};
// A text set in lines no wider than its rectangle; nothing is cut short.
struct ReportText {
    QRect rect; // holds every line
    QString text;
    QStringList lines; // as set: `text` wrapped to the rectangle's width
    QColor color;
    ReportFont font = ReportFont::Body;
    int alignment = 0; // Qt::Alignment: each line horizontally, the block vertically
    int lineHeight = 0;
};
// `text` wrapped to the width of `rect`; the rectangle grows downwards when
// the lines need more height than it has.
ReportText reportText(const QRect& rect, const QString& text, QColor color, ReportFont font,
                      int alignment, const ReportMetrics& metrics);

enum class ReportDiagramKind { Rashi, Bhava };
struct ReportDiagram {
    QRect target; // of aspect 500 : 340
    ReportDiagramKind kind = ReportDiagramKind::Rashi;
};
using ReportItem = std::variant<ReportFill, ReportFrame, ReportText, ReportDiagram>;

// Items in painting order.
struct ReportPage {
    int number = 1;
    std::vector<ReportItem> items;

    std::vector<const ReportText*> texts() const;
    // The first text item equal to `text`, or null.
    const ReportText* findText(const QString& text) const;
    // The first text item that starts with `prefix`, or null.
    const ReportText* findTextStarting(const QString& prefix) const;
};

// Paints what a diagram item stands for into its target.
using ReportDiagramPainter = std::function<void(QPainter&, const ReportDiagram&)>;

// Paints a laid-out page.
void paintReportPage(QPainter& painter, const ReportPage& page, const ReportMetrics& metrics,
                     const ReportDiagramPainter& diagrams = {});

// Pages laid out for the metrics of a device.
using ReportLayout = std::function<std::vector<ReportPage>(const ReportMetrics&)>;

// The pages `fromPage` to `toPage` (0 and 0 for all) of `layout` on a printer
// or PDF writer, one device page each, measured and laid out for that device.
// False when the device cannot be painted on.
bool renderReportPages(QPagedPaintDevice& device, const ReportLayout& layout,
                       const ReportDiagramPainter& diagrams = {}, int fromPage = 0, int toPage = 0);

} // namespace lumikan::render
