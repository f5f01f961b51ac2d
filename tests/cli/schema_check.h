#pragma once

// lumikan-cli's JSON against its committed JSON Schema.
#include "json_schema.h"

#include <QFile>
#include <QJsonDocument>

namespace lumikan::test {

inline const JsonSchema& cliSchema()
{
    static const JsonSchema schema = [] {
        QFile file(QStringLiteral(LUMIKAN_SOURCE_DIR "/docs/lumikan-cli-2.schema.json"));
        file.open(QIODevice::ReadOnly);
        return JsonSchema(QJsonDocument::fromJson(file.readAll()).object());
    }();
    return schema;
}

// What is wrong with one line of JSON output as the schema's `kind`
// ("chart", "match" ...); empty when it validates.
inline QStringList schemaProblems(const QByteArray& json, const QString& kind)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        return {QStringLiteral("not JSON: ") + error.errorString()};
    const QJsonValue value =
        document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
    QStringList problems = cliSchema().problems(value, QStringLiteral("#/$defs/") + kind);
    // The whole schema (any of the kinds) takes it as well.
    if (problems.isEmpty() && !cliSchema().problems(value).isEmpty())
        problems << QStringLiteral("valid as %1 but not against the whole schema").arg(kind);
    return problems;
}

} // namespace lumikan::test
