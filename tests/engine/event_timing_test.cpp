#include "cast_chart.h"
#include "timing_charts.h"

#include "engine/dasha.h"
#include "engine/event_houses.h"
#include "engine/event_timing.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace lumikan::engine;
using lumikan::test::handMadeChart;

namespace {

// The hand-made chart with a dasha from 2000-01-01 and its 7th cusp's sub lord chosen.
Chart timingChart(LordIndex seventhSubLord)
{
    Chart chart = handMadeChart();
    chart.julianDayUt = julianDay(2000, 1, 1, 0.0);
    chart.options.dashaYearDays = 365.25;
    chart.dasha = buildDashaSpans(chart.julianDayUt, 15.0, 3);
    chart.cusps[6].subLord = seventhSubLord;
    return chart;
}

EventTimingRequest marriage(const Chart& chart, double years = 120.0)
{
    const EventHouses* e = findEvent("marriage");
    EventTimingRequest r;
    r.cusps = e->cusps;
    r.houses = e->houses;
    r.fromJulianDayUt = chart.julianDayUt;
    r.toJulianDayUt = chart.julianDayUt + years * 365.25;
    r.nowJulianDayUt = chart.julianDayUt + 3000.0;
    return r;
}

std::ptrdiff_t rankOf(const EventTiming& t, std::vector<LordIndex> lords)
{
    const auto it = std::find_if(t.periods.begin(), t.periods.end(),
                                 [&](const TimedPeriod& p) { return p.lords == lords; });
    return it == t.periods.end() ? -1 : it - t.periods.begin();
}

} // namespace

TEST(EventTiming, TheTableAndItsNegatingHouses)
{
    ASSERT_GE(eventTable().size(), 10u);
    EXPECT_EQ(negatingHousesOf({2, 7, 11}), (std::vector<int>{1, 6, 10}));
    // The 11th's twelfth is the 10th, an event house of service itself: not a negation.
    EXPECT_EQ(negatingHousesOf({2, 6, 10, 11}), (std::vector<int>{1, 5, 9}));
    EXPECT_EQ(negatingHousesOf({1, 5, 11}), (std::vector<int>{4, 10, 12}));
    const EventHouses* business = findEvent("business");
    ASSERT_NE(business, nullptr);
    EXPECT_EQ(business->cusps, (std::vector<int>{7, 10}));
    EXPECT_EQ(findEvent("lottery"), nullptr);
}

TEST(EventTiming, SeventhSubLordSignifyingSecondAndEleventhPromisesMarriage)
{
    // Saturn occupies the 2nd, owns the 10th and 11th, and is in the star of the Sun in the 5th.
    const EventTiming saturn =
        timeEvent(timingChart(lord::Saturn), marriage(timingChart(lord::Saturn)));
    ASSERT_EQ(saturn.promises.size(), 1u);
    const CuspPromise& p = saturn.promises[0];
    EXPECT_EQ(p.cusp, 7);
    EXPECT_EQ(p.subLord, lord::Saturn);
    EXPECT_TRUE(p.promised());
    EXPECT_EQ(p.verdict.eventHouses, (std::vector<int>{2, 11}));
    EXPECT_EQ(p.verdict.negatingHouses, (std::vector<int>{10}));

    // Mercury: the 10th, 3rd and 6th, and through Mars the 4th, 1st and 8th: no event house.
    const EventTiming mercury =
        timeEvent(timingChart(lord::Mercury), marriage(timingChart(lord::Mercury)));
    EXPECT_FALSE(mercury.promises[0].promised());
    EXPECT_EQ(mercury.promises[0].verdict.negatingHouses, (std::vector<int>{1, 6, 10}));
}

TEST(EventTiming, PeriodsRankAllSignifyingLordsAboveNegatingOnes)
{
    const Chart chart = timingChart(lord::Saturn);
    const EventTiming t = timeEvent(chart, marriage(chart));
    ASSERT_FALSE(t.periods.empty());
    // Saturn-Venus-Venus: every lord signifies 2, 7 or 11. Saturn-Venus-Mercury: the
    // antara lord Mercury signifies only the negating 1, 6 and 10.
    const auto good = rankOf(t, {lord::Saturn, lord::Venus, lord::Venus});
    const auto poor = rankOf(t, {lord::Saturn, lord::Venus, lord::Mercury});
    ASSERT_GE(good, 0);
    ASSERT_GE(poor, 0);
    EXPECT_LT(good, poor);
    const TimedPeriod& g = t.periods[static_cast<std::size_t>(good)];
    EXPECT_TRUE(g.allLordsSignify());
    EXPECT_EQ(g.eventHousesCovered, 3);
    const TimedPeriod& q = t.periods[static_cast<std::size_t>(poor)];
    EXPECT_EQ(q.lordsSignifying, 2);
    EXPECT_EQ(q.negations, 1 + 3); // Saturn's 10th and Mercury's 1st, 6th and 10th

    for (std::size_t i = 1; i < t.periods.size(); ++i)
        EXPECT_FALSE(ranksAbove(t.periods[i], t.periods[i - 1])) << i;
    // Exactly one running period, holding "now"; no period wholly outside the range.
    const auto request = marriage(chart);
    EXPECT_EQ(std::count_if(t.periods.begin(), t.periods.end(), [](auto& p) { return p.running; }),
              1);
    for (const TimedPeriod& p : t.periods) {
        EXPECT_GT(p.endJulianDayUt, request.fromJulianDayUt);
        EXPECT_LT(p.startJulianDayUt, request.toJulianDayUt);
        EXPECT_EQ(p.lords.size(), 3u);
        EXPECT_GE(p.lordsSignifying, 1);
    }
}

TEST(EventTiming, RulingPlanetFilterAndSookshmaDepth)
{
    const Chart chart = timingChart(lord::Saturn);
    EventTimingRequest request = marriage(chart, 30.0);
    request.rulingLords = std::vector<LordIndex>{lord::Saturn, lord::Venus, lord::Jupiter};
    const EventTiming filtered = timeEvent(chart, request);
    ASSERT_FALSE(filtered.periods.empty());
    for (const TimedPeriod& p : filtered.periods)
        for (LordIndex l : p.lords)
            EXPECT_TRUE(l == lord::Saturn || l == lord::Venus || l == lord::Jupiter);

    // The chart holds three levels; a fourth is laid out for the search and tiles its parents.
    request.rulingLords.reset();
    request.depth = 4;
    request.toJulianDayUt = request.fromJulianDayUt + 365.25;
    const EventTiming deep = timeEvent(chart, request);
    ASSERT_FALSE(deep.periods.empty());
    for (const TimedPeriod& p : deep.periods) {
        ASSERT_EQ(p.lords.size(), 4u);
        const double middle = 0.5 * (p.startJulianDayUt + p.endJulianDayUt);
        const auto parent =
            std::find_if(chart.dasha.begin(), chart.dasha.end(), [&](const DashaSpan& s) {
                return s.level == 2 && s.startJulianDayUt <= middle && middle < s.endJulianDayUt;
            });
        ASSERT_NE(parent, chart.dasha.end());
        EXPECT_EQ(parent->lord, p.lords[2]);
        EXPECT_GE(p.startJulianDayUt, parent->startJulianDayUt - 1e-9);
        EXPECT_LE(p.endJulianDayUt, parent->endJulianDayUt + 1e-9);
    }
}

TEST(EventTiming, RulingLordSetTakesInNodesInARulingSign)
{
    RulingPlanets rp;
    rp.dayLord = body::Venus;
    rp.ascSignLord = rp.ascStarLord = rp.ascSubLord = lord::Saturn;
    rp.moonSignLord = rp.moonStarLord = rp.moonSubLord = lord::Jupiter;
    EXPECT_EQ(rulingLordSet(rp, nullptr),
              (std::vector<LordIndex>{lord::Saturn, lord::Jupiter, lord::Venus}));
    TransitSnapshot sky;
    TransitBody rahu, ketu;
    rahu.body = body::Rahu;
    rahu.lords.signLord = lord::Jupiter; // in Pisces
    ketu.body = body::Ketu;
    ketu.lords.signLord = lord::Mercury; // in Virgo
    sky.bodies = {rahu, ketu};
    EXPECT_EQ(rulingLordSet(rp, &sky),
              (std::vector<LordIndex>{lord::Saturn, lord::Jupiter, lord::Venus, lord::Rahu}));
}
