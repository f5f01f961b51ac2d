#pragma once

#include "document/zone_resolver.h"
#include "engine/clock.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace lumikan::document {

// Where the UTC offset of a birth time comes from.
enum class OffsetSource {
    None,          // nothing chosen
    Zone,          // the place's IANA zone at the birth date and time
    HandTyped,     // an offset the user typed; it wins over the zone
    LocalMeanTime, // the longitude's local mean time, chosen explicitly
    ChartFile,     // the offset a chart file stores, without its origin
};

// Which of the two offsets of a local time that happened twice.
enum class FoldChoice { Unchosen, Earlier, Later };

// What the user chose for the birth's offset.
struct BirthTimeZone {
    std::string zone;                    // IANA zone of the place; empty when none
    std::optional<int> handTypedSeconds; // east of UTC; wins over everything else
    bool localMeanTime = false;          // LMT of `longitudeDeg`; wins over the zone
    double longitudeDeg = 0.0;           // east positive
    FoldChoice fold = FoldChoice::Unchosen;
};

enum class OffsetStatus {
    Ok,
    NoOffset,    // no zone, no typed offset, no local mean time
    UnknownZone, // the zone is not in the tz database
    Gap,         // the local time did not exist
    Fold,        // the local time happened twice and no choice was made
};

struct ResolvedOffset {
    OffsetStatus status = OffsetStatus::NoOffset;
    OffsetSource source = OffsetSource::None;
    int offsetSeconds = 0;
    // One line an astrologer reads at a glance: "Asia/Kolkata — IST, UTC+5:30".
    QString description;
    // Why no offset can be taken (empty when status is Ok).
    QString problem;
    ZoneReading reading; // what the zone says at the birth time

    bool ok() const { return status == OffsetStatus::Ok; }
    double hours() const { return offsetSeconds / 3600.0; }
};

// The offset of a birth at local time `local` as `choice` asks: a typed
// offset, else local mean time, else the zone (a gap is refused, a fold needs
// `choice.fold`).
ResolvedOffset resolveBirthOffset(const BirthTimeZone& choice, const engine::LocalDateTime& local);

// "Asia/Kolkata — IST, UTC+5:30", "Europe/London — BST, summer time, UTC+1:00",
// "Asia/Kolkata — summer time, UTC+6:30" (a numeric abbreviation is left out),
// "Asia/Kolkata — local mean time, UTC+5:53:28".
QString describeZoneOffset(std::string_view zone, const ZoneOffset& offset);

// "zone", "hand-typed", "LMT", "chart file": the source as output names it.
std::string_view offsetSourceName(OffsetSource source);

} // namespace lumikan::document
