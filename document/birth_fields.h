#pragma once

#include "document/chart_file.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumikan::document {

// A birth as named text fields: the form that CSV and JSON Lines files and the
// command line's birth options share. The names are those of the options:
//   name     the person's or the chart's name, kept exactly as given
//   date     YYYY-MM-DD, 1800-01-01 to 2100-12-31
//   time     HH:MM:SS (or HH:MM) of the local clock
//   tz       hours east of UTC, -14 to 14
//   lat, lon degrees north and east
//   city, state, country
//   gender   male, female, other (or m, f, 0..3); empty: not given
//   notes    the chart file's notes
// date, time, tz, lat and lon are required.
struct Field {
    std::string name;
    std::string text;
    bool isNumber = false; // written as a JSON number
};

// A field's text by name; empty when the field is not there.
using FieldLookup = std::function<std::optional<std::string>(std::string_view name)>;

// The names above, in the order the writers use.
const std::vector<std::string_view>& birthFieldNames();

struct BirthFromFields {
    std::optional<ChartFileData> chart;
    // One line naming the field and its value, such as
    // `date "1990-13-05": a date YYYY-MM-DD from 1800-01-01 to 2100-12-31 is needed`;
    // `namePrefix` goes before the field's name ("--" for the command line).
    std::string error;
};
BirthFromFields birthFromFields(const FieldLookup& field, std::string_view namePrefix = {});

// The chart file's birth as fields, every name of birthFieldNames() in order;
// the place text is composed again from city, state and country when read.
std::vector<Field> fieldsOfChart(const ChartFileData& chart);

// 0 male, 1 female, 2 other, 3 not given; empty for an unknown word.
std::optional<int> genderFromText(std::string_view text);
// "male", "female", "other", or "" when not given.
std::string_view genderText(int gender);

// The complaint about a value: `<prefix><name> "<value>": <need>`, a long value
// shortened.
std::string badFieldValue(std::string_view namePrefix, std::string_view name,
                          std::string_view value, std::string_view need);

} // namespace lumikan::document
