#pragma once

#include <functional>
#include <optional>
#include <vector>

namespace lumikan::engine {

// The zodiac cut into consecutive segments by their start longitudes
// (ascending, in [0, 360)); the last segment runs on through 360 to the first.
class ZodiacPartition {
public:
    explicit ZodiacPartition(std::vector<double> startsDeg);

    // The segment holding a longitude in [0, 360).
    int segmentOf(double longitudeDeg) const;
    double startOf(int segment) const { return starts_[static_cast<std::size_t>(segment)]; }
    int size() const { return static_cast<int>(starts_.size()); }

private:
    std::vector<double> starts_;
};

// The 243 subs as kpLordsOf draws them (a sign boundary does not change the sub lord).
const ZodiacPartition& subPartition();
// The 27 nakshatras.
const ZodiacPartition& nakshatraPartition();
// Where the sign lord or the star lord changes: the 12 signs and 27 nakshatras together.
const ZodiacPartition& signAndStarPartition();

// A moment at which a body passes into another segment.
struct ZodiacCrossing {
    double julianDayUt = 0.0; // the passage, searched to a small fraction of a second
    int fromSegment = 0;
    int toSegment = 0;
};

// Longitude (degrees) at a Julian day (UT), or empty when it cannot be computed.
using LongitudeAt = std::function<std::optional<double>(double julianDayUt)>;

// Every passage from one segment into the next within [fromJd, toJd) of a body
// whose longitude only ever increases: the Sun, the Moon, the ascendant. The
// range is sampled every `stepDays` (an interval may hold several passages,
// but the body must move less than half a circle in it); each passage is then
// found by false position. Empty when a longitude cannot be computed.
std::optional<std::vector<ZodiacCrossing>> findZodiacCrossings(const LongitudeAt& longitudeAt,
                                                               const ZodiacPartition& partition,
                                                               double fromJd, double toJd,
                                                               double stepDays);

// The whole UT second at or after a moment: the first second of a new segment.
double nextWholeSecond(double julianDayUt);

inline constexpr double kSecondDays = 1.0 / 86400.0;

} // namespace lumikan::engine
