#include "engine/sun_windows.h"

#include "engine/ephemeris.h"
#include "engine/kp_lords.h"
#include "engine/zodiac.h"
#include "engine/zodiac_crossings.h"

#include <algorithm>

namespace lumikan::engine {

namespace {

// Samples far apart: an interval may hold several boundaries, each solved on its own.
constexpr double kSunStepDays = 10.0;

bool holds(const std::vector<LordIndex>& lords, LordIndex l)
{
    return std::find(lords.begin(), lords.end(), l) != lords.end();
}

} // namespace

std::optional<std::vector<SunSegment>>
sunSegments(double fromJd, double toJd, const ChartOptions& options, Ephemeris& ephemeris)
{
    ephemeris.useFrame(options.ayanamsa, options.customAyanamsaDeg);
    const LongitudeAt sunAt = [&ephemeris](double jd) -> std::optional<double> {
        const auto p = ephemeris.position(jd, body::Sun);
        return p ? std::optional<double>(normalizeDegrees(p->longitudeDeg)) : std::nullopt;
    };
    const auto start = sunAt(fromJd);
    if (!start)
        return std::nullopt;
    const auto crossings =
        findZodiacCrossings(sunAt, signAndStarPartition(), fromJd, toJd, kSunStepDays);
    if (!crossings)
        return std::nullopt;
    std::vector<SunSegment> segments;
    segments.reserve(crossings->size() + 1);
    const ZodiacPartition& partition = signAndStarPartition();
    auto lordsOfSegment = [&](int segment) {
        // The middle of a segment is safely inside it.
        const int next = (segment + 1) % partition.size();
        double end = partition.startOf(next);
        if (next == 0)
            end += 360.0;
        return kpLordsOf(normalizeDegrees(0.5 * (partition.startOf(segment) + end)));
    };
    double t = fromJd;
    int segment = partition.segmentOf(*start);
    for (const ZodiacCrossing& c : *crossings) {
        const double ingress = std::max(t, nextWholeSecond(c.julianDayUt - 0.05 * kSecondDays));
        const KpLords lords = lordsOfSegment(segment);
        segments.push_back({t, ingress, lords.signLord, lords.starLord});
        t = ingress;
        segment = c.toSegment;
    }
    const KpLords lords = lordsOfSegment(segment);
    segments.push_back({t, toJd, lords.signLord, lords.starLord});
    return segments;
}

std::vector<SunWindow> sunWindowsWithin(const std::vector<SunSegment>& segments, double startJd,
                                        double endJd, const std::vector<LordIndex>& lords)
{
    std::vector<SunWindow> windows;
    auto it = std::upper_bound(segments.begin(), segments.end(), startJd,
                               [](double t, const SunSegment& s) { return t < s.endJulianDayUt; });
    for (; it != segments.end() && it->startJulianDayUt < endJd; ++it) {
        if (!holds(lords, it->signLord) || !holds(lords, it->starLord))
            continue;
        const double from = std::max(startJd, it->startJulianDayUt);
        const double to = std::min(endJd, it->endJulianDayUt);
        if (!(to > from))
            continue;
        if (!windows.empty() && windows.back().endJulianDayUt == from)
            windows.back().endJulianDayUt = to;
        else
            windows.push_back({from, to});
    }
    return windows;
}

bool fillSunWindows(std::vector<TimedPeriod>& periods, const ChartOptions& options,
                    Ephemeris& ephemeris)
{
    if (periods.empty())
        return true;
    double from = periods.front().startJulianDayUt, to = periods.front().endJulianDayUt;
    for (const TimedPeriod& p : periods) {
        from = std::min(from, p.startJulianDayUt);
        to = std::max(to, p.endJulianDayUt);
    }
    const auto segments = sunSegments(from, to, options, ephemeris);
    if (!segments)
        return false;
    for (TimedPeriod& p : periods)
        p.sunWindows = sunWindowsWithin(*segments, p.startJulianDayUt, p.endJulianDayUt, p.lords);
    return true;
}

} // namespace lumikan::engine
