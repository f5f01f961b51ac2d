#pragma once

#include <QRect>
#include <QSize>

#include <array>
#include <optional>
#include <vector>

namespace lumikan::ui {

// Where the main chart view puts its five panels and their controls, computed
// apart from the widgets. Rectangles follow the panels' edge convention:
// QRect(left, top, right - left, bottom - top), so x() + width() is the right
// edge as the arithmetic writes it.

inline constexpr int kPanelTitleHeight = 28;
// Below this the window is too small to lay out; the last layout stays.
inline constexpr int kMinLayoutSize = 100;
inline constexpr int kMinTopRowHeight = 300;

enum class Panel {
    PlanetaryPositions,
    Charts,
    RulingPlanetsAndDasha,
    Significators,
    KarakasAndNotes
};
inline constexpr int kPanelCount = 5;

struct ChartViewLayout {
    std::array<QRect, kPanelCount> panels; // by Panel
    // The title bar's height: kPanelTitleHeight, or twice that when the time
    // lists do not fit beside the title and take a row of their own.
    std::array<int, kPanelCount> titleBarHeights{kPanelTitleHeight, kPanelTitleHeight,
                                                 kPanelTitleHeight, kPanelTitleHeight,
                                                 kPanelTitleHeight};
    QRect significatorsTable;
    QRect karakaGrid;
    QRect notesEditor;
    std::array<QRect, 3> birthTimeLists;  // hour, minute, second
    std::array<QRect, 3> rulingTimeLists; // hour, minute, second
    QRect birthTimeLabel;                 // "Birth time", left of its lists
    QRect rulingTimeLabel;                // "Ruling time"
    QRect rulingPlanets;
    QRect dashaArea; // the tree is then sized to its rows inside it

    const QRect& panel(Panel p) const { return panels[static_cast<std::size_t>(p)]; }
    int titleBarHeight(Panel p) const { return titleBarHeights[static_cast<std::size_t>(p)]; }
};

// What the contents of the view need, measured at the fonts in use, so that
// no name, degree or lord is cut. Zero asks nothing beyond the proportional
// layout.
struct ChartViewNeeds {
    int leftColumnWidth = 0;   // planet, cusp and significator tables whole
    int chartsColumnWidth = 0; // diagrams large enough to read, birth-time lists, karakas
    int rightColumnWidth = 0;  // ruling planets and ruling-time lists
    int topRowHeight = 0;      // every planet and cusp row
    int bottomRowHeight = 0;   // significators, karakas and notes at their least
    int rightColumnHeight = 0; // ruling planets and some of the dasha tree
    // The title bars that hold time lists: the title's width and the label's.
    int chartsTitleWidth = 0;
    int birthTimeLabelWidth = 0;
    int rulingTitleWidth = 0;
    int rulingTimeLabelWidth = 0;
};

// The layout of a client area; nothing when it is narrower or shorter than
// kMinLayoutSize. The columns keep their proportions (45 : 30 : 25 of the
// width, the top row 62 % of the height) wherever that gives each what it
// needs; a column that needs more takes it from the others while they can
// spare it.
std::optional<ChartViewLayout> layoutChartView(QSize client, const ChartViewNeeds& needs = {});

// The least client size at which every panel gets what it needs; below it the
// view scrolls.
QSize minimumChartViewSize(const ChartViewNeeds& needs);

// How wide a title bar must be to hold its title, a label and the three time
// lists on one row, and on a row of their own.
int titleBarWidthInOneRow(int titleWidth, int labelWidth);
int timeListsRowWidth(int labelWidth);

// The two position tables in the "Planetary Positions" panel. The gaps and
// minimum heights are given at 96 dots per inch and scaled by `dpiScale`.
struct PositionTableNeeds {
    bool exists = true;
    int headerHeight = 0;
    int rowHeight = 0;
    int rowCount = 0;
};
struct PositionTablesPlacement {
    QRect planets;
    QRect cusps;
};
PositionTablesPlacement placePositionTables(const QRect& panel, const PositionTableNeeds& planets,
                                            const PositionTableNeeds& cusps, double dpiScale);

// The dasha tree made as tall as its visible rows (and its header), within its area.
QRect dashaTreeRect(const QRect& area, int rowHeight, int visibleRows, int headerHeight = 0);

// Column widths proportional to `weights` over `clientWidth`; the last column
// takes what is left, so the widths always add up to the client width.
std::vector<int> proportionalColumnWidths(const std::vector<int>& weights, int clientWidth);

// The Charts panel below its title bar, where the two diagrams and their
// captions go.
QRect chartsPanelInside(const QRect& chartsPanel, int titleBarHeight = kPanelTitleHeight);

} // namespace lumikan::ui
