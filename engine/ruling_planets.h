#pragma once

#include "engine/chart.h"
#include "engine/clock.h"

#include <array>
#include <string_view>

namespace lumikan::engine {

class Messages;

// The KP ruling planets of a moment.
struct RulingPlanets {
    BodyId dayLord = 0;
    LordIndex moonSignLord = 0, moonStarLord = 0, moonSubLord = 0, moonSubSubLord = 0;
    LordIndex ascSignLord = 0, ascStarLord = 0, ascSubLord = 0, ascSubSubLord = 0;
};

// Fills the chart's ruling planets of the birth moment (dayLord .. ascSubSubLord).
void birthRulingPlanets(Chart& chart);

// The birth set the chart holds, as one value.
RulingPlanets rulingPlanetsOf(const Chart& chart);

// Sets the chart's ruling-planet place: the given place, or the birth place
// (with the birth time zone) when both coordinates are exactly 0.
void setRulingPlanetPlace(Chart& chart, double latitudeDeg, double longitudeDeg,
                          double timeZoneHours);

// The ruling planets at a local time of `today`'s date at the chart's
// ruling-planet place, written into `current`. The day lord is always updated;
// the ascendant and Moon lords keep their previous values when the houses or
// the Moon cannot be computed. Does nothing without an ephemeris context.
void rulingPlanetsAt(const Chart& chart, const LocalDateTime& today, int hour, int minute,
                     int second, RulingPlanets& current, Messages* messages = nullptr);

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
