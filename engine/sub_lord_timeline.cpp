#include "engine/sub_lord_timeline.h"

#include "engine/ephemeris.h"
#include "engine/kp_lords.h"
#include "engine/zodiac.h"
#include "engine/zodiac_crossings.h"

namespace lumikan::engine {

namespace {

// The ascendant moves a sub in three to ten minutes, the Moon in one to
// three hours; a sample step well below that keeps the searches short.
constexpr double kAscendantStepDays = 4.0 / 1440.0;
constexpr double kMoonStepDays = 1.0 / 24.0;

LongitudeAt longitudeOf(TimelinePoint point, double latitudeDeg, double longitudeDeg,
                        Ephemeris& ephemeris)
{
    if (point == TimelinePoint::Moon)
        return [&ephemeris](double jd) -> std::optional<double> {
            const auto p = ephemeris.position(jd, body::Moon);
            return p ? std::optional<double>(normalizeDegrees(p->longitudeDeg)) : std::nullopt;
        };
    return [&ephemeris, latitudeDeg, longitudeDeg](double jd) -> std::optional<double> {
        const auto cusps = ephemeris.placidusCusps(jd, latitudeDeg, longitudeDeg);
        return cusps ? std::optional<double>(normalizeDegrees((*cusps)[1])) : std::nullopt;
    };
}

} // namespace

std::optional<SubLordTimeline> subLordTimeline(TimelinePoint point, double fromJd, double toJd,
                                               double latitudeDeg, double longitudeDeg,
                                               const ChartOptions& options, Ephemeris& ephemeris)
{
    ephemeris.useFrame(options.ayanamsa, options.customAyanamsaDeg);
    const LongitudeAt longitudeAt = longitudeOf(point, latitudeDeg, longitudeDeg, ephemeris);
    const auto start = longitudeAt(fromJd);
    if (!start)
        return std::nullopt;
    const double step = point == TimelinePoint::Moon ? kMoonStepDays : kAscendantStepDays;
    const auto crossings = findZodiacCrossings(longitudeAt, subPartition(), fromJd, toJd, step);
    if (!crossings)
        return std::nullopt;
    SubLordTimeline timeline;
    timeline.atStart = kpLordsOf(*start);
    timeline.changes.reserve(crossings->size());
    for (const ZodiacCrossing& c : *crossings) {
        LordChange change;
        change.julianDayUt = nextWholeSecond(c.julianDayUt - 0.05 * kSecondDays);
        const auto before = longitudeAt(change.julianDayUt - kSecondDays);
        const auto after = longitudeAt(change.julianDayUt + kSecondDays);
        if (!before || !after)
            return std::nullopt;
        change.before = kpLordsOf(*before);
        change.after = kpLordsOf(*after);
        timeline.changes.push_back(change);
    }
    return timeline;
}

} // namespace lumikan::engine
