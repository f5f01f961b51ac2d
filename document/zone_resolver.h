#pragma once

#include "engine/clock.h"

#include <QString>

#include <string_view>

namespace lumikan::document {

// One offset of a zone as the tz database gives it.
struct ZoneOffset {
    int offsetSeconds = 0;      // east of UTC
    QString abbreviation;       // the database's: "IST", "BDST", "+0630", "LMT"
    bool summerTime = false;    // daylight saving or summer time, war time included
    bool localMeanTime = false; // the database's local mean time before standard time

    double hours() const { return offsetSeconds / 3600.0; }
};

enum class LocalTimeKind {
    Unique,      // the local time happened once: `offset`
    Gap,         // clocks sprang forward over it: `offset` before, `later` after
    Fold,        // clocks fell back over it: `offset` the earlier, `later` the later
    UnknownZone, // the zone is not in this computer's tz database
};

struct ZoneReading {
    LocalTimeKind kind = LocalTimeKind::UnknownZone;
    ZoneOffset offset;
    ZoneOffset later;
    // A gap's first and first-after local times ("02:00" and "03:00").
    engine::LocalDateTime gapStart, gapEnd;
};

// Whether the system's tz database has the zone (Debian's tzdata).
bool isZoneAvailable(std::string_view zone);

// The offset in force in `zone` at a local date and time. Gaps and folds are
// found from the zone's transitions around the moment, not guessed.
ZoneReading readZone(std::string_view zone, const engine::LocalDateTime& local);

// Local mean time of a longitude (east positive): longitude / 15 hours, in
// whole seconds.
int localMeanTimeSeconds(double longitudeDeg);

} // namespace lumikan::document
