#pragma once

#include "engine/chart.h"
#include "engine/chart_computation.h"
#include "engine/ephemeris.h"

#include <memory>

namespace lumikan::test {

// A chart cast through the full computation; an empty chart when it failed.
struct CastChart {
    engine::Chart chart;
    engine::ChartStatus status = engine::ChartStatus::Ok;
};

inline engine::BirthDetails makeBirth(int year, int month, int day, int hour, int minute,
                                      int second, double timeZone, double latitude,
                                      double longitude)
{
    engine::BirthDetails b;
    b.year = year;
    b.month = month;
    b.day = day;
    b.hour = hour;
    b.minute = minute;
    b.second = second;
    b.timeZone = timeZone;
    b.latitude = latitude;
    b.longitude = longitude;
    return b;
}

inline engine::ChartOptions chartOptions(engine::AyanamsaMode mode = engine::AyanamsaMode::Krishnamurti,
                                         double customValue = 0.0, bool outerBodies = true)
{
    engine::ChartOptions o;
    o.ayanamsa = mode;
    o.customAyanamsaDeg = customValue;
    o.includeUranus = o.includeNeptune = o.includePluto = outerBodies;
    return o;
}

inline CastChart castChart(const engine::BirthDetails& birth,
                           engine::AyanamsaMode mode = engine::AyanamsaMode::Krishnamurti,
                           double customValue = 0.0, bool outerBodies = true)
{
    engine::ChartResult r = engine::computeChart(birth, chartOptions(mode, customValue, outerBodies),
                                                 engine::Ephemeris::shared());
    return {r.chart ? std::move(*r.chart) : engine::Chart{}, r.status};
}

// 1990-12-05 14:07:00 +5:30 at Pune.
inline engine::BirthDetails puneBirth() { return makeBirth(1990, 12, 5, 14, 7, 0, 5.5, 18.5204, 73.8567); }

// Mercury at 15°30' Virgo in Hasta (Moon star, Saturn sub, Ketu sub-sub),
// retrograde, exalted and in its own sign, in house 7.
inline engine::PlanetPosition sampleMercury()
{
    engine::PlanetPosition p;
    p.body = engine::body::Mercury;
    p.house = 7;
    p.longitude = 165.5;
    p.sign = 5;
    p.nakshatra = 12;
    p.starLord = engine::lord::Moon;
    p.subLord = engine::lord::Saturn;
    p.subSubLord = engine::lord::Ketu;
    p.pada = 2;
    p.dignity.retrograde = p.dignity.exalted = p.dignity.ownSign = true;
    return p;
}

// The same birth with a name and its place, as the birth dialog records it.
inline engine::BirthDetails namedPuneBirth(const char* name = "Test Chart")
{
    engine::BirthDetails b = puneBirth();
    b.name = name;
    b.city = "Pune";
    b.state = "Maharashtra";
    b.country = "India";
    return b;
}

}  // namespace lumikan::test
