#pragma once

#include "engine/chart.h"

#include <vector>

namespace lumikan::engine {

// House 1..12 of a longitude by the cusps, as the planet tables count it: the
// first house i whose span [cusp i, cusp i+1) holds it, else 12. -1 unless
// there are exactly 12 cusps. A point exactly on a cusp belongs to the house
// that cusp begins.
int houseByCusps(double longitudeDeg, const std::vector<CuspPosition>& cusps);

// The wrap-aware walk the significator tables use: 1..12, or 0 when no span
// holds the longitude.
int houseOf(double longitudeDeg, const std::vector<CuspPosition>& cusps);

// Shorter angular distance between two longitudes, 0..180.
double arcDistance(double aDeg, double bDeg);

}  // namespace lumikan::engine
