#include "cli/terminal_text.h"

#include "document/value_text.h"

#include <cstdio>

namespace lumikan::cli {

namespace {

std::string escaped(std::string_view text, bool keepLines)
{
    static constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    std::string out;
    out.reserve(text.size());
    char buf[12];
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = document::utf8SequenceLength(text, i);
        if (n == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        if (n == 1 && (c < 0x20 || c == 0x7F)) {
            if (keepLines && (c == '\n' || c == '\t')) {
                out += static_cast<char>(c);
            } else {
                std::snprintf(buf, sizeof buf, "\\x%02x", c);
                out += buf;
            }
        } else if (n == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            // C1 controls U+0080..U+009F: CSI and friends on some terminals.
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned char>(text[i + 1]));
            out += buf;
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out;
}

} // namespace

std::string terminalField(std::string_view text)
{
    return escaped(text, false);
}
std::string terminalText(std::string_view text)
{
    return escaped(text, true);
}

std::string validUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = document::utf8SequenceLength(bytes, i);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(bytes.substr(i, n));
            i += n;
        }
    }
    return out;
}

} // namespace lumikan::cli
