#include "engine/event_timing.h"

#include "engine/dasha.h"
#include "engine/event_houses.h"
#include "engine/significators.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace lumikan::engine {

namespace {

using HouseMask = std::uint32_t;

HouseMask maskOf(const std::vector<int>& houses)
{
    HouseMask m = 0;
    for (int h : houses)
        if (h >= 1 && h <= 12)
            m |= 1u << h;
    return m;
}

std::vector<int> housesIn(const std::vector<int>& houses, HouseMask mask)
{
    std::vector<int> out;
    for (int h : houses)
        if (h >= 1 && h <= 12 && (mask & (1u << h)))
            out.push_back(h);
    return out;
}

const std::vector<DashaSpan>& spansToDepth(const Chart& chart, int depth,
                                           std::vector<DashaSpan>& deeper)
{
    const bool deepEnough = !chart.dasha.empty() && chart.dasha.back().level >= depth - 1;
    if (deepEnough)
        return chart.dasha;
    const PlanetPosition* moon = findPlanet(chart, body::Moon);
    deeper = buildDashaSpans(chart.julianDayUt, moon ? moon->longitude : 0.0, depth,
                             chart.options.dashaYearDays);
    return deeper;
}

struct LordMasks {
    std::array<HouseMask, kLordCount> event{};
    std::array<HouseMask, kLordCount> negating{};
};

class PeriodCollector {
public:
    PeriodCollector(const std::vector<DashaSpan>& spans, const EventTimingRequest& request,
                    const LordMasks& masks)
        : spans_(spans), request_(request), masks_(masks)
    {
        if (request.rulingLords)
            for (LordIndex l : *request.rulingLords)
                if (isValidLord(l))
                    ruling_ |= 1u << l;
    }

    void walk(std::size_t index, std::vector<LordIndex>& lords, std::vector<TimedPeriod>& out)
    {
        const DashaSpan& span = spans_[index];
        if (span.endJulianDayUt <= request_.fromJulianDayUt ||
            span.startJulianDayUt >= request_.toJulianDayUt)
            return;
        if (request_.rulingLords && (!isValidLord(span.lord) || !(ruling_ & (1u << span.lord))))
            return;
        lords.push_back(span.lord);
        if (span.level + 1 >= request_.depth || span.firstChild < 0)
            collect(span, lords, out);
        else
            for (int k = 0; k < kLordCount; ++k) {
                const std::size_t child = static_cast<std::size_t>(span.firstChild + k);
                if (child < spans_.size())
                    walk(child, lords, out);
            }
        lords.pop_back();
    }

private:
    void collect(const DashaSpan& span, const std::vector<LordIndex>& lords,
                 std::vector<TimedPeriod>& out) const
    {
        if (static_cast<int>(lords.size()) != request_.depth)
            return;
        TimedPeriod p;
        HouseMask covered = 0;
        for (LordIndex l : lords) {
            if (!isValidLord(l))
                continue;
            const HouseMask e = masks_.event[l];
            p.lordsSignifying += e != 0;
            p.negations += std::popcount(masks_.negating[l]);
            covered |= e;
        }
        if (p.lordsSignifying == 0)
            return;
        p.lords = lords;
        p.startJulianDayUt = span.startJulianDayUt;
        p.endJulianDayUt = span.endJulianDayUt;
        p.eventHousesCovered = std::popcount(covered);
        p.running = span.startJulianDayUt <= request_.nowJulianDayUt &&
                    request_.nowJulianDayUt < span.endJulianDayUt;
        out.push_back(std::move(p));
    }

    const std::vector<DashaSpan>& spans_;
    const EventTimingRequest& request_;
    const LordMasks& masks_;
    std::uint32_t ruling_ = 0;
};

} // namespace

LordVerdict lordVerdict(const Chart& chart, LordIndex lord, const std::vector<int>& eventHouses,
                        const std::vector<int>& negatingHouses)
{
    LordVerdict v;
    v.lord = lord;
    const HouseMask signified = maskOf(housesSignifiedByLord(chart, lord));
    std::vector<int> event = eventHouses, negating = negatingHouses;
    std::sort(event.begin(), event.end());
    event.erase(std::unique(event.begin(), event.end()), event.end());
    std::sort(negating.begin(), negating.end());
    negating.erase(std::unique(negating.begin(), negating.end()), negating.end());
    v.eventHouses = housesIn(event, signified);
    v.negatingHouses = housesIn(negating, signified);
    return v;
}

std::vector<LordIndex> rulingLordSet(const RulingPlanets& planets, const TransitSnapshot* sky)
{
    std::vector<LordIndex> lords;
    auto add = [&lords](LordIndex l) {
        if (isValidLord(l) && std::find(lords.begin(), lords.end(), l) == lords.end())
            lords.push_back(l);
    };
    for (const RankedRulingPlanet& r : rankedRulingPlanets(planets))
        add(bodyToLord(r.body));
    if (sky) {
        const std::vector<LordIndex> ruling = lords;
        for (BodyId node : {body::Rahu, body::Ketu})
            if (const TransitBody* t = findTransitBody(*sky, node);
                t && std::find(ruling.begin(), ruling.end(), t->lords.signLord) != ruling.end())
                add(bodyToLord(node));
    }
    return lords;
}

bool ranksAbove(const TimedPeriod& a, const TimedPeriod& b)
{
    if (a.allLordsSignify() != b.allLordsSignify())
        return a.allLordsSignify();
    if (a.lordsSignifying != b.lordsSignifying)
        return a.lordsSignifying > b.lordsSignifying;
    if (a.negations != b.negations)
        return a.negations < b.negations;
    if (a.eventHousesCovered != b.eventHousesCovered)
        return a.eventHousesCovered > b.eventHousesCovered;
    return a.startJulianDayUt < b.startJulianDayUt;
}

EventTiming timeEvent(const Chart& chart, const EventTimingRequest& request)
{
    EventTiming timing;
    timing.negatingHouses = negatingHousesOf(request.houses);
    LordMasks masks;
    for (LordIndex l = 0; l < kLordCount; ++l) {
        timing.lords.push_back(lordVerdict(chart, l, request.houses, timing.negatingHouses));
        masks.event[l] = maskOf(timing.lords.back().eventHouses);
        masks.negating[l] = maskOf(timing.lords.back().negatingHouses);
    }
    for (int cusp : request.cusps) {
        if (cusp < 1 || cusp > static_cast<int>(chart.cusps.size()))
            continue;
        CuspPromise promise;
        promise.cusp = cusp;
        promise.subLord = chart.cusps[static_cast<std::size_t>(cusp - 1)].subLord;
        if (isValidLord(promise.subLord))
            promise.verdict = timing.lords[static_cast<std::size_t>(promise.subLord)];
        timing.promises.push_back(promise);
    }

    EventTimingRequest bounded = request;
    bounded.depth = std::clamp(request.depth, 1, 4);
    std::vector<DashaSpan> deeper;
    const std::vector<DashaSpan>& spans = spansToDepth(chart, bounded.depth, deeper);
    PeriodCollector collector(spans, bounded, masks);
    std::vector<LordIndex> lords;
    for (std::size_t i = 0; i < spans.size() && spans[i].level == 0; ++i)
        collector.walk(i, lords, timing.periods);
    std::stable_sort(timing.periods.begin(), timing.periods.end(), ranksAbove);
    return timing;
}

} // namespace lumikan::engine
