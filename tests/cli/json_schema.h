#pragma once

// Checks JSON against the part of JSON Schema (2020-12) that lumikan-cli's
// schema uses. A keyword it does not know is itself a failure, so the schema
// never asks for a check that silently does not happen.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <set>

namespace lumikan::test {

class JsonSchema {
public:
    explicit JsonSchema(QJsonObject root) : root_(std::move(root)) {}

    // Problems of `value` against the schema at `pointer` ("#/$defs/chart",
    // or "#" for the whole schema), each with the path where it was found.
    QStringList problems(const QJsonValue& value,
                         const QString& pointer = QStringLiteral("#")) const
    {
        QStringList found;
        check(value, resolve(pointer, found), QStringLiteral("$"), found);
        return found;
    }

private:
    QJsonObject resolve(const QString& pointer, QStringList& found) const
    {
        QJsonValue at = root_;
        const QStringList parts = pointer.mid(1).split(QLatin1Char('/'), Qt::SkipEmptyParts);
        for (const QString& part : parts)
            at = at.toObject().value(part);
        if (!at.isObject())
            found << QStringLiteral("the schema has no %1").arg(pointer);
        return at.toObject();
    }

    static bool hasType(const QJsonValue& value, const QString& type)
    {
        if (type == QLatin1String("object"))
            return value.isObject();
        if (type == QLatin1String("array"))
            return value.isArray();
        if (type == QLatin1String("string"))
            return value.isString();
        if (type == QLatin1String("boolean"))
            return value.isBool();
        if (type == QLatin1String("null"))
            return value.isNull();
        if (type == QLatin1String("number"))
            return value.isDouble();
        if (type == QLatin1String("integer"))
            return value.isDouble() && std::floor(value.toDouble()) == value.toDouble();
        return false;
    }

    void check(const QJsonValue& value, const QJsonObject& schema, const QString& path,
               QStringList& found) const
    {
        static const std::set<QString> annotations = {"$schema", "$id", "$defs", "title",
                                                      "description"};
        for (auto it = schema.begin(); it != schema.end(); ++it) {
            const QString& keyword = it.key();
            const QJsonValue rule = it.value();
            if (annotations.count(keyword)) {
                continue;
            } else if (keyword == QLatin1String("$ref")) {
                check(value, resolve(rule.toString(), found), path, found);
            } else if (keyword == QLatin1String("type")) {
                if (!hasType(value, rule.toString()))
                    found << path + QStringLiteral(": not of type ") + rule.toString();
            } else if (keyword == QLatin1String("enum")) {
                if (!rule.toArray().contains(value))
                    found << path + QStringLiteral(": ") + text(value) +
                                 QStringLiteral(" is not one of ") + text(rule);
            } else if (keyword == QLatin1String("const")) {
                if (value != rule)
                    found << path + QStringLiteral(": ") + text(value) +
                                 QStringLiteral(" is not ") + text(rule);
            } else if (keyword == QLatin1String("minimum")) {
                if (value.isDouble() && value.toDouble() < rule.toDouble())
                    found << path + QStringLiteral(": below ") + text(rule);
            } else if (keyword == QLatin1String("maximum")) {
                if (value.isDouble() && value.toDouble() > rule.toDouble())
                    found << path + QStringLiteral(": above ") + text(rule);
            } else if (keyword == QLatin1String("exclusiveMaximum")) {
                if (value.isDouble() && value.toDouble() >= rule.toDouble())
                    found << path + QStringLiteral(": not below ") + text(rule);
            } else if (keyword == QLatin1String("pattern")) {
                if (value.isString() &&
                    !QRegularExpression(rule.toString()).match(value.toString()).hasMatch())
                    found << path + QStringLiteral(": does not match ") + rule.toString();
            } else if (keyword == QLatin1String("anyOf")) {
                bool any = false;
                for (const QJsonValue& option : rule.toArray()) {
                    QStringList inner;
                    check(value, option.toObject(), path, inner);
                    any = any || inner.isEmpty();
                }
                if (!any)
                    found << path + QStringLiteral(": matches none of anyOf");
            } else if (keyword == QLatin1String("required")) {
                for (const QJsonValue& name : rule.toArray())
                    if (value.isObject() && !value.toObject().contains(name.toString()))
                        found << path + QStringLiteral(": lacks ") + name.toString();
            } else if (keyword == QLatin1String("properties")) {
                const QJsonObject properties = rule.toObject();
                const QJsonObject object = value.toObject();
                for (auto p = properties.begin(); p != properties.end(); ++p)
                    if (object.contains(p.key()))
                        check(object.value(p.key()), p.value().toObject(),
                              path + QLatin1Char('.') + p.key(), found);
            } else if (keyword == QLatin1String("additionalProperties")) {
                const QJsonObject properties =
                    schema.value(QStringLiteral("properties")).toObject();
                const QJsonObject object = value.toObject();
                for (auto p = object.begin(); p != object.end(); ++p) {
                    if (properties.contains(p.key()))
                        continue;
                    if (rule.isBool() && !rule.toBool())
                        found << path + QStringLiteral(": unexpected key ") + p.key();
                    else if (rule.isObject())
                        check(p.value(), rule.toObject(), path + QLatin1Char('.') + p.key(), found);
                }
            } else if (keyword == QLatin1String("propertyNames")) {
                const QJsonObject object = value.toObject();
                for (auto p = object.begin(); p != object.end(); ++p)
                    check(QJsonValue(p.key()), rule.toObject(),
                          path + QStringLiteral(" key ") + p.key(), found);
            } else if (keyword == QLatin1String("items")) {
                const QJsonArray array = value.toArray();
                for (qsizetype i = 0; i < array.size(); ++i)
                    check(array[i], rule.toObject(), path + QStringLiteral("[%1]").arg(i), found);
            } else {
                found << QStringLiteral("the schema uses %1, which this check does not know")
                             .arg(keyword);
            }
        }
    }

    static QString text(const QJsonValue& value)
    {
        if (value.isArray())
            return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
        if (value.isObject())
            return QStringLiteral("an object");
        return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1);
    }

    QJsonObject root_;
};

} // namespace lumikan::test
