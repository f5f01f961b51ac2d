#include "document/significator_table.h"
#include "render/color_theme.h"
#include "ui/chart_view_layout.h"
#include "ui/table_cell_style.h"

#include <gtest/gtest.h>

#include <numeric>

namespace lumikan::ui {
namespace {

using document::orderSignificatorEntries;
using document::significatorEntries;
using document::SignificatorEntry;
using document::SignificatorRow;
using document::SignificatorRowKind;

QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

TEST(ChartViewLayout, PanelsAndControlsOfAWideWindow)
{
    // 1280 x 800: w1 = 561, w2 = 374, h1 = 485.
    const auto layout = layoutChartView({1280, 800});
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->panel(Panel::PlanetaryPositions), edges(8, 9, 569, 494));
    EXPECT_EQ(layout->panel(Panel::Charts), edges(577, 9, 951, 494));
    EXPECT_EQ(layout->panel(Panel::RulingPlanetsAndDasha), edges(959, 9, 1272, 792));
    EXPECT_EQ(layout->panel(Panel::Significators), edges(8, 502, 569, 792));
    EXPECT_EQ(layout->panel(Panel::KarakasAndNotes), edges(577, 502, 951, 792));

    EXPECT_EQ(layout->significatorsTable, QRect(12, 534, 553, 254));
    EXPECT_EQ(layout->karakaGrid, QRect(587, 537, 354, 62));
    EXPECT_EQ(layout->notesEditor, QRect(587, 605, 354, 177));
    EXPECT_EQ(layout->birthTimeLists[0].topLeft(), QPoint(794, 12));
    EXPECT_EQ(layout->birthTimeLists[2].topLeft(), QPoint(892, 12));
    EXPECT_EQ(layout->rulingTimeLists[2].topLeft(), QPoint(1213, 11));
    EXPECT_EQ(layout->birthTimeLists[0].width(), 45);
    EXPECT_EQ(layout->rulingPlanets, QRect(969, 40, 293, 304));
    // The dasha tree's area is inset 14 pixels each side, so its frame lines up
    // with the ruling planets above it.
    EXPECT_EQ(layout->dashaArea, QRect(973, 350, 285, 432));
}

TEST(ChartViewLayout, ShortWindowsKeepA300PixelTopRowAndTinyOnesAreIgnored)
{
    // (62 x 400 - 1054) / 100 = 237, raised to 300; the bottom panels get
    // what is left and their controls their minimum heights.
    const auto shortWindow = layoutChartView({1000, 400});
    ASSERT_TRUE(shortWindow);
    EXPECT_EQ(shortWindow->panel(Panel::PlanetaryPositions).height(), 300);
    EXPECT_EQ(shortWindow->panel(Panel::Charts).height(), 300);
    EXPECT_EQ(shortWindow->panel(Panel::KarakasAndNotes), edges(451, 317, 741, 392));
    EXPECT_EQ(shortWindow->notesEditor.height(), 60);
    EXPECT_EQ(shortWindow->significatorsTable.height(), 60);
    EXPECT_EQ(shortWindow->dashaArea.height(), 80);

    EXPECT_FALSE(layoutChartView({99, 800}));
    EXPECT_FALSE(layoutChartView({800, 99}));
    EXPECT_TRUE(layoutChartView({100, 100}));
}

TEST(ChartViewLayout, PositionTablesShareThePanelByWhatTheyNeed)
{
    // Panel top 9, bottom 494: tables from 41; H = 494 - 4 - 41 - 8 = 441.
    const QRect panel = edges(8, 9, 569, 494);
    const PositionTableNeeds thirteenPlanets{true, 24, 20, 13};
    const PositionTableNeeds twelveCusps{true, 24, 20, 12};

    // 290 + 270 > 441: the planets get 441 x 290 / (290 + 270 + 6) = 225.
    auto placed = placePositionTables(panel, thirteenPlanets, twelveCusps, 1.0);
    EXPECT_EQ(placed.planets, QRect(12, 41, 553, 225));
    EXPECT_EQ(placed.cusps, QRect(12, 274, 553, 216));

    // Both fit: the planets get exactly what they want, the cusps the rest.
    placed = placePositionTables(panel, {true, 24, 20, 5}, twelveCusps, 1.0);
    EXPECT_EQ(placed.planets.height(), 130);
    EXPECT_EQ(placed.cusps.height(), 311);

    // An empty cusps table is counted as twelve rows.
    const auto emptyCusps = placePositionTables(panel, thirteenPlanets, {true, 24, 20, 0}, 1.0);
    EXPECT_EQ(emptyCusps.planets.height(), 225);

    // A row height taken from the taller table; never below the minimum.
    placed = placePositionTables(panel, {true, 24, 18, 1}, {true, 24, 30, 5}, 1.0);
    EXPECT_EQ(placed.planets.height(), 24 + 30 + 6);

    // Too little room for wishes: half each, the cusps at least 24.
    const QRect tiny = edges(8, 9, 569, 9 + 4 + 28 + 40 + 8 + 4);
    placed = placePositionTables(tiny, thirteenPlanets, twelveCusps, 1.0);
    EXPECT_EQ(placed.planets.height(), 16);
    EXPECT_EQ(placed.cusps.height(), 24);

    // Gaps and minimums scale with the screen: at 192 dpi m = 8, g = 16.
    placed = placePositionTables(panel, thirteenPlanets, twelveCusps, 2.0);
    EXPECT_EQ(placed.planets.topLeft(), QPoint(16, 9 + 8 + 28));
    EXPECT_EQ(placed.cusps.y(), placed.planets.y() + placed.planets.height() + 16);
}

TEST(ChartViewLayout, ColumnWidthsAndTheDashaTreeHeight)
{
    const std::vector<int> weights = {45, 65, 65, 60, 45, 45, 65, 190};
    for (int width : {553, 580, 1001, 37}) {
        const std::vector<int> widths = proportionalColumnWidths(weights, width);
        EXPECT_EQ(std::accumulate(widths.begin(), widths.end(), 0), width) << width;
        EXPECT_EQ(widths[0], width * 45 / 580) << width;
    }

    const QRect area(983, 350, 269, 432);
    EXPECT_EQ(dashaTreeRect(area, 22, 5), QRect(983, 350, 269, 22 * 5 + 12));
    EXPECT_EQ(dashaTreeRect(area, 0, 3).height(), 22 * 3 + 12);
    EXPECT_EQ(dashaTreeRect(area, 22, 0).height(), 22 + 12);
    EXPECT_EQ(dashaTreeRect(area, 22, 40).height(), 432);
}

SignificatorEntry entry(const char* name, std::vector<int> houses)
{
    SignificatorEntry e;
    e.planetName = QString::fromLatin1(name);
    e.signifiedHouses = std::move(houses);
    return e;
}

TEST(SignificatorTable, OrderRowsAndColours)
{
    std::vector<SignificatorEntry> entries = {
        entry("SUN", {9, 6}),      entry("MON", {}),         entry("MAR", {11, 5, 1}),
        entry("MER", {6, 12}),     entry("JUP", {4, 10, 1}), entry("VEN", {3, 8}),
        entry("SAT", {12, 2, 11}),
    };
    orderSignificatorEntries(entries);
    QStringList order;
    for (const SignificatorEntry& e : entries)
        order << e.planetName;
    // House 1 first (in their order), then by the lowest house with ties kept,
    // the planet signifying nothing last.
    EXPECT_EQ(order.join(' '), "MAR JUP SAT VEN SUN MER MON");

    entries[0].planetHouses = {11, 5};
    entries[0].starLordHouses = {1};
    entries[0].starLordName = "KET";
    const std::vector<SignificatorRow> rows = significatorRows(entries);
    auto text = [&rows](std::size_t i) { return significatorRowColor(rows[i].emphasis); };
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[0].cells, QStringList({"XI, V, I", "MAR", "KET", "", ""}));
    EXPECT_EQ(rows[1].cells, QStringList({"", "11,5", "1", "-", "-"}));
    EXPECT_EQ(rows[1].kind, SignificatorRowKind::Lords);
    EXPECT_EQ(text(1), QColor::fromRgb(kLordsRowText));
    EXPECT_EQ(rows[12].cells[0], "-"); // MON signifies nothing

    // Houses 1 and 5: the trikona colour wins over the kendra colour.
    EXPECT_EQ(text(0), QColor::fromRgb(0x008200));
    EXPECT_EQ(text(2), QColor::fromRgb(0x0046A0)); // JUP: I, IV, X
    EXPECT_EQ(text(8), QColor::fromRgb(0x008200)); // SUN: IX
    EXPECT_FALSE(text(6).isValid());               // VEN: III, VIII in the theme's text
}

TEST(TableCellStyle, LaterRulesWin)
{
    const render::ColorTheme& gold = render::COLOR_THEMES[0].colors;
    auto color = [](QRgb value) { return QColor::fromRgb(value); };

    CellStyle cell = positionCellStyle(gold, {1, false, false}, false);
    EXPECT_EQ(cell.back, color(gold.rowDark));
    EXPECT_EQ(cell.text, color(gold.listText));
    cell = positionCellStyle(gold, {2, false, false}, true);
    EXPECT_EQ(cell.text, color(gold.accentColumnText));
    EXPECT_EQ(cell.back, color(gold.accentColumnBack));
    // Under the mouse the accent text (4.36 : 1 there) darkens a little, hue kept.
    cell = positionCellStyle(gold, {2, true, false}, true);
    EXPECT_EQ(cell.text.hslHue(), color(gold.accentColumnText).hslHue());
    EXPECT_LT(cell.text.lightness(), color(gold.accentColumnText).lightness());
    EXPECT_EQ(cell.back, color(gold.hoverBack));
    cell = positionCellStyle(gold, {2, true, true}, true);
    EXPECT_EQ(cell.text, color(gold.selectedText));
    EXPECT_EQ(cell.back, color(gold.selectedBack));

    using document::SignificatorEmphasis;
    cell = significatorCellStyle(gold, {0, false, false},
                                 {SignificatorRowKind::Planet, {}, SignificatorEmphasis::Trikona});
    EXPECT_TRUE(cell.bold);
    EXPECT_EQ(cell.text, color(kTrikonaRowText));
    EXPECT_EQ(cell.back, color(gold.rowLight));
    cell = significatorCellStyle(gold, {3, false, false}, {SignificatorRowKind::Planet, {}, {}});
    EXPECT_EQ(cell.text, color(gold.listText));
    EXPECT_EQ(cell.back, color(gold.rowDark));
    cell = significatorCellStyle(gold, {3, true, false},
                                 {SignificatorRowKind::Lords, {}, SignificatorEmphasis::Lords});
    EXPECT_FALSE(cell.bold);
    EXPECT_EQ(cell.back, color(gold.hoverBack));
}

} // namespace
} // namespace lumikan::ui
