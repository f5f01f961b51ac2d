#include "cast_chart.h"

#include "engine/ayanamsa_caption.h"
#include "engine/coded_errors.h"
#include "engine/chara_karakas.h"
#include "engine/dignity.h"
#include "engine/house_rules.h"
#include "engine/kp_sub_table.h"
#include "engine/zodiac.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <cmath>
#include <vector>

using namespace lumikan::engine;
using lumikan::test::castChart;
using lumikan::test::makeBirth;
using lumikan::test::puneBirth;

namespace {
std::vector<BodyId> bodiesOf(const Chart& chart)
{
    std::vector<BodyId> ids;
    for (const auto& p : chart.planets)
        ids.push_back(p.body);
    return ids;
}
}  // namespace

TEST(JulianDay, LocalTimeCarriesTheDayAcrossMidnight)
{
    // 00:30 at +5:30 is 19:00 UT of the previous day, even when that is day 0.
    const BirthDetails early = makeBirth(2024, 3, 1, 0, 30, 0, 5.5, 0, 0);
    EXPECT_DOUBLE_EQ(birthJulianDayUt(early), julianDay(2024, 3, 0, 19.0));
    EXPECT_DOUBLE_EQ(birthJulianDayUt(early), julianDay(2024, 2, 29, 19.0));
    // 22:00 at -5 is 03:00 UT of the next day, even past the month's end.
    const BirthDetails late = makeBirth(2023, 12, 31, 22, 0, 0, -5.0, 0, 0);
    EXPECT_DOUBLE_EQ(birthJulianDayUt(late), julianDay(2024, 1, 1, 3.0));
    EXPECT_DOUBLE_EQ(julianDay(2000, 1, 1, 12.0), 2451545.0);
}

TEST(ChartComputation, BodiesInComputationOrderWithKetuAfterRahu)
{
    const auto all = castChart(puneBirth());
    ASSERT_EQ(all.status, ChartStatus::Ok);
    const std::vector<BodyId> expected = {0, 1, 4, 2, 5, 3, 6, 10, 11, 7, 8, 9, 993};
    EXPECT_EQ(bodiesOf(all.chart), expected);

    const auto classical = castChart(puneBirth(), AyanamsaMode::Krishnamurti, 0.0, false);
    const std::vector<BodyId> withoutOuter = {0, 1, 4, 2, 5, 3, 6, 10, 11, 993};
    EXPECT_EQ(bodiesOf(classical.chart), withoutOuter);

    const Chart& chart = all.chart;
    const PlanetPosition& rahu = *findPlanet(chart, body::Rahu);
    const PlanetPosition& ketu = *findPlanet(chart, body::Ketu);
    EXPECT_NEAR(arcDistance(rahu.longitude, ketu.longitude), 180.0, 1e-9);
    EXPECT_EQ(ketu.speed, rahu.speed);
    EXPECT_EQ(ketu.latitude, rahu.latitude);
    EXPECT_EQ(ketu.dignity.retrograde, rahu.dignity.retrograde);
    EXPECT_EQ(ketu.pada, padaOf(ketu.longitude));
    EXPECT_EQ(ketu.nakshatra, nakshatraOf(ketu.longitude));
    EXPECT_EQ(ketu.charaKarakaRank, -1);

    // Every body's house agrees with the cusps, and the Chart's karaka map covers the seven.
    EXPECT_EQ(chart.charaKarakaRanks.size(), 7u);
    for (const auto& p : chart.planets) {
        EXPECT_EQ(p.house, houseByCusps(p.longitude, chart.cusps)) << bodyName(p.body, 2);
        EXPECT_GE(p.longitude, 0.0);
        EXPECT_LT(p.longitude, 360.0);
    }
    ASSERT_EQ(chart.cusps.size(), 12u);
    for (int k = 0; k < 12; ++k)
        EXPECT_EQ(chart.cusps[k].number, k + 1);
}

TEST(ChartComputation, HoraryReplacesOnlyTheFirstCusp)
{
    const auto natal = castChart(puneBirth());
    ChartOptions options = lumikan::test::chartOptions();
    options.horaryAscendantDeg = *horaryAscendantFor(145);
    const ChartResult horary = computeChart(puneBirth(), options, Ephemeris::shared());
    ASSERT_TRUE(horary.ok());
    EXPECT_EQ(horary.chart->cusps[0].longitude, horary.chart->horaryAscendant);
    EXPECT_EQ(horary.chart->cusps[0].starLord, lord::Jupiter);
    EXPECT_EQ(horary.chart->cusps[0].subLord, lord::Moon);
    for (int k = 1; k < 12; ++k)
        EXPECT_EQ(horary.chart->cusps[k].longitude, natal.chart.cusps[k].longitude) << "cusp " << k + 1;
}

TEST(ChartComputation, PolarBirthGivesTheHouseErrorAndNoChart)
{
    // Placidus has no answer inside the polar circles at this moment.
    const auto polar = castChart(makeBirth(1990, 12, 21, 12, 0, 0, 1.0, 78.2232, 15.6267));
    EXPECT_EQ(polar.status, ChartStatus::NoHouses);
    EXPECT_TRUE(polar.chart.planets.empty());
    const auto coded = codedErrorFor(polar.status);
    ASSERT_TRUE(coded);
    EXPECT_EQ(coded->code, "SWEPH - 0x0000302");

    EXPECT_EQ(codedErrorFor(ChartStatus::NoEphemeris)->code, "SWEPH - 0x0000301");
    EXPECT_FALSE(codedErrorFor(ChartStatus::Ok));
}

TEST(ChartComputation, OnlyTheShippedEphemerisFilesAreUsed)
{
    const auto reference = castChart(puneBirth());
    ASSERT_EQ(reference.status, ChartStatus::Ok);

    // Outside the files' years the library would fall back to a coarser model.
    for (int year : {1700, 2500}) {
        const auto outside = castChart(makeBirth(year, 6, 1, 12, 0, 0, 0.0, 51.5, 0.0));
        EXPECT_EQ(outside.status, ChartStatus::NoEphemeris) << year;
    }

    // A data path from the environment does not replace the shipped files.
    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / "lumikan-empty-ephe";
    std::filesystem::create_directories(empty);
    ::setenv("SE_EPHE_PATH", empty.c_str(), 1);
    const auto withEnvironment = castChart(puneBirth());
    ::unsetenv("SE_EPHE_PATH");
    ASSERT_EQ(withEnvironment.status, ChartStatus::Ok);
    EXPECT_EQ(withEnvironment.chart.planets[1].longitude, reference.chart.planets[1].longitude);

    // Folders the library would split or cut get a safe name for the same folder.
    const std::filesystem::path colon = std::filesystem::temp_directory_path() / "lumikan:ephe";
    std::filesystem::create_directories(colon);
    const std::string safe = libraryDataPath(colon.string());
    EXPECT_EQ(safe.find(':'), std::string::npos) << safe;
    EXPECT_TRUE(std::filesystem::equivalent(safe, colon)) << safe;
    const std::filesystem::path deep =
        std::filesystem::temp_directory_path() / std::string(220, 'd');
    std::filesystem::create_directories(deep);
    EXPECT_TRUE(std::filesystem::equivalent(libraryDataPath(deep.string()), deep));
    EXPECT_EQ(libraryDataPath(deep.string()).front(), '/');
    // Never the current directory.
    EXPECT_EQ(libraryDataPath("ephe").front(), '/');
    EXPECT_EQ(libraryDataPath("").front(), '/');
}

TEST(ChartComputation, FortunaByDayAndByNight)
{
    // 14:07 in Pune: the Sun is above the horizon (house 9), so F = Asc + Moon - Sun.
    const auto day = castChart(puneBirth());
    const Chart& d = day.chart;
    const double asc = d.cusps[0].longitude;
    const double sun = findPlanet(d, body::Sun)->longitude;
    const double moon = findPlanet(d, body::Moon)->longitude;
    ASSERT_GE(findPlanet(d, body::Sun)->house, 7);
    const PlanetPosition& f = *findPlanet(d, body::Fortuna);
    EXPECT_NEAR(f.longitude, normalizeDegrees(asc + moon - sun), 1e-9);
    EXPECT_EQ(f.speed, 0.0);
    EXPECT_EQ(f.latitude, 0.0);
    EXPECT_TRUE(f.dignity.direct && f.dignity.stationary);
    EXPECT_FALSE(f.dignity.retrograde || f.dignity.combust);
    EXPECT_EQ(f.charaKarakaRank, -1);

    // 02:00 the same night: the Sun below the horizon, F = Asc + Sun - Moon.
    const auto night = castChart(makeBirth(1990, 12, 5, 2, 0, 0, 5.5, 18.5204, 73.8567));
    const Chart& n = night.chart;
    ASSERT_LE(findPlanet(n, body::Sun)->house, 6);
    EXPECT_NEAR(findPlanet(n, body::Fortuna)->longitude,
                normalizeDegrees(n.cusps[0].longitude + findPlanet(n, body::Sun)->longitude -
                                 findPlanet(n, body::Moon)->longitude),
                1e-9);
}

TEST(Dignity, EdgesOfCombustionExaltationAndDebilitation)
{
    // The Moon 11.9° from the Sun is combust (orb 12); Mars exactly 17° away is not.
    EXPECT_TRUE(dignityFlagsOf(body::Moon, 111.9, 13.0, 100.0).combust);
    EXPECT_FALSE(dignityFlagsOf(body::Mars, 117.0, 0.5, 100.0).combust);
    EXPECT_TRUE(dignityFlagsOf(body::Mars, 116.99, 0.5, 100.0).combust);
    // Combustion measures the shorter arc across 0°.
    EXPECT_TRUE(dignityFlagsOf(body::Venus, 355.0, 1.0, 3.0).combust);
    EXPECT_FALSE(dignityFlagsOf(body::Sun, 100.0, 1.0, 100.0).combust);
    EXPECT_FALSE(dignityFlagsOf(body::Rahu, 100.0, -0.05, 100.0).combust);

    EXPECT_TRUE(dignityFlagsOf(body::Jupiter, 95.8, 0.1, 0.0).exalted);
    EXPECT_TRUE(dignityFlagsOf(body::Jupiter, 96.0, 0.1, 0.0).exalted);
    EXPECT_FALSE(dignityFlagsOf(body::Jupiter, 96.01, 0.1, 0.0).exalted);
    EXPECT_TRUE(dignityFlagsOf(body::Saturn, 20.5, 0.1, 0.0).debilitated);
    EXPECT_TRUE(dignityFlagsOf(body::Venus, 356.2, 1.0, 0.0).exalted);
    // Venus exalted at 357: the arc wraps, 0.5° past 0° Aries is 3.5° away.
    EXPECT_FALSE(dignityFlagsOf(body::Venus, 0.5, 1.0, 0.0).exalted);
    // Debilitation uses the plain difference: Venus's point 177.
    EXPECT_TRUE(dignityFlagsOf(body::Venus, 177.9, 1.0, 0.0).debilitated);

    const DignityFlags slow = dignityFlagsOf(body::Mercury, 200.0, -0.0005, 0.0);
    EXPECT_TRUE(slow.retrograde && slow.stationary && !slow.direct);
    const DignityFlags own = dignityFlagsOf(body::Mercury, 165.0 + 2.0, 1.0, 0.0);
    EXPECT_TRUE(own.ownSign);
    EXPECT_TRUE(dignityFlagsOf(body::Mercury, 166.0, 1.0, 0.0).moolatrikona);
    EXPECT_FALSE(dignityFlagsOf(body::Mercury, 165.9, 1.0, 0.0).moolatrikona);
}

TEST(CharaKarakas, LargestDegreeFirstTiesInComputationOrder)
{
    auto planet = [](BodyId b, double l) {
        PlanetPosition p;
        p.body = b;
        p.longitude = l;
        return p;
    };
    // Sun and Moon both at 10° in their signs; Mars and Mercury both at 25°.
    const std::vector<PlanetPosition> planets = {
        planet(body::Sun, 10.0),     planet(body::Moon, 70.0),    planet(body::Mars, 25.0),
        planet(body::Mercury, 55.0), planet(body::Jupiter, 29.5), planet(body::Venus, 1.0),
        planet(body::Saturn, 15.0),  planet(body::Rahu, 29.9)};
    const auto ranks = rankCharaKarakas(planets);
    EXPECT_EQ(ranks.size(), 7u);
    EXPECT_EQ(ranks.at(body::Jupiter), 0);
    EXPECT_EQ(ranks.at(body::Mars), 1);
    EXPECT_EQ(ranks.at(body::Mercury), 2);
    EXPECT_EQ(ranks.at(body::Saturn), 3);
    EXPECT_EQ(ranks.at(body::Sun), 4);
    EXPECT_EQ(ranks.at(body::Moon), 5);
    EXPECT_EQ(ranks.at(body::Venus), 6);
    EXPECT_FALSE(ranks.count(body::Rahu));
}

TEST(Houses, PlanetOnACuspBelongsToTheHouseItBegins)
{
    std::vector<CuspPosition> cusps(12);
    for (int k = 0; k < 12; ++k) {
        cusps[k].number = k + 1;
        cusps[k].longitude = normalizeDegrees(345.0 + 30.0 * k);
    }
    EXPECT_EQ(houseByCusps(345.0, cusps), 1);
    EXPECT_EQ(houseByCusps(15.0, cusps), 2);
    EXPECT_EQ(houseByCusps(5.0, cusps), 1);  // house 1 spans 0° Aries
    EXPECT_EQ(houseByCusps(344.9, cusps), 12);
    EXPECT_EQ(houseOf(344.9, cusps), 12);
    EXPECT_EQ(houseOf(5.0, cusps), 1);
    cusps.pop_back();
    EXPECT_EQ(houseByCusps(5.0, cusps), -1);
    EXPECT_EQ(houseOf(5.0, cusps), 0);
}

TEST(AyanamsaCaption, EveryModeAndNoLeftoverFrame)
{
    EXPECT_EQ(ayanamsaCaption(AyanamsaMode::Custom, 23.5), "Ayanamsa: Custom | 23\u00b030'00\"");
    EXPECT_EQ(ayanamsaCaption(AyanamsaMode::Sayana, 0.0), "Ayanamsa: Sayana (Tropical)");
    EXPECT_EQ(ayanamsaModeFromInt(9), AyanamsaMode::Krishnamurti);
    EXPECT_EQ(ayanamsaModeName(ayanamsaModeFromInt(-1)), "Krishnamurti");

    // Each chart carries the ayanamsa of its own frame, whatever was cast before.
    const auto kp = castChart(puneBirth());
    EXPECT_NEAR(kp.chart.ayanamsaDeg, 23.0 + 38.0 / 60.0, 1.0 / 60.0);
    const auto lahiri = castChart(puneBirth(), AyanamsaMode::Lahiri);
    EXPECT_GT(std::fabs(lahiri.chart.ayanamsaDeg - kp.chart.ayanamsaDeg), 1.0 / 3600.0);
    EXPECT_EQ(castChart(puneBirth(), AyanamsaMode::Sayana).chart.ayanamsaDeg, 0.0);
    const auto again = castChart(puneBirth());
    EXPECT_EQ(again.chart.ayanamsaDeg, kp.chart.ayanamsaDeg);
    EXPECT_EQ(again.chart.planets[1].longitude, kp.chart.planets[1].longitude);
    EXPECT_EQ(castChart(puneBirth(), AyanamsaMode::Custom, 23.5).chart.ayanamsaDeg, 23.5);
}
