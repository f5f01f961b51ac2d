#include "cast_chart.h"
#include "timing_charts.h"

#include "engine/significator_reason.h"
#include "engine/significators.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace lumikan::engine;
using lumikan::test::handMadeChart;

namespace {

std::vector<SignificatorReason> reasonsFor(const Chart& chart, BodyId b, int house)
{
    std::vector<SignificatorReason> out;
    for (const SignificatorReason& r : significatorReasonsOf(chart, b))
        if (r.house == house)
            out.push_back(r);
    return out;
}

std::vector<int> sortedSignificators(const Chart& chart, BodyId b)
{
    for (const PlanetHouses& e : chart.planetSignificators)
        if (e.body == b) {
            std::vector<int> h;
            for (int x : e.houses)
                if (x >= 1 && x <= 12)
                    h.push_back(x);
            std::sort(h.begin(), h.end());
            h.erase(std::unique(h.begin(), h.end()), h.end());
            return h;
        }
    return {};
}

} // namespace

TEST(SignificatorReasons, EachLevelNamesItsPlanetAndHouse)
{
    const Chart chart = handMadeChart();
    // Mars occupies the 4th, owns the 1st and 8th, and is in the star of Saturn,
    // which occupies the 2nd and owns the 10th and 11th.
    const std::vector<SignificatorReason> expected = {
        {1, 4, HouseRelation::Owns, body::Mars},
        {2, 1, HouseRelation::InStarOfOccupant, body::Saturn},
        {4, 2, HouseRelation::Occupies, body::Mars},
        {8, 4, HouseRelation::Owns, body::Mars},
        {10, 3, HouseRelation::InStarOfOwner, body::Saturn},
        {11, 3, HouseRelation::InStarOfOwner, body::Saturn},
    };
    EXPECT_EQ(significatorReasonsOf(chart, body::Mars), expected);

    // Venus reaches the 7th twice: through Jupiter there (level 1) and as its owner (level 4).
    const auto seventh = reasonsFor(chart, body::Venus, 7);
    ASSERT_EQ(seventh.size(), 2u);
    EXPECT_EQ(reasonText(seventh[0]), "in the star of Jupiter, which occupies the 7th");
    EXPECT_EQ(reasonText(seventh[1]), "owns the 7th");
    EXPECT_EQ(reasonText(reasonsFor(chart, body::Mars, 11)[0]),
              "in the star of Saturn, which owns the 11th");
    EXPECT_EQ(reasonText(reasonsFor(chart, body::Mars, 4)[0]), "occupies the 4th");
}

TEST(SignificatorReasons, NodesActForTheirConjunctionOppositionAndDispositor)
{
    const Chart chart = handMadeChart();
    // Ketu sits 3° from Venus, faces Rahu in the 9th and is in Mercury's sign.
    const auto second = reasonsFor(chart, body::Ketu, 2);
    ASSERT_EQ(second.size(), 1u);
    EXPECT_EQ(second[0],
              (SignificatorReason{2, 4, HouseRelation::Owns, body::Venus, AgentLink::Conjunct}));
    EXPECT_EQ(reasonText(second[0]), "conjunct Venus, which owns the 2nd");
    const auto tenth = reasonsFor(chart, body::Ketu, 10);
    ASSERT_EQ(tenth.size(), 1u);
    EXPECT_EQ(reasonText(tenth[0]), "in the sign of Mercury, which occupies the 10th");
    // The 9th: Rahu there (level 2) before the star lord Jupiter owning it (level 3).
    const auto ninth = reasonsFor(chart, body::Ketu, 9);
    ASSERT_EQ(ninth.size(), 3u);
    EXPECT_EQ(reasonText(ninth[0]), "opposite Rahu, which occupies the 9th");
    EXPECT_EQ(reasonText(ninth[1]), "in the star of Jupiter, which owns the 9th");
    EXPECT_EQ(ninth[2],
              (SignificatorReason{9, 4, HouseRelation::Owns, body::Rahu, AgentLink::Opposite}));
}

TEST(SignificatorReasons, ExplainExactlyTheSignifiedHousesOfACastChart)
{
    const auto cast = lumikan::test::castChart(lumikan::test::puneBirth());
    ASSERT_EQ(cast.status, ChartStatus::Ok);
    ASSERT_EQ(cast.chart.significatorReasons.size(), cast.chart.planets.size());
    for (const PlanetPosition& p : cast.chart.planets) {
        const auto& reasons = significatorReasonsOf(cast.chart, p.body);
        EXPECT_EQ(reasonHouses(reasons), sortedSignificators(cast.chart, p.body))
            << bodyName(p.body, 2);
        for (const SignificatorReason& r : reasons) {
            EXPECT_GE(r.level, 1);
            EXPECT_LE(r.level, 4);
        }
    }
    EXPECT_EQ(houseOrdinal(1) + houseOrdinal(2) + houseOrdinal(3) + houseOrdinal(11) +
                  houseOrdinal(12),
              "1st2nd3rd11th12th");
}
