#include "render/chart_diagram.h"

#include "render/color_theme.h"
#include "render/contrast.h"

#include <gtest/gtest.h>

namespace lumikan::render {
namespace {

QSize fixedMeasure(const QString& text)
{
    return QSize(7 * int(text.size()), 12);
}

engine::PlanetPosition at(engine::BodyId body, int house, double longitude)
{
    engine::PlanetPosition p;
    p.body = body;
    p.house = house;
    p.longitude = longitude;
    return p;
}

} // namespace

TEST(TransitDiagram, SecondSetSharesTheHousesInItsOwnStyle)
{
    std::vector<engine::CuspPosition> cusps(12);
    for (int i = 0; i < 12; ++i)
        cusps[std::size_t(i)].sign = i;
    const std::vector<engine::PlanetPosition> natal = {at(engine::body::Sun, 1, 10.0),
                                                       at(engine::body::Moon, 4, 100.0)};
    const std::vector<engine::PlanetPosition> transit = {at(engine::body::Sun, 1, 20.0),
                                                         at(engine::body::Saturn, 1, 5.0)};
    // A dark theme: the fixed planet colours must be lifted to stay readable.
    for (int theme = 0; theme < kColorThemeCount; ++theme) {
        const ColorTheme& colors = COLOR_THEMES[std::size_t(theme)].colors;
        const ChartDiagramLayout layout = layoutChartDiagram(
            QRect(10, 20, 400, 300), &natal, &cusps, colors, QFont(), fixedMeasure, &transit);
        ASSERT_EQ(layout.labels.size(), 4u);
        int second = 0;
        std::vector<QRect> firstHouse;
        for (const ChartPlanetLabel& label : layout.labels) {
            second += label.secondSet;
            EXPECT_EQ(label.tooltipText.startsWith("Transit "), label.secondSet);
            EXPECT_GE(contrastRatio(label.label.color, QColor::fromRgb(colors.chartFill)),
                      kMinimumTextContrast - 1e-9)
                << COLOR_THEMES[std::size_t(theme)].name;
            if (label.house == 1)
                firstHouse.push_back(label.label.rect);
        }
        EXPECT_EQ(second, 2);
        // Natal and transit labels in one house never overlap.
        ASSERT_EQ(firstHouse.size(), 3u);
        for (std::size_t i = 0; i < firstHouse.size(); ++i)
            for (std::size_t j = i + 1; j < firstHouse.size(); ++j)
                EXPECT_FALSE(firstHouse[i].intersects(firstHouse[j]));
    }
    // Without a second set nothing is marked; every label is readable on the fill.
    const ChartDiagramLayout plain = layoutChartDiagram(
        QRect(10, 20, 400, 300), &natal, &cusps, COLOR_THEMES[0].colors, QFont(), fixedMeasure);
    for (const ChartPlanetLabel& label : plain.labels) {
        EXPECT_FALSE(label.secondSet);
        EXPECT_EQ(label.label.color, readableOn(planetColor(label.body), plain.fillColor));
    }
}

} // namespace lumikan::render
