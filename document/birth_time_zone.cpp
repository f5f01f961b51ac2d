#include "document/birth_time_zone.h"

#include "document/utc_offset_text.h"

#include <QStringList>

namespace lumikan::document {

namespace {

QString zoneText(std::string_view zone)
{
    return QString::fromUtf8(zone.data(), static_cast<qsizetype>(zone.size()));
}

QString clockText(const engine::LocalDateTime& t, bool withSeconds)
{
    QString text = QStringLiteral("%1:%2")
                       .arg(t.hour, 2, 10, QLatin1Char('0'))
                       .arg(t.minute, 2, 10, QLatin1Char('0'));
    if (withSeconds || t.second != 0)
        text += QStringLiteral(":%1").arg(t.second, 2, 10, QLatin1Char('0'));
    return text;
}

QString dateText(const engine::LocalDateTime& t)
{
    return QStringLiteral("%1-%2-%3")
        .arg(t.year, 4, 10, QLatin1Char('0'))
        .arg(t.month, 2, 10, QLatin1Char('0'))
        .arg(t.day, 2, 10, QLatin1Char('0'));
}

// An abbreviation of letters says something the offset does not ("IST");
// "+0630" only repeats it.
bool isWordAbbreviation(const QString& abbreviation)
{
    if (abbreviation.isEmpty())
        return false;
    for (const QChar c : abbreviation) {
        if (!c.isLetter())
            return false;
    }
    return true;
}

QString offsetWithAbbreviation(const ZoneOffset& offset)
{
    QString text = utcOffsetText(offset.offsetSeconds);
    if (isWordAbbreviation(offset.abbreviation) && !offset.localMeanTime)
        text += QStringLiteral(" (") + offset.abbreviation + QLatin1Char(')');
    return text;
}

} // namespace

QString describeZoneOffset(std::string_view zone, const ZoneOffset& offset)
{
    QStringList parts;
    if (offset.localMeanTime)
        parts << QStringLiteral("local mean time");
    else if (isWordAbbreviation(offset.abbreviation))
        parts << offset.abbreviation;
    if (offset.summerTime)
        parts << QStringLiteral("summer time");
    parts << utcOffsetText(offset.offsetSeconds);
    return zoneText(zone) + QStringLiteral(" \u2014 ") + parts.join(QStringLiteral(", "));
}

std::string_view offsetSourceName(OffsetSource source)
{
    switch (source) {
    case OffsetSource::None:
        return "none";
    case OffsetSource::Zone:
        return "zone";
    case OffsetSource::HandTyped:
        return "hand-typed";
    case OffsetSource::LocalMeanTime:
        return "LMT";
    case OffsetSource::ChartFile:
        return "chart file";
    }
    return "none";
}

ResolvedOffset resolveBirthOffset(const BirthTimeZone& choice, const engine::LocalDateTime& local)
{
    ResolvedOffset r;
    if (!choice.zone.empty())
        r.reading = readZone(choice.zone, local);
    const QString zone = zoneText(choice.zone);

    if (choice.handTypedSeconds) {
        r.status = OffsetStatus::Ok;
        r.source = OffsetSource::HandTyped;
        r.offsetSeconds = *choice.handTypedSeconds;
        r.description = utcOffsetText(r.offsetSeconds) + QStringLiteral(", typed by hand");
        if (r.reading.kind == LocalTimeKind::Unique &&
            r.reading.offset.offsetSeconds != r.offsetSeconds)
            r.description += QStringLiteral(" (%1 gives %2)")
                                 .arg(zone, utcOffsetText(r.reading.offset.offsetSeconds));
        return r;
    }
    if (choice.localMeanTime) {
        r.status = OffsetStatus::Ok;
        r.source = OffsetSource::LocalMeanTime;
        r.offsetSeconds = localMeanTimeSeconds(choice.longitudeDeg);
        r.description = QStringLiteral("local mean time, ") + utcOffsetText(r.offsetSeconds);
        return r;
    }
    if (choice.zone.empty()) {
        r.problem = QStringLiteral("No time zone is chosen for the birth time.");
        return r;
    }

    r.source = OffsetSource::Zone;
    const ZoneReading& z = r.reading;
    const QString time = clockText(local, true);
    switch (z.kind) {
    case LocalTimeKind::UnknownZone:
        r.status = OffsetStatus::UnknownZone;
        r.description = zone + QStringLiteral(" \u2014 not in this computer's time-zone database");
        r.problem = QStringLiteral(
                        "The time zone %1 is not in this computer's time-zone database "
                        "(the tzdata package). Type the offset by hand or choose local mean time.")
                        .arg(zone);
        return r;
    case LocalTimeKind::Gap:
        r.status = OffsetStatus::Gap;
        r.description = QStringLiteral("%1 \u2014 %2 did not exist: the clocks went from %3 to %4")
                            .arg(zone, clockText(local, false), clockText(z.gapStart, false),
                                 clockText(z.gapEnd, false));
        r.problem =
            QStringLiteral("The birth time %1 did not exist in %2 on %3: the clocks went forward "
                           "from %4 to %5 (%6 to %7). Check the time, or type the offset by hand.")
                .arg(time, zone, dateText(local), clockText(z.gapStart, false),
                     clockText(z.gapEnd, false), utcOffsetText(z.offset.offsetSeconds),
                     utcOffsetText(z.later.offsetSeconds));
        return r;
    case LocalTimeKind::Fold:
        if (choice.fold == FoldChoice::Unchosen) {
            r.status = OffsetStatus::Fold;
            r.description =
                QStringLiteral("%1 \u2014 %2 happened twice: earlier %3 or later %4")
                    .arg(zone, clockText(local, false), offsetWithAbbreviation(z.offset),
                         offsetWithAbbreviation(z.later));
            r.problem =
                QStringLiteral(
                    "The birth time %1 happened twice in %2 on %3: first at %4, then, "
                    "after the clocks went back, at %5. Choose the earlier or the later one.")
                    .arg(time, zone, dateText(local), offsetWithAbbreviation(z.offset),
                         offsetWithAbbreviation(z.later));
            return r;
        }
        {
            const bool earlier = choice.fold == FoldChoice::Earlier;
            const ZoneOffset& chosen = earlier ? z.offset : z.later;
            r.status = OffsetStatus::Ok;
            r.offsetSeconds = chosen.offsetSeconds;
            r.description =
                describeZoneOffset(choice.zone, chosen) +
                (earlier ? QStringLiteral(" (the earlier %1)") : QStringLiteral(" (the later %1)"))
                    .arg(clockText(local, false));
        }
        return r;
    case LocalTimeKind::Unique:
        r.status = OffsetStatus::Ok;
        r.offsetSeconds = z.offset.offsetSeconds;
        r.description = describeZoneOffset(choice.zone, z.offset);
        return r;
    }
    return r;
}

} // namespace lumikan::document
