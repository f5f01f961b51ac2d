#include "engine/dignity.h"

#include "engine/dignity_tables.h"
#include "engine/house_rules.h"

#include <cmath>

namespace lumikan::engine {

DignityFlags dignityFlagsOf(BodyId body, double longitudeDeg, double speedDegPerDay,
                            double sunLongitudeDeg)
{
    DignityFlags f;
    const double orb = combustionOrb(body);
    f.combust = orb > arcDistance(longitudeDeg, sunLongitudeDeg);

    const double p = exaltationPoint(body);
    if (p >= 0.0) {
        f.exalted = arcDistance(longitudeDeg, p) <= 1.0;
        // Debilitation compares the plain difference, without wrapping.
        f.debilitated = std::fabs(longitudeDeg - std::fmod(p + 180.0, 360.0)) < 1.0;
    }
    const Sign sign = signOf(longitudeDeg);
    f.moolatrikona = isInMoolatrikona(body, sign, std::fmod(longitudeDeg, 30.0));
    f.ownSign = isOwnSign(body, sign);
    f.retrograde = speedDegPerDay < 0.0;
    f.direct = speedDegPerDay > 0.0;
    f.stationary = std::fabs(speedDegPerDay) < 0.001;
    return f;
}

}  // namespace lumikan::engine
