#include "cli/json_writer.h"

#include "document/value_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace lumikan::cli {

namespace {

bool isPlainAscii(unsigned char c)
{
    return c >= 0x20 && c < 0x80 && c != '"' && c != '\\';
}

} // namespace

void JsonWriter::grow(std::size_t bytes)
{
    out_.resize(std::max({out_.size() * 2, used_ + bytes, std::size_t(4096)}));
}

void JsonWriter::append(std::string_view text)
{
    std::memcpy(room(text.size()), text.data(), text.size());
    used_ += text.size();
}

// `raw` between quotes: UTF-8 as it is, bytes that are not UTF-8 as U+FFFD,
// quotes, backslashes and control characters escaped. Runs of plain ASCII,
// nearly all of a chart's text, are copied in one piece.
void JsonWriter::appendString(std::string_view raw)
{
    static constexpr char kHex[] = "0123456789abcdef";
    put('"');
    std::size_t i = 0;
    while (i < raw.size()) {
        std::size_t plainEnd = i;
        while (plainEnd < raw.size() && isPlainAscii(static_cast<unsigned char>(raw[plainEnd])))
            ++plainEnd;
        append(raw.substr(i, plainEnd - i));
        i = plainEnd;
        if (i == raw.size())
            break;
        const auto c = static_cast<unsigned char>(raw[i]);
        if (c >= 0x80) {
            const std::size_t n = document::utf8SequenceLength(raw, i);
            append(n == 0 ? std::string_view("\xEF\xBF\xBD") : raw.substr(i, n));
            i += n == 0 ? 1 : n;
            continue;
        }
        switch (c) {
        case '"':
            append("\\\"");
            break;
        case '\\':
            append("\\\\");
            break;
        case '\n':
            append("\\n");
            break;
        case '\r':
            append("\\r");
            break;
        case '\t':
            append("\\t");
            break;
        default: {
            const char escape[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
            append(std::string_view(escape, sizeof escape));
        }
        }
        ++i;
    }
    put('"');
}

void JsonWriter::beginObject()
{
    separate();
    put('{');
    needComma_ = false;
}

void JsonWriter::endObject()
{
    put('}');
    needComma_ = true;
}

void JsonWriter::beginArray()
{
    separate();
    put('[');
    needComma_ = false;
}

void JsonWriter::endArray()
{
    put(']');
    needComma_ = true;
}

void JsonWriter::key(std::string_view name)
{
    separate();
    needComma_ = false;
    // Keys are nearly always the program's own plain names: copied whole.
    const bool plain = std::all_of(name.begin(), name.end(), [](char c) {
        return isPlainAscii(static_cast<unsigned char>(c));
    });
    if (!plain) {
        appendString(name);
        put(':');
        return;
    }
    char* out = room(name.size() + 3);
    *out++ = '"';
    std::memcpy(out, name.data(), name.size());
    out += name.size();
    *out++ = '"';
    *out = ':';
    used_ += name.size() + 3;
}

void JsonWriter::value(std::string_view text)
{
    separate();
    appendString(text);
    needComma_ = true;
}

void JsonWriter::value(double number)
{
    separate();
    needComma_ = true;
    if (!std::isfinite(number)) {
        append("null");
        return;
    }
    // The shortest text that reads back as the same double.
    char* out = room(32);
    used_ = static_cast<std::size_t>(std::to_chars(out, out + 32, number).ptr - out_.data());
}

void JsonWriter::value(int number)
{
    separate();
    needComma_ = true;
    char* out = room(16);
    used_ = static_cast<std::size_t>(std::to_chars(out, out + 16, number).ptr - out_.data());
}

void JsonWriter::value(bool flag)
{
    separate();
    needComma_ = true;
    append(flag ? "true" : "false");
}

void JsonWriter::raw(std::string_view json)
{
    separate();
    needComma_ = true;
    append(json);
}

void JsonWriter::null()
{
    separate();
    needComma_ = true;
    append("null");
}

} // namespace lumikan::cli
