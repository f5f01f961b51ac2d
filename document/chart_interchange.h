#pragma once

#include "document/chart_file.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lumikan::document {

// Births in the formats other programs and scripts read and write: JSON Lines
// and CSV with the fields of birth_fields.h, and AAF.
enum class InterchangeFormat { Json, Csv, Aaf };

// "json", "csv" or "aaf".
std::optional<InterchangeFormat> interchangeFormatNamed(std::string_view name);
// By the file's extension: .json or .jsonl, .csv, .aaf (in any case).
std::optional<InterchangeFormat> interchangeFormatOfPath(const QString& path);
std::string_view interchangeFormatName(InterchangeFormat format);

// One birth read from an interchange file: the chart file's content, or why
// the record cannot be one.
struct ImportedChart {
    int line = 0; // where the record starts, from 1
    std::optional<ChartFileData> chart;
    std::string error;
};

// Every record of the file. Text that is not UTF-8 is read as Windows-1252.
// A JSON or CSV field that is no birth field is an error of its record.
std::vector<ImportedChart> readInterchange(const QByteArray& bytes, InterchangeFormat format);

// The charts in the format, as a file: CSV with a header line, one JSON object
// per line, or AAF records. UTF-8 without a byte-order mark.
QByteArray writeInterchange(const std::vector<ChartFileData>& charts, InterchangeFormat format);

// A path in `folder` for a new chart file named after the chart: its display
// name with the characters file names cannot hold replaced, "Chart" when empty,
// and " 2", " 3" ... added until no file has the name and it is not `taken`.
QString freeChartFilePath(const QString& folder, const QString& displayName,
                          const std::set<QString>& taken = {});

} // namespace lumikan::document
