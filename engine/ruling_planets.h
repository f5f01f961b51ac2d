#pragma once

#include "engine/chart.h"
#include "engine/clock.h"

#include <array>
#include <string_view>

namespace lumikan::engine {

// The KP ruling planets of a moment.
struct RulingPlanets {
    BodyId dayLord = 0;
    LordIndex moonSignLord = 0, moonStarLord = 0, moonSubLord = 0, moonSubSubLord = 0;
    LordIndex ascSignLord = 0, ascStarLord = 0, ascSubLord = 0, ascSubSubLord = 0;
};

class Ephemeris;

// The weekday lord of a moment at a place. By the local-sunrise rule it is
// the lord of the weekday on which the last sunrise at or before the moment
// fell (an evening birth in the Americas keeps its local weekday, a birth
// before sunrise takes the day before); where the Sun did not both rise and
// set within a day of it (polar day or night), the UT-date rule applies.
BodyId dayLordAt(double julianDayUt, double latitudeDeg, double longitudeDeg, DayLordRule rule,
                 Ephemeris& ephemeris);

// Fills the chart's ruling planets of the birth moment (dayLord .. ascSubSubLord),
// the day lord by the chart's options.dayLordRule at the birth place.
void birthRulingPlanets(Chart& chart, Ephemeris& ephemeris);

// The birth set the chart holds, as one value.
RulingPlanets rulingPlanetsOf(const Chart& chart);

// The ruling-planet place of a chart: the given place, or the birth place
// (with the birth time zone) when both coordinates are exactly 0.
RulingPlace rulingPlaceFor(double latitudeDeg, double longitudeDeg, double timeZoneHours,
                           const BirthDetails& birth);

// The ruling planets at a local moment (date and time of the ruling-planet
// place of `options`, in its frame). The day lord is always set; the
// ascendant and Moon lords keep their values from `previous` when the houses
// or the Moon cannot be computed.
RulingPlanets rulingPlanetsAt(const ChartOptions& options, const LocalDateTime& moment,
                              Ephemeris& ephemeris, RulingPlanets previous = {});

inline constexpr std::string_view kRulingPlanetsOrderCaption =
    "From highest (most powerful) to lowest (least powerful)";

struct RankedRulingPlanet {
    int rank = 1;  // 1..7
    std::string_view category;
    BodyId body = 0;
};

// The seven ranked rows; a planet ruling several categories appears once per
// category.
std::array<RankedRulingPlanet, 7> rankedRulingPlanets(const RulingPlanets& planets);

}  // namespace lumikan::engine
