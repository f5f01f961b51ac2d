#include "cast_chart.h"

#include "engine/event_houses.h"
#include "engine/event_timing.h"
#include "engine/house_rules.h"
#include "engine/kp_lords.h"
#include "engine/local_time.h"
#include "engine/significators.h"
#include "engine/sub_lord_timeline.h"
#include "engine/sun_windows.h"
#include "engine/transit.h"
#include "engine/zodiac.h"
#include "engine/zodiac_crossings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace lumikan::engine;
using lumikan::test::castChart;
using lumikan::test::makeBirth;
using lumikan::test::puneBirth;

namespace {

constexpr double kSecond = 1.0 / 86400.0;

KpLords sunLordsAt(double jd)
{
    Ephemeris& e = Ephemeris::shared();
    e.useFrame(AyanamsaMode::Krishnamurti, 0.0);
    return kpLordsOf(normalizeDegrees(e.position(jd, body::Sun)->longitudeDeg));
}

// Sub changes of a point counted by plain sampling, for comparison with the search.
int sampledSubChanges(TimelinePoint point, double from, double to, double stepDays)
{
    Ephemeris& e = Ephemeris::shared();
    e.useFrame(AyanamsaMode::Krishnamurti, 0.0);
    auto lon = [&](double jd) {
        return point == TimelinePoint::Moon
                   ? normalizeDegrees(e.position(jd, body::Moon)->longitudeDeg)
                   : normalizeDegrees((*e.placidusCusps(jd, 18.5204, 73.8567))[1]);
    };
    int changes = 0;
    KpLords last = kpLordsOf(lon(from));
    for (double t = from + stepDays; t < to; t += stepDays) {
        const KpLords now = kpLordsOf(lon(t));
        changes += now.subLord != last.subLord;
        last = now;
    }
    return changes;
}

} // namespace

TEST(ZodiacCrossings, SubPartitionAgreesWithTheLordWalk)
{
    const ZodiacPartition& subs = subPartition();
    ASSERT_EQ(subs.size(), 243);
    for (int i = 0; i < subs.size(); ++i) {
        const double end = i + 1 < subs.size() ? subs.startOf(i + 1) : 360.0;
        const double middle = 0.5 * (subs.startOf(i) + end);
        EXPECT_EQ(subs.segmentOf(middle), i);
        // Sub i of nakshatra n belongs to the lord i steps on from the star lord.
        EXPECT_EQ(kpLordsOf(middle).subLord, (nakshatraLord(i / 9) + i % 9) % 9) << i;
    }
    EXPECT_EQ(signAndStarPartition().size(), 27 + 12 - 3); // 0, 120 and 240 shared
}

TEST(Transit, PositionsEqualAChartCastForThatMoment)
{
    const auto natal = castChart(puneBirth());
    ASSERT_EQ(natal.status, ChartStatus::Ok);
    // 2024-03-10 06:30:00 UT at Delhi.
    const auto moment = castChart(makeBirth(2024, 3, 10, 6, 30, 0, 0.0, 28.6139, 77.2090));
    ASSERT_EQ(moment.status, ChartStatus::Ok);
    const auto snapshot =
        transitAt(natal.chart, moment.chart.julianDayUt, 28.6139, 77.2090, Ephemeris::shared());
    ASSERT_TRUE(snapshot);
    ASSERT_EQ(snapshot->bodies.size(), 12u);
    for (const TransitBody& t : snapshot->bodies) {
        const PlanetPosition* p = findPlanet(moment.chart, t.body);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(t.longitudeDeg, p->longitude) << bodyName(t.body, 2);
        EXPECT_EQ(t.lords.subLord, p->subLord);
        EXPECT_EQ(t.lords.subSubLord, p->subSubLord);
        EXPECT_EQ(t.natalHouse, houseByCusps(t.longitudeDeg, natal.chart.cusps));
        EXPECT_EQ(t.starLordHouses, housesSignifiedByLord(natal.chart, t.lords.starLord));
    }
    ASSERT_TRUE(snapshot->ascendant);
    EXPECT_EQ(snapshot->ascendant->longitudeDeg, moment.chart.cusps[0].longitude);
    EXPECT_EQ(snapshot->ascendant->lords.subLord, moment.chart.cusps[0].subLord);
}

TEST(SubLordTimeline, EveryChangeIsConfirmedAtPlusMinusOneSecond)
{
    // 2024-03-10, the local day at Pune (+5:30).
    const double from = julianDay(2024, 3, 10, 0.0) - 5.5 / 24.0;
    const double to = from + 1.0;
    for (TimelinePoint point : {TimelinePoint::Ascendant, TimelinePoint::Moon}) {
        const auto timeline =
            subLordTimeline(point, from, to, 18.5204, 73.8567, ChartOptions{}, Ephemeris::shared());
        ASSERT_TRUE(timeline);
        ASSERT_FALSE(timeline->changes.empty());
        double previous = from;
        for (const LordChange& c : timeline->changes) {
            EXPECT_TRUE(c.confirmed()) << c.julianDayUt;
            EXPECT_NE(c.before.subLord, c.after.subLord);
            EXPECT_GT(c.julianDayUt, previous);
            EXPECT_LT(c.julianDayUt, to + kSecond);
            // On a whole second (tolerance: the double's resolution near 2.4e6 days).
            EXPECT_NEAR(c.julianDayUt * 86400.0, std::round(c.julianDayUt * 86400.0), 1e-3);
            previous = c.julianDayUt;
        }
        EXPECT_EQ(timeline->changes.front().before.subLord, timeline->atStart.subLord);
        // No change missed: plain sampling finer than any sub counts the same.
        const double step = point == TimelinePoint::Moon ? 10.0 / 1440.0 : 20.0 / 86400.0;
        EXPECT_EQ(static_cast<int>(timeline->changes.size()),
                  sampledSubChanges(point, from, to, step));
    }
}

TEST(SunWindows, LieInsideTheirPeriodsAndEndAtIngresses)
{
    const auto natal = castChart(puneBirth());
    ASSERT_EQ(natal.status, ChartStatus::Ok);
    const EventHouses* e = findEvent("marriage");
    EventTimingRequest request;
    request.cusps = e->cusps;
    request.houses = e->houses;
    request.fromJulianDayUt = julianDay(2024, 1, 1, 0.0);
    request.toJulianDayUt = julianDay(2027, 1, 1, 0.0);
    EventTiming timing = timeEvent(natal.chart, request);
    ASSERT_FALSE(timing.periods.empty());
    ASSERT_TRUE(fillSunWindows(timing.periods, natal.chart.options, Ephemeris::shared()));
    int windows = 0, ingresses = 0;
    for (const TimedPeriod& p : timing.periods) {
        for (const SunWindow& w : p.sunWindows) {
            ++windows;
            EXPECT_GE(w.startJulianDayUt, p.startJulianDayUt);
            EXPECT_LE(w.endJulianDayUt, p.endJulianDayUt);
            EXPECT_LT(w.startJulianDayUt, w.endJulianDayUt);
            const KpLords inside = sunLordsAt(0.5 * (w.startJulianDayUt + w.endJulianDayUt));
            EXPECT_NE(std::find(p.lords.begin(), p.lords.end(), inside.signLord), p.lords.end());
            EXPECT_NE(std::find(p.lords.begin(), p.lords.end(), inside.starLord), p.lords.end());
            for (double edge : {w.startJulianDayUt, w.endJulianDayUt}) {
                if (edge == p.startJulianDayUt || edge == p.endJulianDayUt)
                    continue;
                ++ingresses;
                const KpLords before = sunLordsAt(edge - kSecond),
                              after = sunLordsAt(edge + kSecond);
                EXPECT_TRUE(before.signLord != after.signLord || before.starLord != after.starLord)
                    << edge;
            }
        }
    }
    EXPECT_GT(windows, 0);
    EXPECT_GT(ingresses, 0);
}

TEST(LocalTime, RoundTripsThroughTheJulianDay)
{
    const LocalDateTime moment{2024, 2, 29, 23, 59, 59};
    for (double offset : {5.5, -8.0, 0.0, 14.0}) {
        const double jd = julianDayOfLocal(moment, offset);
        const LocalDateTime back = localDateTimeOf(jd, offset);
        EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, 20240229) << offset;
        EXPECT_EQ(back.hour * 3600 + back.minute * 60 + back.second, 86399) << offset;
    }
    // 2000-01-01 12:00 UT is JD 2451545.0; at +5:30 it is 17:30 local.
    const LocalDateTime noon = localDateTimeOf(2451545.0, 5.5);
    EXPECT_EQ(noon.year * 10000 + noon.month * 100 + noon.day, 20000101);
    EXPECT_EQ(noon.hour * 60 + noon.minute, 17 * 60 + 30);
    // A moment 0.4 s before midnight rounds into the next day.
    const LocalDateTime next = localDateTimeOf(2451545.5 - 0.4 / 86400.0, 0.0);
    EXPECT_EQ(next.day, 2);
    EXPECT_EQ(next.hour + next.minute + next.second, 0);
}
