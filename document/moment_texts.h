#pragma once

#include "engine/chart.h"
#include "engine/clock.h"

#include <QString>

namespace lumikan::document {

// How reports and panels write a moment and a place, so that each says which
// moment and where.

// "UTC+5:30", "UTC-3:30", "UTC+0:00": an offset in hours east of UTC, to the minute.
QString utcOffsetText(double hours);

// "IST, UTC+5:30": the zone's label and the offset; the offset alone when the
// label is the offset ("UTC+5:45").
QString zoneAndOffsetText(double hours);

// "6 Dec 2026 10:30".
QString momentText(const engine::LocalDateTime& moment);

// "6 Dec 2026 10:30 IST, Pune": a local moment, its zone and the place.
QString momentAtPlaceText(const engine::LocalDateTime& moment, double zoneHours,
                          const QString& place);

// "18.5204 N, 73.8567 E".
QString coordinatesText(double latitudeDeg, double longitudeDeg);

// The birth city, or the saved place text when the city is empty or
// "Unknown", or the coordinates when both are empty.
QString birthPlaceName(const engine::BirthDetails& birth, const QString& placeText);

} // namespace lumikan::document
