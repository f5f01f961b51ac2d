#include "cast_chart.h"

#include "engine/ruling_planets.h"

#include <gtest/gtest.h>

using namespace lumikan::engine;
using lumikan::test::castChart;
using lumikan::test::makeBirth;
using lumikan::test::puneBirth;

namespace {

bool operator==(const RulingPlanets& a, const RulingPlanets& b)
{
    return a.dayLord == b.dayLord && a.moonSignLord == b.moonSignLord &&
           a.moonStarLord == b.moonStarLord && a.moonSubLord == b.moonSubLord &&
           a.moonSubSubLord == b.moonSubSubLord && a.ascSignLord == b.ascSignLord &&
           a.ascStarLord == b.ascStarLord && a.ascSubLord == b.ascSubLord &&
           a.ascSubSubLord == b.ascSubSubLord;
}

// Values no computation produces, to see what was left alone.
RulingPlanets untouched()
{
    RulingPlanets rp;
    rp.dayLord = 77;
    rp.moonSignLord = rp.moonStarLord = rp.moonSubLord = rp.moonSubSubLord = 66;
    rp.ascSignLord = rp.ascStarLord = rp.ascSubLord = rp.ascSubSubLord = 55;
    return rp;
}

TEST(RulingPlanets, BirthSetFromTheUtWeekdayTheMoonAndCuspOne)
{
    // 00:30 on Sunday 2 January 2000 at +5:30 is 19:00 UT on Saturday.
    Chart chart;
    chart.options.dayLordRule = DayLordRule::UtDate;
    chart.birth = makeBirth(2000, 1, 2, 0, 30, 0, 5.5, 18.5, 73.9);
    chart.julianDayUt = birthJulianDayUt(chart.birth);
    PlanetPosition moon;
    moon.body = body::Moon;
    moon.sign = 4;  // Leo
    moon.starLord = lord::Venus;
    moon.subLord = lord::Rahu;
    moon.subSubLord = lord::Jupiter;
    CuspPosition asc;
    asc.signLord = lord::Saturn;
    asc.starLord = lord::Mars;
    asc.subLord = lord::Moon;
    asc.subSubLord = lord::Ketu;
    chart.planets = {moon};
    chart.cusps = {asc};
    birthRulingPlanets(chart, Ephemeris::shared());
    const RulingPlanets rp = rulingPlanetsOf(chart);
    EXPECT_EQ(rp.dayLord, body::Saturn);
    EXPECT_EQ(rp.moonSignLord, lord::Sun);
    EXPECT_EQ(rp.moonStarLord, lord::Venus);
    EXPECT_EQ(rp.moonSubLord, lord::Rahu);
    EXPECT_EQ(rp.moonSubSubLord, lord::Jupiter);
    EXPECT_EQ(rp.ascSignLord, lord::Saturn);
    EXPECT_EQ(rp.ascStarLord, lord::Mars);
    EXPECT_EQ(rp.ascSubLord, lord::Moon);
    EXPECT_EQ(rp.ascSubSubLord, lord::Ketu);

    // Noon UT of 1 January 2000: trunc(2451546.5) mod 7 = 6, Saturday.
    chart.julianDayUt = 2451545.0;
    chart.dayLord = 0;
    birthRulingPlanets(chart, Ephemeris::shared());
    EXPECT_EQ(chart.dayLord, body::Saturn);
    chart.julianDayUt = 2451545.5;  // midnight starts Sunday
    birthRulingPlanets(chart, Ephemeris::shared());
    EXPECT_EQ(chart.dayLord, body::Sun);

    // Without a Moon its lords stay; without planets or cusps nothing changes.
    chart.planets.front().body = body::Mars;
    chart.moonStarLord = 66;
    birthRulingPlanets(chart, Ephemeris::shared());
    EXPECT_EQ(chart.moonStarLord, 66);
    chart.cusps.clear();
    chart.dayLord = 77;
    birthRulingPlanets(chart, Ephemeris::shared());
    EXPECT_EQ(chart.dayLord, 77);
}

TEST(RulingPlanets, HoraryAscendantRulesTheAscendantLords)
{
    ChartOptions options = lumikan::test::chartOptions();
    options.horaryAscendantDeg = 209.0 + 26.0 / 60.0 + 40.0 / 3600.0;  // Jupiter star, Moon sub
    const ChartResult horary = computeChart(puneBirth(), options, Ephemeris::shared());
    ASSERT_TRUE(horary.ok());
    EXPECT_EQ(horary.chart->ascSignLord, lord::Venus);  // Libra
    EXPECT_EQ(horary.chart->ascStarLord, lord::Jupiter);
    EXPECT_EQ(horary.chart->ascSubLord, lord::Moon);
}

TEST(RulingPlanets, RankedRowsInFixedOrder)
{
    RulingPlanets rp;
    rp.dayLord = body::Venus;
    rp.moonSignLord = lord::Mercury;
    rp.moonStarLord = lord::Rahu;
    rp.moonSubLord = lord::Saturn;
    rp.ascSignLord = lord::Mars;
    rp.ascStarLord = lord::Rahu;  // Moon and ascendant in one star
    rp.ascSubLord = 12;           // not a lord: shown as the Sun
    const auto rows = rankedRulingPlanets(rp);
    const std::array<BodyId, 7> bodies = {body::Rahu,  body::Mars,   body::Rahu,   body::Mercury,
                                          body::Venus, body::Saturn, body::Sun};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(rows[i].rank, i + 1);
        EXPECT_EQ(rows[i].body, bodies[i]) << rows[i].category;
    }
}

TEST(RulingPlanets, PlaceFallsBackToTheBirthPlace)
{
    const BirthDetails birth = makeBirth(2000, 1, 1, 0, 0, 0, -3.0, -23.5, -46.6);
    const RulingPlace birthPlace = rulingPlaceFor(0.0, 0.0, 5.5, birth);
    EXPECT_EQ(birthPlace.latitudeDeg, -23.5);
    EXPECT_EQ(birthPlace.longitudeDeg, -46.6);
    EXPECT_EQ(birthPlace.timeZoneHours, -3.0);
    // Only both zero means "not set".
    const RulingPlace meridian = rulingPlaceFor(0.0, 73.9, 5.5, birth);
    EXPECT_EQ(meridian.latitudeDeg, 0.0);
    EXPECT_EQ(meridian.longitudeDeg, 73.9);
    EXPECT_EQ(meridian.timeZoneHours, 5.5);
}

TEST(RulingPlanets, SetOfAMomentAtTheRulingPlanetPlace)
{
    auto cast = castChart(puneBirth());
    ASSERT_EQ(cast.status, ChartStatus::Ok);
    const Chart& chart = cast.chart;
    ChartOptions options = chart.options;
    options.rulingPlace = rulingPlaceFor(0.0, 0.0, 0.0, chart.birth);
    Ephemeris& ephemeris = Ephemeris::shared();

    // The birth moment at the birth place gives the birth set.
    RulingPlanets now = rulingPlanetsAt(options, {1990, 12, 5, 14, 7, 0}, ephemeris, untouched());
    EXPECT_TRUE(now == rulingPlanetsOf(chart));
    const PlanetPosition& moon = *findPlanet(chart, body::Moon);
    EXPECT_EQ(now.moonSubSubLord, moon.subSubLord);
    EXPECT_EQ(now.ascSubLord, chart.cusps[0].subLord);

    // 02:00 on Thursday 6 December at +5:30 is still Wednesday in UT, and
    // before Thursday's sunrise.
    now = rulingPlanetsAt(options, {1990, 12, 6, 2, 0, 0}, ephemeris, now);
    EXPECT_EQ(now.dayLord, body::Mercury);
    options.dayLordRule = DayLordRule::UtDate;
    EXPECT_EQ(rulingPlanetsAt(options, {1990, 12, 6, 2, 0, 0}, ephemeris, now).dayLord,
              body::Mercury);
    // 23:00 at -5 on Wednesday is Thursday 04:00 UT, still Wednesday's KP day.
    options.rulingPlace = {40.7, -74.0, -5.0};
    now = rulingPlanetsAt(options, {1990, 12, 5, 23, 0, 0}, ephemeris, now);
    EXPECT_EQ(now.dayLord, body::Jupiter);
    options.dayLordRule = DayLordRule::LocalSunrise;
    EXPECT_EQ(rulingPlanetsAt(options, {1990, 12, 5, 23, 0, 0}, ephemeris, now).dayLord,
              body::Mercury);

    // Beyond the polar circle the houses fail: the day lord still changes,
    // the ascendant and Moon lords stay as they were.
    options.rulingPlace = {80.0, 15.0, 1.0};
    now = rulingPlanetsAt(options, {2000, 1, 1, 13, 0, 0}, ephemeris, untouched());
    EXPECT_EQ(now.dayLord, body::Saturn);
    EXPECT_EQ(now.ascSignLord, 55);
    EXPECT_EQ(now.ascSubSubLord, 55);
    EXPECT_EQ(now.moonStarLord, 66);
}

TEST(RulingPlanets, DayLordRunsFromSunriseToSunriseAtThePlace)
{
    Ephemeris& ephemeris = Ephemeris::shared();
    // New York, 13 July 1977 (a Wednesday), 20:52 EDT = 00:52 UT on Thursday.
    const BirthDetails evening = makeBirth(1977, 7, 13, 20, 52, 0, -4.0, 40.7128, -74.0060);
    const double jd = birthJulianDayUt(evening);
    EXPECT_EQ(
        dayLordAt(jd, evening.latitude, evening.longitude, DayLordRule::LocalSunrise, ephemeris),
        body::Mercury);
    EXPECT_EQ(dayLordAt(jd, evening.latitude, evening.longitude, DayLordRule::UtDate, ephemeris),
              body::Jupiter);

    // 04:00 EDT on that Wednesday is before its sunrise (about 05:35): Tuesday's
    // lord by sunrise, while the UT date (08:00 UT) already says Wednesday.
    const BirthDetails dawn = makeBirth(1977, 7, 13, 4, 0, 0, -4.0, 40.7128, -74.0060);
    const double dawnJd = birthJulianDayUt(dawn);
    EXPECT_EQ(
        dayLordAt(dawnJd, dawn.latitude, dawn.longitude, DayLordRule::LocalSunrise, ephemeris),
        body::Mars);
    EXPECT_EQ(dayLordAt(dawnJd, dawn.latitude, dawn.longitude, DayLordRule::UtDate, ephemeris),
              body::Mercury);
    // An hour after sunrise it is Wednesday by both.
    const double morningJd = dawnJd + 3.0 / 24.0;
    EXPECT_EQ(
        dayLordAt(morningJd, dawn.latitude, dawn.longitude, DayLordRule::LocalSunrise, ephemeris),
        body::Mercury);

    // Tromsø in midsummer: the Sun does not set, so the UT date rules.
    // 21 June 2000 was a Wednesday; 23:30 UT at 69.6° N 18.9° E.
    const double midnightSun = julianDay(2000, 6, 21, 23.5);
    EXPECT_EQ(dayLordAt(midnightSun, 69.65, 18.96, DayLordRule::LocalSunrise, ephemeris),
              body::Mercury);
    // And in midwinter it does not rise: 21 December 2000, a Thursday, 23:30 UT.
    const double polarNight = julianDay(2000, 12, 21, 23.5);
    EXPECT_EQ(dayLordAt(polarNight, 69.65, 18.96, DayLordRule::LocalSunrise, ephemeris),
              body::Jupiter);
}

TEST(RulingPlanets, TheChartsBirthSetFollowsItsDayLordRule)
{
    const BirthDetails evening = makeBirth(1977, 7, 13, 20, 52, 0, -4.0, 40.7128, -74.0060);
    ChartOptions options = lumikan::test::chartOptions();
    ASSERT_EQ(options.dayLordRule, DayLordRule::LocalSunrise); // the default
    const ChartResult bySunrise = computeChart(evening, options, Ephemeris::shared());
    ASSERT_TRUE(bySunrise.ok());
    EXPECT_EQ(bySunrise.chart->dayLord, body::Mercury);
    options.dayLordRule = DayLordRule::UtDate;
    const ChartResult byUtDate = computeChart(evening, options, Ephemeris::shared());
    ASSERT_TRUE(byUtDate.ok());
    EXPECT_EQ(byUtDate.chart->dayLord, body::Jupiter);
    // Nothing else of the birth set depends on the rule.
    EXPECT_EQ(bySunrise.chart->ascSubLord, byUtDate.chart->ascSubLord);
    EXPECT_EQ(bySunrise.chart->moonSubLord, byUtDate.chart->moonSubLord);
}

} // namespace
