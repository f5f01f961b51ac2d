#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumikan::document {

// Values typed by a user or read from a script, each accepted only when the
// whole text is the value: "18.5x", "0x5A", "2:07pm" and " 7" are refused.

// A decimal number: optional sign, digits with an optional fraction, an
// optional exponent. No hexadecimal, no "inf" or "nan"; the result is finite.
std::optional<double> parseDecimal(std::string_view text);
// A decimal integer with an optional sign, within the int range.
std::optional<int> parseInteger(std::string_view text);
// The shortest decimal text that parseDecimal reads back as exactly `value`
// ("5.5", "18.5204", "-0.25"); `value` must be finite.
std::string formatDecimal(double value);

struct CalendarDate {
    int year = 0, month = 0, day = 0;
};
// "YYYY-MM-DD" with four digits of year; the date must exist.
std::optional<CalendarDate> parseIsoDate(std::string_view text);

struct ClockTime {
    int hour = 0, minute = 0, second = 0;
};
// "HH:MM" or "HH:MM:SS" on the 24-hour clock (the hour may have one digit).
std::optional<ClockTime> parseClockTime(std::string_view text);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);
// Length of the well-formed UTF-8 sequence starting at byte `i` (1..4), or 0.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t i);

} // namespace lumikan::document
