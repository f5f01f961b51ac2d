#pragma once

#include "document/chart_file.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace lumikan::document {

// AAF, the astrologers' interchange text format: any number of chart records,
// each a "#A93:" line (names, type, date, local time, place, country) and
// usually a "#B93:" line (Julian day of the UT moment, latitude, longitude,
// zone, summer time), with optional chunks such as "#COM:" for a comment.

// One record read: the chart, or why it cannot be used.
struct AafRecord {
    int line = 0; // of its "#A93:" line, from 1
    std::optional<ChartFileData> chart;
    std::string error;
};

// Every record of the text, leniently: unknown chunks are ignored, "*" fields
// are unknown, a chunk may continue on lines that do not start with '#'. Each
// value is checked (date 1800..2100, time, coordinates, offset); a record that
// fails gives its error and the others are read. When the Julian day and the
// local date, time and offset disagree by more than a second, the Julian day
// wins. The last name and the first name make the chart's name ("First Last");
// a place "City/State" gives both.
std::vector<AafRecord> readAaf(const QString& text);

// The charts as AAF: a blank line, "#A93:", "#B93:" with the Julian day of the
// birth moment, and "#COM:" with the notes (line breaks as spaces) when there
// are any. Names split at the last space into first and last name; commas,
// which no field may hold, become semicolons. Coordinates are written to the
// arc second, the offset to the second.
std::string writeAaf(const std::vector<ChartFileData>& charts);

} // namespace lumikan::document
