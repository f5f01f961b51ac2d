#include "render/chart_diagram.h"

#include "engine/cast_chart.h"
#include "engine/zodiac.h"
#include "gui_test_app.h"
#include "render/chart_appearance.h"
#include "render/contrast.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>

namespace lumikan::render {
namespace {

using engine::CuspPosition;
using engine::PlanetPosition;
namespace body = engine::body;

// Every text 7 pixels per character and 12 high, so geometry does not hang on fonts.
QSize fixedMeasure(const QString& text)
{
    return QSize(7 * int(text.size()), 12);
}

// L = 10, T = 20, R = 410, B = 320: centre (210, 170), hw = 185, hh = 135.
const QRect kBounds(10, 20, 400, 300);
constexpr int kCx = 210;

std::vector<CuspPosition> cuspsWithAscendantSign(int sign)
{
    std::vector<CuspPosition> cusps(12);
    for (int i = 0; i < 12; ++i)
        cusps[std::size_t(i)].sign = (sign + i) % 12;
    return cusps;
}

PlanetPosition planet(engine::BodyId body, int house, double longitude, bool retrograde = false)
{
    PlanetPosition p;
    p.body = body;
    p.house = house;
    p.longitude = longitude;
    p.sign = engine::signOf(longitude);
    p.dignity.retrograde = retrograde;
    return p;
}

ChartDiagramLayout layoutOf(const std::vector<PlanetPosition>& planets, int ascendantSign = 0)
{
    const std::vector<CuspPosition> cusps = cuspsWithAscendantSign(ascendantSign);
    return layoutChartDiagram(kBounds, &planets, &cusps, COLOR_THEMES[0].colors, QFont(),
                              fixedMeasure);
}

std::vector<QRect> labelRects(const ChartDiagramLayout& layout, int house)
{
    std::vector<QRect> rects;
    for (const ChartPlanetLabel& label : layout.labels)
        if (label.house == house)
            rects.push_back(label.label.rect);
    return rects;
}

TEST(ChartDiagramLayout, FrameAloneFollowsTheRectangleEdges)
{
    const std::vector<PlanetPosition> none;
    const ChartDiagramLayout layout =
        layoutChartDiagram(kBounds, &none, nullptr, COLOR_THEMES[0].colors, QFont(), fixedMeasure);
    EXPECT_FALSE(layout.hasContent);

    // The outline reaches R and B; its corners are rounded.
    EXPECT_EQ(layout.outline.boundingRect(), QRectF(10, 20, 400, 300));
    EXPECT_FALSE(layout.outline.contains(QPointF(11, 21)));
    EXPECT_EQ(layout.diamond, QPolygon({QPoint(kCx, 35), QPoint(395, 170), QPoint(kCx, 305),
                                        QPoint(25, 170), QPoint(kCx, 35)}));
    // Each corner tab is a 20-pixel square whose outer corner is cut round.
    const std::array<QPointF, 4> outerCorners = {QPointF(10.5, 20.5), QPointF(409.5, 20.5),
                                                 QPointF(409.5, 319.5), QPointF(10.5, 319.5)};
    for (std::size_t i = 0; i < 4; ++i) {
        const QRectF box = layout.cornerTabs[i].boundingRect();
        EXPECT_EQ(box.size(), QSizeF(20, 20)) << i;
        EXPECT_TRUE(box.contains(outerCorners[i])) << i;
        EXPECT_FALSE(layout.cornerTabs[i].contains(outerCorners[i])) << i;
    }
    // Not forced square: a wide rectangle gives a wide diamond.
    const ChartDiagramLayout wide = layoutChartDiagram(
        QRect(0, 0, 600, 200), nullptr, nullptr, COLOR_THEMES[0].colors, QFont(), fixedMeasure);
    EXPECT_EQ(wide.diamond.boundingRect(), QRect(QPoint(15, 15), QPoint(585, 185)));
}

TEST(ChartDiagramLayout, SignNumbersTurnWithTheAscendant)
{
    const ChartDiagramLayout leo = layoutOf({}, 4);
    ASSERT_TRUE(leo.hasContent);
    EXPECT_EQ(leo.signNumbers[0].text, "5");
    EXPECT_EQ(leo.signNumbers[7].text, "12");
    EXPECT_EQ(leo.signNumbers[8].text, "1");
    // House 1's number is centred on its anchor (cx, cy - 5 % = 164), lifted by 8/95 of hh.
    EXPECT_EQ(leo.signNumbers[0].rect, QRect(kCx - 3, 164 - 6 - 11, 7, 12));
}

TEST(ChartDiagramLayout, FivePlanetsInHouseOneStandFourAndOneSortedByLongitude)
{
    // A bucket spanning Pisces and Aries lists the Aries planets first.
    const ChartDiagramLayout layout = layoutOf(
        {planet(body::Sun, 1, 359.0), planet(body::Moon, 1, 2.0), planet(body::Mars, 1, 355.0),
         planet(body::Venus, 1, 1.0), planet(body::Jupiter, 1, 5.0)});
    ASSERT_EQ(layout.labels.size(), 5u);
    QStringList order;
    for (const ChartPlanetLabel& label : layout.labels)
        order << label.label.text;
    EXPECT_EQ(order, QStringList({"Ve", "Mo", "Ju", "Ma", "Su"}));

    // A first row of four 14-pixel labels 6 apart, centred on the anchor; the
    // fifth at its left edge one text height + 4 lower. Label boxes grow the text by 4 x 2.
    const std::vector<QRect> rects = labelRects(layout, 1);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(rects[std::size_t(k)].topLeft(), rects[0].topLeft() + QPoint(20 * k, 0)) << k;
    EXPECT_EQ(rects[0].left() + (4 * 20) / 2, kCx);
    EXPECT_EQ(rects[4].topLeft(), rects[0].topLeft() + QPoint(0, 12 + 4));
    EXPECT_EQ(rects[0].size(), QSize(14 + 4, 12 + 2));
}

TEST(ChartDiagramLayout, RowsOfMixedWidthsNeitherOverlapNorDrift)
{
    const ChartDiagramLayout layout =
        layoutOf({planet(body::Mercury, 4, 100.0),                                     // house 4
                  planet(body::Venus, 7, 185.0), planet(body::Saturn, 7, 190.0, true), // house 7
                  planet(body::Sun, 10, 270.0), planet(body::Moon, 10, 271.0),         // house 10
                  planet(body::Saturn, 10, 272.0, true), planet(body::Venus, 10, 273.0),
                  planet(body::Mars, 10, 274.0, true), planet(body::Mercury, 10, 275.0)});

    // House 4: anchor x 177, start (185 * -50) / 180 = -51 less 2 * 14 + 14: x 84;
    // y = 183 + (135 * -20) / 95 = 155.
    EXPECT_EQ(labelRects(layout, 4).at(0).topLeft(), QPoint(84, 155));

    // House 7: "Ve" and "SaR" (14 and 21 wide, 47 with the gaps) centred as one row.
    const std::vector<QRect> seven = labelRects(layout, 7);
    EXPECT_EQ(seven.at(0).left(), kCx - 47 / 2);
    EXPECT_EQ(seven.at(1).left(), kCx - 47 / 2 + 14 + 6);

    // House 10, four to a row: each label 6 pixels after the previous one's text,
    // a retrograde one included; the second row starts under the first.
    const std::vector<QRect> ten = labelRects(layout, 10);
    ASSERT_EQ(ten.size(), 6u);
    EXPECT_EQ(ten[0].left(), 243 + 20); // anchor 210 + 33, start (185 * 20) / 180
    for (std::size_t k : {1u, 2u, 3u, 5u})
        EXPECT_EQ(ten[k].topLeft(), ten[k - 1].topLeft() + QPoint(ten[k - 1].width() - 4 + 6, 0))
            << k;
    EXPECT_EQ(ten[4].topLeft(), ten[0].topLeft() + QPoint(0, 16));
}

TEST(ChartDiagramLayout, UnplacedPlanetsAreSkippedAndLabelsNameTheRest)
{
    PlanetPosition fortuna = planet(body::Fortuna, 5, 130.0);
    fortuna.starLord = engine::lord::Venus;
    fortuna.subLord = engine::lord::Mercury;
    const ChartDiagramLayout layout = layoutOf(
        {planet(body::Sun, 0, 10.0), planet(body::Moon, 13, 20.0), planet(body::Mars, -1, 30.0),
         planet(body::Rahu, 3, 70.0, true), planet(body::Ketu, 9, 250.0, true),
         planet(body::Saturn, 10, 280.0, true), fortuna, planet(42, 6, 160.0)});

    // Houses 0, 13 and -1 get neither a label nor a region; nodes show no "R".
    const std::vector<ChartHitRegion> regions = layout.regions();
    ASSERT_EQ(regions.size(), 5u);
    QStringList texts;
    for (std::size_t i = 0; i < regions.size(); ++i) {
        texts << layout.labels[i].label.text;
        EXPECT_EQ(regions[i].rect, layout.labels[i].label.rect);
        EXPECT_EQ(regions[i].body, layout.labels[i].body);
    }
    EXPECT_EQ(texts, QStringList({"Ra", "FO", "?", "Ke", "SaR"}));

    EXPECT_TRUE(regions[1].tooltipText.startsWith("Fortuna\r\nSign: Leo (5)\r\n"));
    // Unknown bodies take the Sun's colour, darkened (same hue) until it reads on the white fill.
    const QColor sun(0xFF, 0xC8, 0x00);
    const QColor shown = layout.labels[2].label.color;
    EXPECT_EQ(shown.hslHue(), sun.hslHue());
    EXPECT_GE(contrastRatio(shown, QColor(COLOR_THEMES[0].colors.chartFill)), 4.5);
}

TEST(ChartDiagramLayout, TooltipNamesTheHouseSignDegreeAndLords)
{
    // Sun at 127.75 (07°45' Leo) standing in a Bhava house that shows sign 6.
    PlanetPosition sun = planet(body::Sun, 2, 127.75);
    sun.starLord = engine::lord::Ketu;
    sun.subLord = 9; // not a lord
    EXPECT_EQ(chartTooltipText(sun, 6).toStdString(),
              "Sun\r\nSign: Leo (6)\r\nDegree: 07°45' Leo\r\nStar Lord: Ketu\r\nSub Lord: -");
    EXPECT_EQ(chartDegreeText(359.99).toStdString(), "29°59' Pisces");
    EXPECT_TRUE(layoutOf({sun}, 4).labels.at(0).tooltipText.contains("Sign: Leo (6)"));
}

TEST(ChartDiagramLayout, TextSizeAndPlacementInTheChartsPanel)
{
    EXPECT_EQ(chartTextSizeForPanelWidth(1000), 72); // 233 is too large: falls back
    EXPECT_EQ(chartTextSizeForPanelWidth(300), 63);
    EXPECT_EQ(chartTextSizeForPanelWidth(80), 50);
    EXPECT_EQ(chartTextSizeForPanelWidth(865), 200);
    EXPECT_EQ(chartTextSizeForPanelWidth(866), 72);

    // A tall panel: hh = 500, S = 60 % of (300 - 40) = 156, each diagram centred in its half.
    const ChartsPanelPlacement tall = placeChartsInPanel(QRect(0, 0, 300, 1051));
    EXPECT_EQ(tall.rashi, QRect(20, 30 + (500 - 156) / 2, 260, 156));
    EXPECT_EQ(tall.bhava, QRect(20, 546 + (1031 - 531 - 156) / 2, 260, 156));
    EXPECT_EQ(tall.rashiCaptionTopLeft, QPoint(100, 2));
    EXPECT_EQ(tall.bhavaCaptionTopLeft, QPoint(95, 527));
    EXPECT_EQ(tall.textSize, 63);

    // A wide panel: the height limits; the diagrams do not overlap and stay inside.
    const ChartsPanelPlacement wide = placeChartsInPanel(QRect(300, 9, 900, 500));
    EXPECT_EQ(wide.rashi.height(), (500 - 51) / 2);
    EXPECT_LT(wide.rashi.bottom(), wide.bhava.top());
    EXPECT_LE(wide.bhava.bottom(), 9 + 500);
}

// -- Painting ---------------------------------------------------------------

bool near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

bool insideAnyText(const ChartDiagramLayout& layout, QPoint p)
{
    for (const ChartPlanetLabel& label : layout.labels)
        if (label.label.rect.adjusted(-2, -2, 2, 2).contains(p))
            return true;
    for (const ChartDiagramText& number : layout.signNumbers)
        if (number.rect.adjusted(-2, -2, 2, 2).contains(p))
            return true;
    return false;
}

TEST(ChartDiagramPainting, LinesFillsAndLabelsLandWhereTheLayoutSays)
{
    test::guiApp();
    const test::CastChart cast = test::castChart(test::puneBirth());
    ASSERT_EQ(cast.status, engine::ChartStatus::Ok);
    const QRect bounds(10, 10, 400, 320); // L 10, T 10, R 410, B 330; centre (210, 170)
    const int L = 10, T = 10, cx = 210, cy = 170;

    for (int themeIndex : {0, 15}) { // "Classic Gold", "Carbon Dark"
        const ColorTheme& theme = COLOR_THEMES[std::size_t(themeIndex)].colors;
        SCOPED_TRACE(themeIndex);
        selectColorTheme(themeIndex);
        setChartTextSize(102);

        QImage image = test::whiteImage(420, 340);
        std::vector<ChartHitRegion> regions(1); // replaced by the drawing
        {
            QPainter painter(&image);
            DrawChartDiagram(painter, bounds, &cast.chart.rashiChartPlanets, &cast.chart.cusps,
                             &regions);
        }
        test::keepImage(image, QStringLiteral("chart_diagram_%1").arg(themeIndex));

        const QFontMetrics metrics(chartDiagramFont(102), &image);
        const ChartDiagramLayout layout =
            layoutChartDiagram(bounds, &cast.chart.rashiChartPlanets, &cast.chart.cusps, theme,
                               chartDiagramFont(102), [&](const QString& s) {
                                   return QSize(metrics.horizontalAdvance(s), metrics.height());
                               });
        ASSERT_EQ(regions.size(), cast.chart.rashiChartPlanets.size());
        ASSERT_EQ(regions.size(), layout.labels.size());

        const QPoint fill(cx + 30, T + 8);
        const QPoint crossing(cx, cy);
        ASSERT_FALSE(insideAnyText(layout, fill));
        ASSERT_FALSE(insideAnyText(layout, crossing));
        EXPECT_TRUE(near(image.pixel(fill), theme.chartFill, 0));
        EXPECT_TRUE(near(image.pixel(L + 7, cy), theme.chartLine, 3));        // left tick
        EXPECT_TRUE(near(image.pixel(cx, T + 7), theme.chartLine, 3));        // top tick
        EXPECT_TRUE(near(image.pixel(crossing), theme.chartLine, 3));         // diagonals cross
        EXPECT_TRUE(near(image.pixel(L + 12, T + 12), theme.chartAccent, 0)); // corner tab
        EXPECT_TRUE(near(image.pixel(L + 1, T + 1), 0xFFFFFF, 0)); // outside the rounded corner

        // Every label has ink where its region says.
        for (const ChartHitRegion& region : regions) {
            int ink = 0;
            for (int y = region.rect.top(); y <= region.rect.bottom(); ++y)
                for (int x = region.rect.left(); x <= region.rect.right(); ++x)
                    ink += near(image.pixel(x, y), theme.chartFill, 40) ? 0 : 1;
            EXPECT_GT(ink, 10) << region.tooltipText.toStdString();
        }
    }
    selectColorTheme(0);
}

TEST(ChartDiagramPainting, FrameAloneKeepsThePreviousRegions)
{
    test::guiApp();
    QImage image = test::whiteImage(200, 200);
    QPainter painter(&image);
    std::vector<ChartHitRegion> regions = {{QRect(1, 2, 3, 4), QStringLiteral("old"), 5}};
    const std::vector<PlanetPosition> planets = {planet(body::Sun, 1, 10.0)};
    const std::vector<CuspPosition> noCusps;
    DrawChartDiagram(painter, QRect(0, 0, 199, 199), &planets, &noCusps, &regions);
    DrawChartDiagram(painter, QRect(0, 0, 199, 199), nullptr, nullptr, &regions);
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0].tooltipText, "old");
}

} // namespace
} // namespace lumikan::render
