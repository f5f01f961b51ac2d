#pragma once

#include "engine/bodies.h"

#include <string>
#include <vector>

namespace lumikan::engine {

// One body in a divisional chart. The nakshatra and its lords are those of the
// natal longitude, not of the varga.
struct VargaPosition {
    BodyId body = 0;
    double longitude = 0.0;
    int sign = 0;
    LordIndex signLord = 0;
    int house = 1;
    int nakshatra = 0;
    LordIndex starLord = 0;
    LordIndex subLord = 0;
    LordIndex subSubLord = 0;
};

// One division D of a chart.
struct VargaChart {
    int division = 1;
    std::string name;
    int ascendantSign = 0;
    std::vector<VargaPosition> positions;
};

}  // namespace lumikan::engine
