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

// Three drop-down lists at the right end of a title bar.
std::array<QRect, 3> timeLists(const QRect& panel, int top)
{
    constexpr int kListWidth = 45;
    constexpr int kListHeight = 22;
    std::array<QRect, 3> lists;
    const std::array<int, 3> fromRight = {157, 108, 59};
    for (std::size_t i = 0; i < lists.size(); ++i)
        lists[i] = QRect(right(panel) - fromRight[i], top, kListWidth, kListHeight);
    return lists;
}

} // namespace

std::optional<ChartViewLayout> layoutChartView(QSize client)
{
    const int cx = client.width();
    const int cy = client.height();
    if (cx < kMinLayoutSize || cy < kMinLayoutSize)
        return std::nullopt;

    const int w1 = (45 * cx - 1440) / 100;
    const int w2 = (30 * cx - 960) / 100;
    const int h1 = std::max((62 * cy - 1054) / 100, kMinTopRowHeight);

    ChartViewLayout layout;
    auto& panels = layout.panels;
    panels[std::size_t(Panel::PlanetaryPositions)] = edges(8, 9, 8 + w1, h1 + 9);
    panels[std::size_t(Panel::Charts)] = edges(16 + w1, 9, 16 + w1 + w2, h1 + 9);
    panels[std::size_t(Panel::RulingPlanetsAndDasha)] = edges(24 + w1 + w2, 9, cx - 8, cy - 8);
    panels[std::size_t(Panel::Significators)] = edges(8, h1 + 17, 8 + w1, cy - 8);
    panels[std::size_t(Panel::KarakasAndNotes)] = edges(16 + w1, h1 + 17, 16 + w1 + w2, cy - 8);

    const QRect& significators = layout.panel(Panel::Significators);
    layout.significatorsTable =
        QRect(significators.x() + 4, significators.y() + 32, significators.width() - 8,
              std::max(significators.height() - 36, 60));

    const QRect& karakas = layout.panel(Panel::KarakasAndNotes);
    layout.karakaGrid = QRect(karakas.x() + 10, karakas.y() + 35, karakas.width() - 20, 62);
    layout.notesEditor = QRect(karakas.x() + 10, karakas.y() + 103, karakas.width() - 20,
                               std::max(karakas.height() - 113, 60));

    const QRect& charts = layout.panel(Panel::Charts);
    layout.birthTimeLists = timeLists(charts, charts.y() + 3);

    const QRect& ruling = layout.panel(Panel::RulingPlanetsAndDasha);
    layout.rulingTimeLists = timeLists(ruling, ruling.y() + 2);
    layout.rulingPlanets = QRect(ruling.x() + 10, ruling.y() + 31, ruling.width() - 20, 304);
    layout.dashaArea = QRect(ruling.x() + 24, ruling.y() + 341, ruling.width() - 44,
                             std::max(ruling.height() - 351, 80));
    return layout;
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

QRect dashaTreeRect(const QRect& area, int rowHeight, int visibleRows)
{
    if (rowHeight <= 0)
        rowHeight = 22;
    const int height = std::min(rowHeight * std::max(visibleRows, 1) + 12, area.height());
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

QRect chartsPanelInside(const QRect& chartsPanel)
{
    return chartsPanel.adjusted(0, kPanelTitleHeight, 0, 0);
}

} // namespace lumikan::ui
