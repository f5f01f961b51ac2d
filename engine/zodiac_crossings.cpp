#include "engine/zodiac_crossings.h"

#include "engine/bodies.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <cmath>

namespace lumikan::engine {

namespace {

std::vector<double> subStarts()
{
    std::vector<double> starts;
    starts.reserve(kNakshatraCount * kLordCount);
    for (int n = 0; n < kNakshatraCount; ++n) {
        // The same sums as the sub lord walk, so the boundaries agree with it.
        const double base = n * kNakshatraSpanDecimal;
        double cum = 0.0;
        for (int k = 0; k < kLordCount; ++k) {
            starts.push_back(base + cum);
            const LordIndex lord = (nakshatraLord(n) + k) % kLordCount;
            cum +=
                static_cast<double>(DASHA_YEARS[lord]) / kDashaCycleYears * kNakshatraSpanDecimal;
        }
    }
    return starts;
}

std::vector<double> nakshatraStarts()
{
    std::vector<double> starts;
    for (int n = 0; n < kNakshatraCount; ++n)
        starts.push_back(n * kNakshatraSpanDecimal);
    return starts;
}

std::vector<double> signAndStarStarts()
{
    std::vector<double> starts = nakshatraStarts();
    for (int s = 0; s < kSignCount; ++s)
        starts.push_back(30.0 * s);
    std::sort(starts.begin(), starts.end());
    // 120° and 240° begin both a sign and a nakshatra (to a hair).
    starts.erase(std::unique(starts.begin(), starts.end(),
                             [](double a, double b) { return std::fabs(a - b) < 1e-9; }),
                 starts.end());
    return starts;
}

// Degrees a body moved forward from `fromDeg` to `toDeg`, in [0, 360).
double forwardArc(double fromDeg, double toDeg)
{
    return normalizeDegrees(toDeg - fromDeg);
}

// The moment in (lo, hi] at which the body has moved `arcDeg` forward from
// `baseDeg`, having moved loArcDeg by lo and hiArcDeg by hi; false position
// with the Illinois step. Returns the end of the final bracket, a few
// hundredths of a second past the passage at most.
std::optional<double> solvePassage(const LongitudeAt& longitudeAt, double baseDeg, double arcDeg,
                                   double lo, double loArcDeg, double hi, double hiArcDeg)
{
    double fLo = loArcDeg - arcDeg;
    double fHi = hiArcDeg - arcDeg;
    int side = 0;
    constexpr double tolerance = 0.05 * kSecondDays;
    for (int i = 0; i < 100 && hi - lo > tolerance; ++i) {
        double t = (fHi - fLo) > 0.0 ? lo - fLo * (hi - lo) / (fHi - fLo) : 0.5 * (lo + hi);
        // Keep the probe away from the ends so the bracket always shrinks.
        const double margin = 0.01 * (hi - lo);
        t = std::clamp(t, lo + std::min(margin, tolerance), hi - std::min(margin, tolerance));
        const auto l = longitudeAt(t);
        if (!l)
            return std::nullopt;
        double moved = forwardArc(baseDeg, *l);
        // A probe a hair behind the start wraps to nearly 360.
        if (moved > hiArcDeg + 180.0)
            moved -= 360.0;
        const double f = moved - arcDeg;
        if (f >= 0.0) {
            hi = t;
            fHi = f;
            if (side == 1)
                fLo *= 0.5;
            side = 1;
        } else {
            lo = t;
            fLo = f;
            if (side == -1)
                fHi *= 0.5;
            side = -1;
        }
    }
    return hi;
}

} // namespace

ZodiacPartition::ZodiacPartition(std::vector<double> startsDeg) : starts_(std::move(startsDeg)) {}

int ZodiacPartition::segmentOf(double longitudeDeg) const
{
    const auto it = std::upper_bound(starts_.begin(), starts_.end(), longitudeDeg);
    if (it == starts_.begin())
        return size() - 1;
    return static_cast<int>(it - starts_.begin()) - 1;
}

const ZodiacPartition& subPartition()
{
    static const ZodiacPartition partition(subStarts());
    return partition;
}

const ZodiacPartition& nakshatraPartition()
{
    static const ZodiacPartition partition(nakshatraStarts());
    return partition;
}

const ZodiacPartition& signAndStarPartition()
{
    static const ZodiacPartition partition(signAndStarStarts());
    return partition;
}

double nextWholeSecond(double julianDayUt)
{
    const double seconds = julianDayUt * 86400.0;
    // A passage a rounding error past a whole second belongs to that second.
    return std::ceil(seconds - 1e-4) / 86400.0;
}

std::optional<std::vector<ZodiacCrossing>> findZodiacCrossings(const LongitudeAt& longitudeAt,
                                                               const ZodiacPartition& partition,
                                                               double fromJd, double toJd,
                                                               double stepDays)
{
    std::vector<ZodiacCrossing> crossings;
    if (!(toJd > fromJd) || !(stepDays > 0.0) || partition.size() < 2)
        return crossings;
    auto previous = longitudeAt(fromJd);
    if (!previous)
        return std::nullopt;
    double t0 = fromJd;
    while (t0 < toJd) {
        const double t1 = std::min(t0 + stepDays, toJd);
        const auto next = longitudeAt(t1);
        if (!next)
            return std::nullopt;
        const double a = normalizeDegrees(*previous);
        const double moved = forwardArc(a, *next);
        int segment = partition.segmentOf(a);
        const int last = partition.segmentOf(normalizeDegrees(*next));
        double lo = t0;
        double loArc = 0.0;
        // Each boundary between the two samples, in the order the body meets it.
        while (segment != last && moved < 180.0) {
            const int following = (segment + 1) % partition.size();
            const double arc = forwardArc(a, partition.startOf(following));
            if (arc > moved)
                break;
            const auto t = solvePassage(longitudeAt, a, arc, lo, loArc, t1, moved);
            if (!t)
                return std::nullopt;
            crossings.push_back({*t, segment, following});
            lo = *t;
            loArc = arc;
            segment = following;
        }
        previous = next;
        t0 = t1;
    }
    return crossings;
}

} // namespace lumikan::engine
