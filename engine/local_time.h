#pragma once

#include "engine/clock.h"

namespace lumikan::engine {

// The UT Julian day of a local civil moment at a fixed offset (hours east of UTC).
double julianDayOfLocal(const LocalDateTime& local, double offsetHours);

// The local civil date and time (Gregorian, to the nearest second) of a UT
// Julian day at a fixed offset (hours east of UTC).
LocalDateTime localDateTimeOf(double julianDayUt, double offsetHours);

} // namespace lumikan::engine
