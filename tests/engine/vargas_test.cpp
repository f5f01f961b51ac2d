#include "cast_chart.h"

#include "engine/vargas.h"

#include <gtest/gtest.h>

#include <map>

using namespace lumikan::engine;

namespace {

constexpr Sign Aries = 0, Taurus = 1, Gemini = 2, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6,
               Scorpio = 7, Sagittarius = 8, Capricorn = 9, Aquarius = 10, Pisces = 11;

struct Case {
    double longitude;
    int division;
    Sign expected;
};

void expectSigns(std::initializer_list<Case> cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(vargaSign(c.longitude, c.division), c.expected)
            << "D" << c.division << " of " << c.longitude;
}

TEST(Vargas, SignsCountedFromTheSignItself)
{
    expectSigns({
        // Drekkana: s + 4i.
        {25.0, 3, Sagittarius}, {45.0, 3, Virgo}, {9.99, 3, Aries},
        // Chaturthamsa: s + 3i.
        {23.0, 4, Capricorn}, {337.5, 4, Gemini},
        // Saptamsa: odd s + i, even s + i + 6.
        {10.0, 7, Gemini}, {40.0, 7, Capricorn},
        // Navamsa runs on from Aries round the zodiac.
        {0.0, 9, Aries}, {3.34, 9, Taurus}, {30.0, 9, Capricorn}, {359.99, 9, Pisces},
        // Dasamsa: odd s + i, even s + i + 8.
        {29.5, 10, Capricorn}, {31.0, 10, Capricorn}, {62.0, 10, Gemini},
        // Rudramsa, dwadasamsa, shashtiamsa: s + i.
        {29.9, 11, Aquarius}, {95.0, 12, Virgo}, {29.75, 60, Pisces}, {30.5, 60, Gemini},
    });
}

TEST(Vargas, SignsCountedFromAFixedStart)
{
    expectSigns({
        // Hora: odd signs Leo then Cancer, even signs the other way.
        {14.99, 2, Leo}, {15.0, 2, Cancer}, {44.99, 2, Cancer}, {45.0, 2, Leo},
        // Shashtamsa: odd from Aries, even from Libra.
        {5.0, 6, Taurus}, {35.0, 6, Scorpio}, {62.0, 6, Aries},
        // Shodasamsa: movable Aries, fixed Leo, dual Sagittarius.
        {0.0, 16, Aries}, {31.875, 16, Virgo}, {61.0, 16, Sagittarius},
        // Vimsamsa: movable Aries, fixed Sagittarius, dual Leo.
        {91.5, 20, Taurus}, {30.0, 20, Sagittarius}, {61.5, 20, Virgo},
        // Siddhamsa: odd Leo, even Cancer.
        {1.25, 24, Virgo}, {30.0, 24, Cancer},
        // Saptavimshamsa by element: fire Aries, earth Cancer, air Libra, water Capricorn.
        {120.0, 27, Aries}, {31.2, 27, Leo}, {60.0, 27, Libra}, {90.0, 27, Capricorn},
        // Khavedamsa: odd Aries, even Libra.
        {0.75, 40, Taurus}, {30.75, 40, Scorpio},
        // Akshavedamsa: movable Aries, fixed Leo, dual Sagittarius.
        {0.7, 45, Taurus}, {31.4, 45, Libra}, {61.0, 45, Capricorn},
    });
}

TEST(Vargas, TrimshamsaAndItsEdges)
{
    expectSigns({
        // Odd sign: 5 Aries, 5 Aquarius, 8 Sagittarius, 7 Gemini, 5 Libra.
        {4.999, 30, Aries}, {5.0, 30, Aquarius}, {10.0, 30, Sagittarius}, {18.0, 30, Gemini},
        {25.0, 30, Libra}, {29.9999999999, 30, Libra}, {80.0, 30, Gemini},
        // Even sign: 5 Taurus, 7 Virgo, 8 Pisces, 5 Capricorn, 5 Scorpio.
        {34.999, 30, Taurus}, {35.0, 30, Virgo}, {42.0, 30, Pisces}, {50.0, 30, Capricorn},
        {55.0, 30, Scorpio}, {59.9999999999, 30, Scorpio},
        // A hair below 360 is still the end of Pisces.
        {359.9999999999999, 30, Scorpio}, {359.9999999999999, 9, Pisces},
        {359.9999999999999, 60, Aquarius},  // Pisces + 59
    });
}

TEST(Vargas, OtherDivisionsAndLongitudesOutsideTheCircle)
{
    expectSigns({
        {47.0, 1, Taurus}, {47.0, 5, Taurus}, {47.0, 8, Taurus}, {47.0, 0, Taurus},
        {47.0, -9, Taurus}, {47.0, 61, Taurus}, {47.0, 120, Taurus},
        {-1.0, 1, Pisces}, {-1.0, 9, Pisces}, {390.0, 9, Capricorn}, {720.0, 2, Leo},
    });
    EXPECT_EQ(vargaName(8), "D8");
    EXPECT_EQ(vargaName(9), "Navamsa");
    EXPECT_EQ(vargaName(60), "Shashtiamsa");
    EXPECT_EQ(vargaName(-2), "D-2");
}

TEST(Vargas, HousesCountFromTheVargaAscendant)
{
    PlanetPosition moon;
    moon.body = body::Moon;
    moon.longitude = 3.34;  // navamsa Taurus
    moon.nakshatra = 0;
    moon.starLord = lord::Ketu;
    moon.subLord = lord::Venus;
    moon.subSubLord = lord::Sun;
    PlanetPosition sun = moon;
    sun.body = body::Sun;
    sun.longitude = 0.5;  // navamsa Aries
    PlanetPosition lost = moon;
    lost.body = body::Mars;
    lost.longitude = 360.0;  // not a longitude any request gives: left out

    // Ascendant at 32° has navamsa Capricorn + 0 = Capricorn.
    const VargaChart d9 = buildVarga(9, {sun, moon, lost}, 32.0);
    EXPECT_EQ(d9.division, 9);
    EXPECT_EQ(d9.name, "Navamsa");
    EXPECT_EQ(d9.ascendantSign, Capricorn);
    ASSERT_EQ(d9.positions.size(), 2u);
    EXPECT_EQ(d9.positions[0].body, body::Sun);
    EXPECT_EQ(d9.positions[0].sign, Aries);
    EXPECT_EQ(d9.positions[0].house, 4);  // Capricorn, Aquarius, Pisces, Aries
    EXPECT_EQ(d9.positions[0].signLord, lord::Mars);
    EXPECT_EQ(d9.positions[1].house, 5);
    EXPECT_EQ(d9.positions[1].longitude, 3.34);
    EXPECT_EQ(d9.positions[1].subSubLord, lord::Sun);  // the natal lords

    // The body in the ascendant's varga sign is in house 1.
    const VargaChart same = buildVarga(9, {moon}, 4.0);
    EXPECT_EQ(same.positions[0].house, 1);

    // Every computed chart carries all eighteen, each with house 1 where the
    // ascendant's sign is.
    const auto cast = lumikan::test::castChart(lumikan::test::puneBirth());
    ASSERT_EQ(cast.status, ChartStatus::Ok);
    const Chart& chart = cast.chart;
    ASSERT_EQ(chart.vargas.size(), kVargaDivisions.size());
    for (int d : kVargaDivisions) {
        const VargaChart& v = chart.vargas.at(d);
        EXPECT_EQ(v.ascendantSign, vargaSign(chart.cusps[0].longitude, d)) << d;
        EXPECT_EQ(v.positions.size(), chart.planets.size()) << d;
        for (const VargaPosition& p : v.positions)
            EXPECT_EQ(p.house == 1, p.sign == v.ascendantSign) << d << " body " << p.body;
    }
    // D1 is the natal sign.
    for (std::size_t i = 0; i < chart.planets.size(); ++i)
        EXPECT_EQ(chart.vargas.at(1).positions[i].sign, chart.planets[i].sign);

    // Rebuilding over an old map leaves exactly the eighteen, fully replaced.
    std::map<int, VargaChart> old;
    old[5] = buildVarga(5, chart.planets, 0.0);
    old[9] = buildVarga(9, std::vector<PlanetPosition>(20, sun), 200.0);
    buildVargasInto(chart, old);
    const std::map<int, VargaChart> fresh = buildVargas(chart);
    ASSERT_EQ(old.size(), fresh.size());
    EXPECT_EQ(old.count(5), 0u);
    for (const auto& [d, v] : fresh) {
        const VargaChart& reused = old.at(d);
        EXPECT_EQ(reused.name, v.name);
        EXPECT_EQ(reused.ascendantSign, v.ascendantSign);
        ASSERT_EQ(reused.positions.size(), v.positions.size()) << d;
        for (std::size_t i = 0; i < v.positions.size(); ++i) {
            EXPECT_EQ(reused.positions[i].body, v.positions[i].body);
            EXPECT_EQ(reused.positions[i].sign, v.positions[i].sign);
            EXPECT_EQ(reused.positions[i].house, v.positions[i].house);
        }
    }
}

}  // namespace
