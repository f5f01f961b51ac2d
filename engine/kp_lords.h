#pragma once

#include "engine/bodies.h"
#include "engine/chart.h"

namespace lumikan::engine {

// Sub lord of a point `offsetDeg` into a nakshatra of the given star lord.
// A point exactly on a sub boundary belongs to the later sub.
LordIndex subLordOf(LordIndex starLord, double offsetDeg);

// Sub-sub lord of the same point within the given sub.
LordIndex subSubLordOf(LordIndex starLord, LordIndex subLord, double offsetDeg);

// Sign, star, sub and sub-sub lords of a longitude in [0, 360).
KpLords kpLordsOf(double longitudeDeg);

}  // namespace lumikan::engine
