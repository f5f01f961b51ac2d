// The schema check the command tests rely on finds what it should.
#include "schema_check.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

using lumikan::test::JsonSchema;

TEST(JsonSchemaCheck, FindsEveryKindOfProblemAndRefusesUnknownKeywords)
{
    const JsonSchema schema(QJsonDocument::fromJson(R"({
        "$defs": {
            "lord": {"enum": ["Ketu", "Venus"]},
            "row": {"type": "object", "additionalProperties": false, "required": ["n", "lord"],
                    "properties": {"n": {"type": "integer", "minimum": 1, "maximum": 12},
                                   "lord": {"$ref": "#/$defs/lord"},
                                   "at": {"type": "string", "pattern": "^[0-9]{4}$"},
                                   "x": {"anyOf": [{"type": "null"}, {"type": "number", "exclusiveMaximum": 360}]}}}
        },
        "type": "array", "items": {"$ref": "#/$defs/row"}})")
                                .object());
    const auto problems = [&](const char* json) {
        return schema.problems(QJsonDocument::fromJson(json).array());
    };
    EXPECT_EQ(
        problems(
            R"([{"n": 1, "lord": "Ketu", "at": "1990", "x": null}, {"n": 12, "lord": "Venus", "x": 359.5}])"),
        QStringList());
    EXPECT_EQ(problems(R"([{"n": 1.5, "lord": "Ketu"}])").size(), 1); // not an integer
    EXPECT_EQ(problems(R"([{"n": 13, "lord": "Ketu"}])").size(), 1);  // above the maximum
    EXPECT_EQ(problems(R"([{"n": 1, "lord": 0}])").size(), 1);        // a lord by number
    EXPECT_EQ(problems(R"([{"n": 1}])").size(), 1);                   // a required key missing
    EXPECT_EQ(problems(R"([{"n": 1, "lord": "Ketu", "extra": 1}])").size(), 1);
    EXPECT_EQ(problems(R"([{"n": 1, "lord": "Ketu", "at": "90"}])").size(), 1);
    EXPECT_EQ(problems(R"([{"n": 1, "lord": "Ketu", "x": 360}])").size(), 1);

    const JsonSchema unknown(
        QJsonDocument::fromJson(R"({"type": "object", "minProperties": 2})").object());
    EXPECT_EQ(unknown.problems(QJsonObject{}).size(), 1);

    // The committed schema itself uses only what the check knows, and each
    // kind of output has its definition.
    for (const char* kind : {"chart", "match", "atlasCountries", "atlasStates", "atlasCities",
                             "atlasCity", "atlasFind", "batchError", "savedChart"}) {
        const QString found = lumikan::test::cliSchema()
                                  .problems(QJsonObject{}, QString("#/$defs/") + kind)
                                  .join(' ');
        EXPECT_TRUE(found.contains("lacks")) << kind;
        EXPECT_FALSE(found.contains("does not know") || found.contains("has no"))
            << found.toStdString();
    }
}

TEST(JsonSchemaCheck, FindsBodiesAndLordsGivenByNumber)
{
    EXPECT_EQ(lumikan::test::numberCodedPlanets(
                  R"({"planets":[{"body":0,"signLord":4,"house":9}],"dasha":[{"lord":6,"years":16}],
                      "houseSignificators":[{"house":1,"owners":[6],"occupants":["Sun"]}],
                      "birthRulingPlanets":{"dayLord":"Moon"},"charaKarakaRanks":{"Sun":3}})")
                  .size(),
              4);
}
