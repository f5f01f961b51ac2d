#include "engine/transit.h"

#include "engine/ephemeris.h"
#include "engine/house_rules.h"
#include "engine/kp_lords.h"
#include "engine/significators.h"
#include "engine/zodiac.h"

namespace lumikan::engine {

namespace {

// The bodies a chart may hold, in the order it lists them (Ketu after Rahu).
constexpr BodyId kTransitOrder[] = {body::Sun,     body::Moon,   body::Mars,    body::Mercury,
                                    body::Jupiter, body::Venus,  body::Saturn,  body::Rahu,
                                    body::Ketu,    body::Uranus, body::Neptune, body::Pluto};

// Outer bodies the natal chart leaves out stay out of its transits too.
bool included(const Chart& natal, BodyId b)
{
    switch (b) {
    case body::Uranus:
        return natal.includeUranus;
    case body::Neptune:
        return natal.includeNeptune;
    case body::Pluto:
        return natal.includePluto;
    default:
        return true;
    }
}

TransitBody transitBodyAt(const Chart& natal, BodyId b, double longitudeDeg, double speed)
{
    TransitBody t;
    t.body = b;
    t.longitudeDeg = normalizeDegrees(longitudeDeg);
    t.speedDegPerDay = speed;
    t.sign = signOf(t.longitudeDeg);
    t.nakshatra = nakshatraOf(t.longitudeDeg);
    t.lords = kpLordsOf(t.longitudeDeg);
    t.natalHouse = houseByCusps(t.longitudeDeg, natal.cusps);
    t.starLordHouses = housesSignifiedByLord(natal, t.lords.starLord);
    t.subLordHouses = housesSignifiedByLord(natal, t.lords.subLord);
    return t;
}

} // namespace

std::optional<TransitSnapshot> transitAt(const Chart& natal, double julianDayUt, double latitudeDeg,
                                         double longitudeDeg, Ephemeris& ephemeris)
{
    ephemeris.useFrame(natal.options.ayanamsa, natal.options.customAyanamsaDeg);
    TransitSnapshot snapshot;
    snapshot.julianDayUt = julianDayUt;
    std::optional<EclipticPosition> rahu;
    for (BodyId b : kTransitOrder) {
        if (!included(natal, b))
            continue;
        if (b == body::Ketu) {
            if (rahu)
                snapshot.bodies.push_back(
                    transitBodyAt(natal, b, rahu->longitudeDeg + 180.0, rahu->speedDegPerDay));
            continue;
        }
        const auto position = ephemeris.position(julianDayUt, b);
        if (!position)
            return std::nullopt;
        if (b == body::Rahu)
            rahu = position;
        snapshot.bodies.push_back(
            transitBodyAt(natal, b, position->longitudeDeg, position->speedDegPerDay));
    }
    if (const auto cusps = ephemeris.placidusCusps(julianDayUt, latitudeDeg, longitudeDeg)) {
        TransitPoint asc;
        asc.longitudeDeg = normalizeDegrees((*cusps)[1]);
        asc.lords = kpLordsOf(asc.longitudeDeg);
        asc.natalHouse = houseByCusps(asc.longitudeDeg, natal.cusps);
        snapshot.ascendant = asc;
    }
    return snapshot;
}

const TransitBody* findTransitBody(const TransitSnapshot& snapshot, BodyId body)
{
    for (const TransitBody& t : snapshot.bodies)
        if (t.body == body)
            return &t;
    return nullptr;
}

} // namespace lumikan::engine
