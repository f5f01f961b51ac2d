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
    QRect significatorsTable;
    QRect karakaGrid;
    QRect notesEditor;
    std::array<QRect, 3> birthTimeLists;  // hour, minute, second
    std::array<QRect, 3> rulingTimeLists; // hour, minute, second
    QRect rulingPlanets;
    QRect dashaArea; // the tree is then sized to its rows inside it

    const QRect& panel(Panel p) const { return panels[static_cast<std::size_t>(p)]; }
};

// The layout of a client area; nothing when it is narrower or shorter than
// kMinLayoutSize.
std::optional<ChartViewLayout> layoutChartView(QSize client);

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

// The dasha tree made as tall as its visible rows, within its area.
QRect dashaTreeRect(const QRect& area, int rowHeight, int visibleRows);

// Column widths proportional to `weights` over `clientWidth`; the last column
// takes what is left, so the widths always add up to the client width.
std::vector<int> proportionalColumnWidths(const std::vector<int>& weights, int clientWidth);

// The Charts panel below its title bar, where the two diagrams and their
// captions go.
QRect chartsPanelInside(const QRect& chartsPanel);

} // namespace lumikan::ui
