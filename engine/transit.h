#pragma once

#include "engine/chart.h"

#include <optional>
#include <vector>

namespace lumikan::engine {

class Ephemeris;

// One body in transit over a natal chart.
struct TransitBody {
    BodyId body = 0;
    double longitudeDeg = 0.0; // sidereal, in the natal chart's frame, [0, 360)
    double speedDegPerDay = 0.0;
    int sign = 0;
    int nakshatra = 0;
    KpLords lords;
    int natalHouse = -1; // by the natal cusps; -1 without them
    // The natal houses its star lord's and sub lord's planets signify.
    std::vector<int> starLordHouses;
    std::vector<int> subLordHouses;
};

// A transiting point of the place: the ascendant.
struct TransitPoint {
    double longitudeDeg = 0.0;
    KpLords lords;
    int natalHouse = -1;
};

// The sky of one moment seen against a natal chart.
struct TransitSnapshot {
    double julianDayUt = 0.0;
    std::vector<TransitBody> bodies; // the natal chart's bodies, Fortuna aside, in its order
    // Empty where the place has no Placidus houses (beyond the polar circles).
    std::optional<TransitPoint> ascendant;
};

// The transit at `julianDayUt` for a place (degrees, north and east
// positive), in the natal chart's zodiac: no strength, no dasha, no vargas.
// Empty when a body cannot be computed.
std::optional<TransitSnapshot> transitAt(const Chart& natal, double julianDayUt, double latitudeDeg,
                                         double longitudeDeg, Ephemeris& ephemeris);

// The first body of the snapshot that is `body`, or null.
const TransitBody* findTransitBody(const TransitSnapshot& snapshot, BodyId body);

} // namespace lumikan::engine
