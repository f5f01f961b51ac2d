#include "document/chart_interchange.h"

#include "document/aaf_text.h"
#include "document/birth_fields.h"
#include "document/field_records.h"
#include "document/text_encoding.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lumikan::document {

namespace {

// File names are cut to this many characters before the extension.
constexpr qsizetype kMaxFileBaseLength = 100;

ImportedChart chartOfRecord(const FieldRecord& record)
{
    ImportedChart imported;
    imported.line = record.line;
    if (!record.error.empty()) {
        imported.error = record.error;
        return imported;
    }
    const std::vector<std::string_view>& known = birthFieldNames();
    for (const Field& field : record.fields) {
        if (std::find(known.begin(), known.end(), field.name) == known.end()) {
            imported.error = "\"" + field.name + "\" is not a birth field";
            return imported;
        }
    }
    BirthFromFields birth =
        birthFromFields([&](std::string_view name) { return record.find(name); });
    imported.chart = std::move(birth.chart);
    imported.error = std::move(birth.error);
    return imported;
}

} // namespace

std::optional<InterchangeFormat> interchangeFormatNamed(std::string_view name)
{
    if (name == "json")
        return InterchangeFormat::Json;
    if (name == "csv")
        return InterchangeFormat::Csv;
    if (name == "aaf")
        return InterchangeFormat::Aaf;
    return std::nullopt;
}

std::optional<InterchangeFormat> interchangeFormatOfPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jsonl"))
        return InterchangeFormat::Json;
    return interchangeFormatNamed(suffix.toStdString());
}

std::string_view interchangeFormatName(InterchangeFormat format)
{
    switch (format) {
    case InterchangeFormat::Json:
        return "json";
    case InterchangeFormat::Csv:
        return "csv";
    case InterchangeFormat::Aaf:
        return "aaf";
    }
    return "json";
}

std::vector<ImportedChart> readInterchange(const QByteArray& bytes, InterchangeFormat format)
{
    const QString text = decodeTextFile(bytes);
    std::vector<ImportedChart> charts;
    if (format == InterchangeFormat::Aaf) {
        for (AafRecord& record : readAaf(text))
            charts.push_back({record.line, std::move(record.chart), std::move(record.error)});
        return charts;
    }
    const std::string utf8 = toUtf8(text);
    const std::vector<FieldRecord> records =
        format == InterchangeFormat::Csv ? readCsvRecords(utf8) : readJsonRecords(utf8);
    charts.reserve(records.size());
    for (const FieldRecord& record : records)
        charts.push_back(chartOfRecord(record));
    return charts;
}

QByteArray writeInterchange(const std::vector<ChartFileData>& charts, InterchangeFormat format)
{
    std::string out;
    switch (format) {
    case InterchangeFormat::Aaf:
        out = writeAaf(charts);
        break;
    case InterchangeFormat::Json:
        for (const ChartFileData& chart : charts)
            out += jsonLine(fieldsOfChart(chart));
        break;
    case InterchangeFormat::Csv: {
        const std::vector<std::string_view>& names = birthFieldNames();
        out = csvLine(std::vector<std::string>(names.begin(), names.end()));
        for (const ChartFileData& chart : charts) {
            std::vector<std::string> texts;
            for (Field& field : fieldsOfChart(chart))
                texts.push_back(std::move(field.text));
            out += csvLine(texts);
        }
        break;
    }
    }
    return QByteArray::fromStdString(out);
}

QString freeChartFilePath(const QString& folder, const QString& displayName,
                          const std::set<QString>& taken)
{
    QString base = displayName.trimmed();
    for (QChar& c : base) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('_');
    }
    if (base.size() > kMaxFileBaseLength)
        base.truncate(kMaxFileBaseLength);
    if (base.isEmpty() || base.startsWith(QLatin1Char('.')))
        base.prepend(QLatin1String("Chart"));
    const QDir dir(folder);
    QString path = dir.filePath(base + QLatin1String(".lmk"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink() || taken.count(path); ++n)
        path = dir.filePath(base + QLatin1Char(' ') + QString::number(n) + QLatin1String(".lmk"));
    return path;
}

} // namespace lumikan::document
