#pragma once

#include "document/birth_fields.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumikan::document {

// One record of named text fields read from a CSV or JSON Lines file, or why
// it could not be read. A bad record never stops the ones after it.
struct FieldRecord {
    int line = 0; // where the record starts in its file, from 1
    std::vector<Field> fields;
    std::string error; // empty when the fields were read

    std::optional<std::string> find(std::string_view name) const;
};

// CSV as RFC 4180 has it: the first line names the columns; fields are
// separated by commas; a field in double quotes may hold commas, line breaks
// and doubled quotes; lines end in CRLF or LF; a byte-order mark before the
// header is skipped. Blank lines are skipped. `text` is UTF-8. A header that
// cannot be used (an empty or repeated column name) gives one record with the
// error, line 1.
std::vector<FieldRecord> readCsvRecords(std::string_view text);

// JSON Lines: one JSON object per line whose values are strings, numbers,
// true/false or null (null counts as absent). Numbers become their shortest
// decimal text, true and false the words. Blank lines are skipped. A file whose
// first character is '[' is read as one array of such objects instead; its
// records are numbered by their place in the array.
std::vector<FieldRecord> readJsonRecords(std::string_view text);

// One CSV line (ending in LF) of the texts, quoted where RFC 4180 needs it
// and where leading or trailing spaces would be lost.
std::string csvLine(const std::vector<std::string>& texts);

// One JSON object on one line (ending in LF): the fields in their order,
// numbers as numbers.
std::string jsonLine(const std::vector<Field>& fields);

// `text` as a JSON string, quotes included.
std::string jsonString(std::string_view text);

} // namespace lumikan::document
