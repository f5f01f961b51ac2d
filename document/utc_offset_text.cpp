#include "document/utc_offset_text.h"

#include "document/value_text.h"

#include <cmath>
#include <cstdlib>

namespace lumikan::document {

namespace {

constexpr int kMaxOffsetSeconds = 14 * 3600;

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != prefix[i])
            return false;
    }
    return true;
}

// One or two digits, the whole text.
std::optional<int> smallNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 2)
        return std::nullopt;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

QString utcOffsetText(int seconds)
{
    const int magnitude = std::abs(seconds);
    QString text = QStringLiteral("UTC") + (seconds < 0 ? QChar(0x2212) : QChar('+'));
    text += QString::number(magnitude / 3600) + QLatin1Char(':') +
            QStringLiteral("%1").arg((magnitude / 60) % 60, 2, 10, QLatin1Char('0'));
    if (magnitude % 60 != 0)
        text +=
            QLatin1Char(':') + QStringLiteral("%1").arg(magnitude % 60, 2, 10, QLatin1Char('0'));
    return text;
}

std::optional<int> parseUtcOffset(std::string_view text)
{
    text = trimmed(text);
    if (startsWithIgnoringCase(text, "UTC") || startsWithIgnoringCase(text, "GMT"))
        text = trimmed(text.substr(3));
    // The pickers' entries carry a name after the offset: "UTC +5:30 (IST)".
    if (const std::size_t paren = text.find('(');
        paren != std::string_view::npos && text.back() == ')')
        text = trimmed(text.substr(0, paren));
    int sign = 1;
    constexpr std::string_view kMinusSign = "\u2212";
    if (text.substr(0, kMinusSign.size()) == kMinusSign) {
        sign = -1;
        text.remove_prefix(kMinusSign.size());
    } else if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;

    int seconds = 0;
    if (text.find(':') == std::string_view::npos) {
        const auto hours = parseDecimal(text);
        if (!hours || *hours > 14.0)
            return std::nullopt;
        seconds = static_cast<int>(std::lround(*hours * 3600.0));
    } else {
        const std::size_t first = text.find(':');
        const std::size_t second = text.find(':', first + 1);
        const auto hours = smallNumber(text.substr(0, first));
        const auto minutes = smallNumber(text.substr(first + 1, second == std::string_view::npos
                                                                    ? std::string_view::npos
                                                                    : second - first - 1));
        const auto secs = second == std::string_view::npos ? std::optional<int>(0)
                                                           : smallNumber(text.substr(second + 1));
        if (!hours || !minutes || !secs || *minutes >= 60 || *secs >= 60)
            return std::nullopt;
        seconds = *hours * 3600 + *minutes * 60 + *secs;
    }
    if (seconds > kMaxOffsetSeconds)
        return std::nullopt;
    return sign * seconds;
}

} // namespace lumikan::document
