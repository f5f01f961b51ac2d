#include "document/value_text.h"

#include "document/birth_data_rules.h"

#include <charconv>
#include <cmath>

namespace lumikan::document {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads a run of digits at `pos`; returns how many there were.
std::size_t digitRun(std::string_view text, std::size_t pos)
{
    std::size_t n = 0;
    while (pos + n < text.size() && isDigit(text[pos + n]))
        ++n;
    return n;
}

// A fixed-width field of digits, all of `text`.
std::optional<int> digitsField(std::string_view text, std::size_t minWidth, std::size_t maxWidth)
{
    if (text.size() < minWidth || text.size() > maxWidth || digitRun(text, 0) != text.size())
        return std::nullopt;
    int value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::optional<double> parseDecimal(std::string_view text)
{
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const std::size_t whole = digitRun(text, pos);
    pos += whole;
    std::size_t fraction = 0;
    if (pos < text.size() && text[pos] == '.') {
        fraction = digitRun(text, pos + 1);
        pos += 1 + fraction;
    }
    if (whole + fraction == 0)
        return std::nullopt;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-'))
            ++exp;
        const std::size_t digits = digitRun(text, exp);
        if (digits == 0)
            return std::nullopt;
        pos = exp + digits;
    }
    if (pos != text.size())
        return std::nullopt;
    // from_chars takes no leading '+'; the syntax is already checked.
    const std::string_view body = text.front() == '+' ? text.substr(1) : text;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec != std::errc() || end != body.data() + body.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseInteger(std::string_view text)
{
    const std::string_view body = !text.empty() && text.front() == '+' ? text.substr(1) : text;
    if (body.empty() || body.front() == '+' || (body.front() == '-' && body.size() == 1))
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec != std::errc() || end != body.data() + body.size())
        return std::nullopt;
    return value;
}

std::string formatDecimal(double value)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

std::optional<CalendarDate> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto y = digitsField(text.substr(0, 4), 4, 4);
    const auto m = digitsField(text.substr(5, 2), 2, 2);
    const auto d = digitsField(text.substr(8, 2), 2, 2);
    if (!y || !m || !d || *m < 1 || *m > 12 || *d < 1 || *d > daysInMonth(*m, *y))
        return std::nullopt;
    return CalendarDate{*y, *m, *d};
}

std::optional<ClockTime> parseClockTime(std::string_view text)
{
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = text.substr(first + 1);
    const std::size_t second = rest.find(':');
    const auto h = digitsField(text.substr(0, first), 1, 2);
    const auto m = digitsField(rest.substr(0, second), 2, 2);
    const auto s = second == std::string_view::npos ? std::optional<int>(0)
                                                    : digitsField(rest.substr(second + 1), 2, 2);
    if (!h || !m || !s || *h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    return ClockTime{*h, *m, *s};
}

std::size_t utf8SequenceLength(std::string_view s, std::size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned lowest = 0x80, highest = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF)
        length = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            lowest = 0xA0; // no overlong forms
        if (c == 0xED)
            highest = 0x9F; // no surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            lowest = 0x90;
        if (c == 0xF4)
            highest = 0x8F; // nothing past U+10FFFF
    } else
        return 0;
    if (i + length > s.size())
        return 0;
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if (second < lowest || second > highest)
        return 0;
    for (std::size_t k = 2; k < length; ++k)
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool isValidUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = utf8SequenceLength(bytes, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

} // namespace lumikan::document
