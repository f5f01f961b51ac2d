#pragma once

#include "engine/chart.h"
#include "engine/dasha.h"

#include <QColor>
#include <QRect>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

class QFont;
class QPagedPaintDevice;
class QPainter;

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::render {

// The printed chart report: four fixed pages laid out as rectangles, texts and
// colours in device pixels, then painted. Needs QtGui only, so the headless
// lumikan-cli writes the same pages as the desktop program prints.

inline constexpr int kReportPageCount = 4;

// Sizes of one page, from its device. Point sizes become device heights as
// size x vertical dots per inch / 72.
struct ReportMetrics {
    QRect pageArea; // the drawing rectangle less half an inch on every side
    int dpiX = 96, dpiY = 96;
    int bodyHeight = 0;    // 9 pt
    int headingHeight = 0; // 13 pt
    int smallHeight = 0;   // 7 pt
    int rowHeight = 0;     // 1.55 x the body height
    int gap = 0;           // dpiY / 5
    int inset = 0;         // cell text inset: a third of the body height
};
ReportMetrics reportMetrics(const QRect& drawingRect, int dpiX, int dpiY);

enum class ReportFont { Body, Bold, Heading, Small };
QFont reportFont(ReportFont role, const ReportMetrics& metrics);

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
// One line of text, cut with an ellipsis when it does not fit.
struct ReportText {
    QRect rect;
    QString text;
    QColor color;
    ReportFont font = ReportFont::Body;
    int alignment = 0; // Qt::Alignment flags
};
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
};

struct ReportColumn {
    QString header;
    int weight = 1;
    int alignment = 0x0001; // Qt::AlignLeft
};

struct ReportTable {
    QString title; // no section title when empty
    std::vector<ReportColumn> columns;
    std::vector<QStringList> rows; // one text per column
    QRgb headerColor = 0;
    QRgb stripeColor = 0;
};

// The heading of a section at `y`; returns where the content under it starts.
int addSectionTitle(ReportPage& page, const ReportMetrics& metrics, int y, const QString& title);
// A table at `y`. Rows stop where the next would pass the bottom of the page
// area; a table whose title and header do not fit is left out. Returns the y
// below the table.
int addReportTable(ReportPage& page, const ReportMetrics& metrics, int y, const ReportTable& table);
void addReportFooter(ReportPage& page, const ReportMetrics& metrics);

// Where the running periods sit in the dasha list, by position; -1 for none.
struct RunningDashaPosition {
    int mahadasha = -1, antardasha = -1, pratyantardasha = -1;
};

// Everything the report shows of one chart, taken from its document.
struct ChartReportData {
    ReportTable planetTable, cuspTable, planetSignificatorTable;
    ReportTable houseSignificatorTable, rulingPlanetTable, karakaTable;
    std::vector<engine::PlanetPosition> rashiPlanets, bhavaPlanets;
    std::vector<engine::CuspPosition> cusps;
    std::vector<engine::DashaPeriod> dasha; // three levels
    double birthJulianDayUt = 0.0;
    RunningDashaPosition running; // on the clock's date
};
ChartReportData collectChartReport(const document::CVerokantDoc& doc);

// The title bar colours of a dasha card (dark, light) by lord.
struct LordCardColors {
    QRgb dark, light;
};
LordCardColors lordCardColors(engine::LordIndex lord);

// "Page %d of %d" and the rule above it are part of every page.
ReportPage layoutReportPage(const ChartReportData& data, int pageNumber,
                            const ReportMetrics& metrics);

// Paints a laid-out page; the diagrams come from `data`, in the current theme
// and chart text size.
void paintReportPage(QPainter& painter, const ReportPage& page, const ChartReportData& data,
                     const ReportMetrics& metrics);

// The pages `fromPage` to `toPage` (1..4; 0 and 0 for all) on a printer or
// PDF writer, one device page each. False when the device cannot be painted on.
bool renderChartReport(const ChartReportData& data, QPagedPaintDevice& device, int fromPage = 0,
                       int toPage = 0);

// The four pages as an A4 PDF, replacing the file at `path` only when the
// whole document is written. False with the reason in `error` otherwise.
bool exportChartReportPdf(const document::CVerokantDoc& doc, const QString& path,
                          QString* error = nullptr);

} // namespace lumikan::render
