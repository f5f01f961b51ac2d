#include "cast_chart.h"

#include "engine/shadbala.h"
#include "engine/strength_cache.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

using namespace lumikan::engine;
using namespace lumikan::engine::strength;

namespace {

// Strength points are whole or half virupas in the tables and the formulas
// are a few multiplications deep: 1e-9 virupa is exact for them.
constexpr double kVirupa = 1e-9;
// Sunrise and sunset against swetest, which uses a slightly different
// atmosphere: a minute, in days. A wrong day would be off by hours.
constexpr double kMinuteDays = 1.0 / 1440.0;

PlanetPosition at(BodyId b, double longitudeDeg, double speed = 0.5)
{
    PlanetPosition p;
    p.body = b;
    p.longitude = longitudeDeg;
    p.sign = signOf(longitudeDeg);
    p.speed = speed;
    return p;
}

Chart chartOf(std::initializer_list<PlanetPosition> planets)
{
    Chart chart;
    chart.planets = planets;
    return chart;
}

TEST(Shadbala, PositionalPieces)
{
    // Uchcha: full at the exaltation point, nothing at the fall.
    EXPECT_NEAR(uchchaBala(body::Jupiter, 95.0), 60.0, kVirupa);
    EXPECT_NEAR(uchchaBala(body::Jupiter, 275.0), 0.0, kVirupa);
    EXPECT_NEAR(uchchaBala(body::Venus, 87.0), 30.0, kVirupa);  // 90° round through 0
    EXPECT_EQ(uchchaBala(body::Rahu, 95.0), 0.0);

    // Kendra by equal houses from the ascendant degree.
    EXPECT_EQ(kendraBala(105.0, 100.0), 60.0);  // 5° past
    EXPECT_EQ(kendraBala(135.0, 100.0), 30.0);  // 35° past
    EXPECT_EQ(kendraBala(165.0, 100.0), 15.0);  // 65° past
    EXPECT_EQ(kendraBala(100.0, 100.0), 60.0);  // on the ascendant
    EXPECT_EQ(kendraBala(99.9, 100.0), 15.0);   // the twelfth house
    EXPECT_EQ(kendraBala(5.0, 350.0), 60.0);    // across 0° Aries

    // Odd and even sign and navamsa.
    EXPECT_EQ(ojhayugmaBala(body::Sun, 1.0), 30.0);    // Aries, Aries navamsa
    EXPECT_EQ(ojhayugmaBala(body::Sun, 11.0), 15.0);   // Aries, Cancer navamsa
    EXPECT_EQ(ojhayugmaBala(body::Moon, 31.0), 30.0);  // Taurus, Capricorn navamsa
    EXPECT_EQ(ojhayugmaBala(body::Rahu, 31.0), 15.0);
}

TEST(Shadbala, DignityPointsAndCompoundRelationship)
{
    // Natural friend or enemy, combined with the sign distance of the other.
    EXPECT_EQ(compoundRelationship(body::Sun, 10, body::Jupiter, 100), Relationship::GreatFriend);
    EXPECT_EQ(compoundRelationship(body::Sun, 10, body::Jupiter, 190), Relationship::Friend);
    EXPECT_EQ(compoundRelationship(body::Sun, 10, body::Saturn, 40), Relationship::Enemy);
    EXPECT_EQ(compoundRelationship(body::Sun, 10, body::Saturn, 70), Relationship::Neutral);
    EXPECT_EQ(compoundRelationship(body::Sun, 10, body::Mercury, 20), Relationship::Friend);
    EXPECT_EQ(compoundRelationship(body::Sun, 10, body::Mercury, 190), Relationship::Neutral);
    // Natural friendship is one way: the Moon befriends Mercury, not back.
    EXPECT_EQ(compoundRelationship(body::Moon, 10, body::Mercury, 190), Relationship::Friend);
    EXPECT_EQ(compoundRelationship(body::Mercury, 190, body::Moon, 10), Relationship::Enemy);
    // The nodes regard every planet as neutral.
    EXPECT_EQ(compoundRelationship(body::Rahu, 10, body::Sun, 340), Relationship::Friend);
    EXPECT_EQ(compoundRelationship(body::Rahu, 10, body::Sun, 200), Relationship::Neutral);

    const Chart chart = chartOf({at(body::Sun, 11.0), at(body::Mercury, 20.0),
                                 at(body::Moon, 100.0), at(body::Jupiter, 190.0),
                                 at(body::Saturn, 40.0)});
    EXPECT_EQ(dignityPoints(body::Sun, 11.0, 0, chart), 20.0);   // exaltation sign
    EXPECT_EQ(dignityPoints(body::Sun, 139.9, 6, chart), 0.0);   // fall beats moolatrikona
    EXPECT_EQ(dignityPoints(body::Sun, 139.9, 4, chart), 18.0);  // Leo below 20°
    EXPECT_EQ(dignityPoints(body::Sun, 140.0, 4, chart), 15.0);  // 20° is only own sign here
    EXPECT_EQ(dignityPoints(body::Sun, 11.0, 9, chart), 5.0);    // Saturn's sign, Saturn hostile
    // Mercury's moolatrikona counts from 0° Virgo in the strength.
    EXPECT_EQ(dignityPoints(body::Mercury, 160.0, 2, chart), 18.0);
    EXPECT_EQ(dignityPoints(body::Mercury, 175.0, 2, chart), 15.0);

    // Sun at 11° Aries in its seven vargas: Aries 20, hora Leo 15, drekkana
    // Leo 15, saptamsa Gemini (Mercury, friend) 10, navamsa Cancer (Moon,
    // great friend) 15, dwadasamsa Leo 15, trimshamsa Sagittarius (Jupiter,
    // friend) 10.
    EXPECT_EQ(saptavargajaBala(body::Sun, 11.0, chart), 100.0);
    // Jupiter in Cancer becomes a great friend; so does a Jupiter the chart
    // lacks, which is taken to stand with the Sun.
    const Chart jupiterInCancer = chartOf({at(body::Sun, 11.0), at(body::Mercury, 20.0),
                                           at(body::Moon, 100.0), at(body::Jupiter, 100.0)});
    EXPECT_EQ(saptavargajaBala(body::Sun, 11.0, jupiterInCancer), 105.0);
    const Chart noJupiter = chartOf({at(body::Sun, 11.0), at(body::Mercury, 20.0),
                                     at(body::Moon, 100.0)});
    EXPECT_EQ(saptavargajaBala(body::Sun, 11.0, noJupiter), 105.0);
}

TEST(Shadbala, DirectionalAndTemporalPieces)
{
    EXPECT_NEAR(digBala(body::Sun, 100.0 + 270.0 - 360.0, 100.0), 60.0, kVirupa);
    EXPECT_NEAR(digBala(body::Sun, 190.0, 100.0), 0.0, kVirupa);
    EXPECT_NEAR(digBala(body::Saturn, 10.0, 100.0), 30.0, kVirupa);  // 270 past, 90 from 180
    EXPECT_NEAR(digBala(body::Rahu, 100.0, 100.0), 60.0, kVirupa);

    // Paksha from the Moon's distance to the Sun, folded at 180°.
    EXPECT_NEAR(pakshaBala(body::Moon, 10.0, 100.0), 30.0, kVirupa);
    EXPECT_NEAR(pakshaBala(body::Moon, 10.0, 190.0), 60.0, kVirupa);
    EXPECT_NEAR(pakshaBala(body::Jupiter, 100.0, 340.0), 40.0, kVirupa);  // 240 → 120
    EXPECT_NEAR(pakshaBala(body::Saturn, 100.0, 340.0), 20.0, kVirupa);

    // Thirds of a 12-hour day from sunrise R and of the night after sunset.
    const double r = 2451545.25;
    const double s = r + 0.5;
    EXPECT_EQ(tribhagaLord(r, r, s), body::Mercury);
    EXPECT_EQ(tribhagaLord(r + 0.2, r, s), body::Sun);
    EXPECT_EQ(tribhagaLord(r + 0.4, r, s), body::Saturn);
    EXPECT_EQ(tribhagaLord(s, r, s), body::Moon);
    EXPECT_EQ(tribhagaLord(s + 0.2, r, s), body::Venus);
    EXPECT_EQ(tribhagaLord(s + 0.45, r, s), body::Mars);
    // A long day leaves a short night: 0.3 of a day after a 0.6-day daylight
    // is the last third of the 0.4-day night.
    EXPECT_EQ(tribhagaLord(r + 0.9, r, r + 0.6), body::Mars);

    // Hours from sunrise, starting with the lord of the (UT) weekday: JD
    // 2451545.0 is a Saturday.
    EXPECT_EQ(horaLord(2451545.0, 2451545.0), body::Saturn);
    EXPECT_EQ(horaLord(2451545.0, 2451545.0 - 0.1), body::Mars);     // hour 2
    EXPECT_EQ(horaLord(2451545.0, 2451545.0 + 0.1), body::Saturn);   // hour 21
    EXPECT_EQ(horaLord(2451545.0, 2451545.0 - 1.05), body::Jupiter); // hour 1 of the next day

    // Abda: the weekday about when the Sun stood at 0°.
    EXPECT_EQ(abdaLord(2451545.0, 0.0), body::Saturn);
    EXPECT_EQ(abdaLord(2451545.0, 0.9856), body::Venus);

    // Ayana from the ecliptic latitude.
    EXPECT_NEAR(ayanaBala(0.0), 30.0, kVirupa);
    EXPECT_NEAR(ayanaBala(-12.0), 45.0, kVirupa);
    EXPECT_NEAR(ayanaBala(30.0), 60.0, kVirupa);
    EXPECT_NEAR(ayanaBala(std::nullopt), 30.0, kVirupa);
}

TEST(Shadbala, MotionAndPlanetaryWar)
{
    EXPECT_EQ(cheshtaBala(body::Mars, -0.3, 0), 60.0);
    EXPECT_EQ(cheshtaBala(body::Venus, -0.005, 0), 30.0);
    EXPECT_EQ(cheshtaBala(body::Saturn, 0.0005, 0), 15.0);
    EXPECT_EQ(cheshtaBala(body::Mercury, 1.4, 0), 45.0);    // 1.01 × mean
    EXPECT_EQ(cheshtaBala(body::Jupiter, 0.05, 0), 15.0);   // 0.60 × mean
    EXPECT_EQ(cheshtaBala(body::Jupiter, 0.02, 0), 7.5);    // 0.24 × mean
    EXPECT_EQ(cheshtaBala(body::Uranus, 0.005, 0), 15.0);   // 0.005 of the default 1.0
    EXPECT_EQ(cheshtaBala(body::Rahu, -0.053, 0), 60.0);
    EXPECT_EQ(cheshtaBala(body::Sun, 1.0, 42.5), 42.5);     // the luminaries take ayana

    // Two planets 0.5° apart: the one behind loses, the one ahead wins.
    Chart war = chartOf({at(body::Sun, 100.2), at(body::Moon, 99.9), at(body::Mars, 100.0),
                         at(body::Jupiter, 100.5), at(body::Saturn, 300.0)});
    EXPECT_EQ(yuddhaBala(war.planets[2], war), -45.0);
    EXPECT_EQ(yuddhaBala(war.planets[3], war), 45.0);
    EXPECT_EQ(yuddhaBala(war.planets[4], war), 0.0);
    EXPECT_EQ(yuddhaBala(war.planets[0], war), 0.0);  // the Sun never fights
    // Across 0° Aries, and exactly 1° apart still counts; 1.01° does not.
    war = chartOf({at(body::Mars, 359.8), at(body::Saturn, 0.3), at(body::Venus, 200.0),
                   at(body::Mercury, 201.0), at(body::Jupiter, 250.0), at(body::Rahu, 251.01)});
    EXPECT_EQ(yuddhaBala(war.planets[0], war), -45.0);
    EXPECT_EQ(yuddhaBala(war.planets[1], war), 45.0);
    EXPECT_EQ(yuddhaBala(war.planets[2], war), -45.0);
    EXPECT_EQ(yuddhaBala(war.planets[4], war), 0.0);
}

TEST(Shadbala, AspectStrength)
{
    EXPECT_NEAR(aspectValue(body::Sun, 45.0), 7.5, kVirupa);
    EXPECT_NEAR(aspectValue(body::Sun, 75.0), 37.5, kVirupa);
    EXPECT_NEAR(aspectValue(body::Sun, 100.0), 45.0, kVirupa);
    EXPECT_NEAR(aspectValue(body::Sun, 135.0), 22.5, kVirupa);
    EXPECT_NEAR(aspectValue(body::Sun, 170.0), 50.0, kVirupa);
    EXPECT_NEAR(aspectValue(body::Sun, 240.0), 30.0, kVirupa);
    EXPECT_NEAR(aspectValue(body::Sun, 300.0), 0.0, kVirupa);
    // Full special aspects.
    EXPECT_EQ(aspectValue(body::Mars, 100.0), 60.0);
    EXPECT_EQ(aspectValue(body::Jupiter, 130.0), 60.0);
    EXPECT_EQ(aspectValue(body::Saturn, 80.0), 60.0);
    EXPECT_EQ(aspectValue(body::Saturn, 300.0), 60.0);
    EXPECT_NEAR(aspectValue(body::Saturn, 225.0), 37.5, kVirupa);

    // The Sun at 100 aspected by Jupiter from 0 (100° behind: 45, benefic),
    // Saturn from 20 (80°: full 60, malefic) and a Moon 180° ahead of the Sun
    // from 280 (180°: 60, benefic while more than 120° ahead).
    Chart chart = chartOf({at(body::Sun, 100.0), at(body::Moon, 280.0), at(body::Jupiter, 0.0),
                           at(body::Saturn, 20.0)});
    EXPECT_NEAR(drikBala(chart.planets[0], chart, 100.0, 280.0), (45.0 - 60.0 + 60.0) * 0.25,
                kVirupa);
    // A Moon only 100° ahead of the Sun counts against.
    EXPECT_NEAR(drikBala(chart.planets[0], chart, 180.0, 280.0), (45.0 - 60.0 - 60.0) * 0.25,
                kVirupa);
}

TEST(Shadbala, EveryBodyOfACastChartButFortuna)
{
    const auto cast = lumikan::test::castChart(lumikan::test::puneBirth());
    ASSERT_EQ(cast.status, ChartStatus::Ok);
    const Chart& chart = cast.chart;
    const double asc = chart.cusps[0].longitude;
    const double sun = findPlanet(chart, body::Sun)->longitude;
    const bool night = std::fmod(sun - asc + 360.0, 360.0) < 180.0;
    for (const PlanetPosition& p : chart.planets) {
        const ShadbalaResult r = shadbala(p, chart, asc, night, chart.julianDayUt,
                                          chart.birth.latitude, chart.birth.longitude,
                                          Ephemeris::shared());
        if (p.body == body::Fortuna) {
            EXPECT_EQ(p.shadbala, 0.0);
            EXPECT_EQ(r.total, 0.0);
            continue;
        }
        EXPECT_EQ(p.shadbala, r.total) << p.body;
        EXPECT_EQ(p.strength.drik, r.drik) << p.body;  // the breakdown is kept
        EXPECT_EQ(p.strength.kala, r.kala) << p.body;
        EXPECT_NEAR(r.total, r.sthana + r.dig + r.kala + r.cheshta + r.naisargika + r.drik,
                    kVirupa);
        EXPECT_NEAR(r.rupas, r.total / 60.0, kVirupa);
        EXPECT_GT(r.total, 0.0) << p.body;
        EXPECT_LT(r.total, 1000.0) << p.body;
    }
}

TEST(Shadbala, MissingMoonCountsAtZeroDegrees)
{
    const auto cast = lumikan::test::castChart(lumikan::test::puneBirth());
    ASSERT_EQ(cast.status, ChartStatus::Ok);
    Chart chart = cast.chart;
    const PlanetPosition jupiter = *findPlanet(chart, body::Jupiter);
    const double asc = chart.cusps[0].longitude;
    auto kala = [&](const Chart& c) {
        return shadbala(jupiter, c, asc, false, c.julianDayUt, c.birth.latitude,
                        c.birth.longitude, Ephemeris::shared())
            .kala;
    };
    Chart withoutMoon = chart;
    std::erase_if(withoutMoon.planets,
                  [](const PlanetPosition& p) { return p.body == body::Moon; });
    Chart moonAtZero = chart;
    for (PlanetPosition& p : moonAtZero.planets)
        if (p.body == body::Moon)
            p.longitude = 0.0;
    // Paksha is the only temporal piece that reads the Moon.
    EXPECT_NEAR(kala(withoutMoon), kala(moonAtZero), kVirupa);
    const double sun = findPlanet(chart, body::Sun)->longitude;
    const double moon = findPlanet(chart, body::Moon)->longitude;
    EXPECT_NEAR(kala(chart) - kala(withoutMoon),
                pakshaBala(body::Jupiter, sun, moon) - pakshaBala(body::Jupiter, sun, 0.0),
                kVirupa);
}

TEST(StrengthCache, SunriseAtOrBeforeTheBirthAndTheSunsetAfterIt)
{
    clearStrengthCache();
    const auto cast = lumikan::test::castChart(lumikan::test::puneBirth());
    const Chart& chart = cast.chart;
    const double lat = 18.5204, lon = 73.8567;
    // swetest -rise at Pune: 1999-12-31 rise 01:36:15.5 set 12:38:21.6 UT,
    // 2000-01-01 rise 01:36:37.5 set 12:38:57.3 UT.
    const double rise31 = julianDay(1999, 12, 31, 1 + 36 / 60.0 + 15.5 / 3600.0);
    const double set31 = julianDay(1999, 12, 31, 12 + 38 / 60.0 + 21.6 / 3600.0);
    const double rise1 = julianDay(2000, 1, 1, 1 + 36 / 60.0 + 37.5 / 3600.0);
    const double set1 = julianDay(2000, 1, 1, 12 + 38 / 60.0 + 57.3 / 3600.0);

    // 21:00 local, after sunset: that morning's sunrise and that evening's
    // sunset, not tomorrow's sunrise.
    const double evening = julianDay(2000, 1, 1, 15.5);
    const StrengthCache& c = strengthCacheFor(chart, evening, body::Sun, lat, lon, Ephemeris::shared());
    ASSERT_TRUE(c.sunriseFound);
    ASSERT_TRUE(c.sunsetFound);
    EXPECT_NEAR(c.sunrise, rise1, kMinuteDays);
    EXPECT_NEAR(c.sunset, set1, kMinuteDays);
    EXPECT_EQ(tribhagaLord(evening, c.sunrise, c.sunset), body::Moon);  // first third of night

    // An hour later the same day needs no new search.
    strengthCacheFor(chart, evening + 1.0 / 24.0, body::Sun, lat, lon, Ephemeris::shared());
    EXPECT_EQ(c.riseSetJulianDayUt, evening);

    // 05:00 local, before sunrise: the previous day's sunrise and sunset.
    const double dawn = julianDay(1999, 12, 31, 23.5);
    strengthCacheFor(chart, dawn, body::Sun, lat, lon, Ephemeris::shared());
    EXPECT_EQ(c.riseSetJulianDayUt, dawn);
    EXPECT_NEAR(c.sunrise, rise31, kMinuteDays);
    EXPECT_NEAR(c.sunset, set31, kMinuteDays);
    EXPECT_EQ(tribhagaLord(dawn, c.sunrise, c.sunset), body::Mars);  // last third of night

    // Noon: that day's sunrise and sunset, the second third of the day.
    const double noon = julianDay(2000, 1, 1, 6.5);
    strengthCacheFor(chart, noon, body::Sun, lat, lon, Ephemeris::shared());
    EXPECT_NEAR(c.sunrise, rise1, kMinuteDays);
    EXPECT_NEAR(c.sunset, set1, kMinuteDays);
    EXPECT_EQ(tribhagaLord(noon, c.sunrise, c.sunset), body::Sun);

    // No sunrise in the polar night: the fallbacks take over.
    strengthCacheFor(chart, julianDay(2000, 12, 20, 12.0), body::Sun, 80.0, 15.0, Ephemeris::shared());
    EXPECT_FALSE(c.sunriseFound);
    EXPECT_FALSE(c.sunsetFound);
    clearStrengthCache();
}

TEST(StrengthCache, RefilledForANewMomentOrAMissingBody)
{
    clearStrengthCache();
    Chart chart;
    chart.julianDayUt = 2451545.0;
    chart.planets = {at(body::Sun, 250.0), at(body::Moon, 10.0)};
    chart.planets[0].latitude = 0.0001;
    chart.planets[1].latitude = 1.25;  // what the chart's own request said

    const StrengthCache& c = strengthCacheFor(chart, chart.julianDayUt, Ephemeris::shared());
    EXPECT_EQ(c.latitudes.size(), 2u);
    EXPECT_EQ(c.latitudes.at(body::Moon), 1.25);
    EXPECT_EQ(c.sunLongitude, 250.0);

    // A body switched on at the same moment is fetched rather than defaulted,
    // whether the whole chart or that body's strength asks.
    chart.planets.push_back(at(body::Uranus, 280.0));
    chart.planets.back().latitude = -0.5;
    strengthCacheFor(chart, chart.julianDayUt, Ephemeris::shared());
    ASSERT_EQ(c.latitudes.count(body::Uranus), 1u);
    EXPECT_EQ(c.latitudes.at(body::Uranus), -0.5);
    chart.planets.push_back(at(body::Neptune, 300.0));
    chart.planets.back().latitude = 1.5;
    strengthCacheFor(chart, chart.julianDayUt, body::Neptune, 18.5, 73.9, Ephemeris::shared());
    ASSERT_EQ(c.latitudes.count(body::Neptune), 1u);
    EXPECT_EQ(c.latitudes.at(body::Neptune), 1.5);

    // Another moment asks the ephemeris: the Moon's true latitude on
    // 2000-01-01 12:00 UT is about +5.2° (within 0.1°).
    strengthCacheFor(chart, chart.julianDayUt + 0.5, Ephemeris::shared());
    EXPECT_EQ(c.julianDayUt, chart.julianDayUt + 0.5);
    const auto expected = Ephemeris::shared().tropicalLatitude(chart.julianDayUt + 0.5, body::Moon);
    ASSERT_TRUE(expected.has_value());
    EXPECT_EQ(c.latitudes.at(body::Moon), *expected);
    EXPECT_NEAR(Ephemeris::shared().tropicalLatitude(chart.julianDayUt, body::Moon).value(), 5.17, 0.1);

    // Fortuna is never asked for; Ketu lies opposite Rahu.
    chart.planets = {at(body::Rahu, 100.0), at(body::Ketu, 280.0), at(body::Fortuna, 3.0)};
    strengthCacheFor(chart, chart.julianDayUt + 1.0, Ephemeris::shared());
    EXPECT_EQ(c.latitudes.count(body::Fortuna), 0u);
    EXPECT_EQ(c.latitudes.at(body::Ketu), -c.latitudes.at(body::Rahu));
    clearStrengthCache();
}

}  // namespace
