#pragma once

#include "engine/chart.h"
#include "engine/event_timing.h"

#include <optional>
#include <vector>

namespace lumikan::engine {

class Ephemeris;

// A stretch during which the Sun keeps one sign lord and one star lord.
struct SunSegment {
    double startJulianDayUt = 0.0; // an ingress (the first whole UT second), or the range's start
    double endJulianDayUt = 0.0;
    LordIndex signLord = 0;
    LordIndex starLord = 0;
};

// The Sun's segments covering [fromJd, toJd), in the frame of `options`;
// each boundary is an ingress into a sign or a nakshatra, found to a second.
// Empty when the Sun cannot be computed.
std::optional<std::vector<SunSegment>>
sunSegments(double fromJd, double toJd, const ChartOptions& options, Ephemeris& ephemeris);

// The windows within [startJd, endJd) when the Sun's sign lord and star lord
// are both among `lords`, joined where they meet.
std::vector<SunWindow> sunWindowsWithin(const std::vector<SunSegment>& segments, double startJd,
                                        double endJd, const std::vector<LordIndex>& lords);

// Fills every period's Sun windows from one walk of the Sun over them all.
// False when the Sun cannot be computed.
bool fillSunWindows(std::vector<TimedPeriod>& periods, const ChartOptions& options,
                    Ephemeris& ephemeris);

} // namespace lumikan::engine
