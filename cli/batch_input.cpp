#include "cli/batch_input.h"

#include "document/regular_file.h"

#include <QFile>

#include <algorithm>
#include <cstdio>

namespace lumikan::cli {

namespace {

// A batch larger than this is better split (docs/batch.md shows how).
constexpr qint64 kMaxBatchBytes = qint64(1) << 30;

bool endsWith(const std::string& text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(), [](char a, char b) {
               return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b);
           });
}

} // namespace

std::optional<std::vector<document::FieldRecord>> readBatchRecords(const std::string& source,
                                                                   std::string& error)
{
    std::string text;
    if (source == "-") {
        char buffer[1 << 16];
        std::size_t n = 0;
        while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
            text.append(buffer, n);
            if (static_cast<qint64>(text.size()) > kMaxBatchBytes) {
                error = "standard input holds more than 1 GiB; split the batch";
                return std::nullopt;
            }
        }
        if (std::ferror(stdin)) {
            error = "cannot read standard input";
            return std::nullopt;
        }
    } else {
        const document::FileRead read =
            document::readRegularFile(QFile::decodeName(source.c_str()), kMaxBatchBytes);
        if (read.status != document::FileReadStatus::Ok) {
            error = "cannot read " + source + ": " +
                    document::fileReadFailureText(read, QStringLiteral("batch")).toStdString() +
                    (read.status == document::FileReadStatus::NotRegular
                         ? " (\"-\" reads standard input)"
                         : "");
            return std::nullopt;
        }
        text = read.bytes.toStdString();
    }
    bool json = endsWith(source, ".json") || endsWith(source, ".jsonl");
    if (!json && !endsWith(source, ".csv")) {
        const std::size_t first = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
        json = first != std::string::npos && (text[first] == '{' || text[first] == '[');
    }
    return json ? document::readJsonRecords(text) : document::readCsvRecords(text);
}

std::optional<std::vector<std::string>> recordArguments(const document::FieldRecord& record,
                                                        const std::vector<std::string>& flags,
                                                        std::string& error)
{
    std::vector<std::string> args;
    for (const document::Field& field : record.fields) {
        if (std::find(flags.begin(), flags.end(), field.name) != flags.end()) {
            if (field.text == "true" || field.text == "1")
                args.push_back("--" + field.name);
            else if (field.text != "false" && field.text != "0" && !field.text.empty()) {
                error = field.name + " \"" + field.text + "\": true or false is needed";
                return std::nullopt;
            }
            continue;
        }
        // An empty cell is a field not given.
        if (field.text.empty())
            continue;
        args.push_back("--" + field.name);
        args.push_back(field.text);
    }
    return args;
}

} // namespace lumikan::cli
