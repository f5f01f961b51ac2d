#include "document/chart_rows.h"
#include "document/chart_titles.h"
#include "engine/cast_chart.h"
#include "engine/zodiac.h"

#include <gtest/gtest.h>

using namespace lumikan::document;
using namespace lumikan::engine;

using lumikan::test::namedPuneBirth;

TEST(Titles, TheFiveFormats)
{
    const BirthDetails b = namedPuneBirth();
    const QString place = "Pune, Maharashtra, India";
    EXPECT_EQ(BuildTitle(b, "Test Chart", place, 0),
              QString::fromUtf8("Test Chart — 5 Dec 1990 | 14:07 IST | Pune, Maharashtra, India"));
    EXPECT_EQ(BuildTitle(b, "Test Chart", place, 1),
              QString::fromUtf8("Test Chart — 05-12-1990 | 14:07 IST | Lat 18.5204 N | Lon 73.8567 E"));
    EXPECT_EQ(BuildTitle(b, "", place, 2),
              QString::fromUtf8("DOB: 5 Dec 1990 | 14:07 IST | Pune, Maharashtra, India | 18.5204N 73.8567E"));
    EXPECT_EQ(BuildTitle(b, "X", place, 3),
              QString::fromUtf8("X — 5 Dec 1990 • 14:07 IST • Pune, Maharashtra, India • 18.5204N 73.8567E"));
    EXPECT_EQ(BuildTitle(b, "X", place, 4), BuildTitle(b, "X", place, 1));
    EXPECT_EQ(BuildTitle(b, "X", place, 9), BuildTitle(b, "X", place, 1));

    BirthDetails south = b;
    south.latitude = -33.8688;
    south.longitude = -58.38;
    EXPECT_TRUE(BuildTitle(south, "", "", 1).endsWith("Lat 33.8688 S | Lon 58.3800 W"));
}

TEST(Titles, PiecesAndZones)
{
    EXPECT_EQ(TimeZoneLabel(5.75), "UTC+5:45");
    EXPECT_EQ(TimeZoneLabel(-3.5), "UTC-3:30");
    EXPECT_EQ(TimeZoneLabel(-0.5), "UTC-0:30");
    EXPECT_EQ(TimeZoneLabel(10), "UTC+10");
    EXPECT_EQ(TimeZoneLabel(5.5), "IST");
    EXPECT_EQ(TimeZoneLabel(5.505), "IST");
    EXPECT_EQ(TimeZoneLabel(8), "CST");
    EXPECT_EQ(TimeZoneLabel(-6), "CST");
    EXPECT_EQ(TimeZoneLabel(0), "GMT");
    EXPECT_EQ(LongDate(5, 13, 1990), "05-13-1990");

    BirthDetails unknown = namedPuneBirth();
    unknown.city = "unknown";
    EXPECT_EQ(PlaceLabel(unknown, "Saved place"), "Saved place");
    unknown.city = "";
    EXPECT_EQ(PlaceLabel(unknown, "Saved place"), "Saved place");
    BirthDetails noState = namedPuneBirth();
    noState.state = "";
    EXPECT_EQ(PlaceLabel(noState, ""), "Pune, India");

    std::vector<CuspPosition> cusps(12);
    for (int k = 0; k < 12; ++k)
        cusps[k].number = k + 1;
    cusps[0].longitude = 345.26818;
    cusps[0].sign = 11;
    EXPECT_EQ(AscendantText(cusps, 0), QString::fromUtf8("PISCES 15°16'"));
    EXPECT_EQ(AscendantText(cusps, 1), QString::fromUtf8("Pi 15°16'"));
    EXPECT_EQ(AscendantText({}, 0), "");
}

TEST(Rows, DegreeTextCarriesRoundedSeconds)
{
    EXPECT_EQ(DegreeText(12.5), "12-30-00");
    EXPECT_EQ(DegreeText(12.999999), "13-00-00");
    EXPECT_EQ(DegreeText(12.9999), "13-00-00");
    EXPECT_EQ(DegreeText(0.0), "0-00-00");
    EXPECT_EQ(DegreeText(29.99999999), "30-00-00");
    EXPECT_EQ(DegreeText(1.0 + 59.0 / 60 + 59.6 / 3600), "2-00-00");
}

TEST(Rows, PlanetAndCuspTexts)
{
    Chart chart;
    const PlanetPosition mercury = lumikan::test::sampleMercury();
    PlanetPosition rahu;
    rahu.body = body::Rahu;
    rahu.dignity.retrograde = true;
    PlanetPosition saturn;
    saturn.body = body::Saturn;
    saturn.dignity.retrograde = true;
    saturn.dignity.ownSign = true;
    EXPECT_EQ(planetLabelWithFlags(mercury, 0), "MER[RE]");
    EXPECT_EQ(planetLabelWithFlags(rahu, 0), "RAH");
    EXPECT_EQ(planetLabelWithFlags(saturn, 1), "Sat[RO]");

    chart.planetSignificators.push_back({body::Mercury, {9, 4, 7}});
    const auto rows = PlanetRows({mercury, rahu}, chart, {2, 2, 2});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].cells(), QStringList({"Mercury[RE]", "Hasta", "Virgo", "15-30-00", "Moon", "Saturn",
                                    "Ketu", "9 4 7 "}));
    EXPECT_EQ(rows[1].significators, "");  // no significator entry

    HouseSignificators h;
    h.house = 3;
    h.owners = {lord::Mars};
    h.inStarOfOwner = {body::Jupiter};
    EXPECT_EQ(houseSignificatorText(h, 0), "-/-/JUP/MAR");

    CuspPosition c3;
    c3.number = 3;
    c3.longitude = 47.5274;
    c3.sign = 1;
    c3.nakshatra = 3;
    c3.starLord = lord::Moon;
    c3.subLord = lord::Saturn;
    c3.subSubLord = lord::Jupiter;
    CuspPosition c4 = c3;
    c4.number = 4;
    chart.houseSignificators.push_back(h);
    const auto cuspRows = CuspRows({c3, c4}, chart, {0, 1, 1});
    EXPECT_EQ(cuspRows[0].cells(), QStringList({"III", "17-31-39", "Rohini", "MON", "Ta", "SAT", "JUP",
                                        "-/-/JUP/MAR"}));
    EXPECT_EQ(cuspRows[1].significators, "-");
    EXPECT_EQ(romanNumeral(13), "");
}
