#pragma once

#include "engine/chart.h"

namespace lumikan::engine {

// Dignity of a body at a sidereal longitude with the given daily speed and the
// Sun's longitude (for combustion).
DignityFlags dignityFlagsOf(BodyId body, double longitudeDeg, double speedDegPerDay,
                            double sunLongitudeDeg);

}  // namespace lumikan::engine
