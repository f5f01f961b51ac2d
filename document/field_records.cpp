#include "document/field_records.h"

#include "document/value_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>

namespace lumikan::document {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view withoutByteOrderMark(std::string_view text)
{
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        text.remove_prefix(kByteOrderMark.size());
    return text;
}

// Splits CSV text into rows of fields, tracking line numbers.
class CsvScanner {
public:
    explicit CsvScanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }

    // The next row; `error` set when it is malformed (the row is then skipped
    // to its end). `startLine` is the line the row begins on.
    std::vector<std::string> row(int& startLine, std::string& error)
    {
        startLine = line_;
        std::vector<std::string> fields;
        std::string field;
        for (;;) {
            if (pos_ < text_.size() && text_[pos_] == '"') {
                ++pos_;
                if (!quoted(field)) {
                    error = "a quoted field is not closed";
                    return fields;
                }
                if (pos_ < text_.size() && !isSeparator(text_[pos_])) {
                    error = "characters follow a quoted field's closing quote";
                    skipToLineEnd();
                    return fields;
                }
            } else {
                while (pos_ < text_.size() && !isSeparator(text_[pos_]))
                    field += text_[pos_++];
            }
            fields.push_back(std::move(field));
            field.clear();
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
                continue;
            }
            endLine();
            return fields;
        }
    }

private:
    static bool isSeparator(char c) { return c == ',' || c == '\n' || c == '\r'; }

    // Reads a quoted field's body after its opening quote; false at the end
    // of the text before the closing quote.
    bool quoted(std::string& field)
    {
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                    continue;
                }
                return true;
            }
            if (c == '\n')
                ++line_;
            field += c;
        }
        return false;
    }

    void endLine()
    {
        if (pos_ < text_.size() && text_[pos_] == '\r')
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
        ++line_;
    }

    void skipToLineEnd()
    {
        while (pos_ < text_.size() && text_[pos_] != '\n' && text_[pos_] != '\r')
            ++pos_;
        endLine();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

bool isBlankRow(const std::vector<std::string>& fields)
{
    return fields.size() == 1 && fields[0].find_first_not_of(" \t") == std::string::npos;
}

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

// Qt's JSON parser drops a U+FEFF that starts a string (it decodes with
// QString::fromUtf8); written as an escape it is kept. Outside strings the
// character is invalid JSON either way.
QByteArray jsonWithMarksEscaped(std::string_view text)
{
    QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    return bytes.replace(QByteArray(kByteOrderMark.data(), kByteOrderMark.size()),
                         QByteArray("\\ufeff"));
}

// The record of one JSON object, or its error.
FieldRecord recordOfObject(const QJsonObject& object, int line)
{
    FieldRecord record;
    record.line = line;
    for (auto it = object.begin(); it != object.end(); ++it) {
        const QJsonValue value = it.value();
        Field field;
        field.name = it.key().toStdString();
        switch (value.type()) {
        case QJsonValue::String:
            field.text = value.toString().toStdString();
            break;
        case QJsonValue::Double:
            field.text = formatDecimal(value.toDouble());
            field.isNumber = true;
            break;
        case QJsonValue::Bool:
            field.text = value.toBool() ? "true" : "false";
            break;
        case QJsonValue::Null:
            continue;
        default:
            record.fields.clear();
            record.error = "\"" + field.name + "\" holds " +
                           (value.isArray() ? "an array" : "an object") +
                           "; a text, a number or true/false is needed";
            return record;
        }
        record.fields.push_back(std::move(field));
    }
    return record;
}

} // namespace

std::optional<std::string> FieldRecord::find(std::string_view name) const
{
    for (const Field& field : fields)
        if (field.name == name)
            return field.text;
    return std::nullopt;
}

std::vector<FieldRecord> readCsvRecords(std::string_view text)
{
    std::vector<FieldRecord> records;
    CsvScanner scanner(withoutByteOrderMark(text));
    int line = 0;
    std::string error;
    std::vector<std::string> header;
    while (!scanner.atEnd() && header.empty()) {
        header = scanner.row(line, error);
        if (isBlankRow(header) && error.empty())
            header.clear();
    }
    if (header.empty())
        return records;
    std::set<std::string> seen;
    for (std::string& name : header) {
        name = trimmed(name);
        if (error.empty() && name.empty())
            error = "the header has an empty column name";
        else if (error.empty() && !seen.insert(name).second)
            error = "the header names the column \"" + name + "\" twice";
    }
    if (!error.empty()) {
        records.push_back({line, {}, "header: " + error});
        return records;
    }
    while (!scanner.atEnd()) {
        error.clear();
        std::vector<std::string> row = scanner.row(line, error);
        FieldRecord record;
        record.line = line;
        if (!error.empty()) {
            record.error = error;
        } else if (isBlankRow(row)) {
            continue;
        } else if (row.size() != header.size()) {
            record.error = std::to_string(row.size()) + " fields where the header has " +
                           std::to_string(header.size());
        } else {
            for (std::size_t i = 0; i < row.size(); ++i)
                record.fields.push_back({header[i], std::move(row[i])});
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<FieldRecord> readJsonRecords(std::string_view text)
{
    std::vector<FieldRecord> records;
    text = withoutByteOrderMark(text);
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && text[first] == '[') {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(jsonWithMarksEscaped(text), &error);
        if (!document.isArray()) {
            records.push_back({1, {}, "not a JSON array: " + error.errorString().toStdString()});
            return records;
        }
        const QJsonArray array = document.array();
        for (qsizetype i = 0; i < array.size(); ++i) {
            const int number = static_cast<int>(i + 1);
            if (array[i].isObject())
                records.push_back(recordOfObject(array[i].toObject(), number));
            else
                records.push_back({number, {}, "the array's element is not a JSON object"});
        }
        return records;
    }
    int line = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        ++line;
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view content = text.substr(pos, end - pos);
        pos = end + 1;
        if (content.find_first_not_of(" \t\r") == std::string_view::npos)
            continue;
        QJsonParseError error;
        const QJsonDocument document =
            QJsonDocument::fromJson(jsonWithMarksEscaped(content), &error);
        if (error.error != QJsonParseError::NoError)
            records.push_back({line, {}, "not JSON: " + error.errorString().toStdString()});
        else if (!document.isObject())
            records.push_back({line, {}, "the line is not a JSON object"});
        else
            records.push_back(recordOfObject(document.object(), line));
    }
    return records;
}

std::string csvLine(const std::vector<std::string>& texts)
{
    std::string line;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            line += ',';
        const std::string& text = texts[i];
        const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                           (!text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                              text.front() == '\t' || text.back() == '\t'));
        if (!quote) {
            line += text;
            continue;
        }
        line += '"';
        for (char c : text) {
            if (c == '"')
                line += '"';
            line += c;
        }
        line += '"';
    }
    line += '\n';
    return line;
}

std::string jsonString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20 || u == 0x7F) {
                out += "\\u00";
                out += kHex[u >> 4];
                out += kHex[u & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
    return out;
}

std::string jsonLine(const std::vector<Field>& fields)
{
    std::string line = "{";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += jsonString(fields[i].name);
        line += ':';
        line += fields[i].isNumber ? fields[i].text : jsonString(fields[i].text);
    }
    line += "}\n";
    return line;
}

} // namespace lumikan::document
