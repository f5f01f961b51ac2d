#include "cast_chart.h"

#include "engine/birth_particulars.h"
#include "engine/nakshatra_attributes.h"
#include "engine/zodiac.h"

#include <gtest/gtest.h>

using namespace lumikan::engine;

namespace {

// Hours of sunrise come out of one acos and a few sums: 1e-9 h is 4 µs.
constexpr double kHours = 1e-9;

BirthDetails noonAtPune()
{
    return lumikan::test::makeBirth(2000, 1, 1, 12, 0, 0, 5.5, 18.52, 73.86);
}

BirthParticulars particulars(double sun, double moon)
{
    return birthParticularsFor(sun, moon, noonAtPune(), 2451545.0);
}

TEST(BirthParticulars, TithiAndKaranaFromTheMoonsDistanceToTheSun)
{
    struct Case {
        double elongation;
        const char* tithi;
        const char* karana;
    };
    for (const Case& c : {
             Case{0, "Shukla Paksha - Pratipada", "Kimstughna"},
             Case{6, "Shukla Paksha - Pratipada", "Bava"},
             Case{48, "Shukla Paksha - Panchami", "Bava"},
             Case{174, "Shukla Paksha - Purnima", "Bava"},
             Case{180, "Krishna Paksha - Pratipada", "Balava"},
             Case{336, "Krishna Paksha - Chaturdashi", "Vishti"},
             Case{342, "Krishna Paksha - Chaturdashi", "Shakuni"},
             Case{348, "Krishna Paksha - Amavasya", "Chatushpada"},
             Case{354, "Krishna Paksha - Amavasya", "Naga"},
         }) {
        const BirthParticulars bp = particulars(3.0, 3.0 + c.elongation);
        EXPECT_EQ(bp.tithi, c.tithi) << c.elongation;
        EXPECT_EQ(bp.karana, c.karana) << c.elongation;
    }
    // The Moon just past 0° with the Sun just before it: 12° apart.
    EXPECT_EQ(particulars(350.0, 2.0).tithi, "Shukla Paksha - Dvitiya");
}

TEST(BirthParticulars, YogaAndTheLastHairBelow360)
{
    EXPECT_EQ(particulars(3.0, 3.0).yoga, "Vishkambha");
    EXPECT_EQ(particulars(100.0, 200.0).yoga, "Shubha");  // 300 / 13.33 = 22.5: index 22
    EXPECT_EQ(particulars(0.0, 13.3333333333).yoga, "Priti");
    // Sums a hair below 360 would index a 28th yoga: they stay in the last.
    EXPECT_EQ(particulars(180.0, 179.99999999995).yoga, "Vaidhriti");
    EXPECT_EQ(particulars(200.0, 520.0).yoga, "Vishkambha");  // 720 is 0 again

    const BirthParticulars revati = particulars(0.5, 359.99999999995);
    EXPECT_EQ(revati.nakshatra, "Revati");
    EXPECT_EQ(revati.nakshatraRemaining, 0.0);
    EXPECT_EQ(revati.rashi, "Pisces");
}

TEST(BirthParticulars, MoonSignAndStarParticulars)
{
    // Moon at 250: Sagittarius 10°, in Mula (18), a quarter of it left.
    BirthParticulars bp = particulars(3.0, 250.0);
    EXPECT_EQ(bp.rashi, "Sagittarius");
    EXPECT_EQ(bp.moonSignLord, body::Jupiter);
    EXPECT_EQ(bp.nakshatra, "Mula");
    EXPECT_EQ(bp.syllables, "Ye Yo Bha Bhi");
    EXPECT_EQ(bp.vashya, "Manav");
    EXPECT_NEAR(bp.nakshatraRemaining, 0.25, 1e-9);
    EXPECT_EQ(bp.moonSignLordName, "Jup");

    // Sagittarius and Capricorn change their vashya at 15°.
    EXPECT_EQ(particulars(3.0, 254.99).vashya, "Manav");
    EXPECT_EQ(particulars(3.0, 255.0).vashya, "Chatuspad");
    EXPECT_EQ(particulars(3.0, 275.0).vashya, "Chatuspad");
    EXPECT_EQ(particulars(3.0, 285.0).vashya, "Jalachara");

    // The Moon at the very start of a star has all of it ahead.
    EXPECT_NEAR(particulars(3.0, 0.0).nakshatraRemaining, 1.0, 1e-12);
    EXPECT_EQ(nakshatraAttributes(27).yoni, "");
}

TEST(BirthParticulars, SunriseAndHoursSinceSunrise)
{
    // On the equator at an equinox the Sun's upper limb, 0.833° below the
    // horizon, rises at hour angle 90.833°: 05:56:40.8 local mean time.
    EXPECT_NEAR(approximateSunrise(2451545.0, 0.0, 0.0, 0.0, 0.0), 12.0 - 90.833 / 15.0, kHours);
    EXPECT_NEAR(approximateSunrise(2451545.0, 180.0, 0.0, 82.5, 5.5), 12.0 - 90.833 / 15.0,
                kHours);
    // A longitude that puts that sunrise at 06:00 exactly; a birth at 05:00
    // is an hour before it.
    EXPECT_NEAR(approximateSunrise(2451545.0, 0.0, 0.0, -0.833, 0.0), 6.0, kHours);
    BirthDetails dawn = lumikan::test::makeBirth(2000, 3, 20, 5, 0, 0, 0.0, 0.0, -0.833);
    EXPECT_NEAR(birthParticularsFor(0.0, 90.0, dawn, 2451624.0).hoursSinceSunrise, 23.0, kHours);
    dawn.hour = 8;
    EXPECT_NEAR(birthParticularsFor(0.0, 90.0, dawn, 2451624.0).hoursSinceSunrise, 2.0, kHours);

    // Polar night and polar day: no sunrise, and the hours become b + 1.
    EXPECT_EQ(approximateSunrise(2451900.0, 260.0, 80.0, 15.0, 1.0), -1.0);
    EXPECT_EQ(approximateSunrise(2451720.0, 80.0, 80.0, 15.0, 1.0), -1.0);
    EXPECT_EQ(approximateSunrise(2451900.0, 260.0, -90.0, 0.0, 0.0), -1.0);
    BirthDetails north = lumikan::test::makeBirth(2000, 12, 20, 10, 30, 0, 1.0, 80.0, 15.0);
    EXPECT_NEAR(birthParticularsFor(260.0, 90.0, north, 2451899.0).hoursSinceSunrise, 11.5, kHours);
}

TEST(BirthParticulars, FilledByTheChartComputation)
{
    const auto cast = lumikan::test::castChart(lumikan::test::puneBirth());
    ASSERT_EQ(cast.status, ChartStatus::Ok);
    const Chart& chart = cast.chart;
    const BirthParticulars& bp = chart.birthParticulars;
    const PlanetPosition& moon = *findPlanet(chart, body::Moon);
    EXPECT_EQ(bp.rashi, signName(moon.sign));
    EXPECT_EQ(bp.moonSignLord, lordToBody(chart.moonSignLord));
    EXPECT_EQ(bp.nakshatra, nakshatraName(moon.nakshatra));
    // A birth at 14:07 at Pune in December is some 7 hours after sunrise.
    EXPECT_NEAR(bp.hoursSinceSunrise, 7.0, 0.5);

    // Without an ephemeris context the Sun and the Moon count as 0°.
    Chart empty;
    empty.birth = noonAtPune();
    const BirthParticulars none = buildBirthParticulars(empty);
    EXPECT_EQ(none.tithi, "Shukla Paksha - Pratipada");
    EXPECT_EQ(none.rashi, "Aries");
    EXPECT_EQ(none.nakshatra, "Ashwini");
}

}  // namespace
