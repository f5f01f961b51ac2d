#pragma once

#include "engine/chart.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace lumikan::document {

// What a chart file holds: birth data, names and notes, nothing computed.
struct ChartFileData {
    QString displayName;
    QString placeText;
    engine::BirthDetails birth;  // `name` is not stored; it is the display name
    QString notes;
};

inline constexpr std::uint16_t kChartFileVersion = 2;

// The bytes of a chart file (version 2) with `notes` written as given.
QByteArray encodeChartFile(const ChartFileData& data);

// Reads a chart file. Version 0 gives an empty result (`std::nullopt` in
// `data`, success); a truncated or malformed file gives false.
struct ChartFileRead {
    bool ok = false;
    std::optional<ChartFileData> data;  // empty for a version-0 file
};
ChartFileRead decodeChartFile(const QByteArray& bytes);

// The notes as saved: trimmed, old signature lines (with both "ASC:" and
// "Day:") removed from the end, and `signature` appended on its own line when
// anything is left.
QString normalizeNotesForSave(const QString& notes, const QString& signature);

// "ASC:x/y/z MO:x/y/z Day:d" from the birth ruling lords, in the planet-name form.
QString chartSignatureLine(const engine::Chart& chart, int planetNameFormat);

}  // namespace lumikan::document
