#pragma once

// lumikan-cli's JSON against its committed JSON Schema.
#include "json_schema.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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

// Every place where a body or lord is given by number instead of by name: the
// keys that name one (body, planet, lord, ...Lord, owners ...) holding a number.
inline void collectNumberCodedPlanets(const QJsonValue& value, const QString& path, bool planetKey,
                                      QStringList& found)
{
    if (value.isDouble() && planetKey)
        found << path;
    if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            collectNumberCodedPlanets(array[i], path + QStringLiteral("[%1]").arg(i), planetKey,
                                      found);
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString& key = it.key();
            const bool names =
                key == "body" || key == "planet" || key == "through" || key == "lord" ||
                key == "lords" || key.endsWith("Lord") || key.contains("LordBefore") ||
                key.contains("LordAfter") || key == "owners" || key == "occupants" ||
                key.startsWith("inStarOf") || key == "mahadasha" || key == "antardasha" ||
                key == "pratyantardasha" || key == "rulingLords";
            collectNumberCodedPlanets(it.value(), path + '.' + key, names, found);
        }
    }
}

inline QStringList numberCodedPlanets(const QByteArray& json)
{
    QStringList found;
    const QJsonDocument document = QJsonDocument::fromJson(json);
    collectNumberCodedPlanets(document.isObject() ? QJsonValue(document.object())
                                                  : QJsonValue(document.array()),
                              QStringLiteral("$"), false, found);
    return found;
}

} // namespace lumikan::test
