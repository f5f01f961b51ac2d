#include "engine/kp_lords.h"
#include "engine/significators.h"
#include "engine/zodiac.h"

#include <gtest/gtest.h>

using namespace lumikan::engine;

namespace {

// Equal houses from 0° Aries, so house n is sign n-1 and owned by its sign lord.
Chart chartWith(std::vector<std::pair<BodyId, double>> bodies)
{
    Chart chart;
    for (int k = 0; k < 12; ++k) {
        CuspPosition c;
        c.number = k + 1;
        c.longitude = 30.0 * k;
        c.sign = k;
        c.signLord = SIGN_LORDS[k];
        chart.cusps.push_back(c);
    }
    for (auto [b, l] : bodies) {
        PlanetPosition p;
        p.body = b;
        p.longitude = l;
        p.sign = signOf(l);
        const KpLords lords = kpLordsOf(l);
        p.signLord = lords.signLord;
        p.nakshatra = nakshatraOf(l);
        p.starLord = lords.starLord;
        p.subLord = lords.subLord;
        p.subSubLord = lords.subSubLord;
        chart.planets.push_back(p);
    }
    return chart;
}

const std::vector<int>& housesOf(const std::vector<PlanetHouses>& list, BodyId b)
{
    for (const auto& e : list)
        if (e.body == b)
            return e.houses;
    static const std::vector<int> none;
    return none;
}

// Sun in Libra (Vishakha), Moon in Cancer (Ashlesha), Saturn in Aquarius, Rahu in Leo
// (Magha) exactly 8° from the Moon, Ketu in Aquarius, Uranus in Taurus (Rohini).
Chart sampleChart(double rahu)
{
    return chartWith({{body::Sun, 200.0},
                      {body::Moon, 115.0},
                      {body::Saturn, 310.0},
                      {body::Rahu, rahu},
                      {body::Ketu, normalizeDegrees(rahu + 180.0)},
                      {body::Uranus, 45.0}});
}

}  // namespace

TEST(Significators, RahuTakesOnConjunctionAspectAndDispositor)
{
    Chart chart = sampleChart(123.0);
    buildSignificators(chart);
    // Own house 5; the Moon 8.0° away brings house 4 (and owns 4); Saturn and Ketu in
    // the opposite house 11 bring 11, 10, 11; the dispositor Sun sits in 7, owns 5.
    EXPECT_EQ(housesOf(chart.planetOwnSignificators, body::Rahu), (std::vector<int>{5, 4, 11, 10, 7}));
    // Through the star lord Ketu (in 11, owning nothing) first.
    EXPECT_EQ(housesOf(chart.planetSignificators, body::Rahu), (std::vector<int>{5, 11, 4, 10, 7}));

    Chart apart = sampleChart(123.01);
    buildSignificators(apart);
    EXPECT_EQ(housesOf(apart.planetOwnSignificators, body::Rahu), (std::vector<int>{5, 11, 10, 7}));
}

TEST(Significators, PlanetsSignifyOwnHousesAndTheirStarLords)
{
    Chart chart = sampleChart(123.0);
    buildSignificators(chart);
    // The Moon's star lord Mercury is absent from the chart but still owns 3 and 6.
    EXPECT_EQ(housesOf(chart.planetSignificators, body::Moon), (std::vector<int>{4, 3, 6}));
    EXPECT_EQ(housesOf(chart.planetOwnSignificators, body::Moon), (std::vector<int>{4}));
    EXPECT_EQ(housesOf(chart.planetSignificators, body::Sun), (std::vector<int>{7, 5, 9, 12}));
    // Uranus signifies through its sign lord Venus, and through its star lord the Moon.
    EXPECT_EQ(housesOf(chart.planetSignificators, body::Uranus), (std::vector<int>{2, 7, 4}));
    EXPECT_EQ(chart.planetSignificators.size(), chart.planets.size());
}

TEST(Significators, FourLevelsOfEachHouse)
{
    Chart chart = sampleChart(123.0);
    buildSignificators(chart);
    ASSERT_EQ(chart.houseSignificators.size(), 12u);

    const HouseSignificators& h4 = chart.houseSignificators[3];
    EXPECT_EQ(h4.occupants, (std::vector<BodyId>{body::Moon}));
    // Uranus in Rohini, the Moon's star, is listed among those in the star of the occupant.
    EXPECT_EQ(h4.inStarOfOccupants, (std::vector<BodyId>{body::Uranus}));
    EXPECT_EQ(h4.owners, (std::vector<LordIndex>{lord::Moon}));

    // Uranus occupies house 2 but no planet can be in its star.
    const HouseSignificators& h2 = chart.houseSignificators[1];
    EXPECT_EQ(h2.occupants, (std::vector<BodyId>{body::Uranus}));
    EXPECT_TRUE(h2.inStarOfOccupants.empty());

    // An empty house still has its owner; the Moon is in Mercury's star.
    const HouseSignificators& h3 = chart.houseSignificators[2];
    EXPECT_TRUE(h3.occupants.empty());
    EXPECT_TRUE(h3.inStarOfOccupants.empty());
    EXPECT_EQ(h3.owners, (std::vector<LordIndex>{lord::Mercury}));
    EXPECT_EQ(h3.inStarOfOwner, (std::vector<BodyId>{body::Moon}));
}

TEST(Significators, RashiAndBhavaHouses)
{
    Chart chart = sampleChart(123.0);
    // Move the ascendant to 25° Gemini with unequal cusps: whole signs count from Gemini.
    const double cusps[] = {85, 110, 140, 170, 200, 235, 265, 290, 320, 350, 20, 55};
    for (int k = 0; k < 12; ++k) {
        chart.cusps[k].longitude = cusps[k];
        chart.cusps[k].sign = signOf(cusps[k]);
        chart.cusps[k].signLord = SIGN_LORDS[signOf(cusps[k])];
    }
    buildSignificators(chart);
    ASSERT_EQ(chart.rashiChartPlanets.size(), chart.planets.size());
    // Moon at 115° Cancer: second sign from Gemini; by cusps, house 2 (110..140).
    EXPECT_EQ(chart.rashiChartPlanets[1].house, 2);
    EXPECT_EQ(chart.bhavaChartPlanets[1].house, 2);
    // Uranus at 45° Taurus: twelfth sign from Gemini; by cusps house 11 (20..55).
    EXPECT_EQ(chart.rashiChartPlanets[5].house, 12);
    EXPECT_EQ(chart.bhavaChartPlanets[5].house, 11);
    EXPECT_EQ(chart.bhavaChartPlanets[5].longitude, chart.planets[5].longitude);
}
