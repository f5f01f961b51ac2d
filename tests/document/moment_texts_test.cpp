// How moments, zones and places are written where a report or panel says
// which moment and where.
#include "document/moment_texts.h"
#include "document/ruling_moment.h"
#include "document/varga_chart_doc.h"

#include "chart_maker.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumikan::document {
namespace {

TEST(MomentTexts, OffsetsZonesMomentsAndPlaces)
{
    EXPECT_EQ(utcOffsetText(5.5), "UTC+5:30");
    EXPECT_EQ(utcOffsetText(-3.5), "UTC-3:30");
    EXPECT_EQ(utcOffsetText(-0.5), "UTC-0:30");
    EXPECT_EQ(utcOffsetText(0), "UTC+0:00");
    EXPECT_EQ(utcOffsetText(5.75), "UTC+5:45");
    EXPECT_EQ(utcOffsetText(14), "UTC+14:00");
    EXPECT_EQ(utcOffsetText(5.9999), "UTC+6:00") << "rounded to the minute";
    EXPECT_EQ(utcOffsetText(std::nan("")), "UTC");

    // The label and the offset, since labels alone are ambiguous (CST).
    EXPECT_EQ(zoneAndOffsetText(5.5), "IST, UTC+5:30");
    EXPECT_EQ(zoneAndOffsetText(8), "CST, UTC+8:00");
    EXPECT_EQ(zoneAndOffsetText(-6), "CST, UTC-6:00");
    EXPECT_EQ(zoneAndOffsetText(5.75), "UTC+5:45") << "the offset once";

    EXPECT_EQ(momentText({2026, 12, 6, 10, 30, 59}), "6 Dec 2026 10:30");
    EXPECT_EQ(momentAtPlaceText({1990, 12, 5, 14, 7, 0}, 5.5, "Pune"),
              "5 Dec 1990 14:07 IST, Pune");
    EXPECT_EQ(momentAtPlaceText({1990, 12, 5, 14, 7, 0}, 5.75, ""), "5 Dec 1990 14:07 UTC+5:45");
    EXPECT_EQ(coordinatesText(-33.8688, -70.5), "33.8688 S, 70.5000 W");

    engine::BirthDetails b;
    b.city = "Pune";
    EXPECT_EQ(birthPlaceName(b, "somewhere"), "Pune");
    b.city = "Unknown";
    EXPECT_EQ(birthPlaceName(b, "Kolhapur, India"), "Kolhapur, India");
    b.city.clear();
    b.latitude = 18.5204;
    b.longitude = 73.8567;
    EXPECT_EQ(birthPlaceName(b, " "), "18.5204 N, 73.8567 E");
}

TEST(RulingMoment, ThePlaceIsNamedAsTheChartCastsItsRulingPlanets)
{
    test::PuneChart pune;
    // No ruling-planet place in the settings: the birth place stands in.
    EXPECT_EQ(rulingPlaceName(*pune.doc), "Pune");

    test::ChartMaker maker;
    maker.settings.rpCity = "Nagpur";
    maker.settings.rpLatitude = 21.1458;
    maker.settings.rpLongitude = 79.0882;
    maker.settings.rpTimeZoneHours = 5.5;
    auto nagpur = maker.newChart(test::namedPuneBirth());
    ASSERT_TRUE(nagpur);
    EXPECT_EQ(rulingPlaceName(*nagpur), "Nagpur");
    maker.settings.rpCity.clear();
    nagpur->ApplySettingsChange();
    EXPECT_EQ(rulingPlaceName(*nagpur), "21.1458 N, 79.0882 E") << "a place without a name";

    // A place given for this chart alone wins over the settings.
    ChartEnvironment env = maker.environment();
    env.overrides.rulingPlace = engine::RulingPlace{51.5, -0.12, 0};
    CVerokantDoc london(env);
    ASSERT_TRUE(london.CreateChart(describeChart(test::namedPuneBirth())));
    EXPECT_EQ(rulingPlaceName(london), "51.5000 N, 0.1200 W");
}

TEST(RulingMoment, ThePanelTitleSaysNowOnlyForTheClocksMinute)
{
    test::PuneChart pune({2026, 12, 6, 10, 30, 15});
    pune.doc->RulingPlanetsAt(10, 30, 0);
    EXPECT_EQ(rulingPlanetsTitle(*pune.doc),
              "Ruling planets now \u2014 6 Dec 2026 10:30 IST, Pune");
    pune.doc->RulingPlanetsAt(18, 0, 0);
    EXPECT_EQ(rulingPlanetsTitle(*pune.doc), "Ruling planets \u2014 6 Dec 2026 18:00 IST, Pune");
}

TEST(RulingMoment, TheDivisionalChartsWindowNamesItsChart)
{
    test::PuneChart pune;
    EXPECT_EQ(vargaWindowTitle(*pune.doc),
              "Divisional Charts \u2014 Test Chart (5 Dec 1990 14:07, Pune)");
    CVargaChartDoc vargas;
    vargas.SetChart(*pune.doc);
    EXPECT_EQ(vargas.GetTitle(), vargaWindowTitle(*pune.doc));

    engine::BirthDetails unnamed = test::namedPuneBirth("");
    auto doc = pune.newChart(unnamed);
    ASSERT_TRUE(doc);
    EXPECT_EQ(vargaWindowTitle(*doc), "Divisional Charts \u2014 5 Dec 1990 14:07, Pune");
}

} // namespace
} // namespace lumikan::document
