#include "document/zone_resolver.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <limits>
#include <vector>

namespace lumikan::document {

namespace {

constexpr qint64 kDaySeconds = 86400;

QTimeZone zoneNamed(std::string_view zone)
{
    if (zone.empty())
        return {};
    return QTimeZone(QByteArray(zone.data(), static_cast<qsizetype>(zone.size())));
}

ZoneOffset offsetOf(const QTimeZone::OffsetData& data)
{
    ZoneOffset offset;
    offset.offsetSeconds = data.offsetFromUtc;
    offset.abbreviation = data.abbreviation;
    offset.summerTime = data.daylightTimeOffset != 0;
    offset.localMeanTime = data.abbreviation == QLatin1String("LMT");
    return offset;
}

// Seconds since the epoch of a local date and time read as if it were UTC.
qint64 localSeconds(const engine::LocalDateTime& t)
{
    const QDateTime asUtc(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second),
                          Qt::UTC);
    return asUtc.toSecsSinceEpoch();
}

engine::LocalDateTime localDateTime(qint64 seconds)
{
    const QDateTime t = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
    return {t.date().year(), t.date().month(),  t.date().day(),
            t.time().hour(), t.time().minute(), t.time().second()};
}

// A stretch of UTC time with one offset: [startUtc, next stretch's start).
struct Stretch {
    qint64 startUtc = 0;
    QTimeZone::OffsetData data;
};

} // namespace

bool isZoneAvailable(std::string_view zone)
{
    return zoneNamed(zone).isValid();
}

ZoneReading readZone(std::string_view zone, const engine::LocalDateTime& local)
{
    ZoneReading reading;
    const QTimeZone tz = zoneNamed(zone);
    if (!tz.isValid())
        return reading;

    // No offset exceeds a day, so the stretches two days either side of the
    // local time read as UTC hold every moment that shows that local time.
    const qint64 wanted = localSeconds(local);
    const QDateTime from = QDateTime::fromSecsSinceEpoch(wanted - 2 * kDaySeconds, Qt::UTC);
    const QDateTime to = QDateTime::fromSecsSinceEpoch(wanted + 2 * kDaySeconds, Qt::UTC);
    std::vector<Stretch> stretches{{std::numeric_limits<qint64>::min(), tz.offsetData(from)}};
    for (const QTimeZone::OffsetData& t : tz.transitions(from, to)) {
        const qint64 at = t.atUtc.toSecsSinceEpoch();
        if (at > from.toSecsSinceEpoch() && at <= to.toSecsSinceEpoch())
            stretches.push_back({at, t});
    }

    std::vector<std::size_t> matches;
    for (std::size_t i = 0; i < stretches.size(); ++i) {
        const qint64 offset = stretches[i].data.offsetFromUtc;
        const bool afterStart = i == 0 || wanted >= stretches[i].startUtc + offset;
        const bool beforeEnd =
            i + 1 == stretches.size() || wanted < stretches[i + 1].startUtc + offset;
        if (afterStart && beforeEnd)
            matches.push_back(i);
    }
    if (matches.size() == 1) {
        reading.kind = LocalTimeKind::Unique;
        reading.offset = offsetOf(stretches[matches.front()].data);
        return reading;
    }
    if (matches.size() > 1) {
        reading.kind = LocalTimeKind::Fold;
        reading.offset = offsetOf(stretches[matches.front()].data);
        reading.later = offsetOf(stretches[matches.back()].data);
        return reading;
    }
    // In no stretch: a transition moved the clocks forward over it.
    for (std::size_t i = 1; i < stretches.size(); ++i) {
        const qint64 at = stretches[i].startUtc;
        const qint64 before = at + stretches[i - 1].data.offsetFromUtc;
        const qint64 after = at + stretches[i].data.offsetFromUtc;
        if (before <= wanted && wanted < after) {
            reading.kind = LocalTimeKind::Gap;
            reading.offset = offsetOf(stretches[i - 1].data);
            reading.later = offsetOf(stretches[i].data);
            reading.gapStart = localDateTime(before);
            reading.gapEnd = localDateTime(after);
            return reading;
        }
    }
    reading.kind = LocalTimeKind::UnknownZone;
    return reading;
}

int localMeanTimeSeconds(double longitudeDeg)
{
    return static_cast<int>(std::lround(longitudeDeg * 240.0));
}

} // namespace lumikan::document
