#include "cli/json_writer.h"

#include "document/value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace lumikan::cli {

namespace {

// Appends `raw` between quotes: UTF-8 as it is, bytes that are not UTF-8 as
// U+FFFD, quotes, backslashes and control characters escaped. Runs of plain
// ASCII, nearly all of a chart's text, are copied in one piece.
void appendJsonString(std::string& out, std::string_view raw)
{
    out += '"';
    std::size_t i = 0;
    while (i < raw.size()) {
        std::size_t plainEnd = i;
        while (plainEnd < raw.size()) {
            const auto c = static_cast<unsigned char>(raw[plainEnd]);
            if (c < 0x20 || c >= 0x80 || c == '"' || c == '\\')
                break;
            ++plainEnd;
        }
        out.append(raw.substr(i, plainEnd - i));
        i = plainEnd;
        if (i == raw.size())
            break;
        const auto c = static_cast<unsigned char>(raw[i]);
        if (c >= 0x80) {
            const std::size_t n = document::utf8SequenceLength(raw, i);
            if (n == 0) {
                out += "\xEF\xBF\xBD";
                ++i;
            } else {
                out.append(raw.substr(i, n));
                i += n;
            }
            continue;
        }
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
        default: {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        }
        }
        ++i;
    }
    out += '"';
}

} // namespace

void JsonWriter::separate()
{
    if (needComma_)
        out_ += ',';
}

void JsonWriter::beginObject()
{
    separate();
    out_ += '{';
    needComma_ = false;
}
void JsonWriter::endObject()
{
    out_ += '}';
    needComma_ = true;
}
void JsonWriter::beginArray()
{
    separate();
    out_ += '[';
    needComma_ = false;
}
void JsonWriter::endArray()
{
    out_ += ']';
    needComma_ = true;
}

void JsonWriter::key(std::string_view name)
{
    separate();
    needComma_ = false;
    // Keys are the program's own plain names; copy them whole.
    const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
        return c >= 0x20 && c < 0x7F && c != '"' && c != '\\';
    });
    if (!plain) {
        appendJsonString(out_, name);
        out_ += ':';
        return;
    }
    out_ += '"';
    out_.append(name);
    out_.append("\":", 2);
}

void JsonWriter::value(std::string_view text)
{
    separate();
    appendJsonString(out_, text);
    needComma_ = true;
}

void JsonWriter::value(double number)
{
    separate();
    needComma_ = true;
    if (!std::isfinite(number)) {
        out_ += "null";
        return;
    }
    // The shortest text that reads back as the same double.
    char buf[32];
    const auto written = std::to_chars(buf, buf + sizeof buf, number);
    out_.append(buf, written.ptr);
}

void JsonWriter::value(int number)
{
    separate();
    needComma_ = true;
    char buf[16];
    const auto written = std::to_chars(buf, buf + sizeof buf, number);
    out_.append(buf, written.ptr);
}

void JsonWriter::value(bool flag)
{
    separate();
    needComma_ = true;
    out_ += flag ? "true" : "false";
}

void JsonWriter::raw(std::string_view json)
{
    separate();
    needComma_ = true;
    out_.append(json);
}

void JsonWriter::null()
{
    separate();
    needComma_ = true;
    out_ += "null";
}

} // namespace lumikan::cli
