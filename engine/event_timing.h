#pragma once

#include "engine/chart.h"
#include "engine/ruling_planets.h"
#include "engine/transit.h"

#include <optional>
#include <vector>

namespace lumikan::engine {

// What a lord's planet signifies of one event, from the natal significators.
struct LordVerdict {
    LordIndex lord = 0;
    std::vector<int> eventHouses;    // ascending
    std::vector<int> negatingHouses; // ascending
    bool signifiesEvent() const { return !eventHouses.empty(); }
};

// Whether a primary cusp promises the event: its sub lord must signify at
// least one event house; negating houses it also signifies are obstacles.
struct CuspPromise {
    int cusp = 1;
    LordIndex subLord = 0;
    LordVerdict verdict;
    bool promised() const { return verdict.signifiesEvent(); }
};

// A stretch of the sky's Sun whose sign lord and star lord are both among a
// period's lords. Its ends are the period's ends or the Sun's ingresses.
struct SunWindow {
    double startJulianDayUt = 0.0;
    double endJulianDayUt = 0.0;
};

// A dasha period at the asked depth whose lords signify the event.
struct TimedPeriod {
    std::vector<LordIndex> lords; // mahadasha first, one per level
    double startJulianDayUt = 0.0;
    double endJulianDayUt = 0.0;
    int lordsSignifying = 0;    // lords that signify at least one event house
    int negations = 0;          // negating houses, counted for each lord
    int eventHousesCovered = 0; // distinct event houses the lords signify together
    bool running = false;       // holds the moment `nowJulianDayUt` of the request
    std::vector<SunWindow> sunWindows;

    bool allLordsSignify() const { return lordsSignifying == static_cast<int>(lords.size()); }
};

struct EventTimingRequest {
    std::vector<int> cusps;  // primary cusps, 1..12
    std::vector<int> houses; // event houses, 1..12
    double fromJulianDayUt = 0.0;
    double toJulianDayUt = 0.0;
    int depth = 3; // 3 dasha-bhukti-antara, 4 with the sookshma
    double nowJulianDayUt = 0.0;
    // When given, only periods all of whose lords are among these.
    std::optional<std::vector<LordIndex>> rulingLords;
};

struct EventTiming {
    std::vector<int> negatingHouses;
    std::vector<CuspPromise> promises; // one per primary cusp, in the request's order
    std::vector<LordVerdict> lords;    // all nine, by LordIndex
    std::vector<TimedPeriod> periods;  // best first
};

// The verdict of one lord for the houses: read from the natal significators.
LordVerdict lordVerdict(const Chart& chart, LordIndex lord, const std::vector<int>& eventHouses,
                        const std::vector<int>& negatingHouses);

// Promise, then every period overlapping the range in which at least one lord
// signifies the event, ranked: all lords signifying first, then fewer
// negations, then more event houses covered, then the earlier. Sun windows
// are left for fillSunWindows. Periods are the chart's dasha timeline, laid
// out one level deeper when the chart holds fewer levels than asked.
EventTiming timeEvent(const Chart& chart, const EventTimingRequest& request);

// The lords of the seven ruling-planet places, each once, with Rahu and Ketu
// added when their sign lord in `sky` (the same moment) is among them.
std::vector<LordIndex> rulingLordSet(const RulingPlanets& planets, const TransitSnapshot* sky);

// True when period a ranks above period b.
bool ranksAbove(const TimedPeriod& a, const TimedPeriod& b);

} // namespace lumikan::engine
