#include "ui/ruling_planets_ctrl.h"

#include "qt_test_app.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

namespace lord = engine::lord;
namespace body = engine::body;

engine::RulingPlanets sampleRulingPlanets()
{
    engine::RulingPlanets rp;
    rp.dayLord = body::Venus;
    rp.moonSignLord = lord::Mars;
    rp.moonStarLord = lord::Moon; // the Moon and the ascendant in the same star
    rp.moonSubLord = lord::Rahu;
    rp.ascSignLord = lord::Sun;
    rp.ascStarLord = lord::Moon;
    rp.ascSubLord = lord::Ketu;
    return rp;
}

TEST(RulingPlanetsPanel, RowsFollowTheRankingAndNameForm)
{
    const auto ranked = engine::rankedRulingPlanets(sampleRulingPlanets());
    const std::vector<RulingPlanetRow> full = rulingPlanetRows(ranked, 2);
    ASSERT_EQ(full.size(), 7u);
    // The same planet may appear in several categories (here the Moon as both star lords).
    QStringList shown;
    for (const RulingPlanetRow& row : full)
        shown << QString::number(row.rank) + " " + row.category + " " + row.planetName;
    EXPECT_EQ(shown,
              QStringList({"1 Ascendant Star Lord Moon", "2 Ascendant Sign Lord Sun",
                           "3 Moon Star Lord Moon", "4 Moon Sign Lord Mars", "5 Day Lord Venus",
                           "6 Moon Sub Lord Rahu", "7 Asc Sub Lord Ketu"}));
    EXPECT_EQ(rulingPlanetRows(ranked, 0)[0].planetName, "MON");

    // Colours go by position; the sixth and later rows share one pair.
    EXPECT_NE(full[5].background, full[4].background);
    EXPECT_EQ(full[6].background, full[5].background);
}

TEST(RulingPlanetsPanel, PlaceLineNamesTheSettingsPlaceOrTheBirthPlace)
{
    RulingPlanetPlace pune{"Pune", "Maharashtra", "India", 18.5204, 73.8567, 5.5};
    EXPECT_EQ(rulingPlanetPlaceLine(pune),
              "Pune, Maharashtra, India  |  Lat: 18.5204  Long: 73.8567  TZ: +5.50");

    RulingPlanetPlace countryOnly{"", "", "Canada", 45.4215, -75.6972, -5.0};
    EXPECT_EQ(rulingPlanetPlaceLine(countryOnly),
              "Canada  |  Lat: 45.4215  Long: -75.6972  TZ: -5.00");

    RulingPlanetPlace coordinatesOnly{"", "", "", 0.0, 12.5, 1.0};
    EXPECT_EQ(rulingPlanetPlaceLine(coordinatesOnly),
              "-  |  Lat: 0.0000  Long: 12.5000  TZ: +1.00");

    // A city alone counts as a place even at 0, 0.
    RulingPlanetPlace cityAtZero{"Null Island", "", "", 0.0, 0.0, 0.0};
    EXPECT_TRUE(rulingPlanetPlaceLine(cityAtZero).startsWith("Null Island  |  "));

    EXPECT_EQ(rulingPlanetPlaceLine({}), "Location: Birth place (set RP in Settings)");
}

TEST(RulingPlanetsPanel, RowsStopAboveTheBottomMargin)
{
    EXPECT_TRUE(layoutRulingPlanets(QSize(300, 121), 7).rows.empty()); // header only
    EXPECT_EQ(layoutRulingPlanets(QSize(300, 122), 7).rows.size(), 1u);
    EXPECT_EQ(layoutRulingPlanets(QSize(300, 304), 7).rows.size(), 7u); // the view's height
    EXPECT_EQ(layoutRulingPlanets(QSize(300, 304), 3).rows.size(), 3u);

    EXPECT_EQ(layoutRulingPlanets(QSize(300, 304), 7).rows[2].box, QRect(8, 146, 284, 28));
}

TEST(RulingPlanetsPanel, PaintsHeaderSeparatorAndRowBars)
{
    test::qtApp();
    CRulingPlanetsCtrl panel;
    panel.resize(320, 304);
    panel.setPlace({"Pune", "Maharashtra", "India", 18.5204, 73.8567, 5.5});
    panel.setRows(rulingPlanetRows(engine::rankedRulingPlanets(sampleRulingPlanets()), 2));

    QImage image = test::whiteImage(320, 304);
    {
        QPainter painter(&image);
        panel.paintPanel(painter);
    }
    test::keepImage(image, QStringLiteral("ruling_planets"));

    EXPECT_EQ(QColor(image.pixel(310, 10)), QColor(0xF8, 0xF9, 0xFA)); // header, right of the title
    EXPECT_EQ(QColor(image.pixel(160, 77)), QColor(0xE1, 0xE4, 0xE8)); // separator
    EXPECT_EQ(QColor(image.pixel(160, 82)), QColor(Qt::white));
    // Row 1 (y 86..114): outline on its top edge, its background between category and name.
    EXPECT_EQ(QColor(image.pixel(160, 86)), QColor(0xD2, 0xD7, 0xDC));
    EXPECT_EQ(QColor(image.pixel(320 - 97, 100)), QColor(0xE6, 0xF0, 0xFF));
    // Row 7 (y 266..294) and white below it.
    EXPECT_EQ(QColor(image.pixel(320 - 97, 280)), QColor(0xF5, 0xF5, 0xF8));
    EXPECT_EQ(QColor(image.pixel(160, 299)), QColor(Qt::white));
}

} // namespace
} // namespace lumikan::ui

namespace lumikan::ui {
namespace {

TEST(RulingPlanetsPanel, ATitleTooWideGivesUpItsWordsBeforeItsMomentAndPlace)
{
    test::qtApp();
    CRulingPlanetsCtrl panel;
    const QString title = QString::fromUtf8("Ruling planets now — 15 Mar 2026 10:30 IST, Pune");
    panel.setTitle(title);
    const QFontMetrics metrics(panel.font());
    EXPECT_EQ(panel.fittedTitle(metrics, metrics.horizontalAdvance(title)), title);
    const QString moment = QString::fromUtf8("15 Mar 2026 10:30 IST, Pune");
    EXPECT_EQ(panel.fittedTitle(metrics, metrics.horizontalAdvance(moment) + 2), moment);
    const QString cut = panel.fittedTitle(metrics, metrics.horizontalAdvance(moment) / 2);
    EXPECT_TRUE(cut.endsWith(QChar(0x2026))) << cut.toStdString();
    EXPECT_EQ(panel.toolTip(), title);
}

}  // namespace
}  // namespace lumikan::ui
