#include "cli/json_writer.h"

#include "cli/terminal_text.h"

#include <cmath>
#include <cstdio>

namespace lumikan::cli {

std::string jsonEscape(std::string_view raw)
{
    // JSON text is UTF-8: bytes that are not become U+FFFD.
    const std::string text = validUtf8(raw);
    std::string out;
    out.reserve(text.size() + 2);
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

void JsonWriter::separate()
{
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!hasMember_.empty()) {
        if (hasMember_.back())
            out_ += ',';
        hasMember_.back() = true;
    }
}

void JsonWriter::beginObject() { separate(); out_ += '{'; hasMember_.push_back(false); }
void JsonWriter::endObject() { hasMember_.pop_back(); out_ += '}'; }
void JsonWriter::beginArray() { separate(); out_ += '['; hasMember_.push_back(false); }
void JsonWriter::endArray() { hasMember_.pop_back(); out_ += ']'; }

void JsonWriter::key(std::string_view name)
{
    separate();
    out_ += '"';
    out_ += jsonEscape(name);
    out_ += "\":";
    afterKey_ = true;
}

void JsonWriter::value(std::string_view text)
{
    separate();
    out_ += '"';
    out_ += jsonEscape(text);
    out_ += '"';
}

void JsonWriter::value(double number)
{
    separate();
    if (!std::isfinite(number)) {
        out_ += "null";
        return;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.17g", number);
    out_ += buf;
}

void JsonWriter::value(int number)
{
    separate();
    out_ += std::to_string(number);
}

void JsonWriter::value(bool flag)
{
    separate();
    out_ += flag ? "true" : "false";
}

void JsonWriter::null()
{
    separate();
    out_ += "null";
}

}  // namespace lumikan::cli
