#pragma once

#include "document/field_records.h"

#include <optional>
#include <string>
#include <vector>

namespace lumikan::cli {

// The records of a batch file ("-": standard input): CSV for a name ending in
// .csv, JSON Lines for .json or .jsonl; otherwise JSON when the first
// character that is not white space is '{' or '[', else CSV. Empty with
// `error` set when the input cannot be read.
std::optional<std::vector<document::FieldRecord>> readBatchRecords(const std::string& source,
                                                                   std::string& error);

// Each record's fields become options: a field "x" is "--x", with its text as
// the value (an empty text is a field not given); a flag's field holds true or
// false (also 1 or 0, or empty).
// Names of fields for the flags in `flags`; a bad flag value gives `error`.
std::optional<std::vector<std::string>> recordArguments(const document::FieldRecord& record,
                                                        const std::vector<std::string>& flags,
                                                        std::string& error);

} // namespace lumikan::cli
