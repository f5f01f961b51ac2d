#pragma once

#include "engine/chart.h"
#include "render/color_theme.h"

#include <QColor>
#include <QFont>
#include <QLine>
#include <QPainterPath>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QPainter;

namespace lumikan::render {

// The North-Indian chart: twelve fixed houses, house 1 at the top centre,
// running anticlockwise; the sign number written in each house turns with the
// ascendant.
//
// Rectangles follow the edge convention of the drawing code: a diagram given
// QRect(L, T, R - L, B - T) draws its outline on x = R and y = B.

// Where a planet label went, for hover and click.
struct ChartHitRegion {
    QRect rect; // drawing-surface pixels; right and bottom exclusive
    QString tooltipText;
    engine::BodyId body = 0;
};

struct ChartDiagramText {
    QString text;
    QRect rect;
    QColor color;
    int alignment = 0; // Qt::Alignment flags for QPainter::drawText
};

struct ChartPlanetLabel {
    ChartDiagramText label;
    engine::BodyId body = 0;
    int house = 0; // 1..12
    QString tooltipText;
    bool secondSet = false; // drawn italic in a frame (transits over a natal chart)
};

// Everything the painter draws, computed apart from painting.
struct ChartDiagramLayout {
    // The frame, always present. Integer coordinates are pixel centres.
    QPainterPath outline;                   // filled with fillColor, stroked
    QPolygon diamond;                       // open polyline ending where it starts
    std::array<QPainterPath, 4> cornerTabs; // top-left, top-right, bottom-right, bottom-left
    std::array<QLine, 2> diagonals;
    std::array<QLine, 4> ticks; // left, right, top, bottom
    QColor lineColor, fillColor, accentColor;
    double lineWidthPx = 1.52;

    // The content, only with planets and a non-empty cusp list.
    bool hasContent = false;
    QFont font;
    std::array<ChartDiagramText, 12> signNumbers; // by house - 1
    std::vector<ChartPlanetLabel> labels;

    std::vector<ChartHitRegion> regions() const;
};

// Width and height of a text as the drawing surface will set it.
using TextMeasure = std::function<QSize(const QString&)>;

// The diagram's geometry. `planets` or `cusps` null, or the cusps empty: the
// frame alone. Reads from each planet its house, body, longitude, sign, star
// and sub lords and retrograde flag, and from cusp 1 its sign. A second set
// (transits) shares the houses with the first, its labels marked; with it,
// every label colour is made readable on the diagram's fill.
ChartDiagramLayout
layoutChartDiagram(const QRect& bounds, const std::vector<engine::PlanetPosition>* planets,
                   const std::vector<engine::CuspPosition>* cusps, const ColorTheme& theme,
                   const QFont& font, const TextMeasure& measure,
                   const std::vector<engine::PlanetPosition>* secondSet = nullptr);

// Antialiased painting of a computed layout.
void paintChartDiagram(QPainter& painter, const ChartDiagramLayout& layout);

// The diagram text font at a size in tenths of a point.
QFont chartDiagramFont(int textSizeTenths);

// Lays out and paints one diagram in the current theme and chart text size.
// When `regions` is given and the content is drawn, it is replaced by one
// region per planet label; with the frame alone it keeps what it held.
void DrawChartDiagram(QPainter& painter, const QRect& bounds,
                      const std::vector<engine::PlanetPosition>* planets,
                      const std::vector<engine::CuspPosition>* cusps,
                      std::vector<ChartHitRegion>* regions);

// The text shown on hover and click of a planet label standing in a house
// whose sign number is `houseSignNumber` (1..12).
QString chartTooltipText(const engine::PlanetPosition& planet, int houseSignNumber);

// "07°45' Leo" for a longitude of 127.75.
QString chartDegreeText(double longitudeDeg);

// The label of a planet: its two-letter code, with "R" when it is retrograde
// (never for the nodes, which always are).
QString chartPlanetLabelText(const engine::PlanetPosition& planet);

// The two diagrams inside the main view's "Charts" panel.
struct ChartsPanelPlacement {
    QRect rashi;      // from rashiChartPlanets
    QRect bhava;      // from bhavaChartPlanets
    int textSize = 0; // the chartTextSize to draw them with
    QPoint rashiCaptionTopLeft;
    QPoint bhavaCaptionTopLeft;
};

inline constexpr const char* kRashiChartCaption = "RASHI CHART";
inline constexpr const char* kBhavaChartCaption = "BHAVA CHART";
inline constexpr QRgb kChartCaptionColor = 0x282828;

// Text size in tenths of a point for a Charts panel `panelWidthPx` wide.
int chartTextSizeForPanelWidth(int panelWidthPx);

ChartsPanelPlacement placeChartsInPanel(const QRect& panel);

} // namespace lumikan::render
