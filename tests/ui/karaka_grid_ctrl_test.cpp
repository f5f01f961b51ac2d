#include "ui/karaka_grid_ctrl.h"

#include "qt_test_app.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

namespace body = engine::body;

engine::PlanetPosition ranked(engine::BodyId b, int rank)
{
    engine::PlanetPosition p;
    p.body = b;
    p.charaKarakaRank = rank;
    return p;
}

TEST(KarakaGrid, OneCellPerRankFirstPlanetWins)
{
    const std::vector<engine::PlanetPosition> planets = {
        ranked(body::Moon, 6), ranked(body::Sun, 0),     ranked(body::Rahu, -1),
        ranked(body::Mars, 0), ranked(body::Jupiter, 1), ranked(body::Fortuna, 7)};
    const std::vector<KarakaCell> cells = karakaCells(planets, 2);
    ASSERT_EQ(cells.size(), 3u);
    EXPECT_EQ(cells[0].label, "AK");
    EXPECT_EQ(cells[0].planetName, "Sun"); // Mars shares the rank but comes later
    EXPECT_EQ(cells[1].label, "AmK");
    EXPECT_EQ(cells[1].planetName, "Jupiter");
    EXPECT_EQ(cells[2].label, "DK");
    EXPECT_EQ(cells[2].planetName, "Moon");
    EXPECT_EQ(karakaCells(planets, 0)[2].planetName, "MON");
}

TEST(KarakaGrid, ColumnsShareTheWidthWithAMinimum)
{
    const KarakaGridLayout wide = layoutKarakaGrid(QSize(300, 62), 7);
    ASSERT_EQ(wide.columns.size(), 7u);
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(wide.columns[i].labelCell, QRect(2 + int(i) * 42, 2, 40, 28)) << i;
        EXPECT_EQ(wide.columns[i].nameCell, QRect(2 + int(i) * 42, 32, 40, 28)) << i;
    }

    // Too narrow: the columns stay 20 wide and run past the right edge.
    const KarakaGridLayout narrow = layoutKarakaGrid(QSize(100, 62), 7);
    EXPECT_EQ(narrow.columns[6].labelCell.width(), 20);
    EXPECT_GT(narrow.columns[6].labelCell.x() + 20, 100);

    // Too short: fixed rows 2..14 and 16..28.
    const KarakaGridLayout flat = layoutKarakaGrid(QSize(300, 29), 7);
    EXPECT_EQ(flat.columns[0].labelCell, QRect(2, 2, 40, 12));
    EXPECT_EQ(flat.columns[0].nameCell, QRect(2, 16, 40, 12));

    EXPECT_TRUE(layoutKarakaGrid(QSize(300, 62), 0).columns.empty());
}

TEST(KarakaGrid, PaintsCellsInTheirRankColours)
{
    test::qtApp();
    CKarakaGridCtrl grid;
    grid.resize(300, 62);
    grid.setCells(karakaCells({ranked(body::Sun, 0), ranked(body::Venus, 6)}, 2));
    QImage image = test::whiteImage(300, 62);
    {
        QPainter painter(&image);
        grid.paintGrid(painter);
    }
    test::keepImage(image, QStringLiteral("karaka_grid"));

    // Two columns of (298 / 2) - 2 = 147 pixels: AK from x 2, DK from x 151.
    EXPECT_EQ(QColor(image.pixel(6, 6)), QColor(0xFF, 0xEB, 0xCD));
    EXPECT_EQ(QColor(image.pixel(6, 36)), QColor(0xFF, 0xEB, 0xCD));
    EXPECT_EQ(QColor(image.pixel(155, 6)), QColor(0xFF, 0xC0, 0xCB));
    EXPECT_EQ(QColor(image.pixel(40, 2)), QColor(0xC8, 0xC8, 0xC8)); // top border
    EXPECT_EQ(QColor(image.pixel(40, 31)), QColor(Qt::white));       // gap between rows
    EXPECT_EQ(QColor(image.pixel(150, 6)), QColor(Qt::white));       // gap between columns
}

} // namespace
} // namespace lumikan::ui
