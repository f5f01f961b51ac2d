#pragma once

#include "engine/chart.h"

#include <optional>
#include <vector>

namespace lumikan::engine {

class Ephemeris;

// The moving point whose lords a timeline follows.
enum class TimelinePoint { Ascendant, Moon };

// A change of sub lord (and, at a nakshatra boundary, of star lord).
struct LordChange {
    double julianDayUt = 0.0; // the first whole UT second in the new sub
    KpLords before;           // recomputed one second earlier
    KpLords after;            // recomputed one second later
    bool starChanged() const { return before.starLord != after.starLord; }
    // The recomputation agrees that the sub lord changed at this second.
    bool confirmed() const { return before.subLord != after.subLord || starChanged(); }
};

struct SubLordTimeline {
    KpLords atStart;
    std::vector<LordChange> changes;
};

// Every sub lord change of the point within [fromJd, toJd) (UT Julian days),
// for a place (degrees, north and east positive) in the frame of `options`.
// Empty where the longitudes or houses cannot be computed.
std::optional<SubLordTimeline> subLordTimeline(TimelinePoint point, double fromJd, double toJd,
                                               double latitudeDeg, double longitudeDeg,
                                               const ChartOptions& options, Ephemeris& ephemeris);

} // namespace lumikan::engine
