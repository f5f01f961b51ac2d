#include "ui/chart_view_layout.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumikan::ui {

namespace {

QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

int right(const QRect& r)
{
    return r.x() + r.width();
}

int bottom(const QRect& r)
{
    return r.y() + r.height();
}

int scaled(int pixelsAt96Dpi, double dpiScale)
{
    return static_cast<int>(std::lround(pixelsAt96Dpi * dpiScale));
}

constexpr int kListWidth = 45;
constexpr int kListHeight = 22;
// Left edges of the three lists, from the panel's right edge.
constexpr std::array<int, 3> kListsFromRight = {157, 108, 59};
constexpr int kLabelGap = 6;
constexpr int kTitleInset = 12;

struct TimeRow {
    std::array<QRect, 3> lists;
    QRect label; // just left of the lists
    int titleBarHeight = kPanelTitleHeight;
};

// The lists and their label at the right end of a title bar, `offset` below
// its top; a title bar whose lists would crowd the title gives them a row of
// their own.
TimeRow placeTimeRow(const QRect& panel, int offset, int titleWidth, int labelWidth)
{
    TimeRow row;
    const bool oneRow = panel.width() >= titleBarWidthInOneRow(titleWidth, labelWidth) ||
                        (titleWidth == 0 && labelWidth == 0);
    int top = panel.y() + offset;
    if (!oneRow) {
        row.titleBarHeight = 2 * kPanelTitleHeight;
        top += kPanelTitleHeight;
    }
    for (std::size_t i = 0; i < row.lists.size(); ++i)
        row.lists[i] = QRect(right(panel) - kListsFromRight[i], top, kListWidth, kListHeight);
    row.label = QRect(row.lists[0].x() - kLabelGap - labelWidth, top, labelWidth, kListHeight);
    return row;
}

// Widths of the three columns: the proportional ones, each raised to its need
// by taking from the others while they stay above theirs.
std::array<int, 3> columnWidths(int available, std::array<int, 3> widths,
                                const std::array<int, 3>& needs)
{
    for (std::size_t i = 0; i < widths.size(); ++i) {
        int deficit = needs[i] - widths[i];
        if (deficit <= 0)
            continue;
        widths[i] = needs[i];
        for (std::size_t j = 0; j < widths.size() && deficit > 0; ++j) {
            if (j == i)
                continue;
            const int spare = std::max(widths[j] - std::max(needs[j], 0), 0);
            const int taken = std::min(spare, deficit);
            widths[j] -= taken;
            deficit -= taken;
        }
    }
    // Whatever could not be found makes the content wider than the client.
    const int sum = widths[0] + widths[1] + widths[2];
    if (sum < available)
        widths[2] += available - sum;
    return widths;
}

} // namespace

int titleBarWidthInOneRow(int titleWidth, int labelWidth)
{
    return kTitleInset + titleWidth + kTitleInset + labelWidth + kLabelGap + kListsFromRight[0];
}

int timeListsRowWidth(int labelWidth)
{
    return kTitleInset + labelWidth + kLabelGap + kListsFromRight[0];
}

std::optional<ChartViewLayout> layoutChartView(QSize client, const ChartViewNeeds& needs)
{
    const int cx = client.width();
    const int cy = client.height();
    if (cx < kMinLayoutSize || cy < kMinLayoutSize)
        return std::nullopt;

    const int specW1 = (45 * cx - 1440) / 100;
    const int specW2 = (30 * cx - 960) / 100;
    const std::array<int, 3> widths =
        columnWidths(cx - 32, {specW1, specW2, cx - 32 - specW1 - specW2},
                     {needs.leftColumnWidth, needs.chartsColumnWidth, needs.rightColumnWidth});
    const int w1 = widths[0];
    const int w2 = widths[1];
    const int w3 = widths[2];
    int h1 = std::max({(62 * cy - 1054) / 100, kMinTopRowHeight, needs.topRowHeight});
    // The lower panels keep what they need when the top row can give it.
    if (cy - 25 - h1 < needs.bottomRowHeight)
        h1 = std::max({cy - 25 - needs.bottomRowHeight, needs.topRowHeight, kMinTopRowHeight});
    const int right3 = 24 + w1 + w2 + w3;
    const int bottom = std::max(cy, 25 + h1 + needs.bottomRowHeight) - 8;
    const int rightBottom = std::max(bottom, 9 + needs.rightColumnHeight);

    ChartViewLayout layout;
    auto& panels = layout.panels;
    panels[std::size_t(Panel::PlanetaryPositions)] = edges(8, 9, 8 + w1, h1 + 9);
    panels[std::size_t(Panel::Charts)] = edges(16 + w1, 9, 16 + w1 + w2, h1 + 9);
    panels[std::size_t(Panel::RulingPlanetsAndDasha)] = edges(24 + w1 + w2, 9, right3, rightBottom);
    panels[std::size_t(Panel::Significators)] = edges(8, h1 + 17, 8 + w1, bottom);
    panels[std::size_t(Panel::KarakasAndNotes)] = edges(16 + w1, h1 + 17, 16 + w1 + w2, bottom);

    const QRect& significators = layout.panel(Panel::Significators);
    layout.significatorsTable =
        QRect(significators.x() + 4, significators.y() + 32, significators.width() - 8,
              std::max(significators.height() - 36, 60));

    const QRect& karakas = layout.panel(Panel::KarakasAndNotes);
    layout.karakaGrid = QRect(karakas.x() + 10, karakas.y() + 35, karakas.width() - 20, 62);
    layout.notesEditor = QRect(karakas.x() + 10, karakas.y() + 103, karakas.width() - 20,
                               std::max(karakas.height() - 113, 60));

    const TimeRow birth = placeTimeRow(layout.panel(Panel::Charts), 3, needs.chartsTitleWidth,
                                       needs.birthTimeLabelWidth);
    layout.birthTimeLists = birth.lists;
    layout.birthTimeLabel = birth.label;
    layout.titleBarHeights[std::size_t(Panel::Charts)] = birth.titleBarHeight;

    const QRect& ruling = layout.panel(Panel::RulingPlanetsAndDasha);
    const TimeRow rulingRow =
        placeTimeRow(ruling, 2, needs.rulingTitleWidth, needs.rulingTimeLabelWidth);
    layout.rulingTimeLists = rulingRow.lists;
    layout.rulingTimeLabel = rulingRow.label;
    layout.titleBarHeights[std::size_t(Panel::RulingPlanetsAndDasha)] = rulingRow.titleBarHeight;
    const int extra = rulingRow.titleBarHeight - kPanelTitleHeight;
    layout.rulingPlanets =
        QRect(ruling.x() + 10, ruling.y() + 31 + extra, ruling.width() - 20, 304);
    layout.dashaArea = QRect(ruling.x() + 14, ruling.y() + 341 + extra, ruling.width() - 28,
                             std::max(ruling.height() - 351 - extra, 80));
    return layout;
}

QSize minimumChartViewSize(const ChartViewNeeds& needs)
{
    const int width = 32 + needs.leftColumnWidth + needs.chartsColumnWidth + needs.rightColumnWidth;
    const int height =
        std::max(25 + std::max(needs.topRowHeight, kMinTopRowHeight) + needs.bottomRowHeight,
                 17 + needs.rightColumnHeight);
    return {std::max(width, kMinLayoutSize), std::max(height, kMinLayoutSize)};
}

PositionTablesPlacement placePositionTables(const QRect& panel, const PositionTableNeeds& planets,
                                            const PositionTableNeeds& cusps, double dpiScale)
{
    const int m = scaled(4, dpiScale);
    const int g = scaled(8, dpiScale);
    const int minHeight = scaled(24, dpiScale);
    const int pad = scaled(6, dpiScale);

    const int left = panel.x() + m;
    const int width = panel.width() - 2 * m;
    const int planetsTop = panel.y() + m + kPanelTitleHeight;
    const int available = bottom(panel) - m - planetsTop;
    const int H = available > g ? available - g : 0;

    int planetsHeight = std::max(H / 2, minHeight);
    if (H - planetsHeight < minHeight)
        planetsHeight = H - minHeight;

    if (planets.exists && cusps.exists && H >= 2 * minHeight) {
        const int rowHeight = std::max(planets.rowHeight, cusps.rowHeight);
        const int cuspRows = cusps.rowCount > 0 ? cusps.rowCount : 12;
        const int planetsWant = planets.headerHeight + planets.rowCount * rowHeight + pad;
        const int cuspsWant = cusps.headerHeight + cuspRows * rowHeight + pad;
        if (planetsWant + cuspsWant > H)
            planetsHeight = static_cast<int>(static_cast<long long>(H) * planetsWant /
                                             (planetsWant + cuspsWant + pad));
        else
            planetsHeight = planetsWant;
        planetsHeight = std::min(planetsHeight, planetsWant);
        planetsHeight = std::clamp(planetsHeight, minHeight, H - minHeight);
    }
    planetsHeight = std::clamp(planetsHeight, 0, H);

    PositionTablesPlacement placement;
    placement.planets = QRect(left, planetsTop, width, planetsHeight);
    placement.cusps = QRect(left, planetsTop + planetsHeight + g, width, H - planetsHeight);
    return placement;
}

QRect dashaTreeRect(const QRect& area, int rowHeight, int visibleRows, int headerHeight)
{
    if (rowHeight <= 0)
        rowHeight = 22;
    const int height =
        std::min(headerHeight + rowHeight * std::max(visibleRows, 1) + 12, area.height());
    return QRect(area.x(), area.y(), area.width(), height);
}

std::vector<int> proportionalColumnWidths(const std::vector<int>& weights, int clientWidth)
{
    std::vector<int> widths(weights.size(), 0);
    const int total = std::accumulate(weights.begin(), weights.end(), 0);
    if (weights.empty() || total <= 0)
        return widths;
    int used = 0;
    for (std::size_t i = 0; i + 1 < weights.size(); ++i) {
        widths[i] = clientWidth * weights[i] / total;
        used += widths[i];
    }
    widths.back() = std::max(clientWidth - used, 0);
    return widths;
}

QRect chartsPanelInside(const QRect& chartsPanel, int titleBarHeight)
{
    return chartsPanel.adjusted(0, titleBarHeight, 0, 0);
}

} // namespace lumikan::ui
