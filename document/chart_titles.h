#pragma once

#include "engine/chart.h"

#include <QString>

#include <vector>

namespace lumikan::document {

// "IST", "GMT", ... for the common zones, else "UTC+5:45", "UTC-3:30", "UTC+10".
QString TimeZoneLabel(double hours);

// "5 Dec 1990"; a month outside 1..12 gives "05-00-1990" style numeric date.
QString LongDate(int day, int month, int year);

// "Pune, Maharashtra, India", or the saved place text when the city is empty or
// "Unknown".
QString PlaceLabel(const engine::BirthDetails& birth, const QString& placeText);

// The window title in one of the five formats (outside 0..4: format 1).
QString BuildTitle(const engine::BirthDetails& birth, const QString& displayName,
                   const QString& placeText, int titleFormat);

// "PISCES 15°16'": the sign and degrees of cusp 1, empty without it.
QString AscendantText(const std::vector<engine::CuspPosition>& cusps, int signNameFormat);

// The label the settings dialog shows for a title format.
QString titleFormatLabel(int titleFormat);

}  // namespace lumikan::document
