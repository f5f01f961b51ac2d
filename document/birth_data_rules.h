#pragma once

#include "engine/chart.h"
#include "engine/clock.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace lumikan::document {

// Birth years the dialog accepts.
inline constexpr int kMinBirthYear = 1800;
inline constexpr int kMaxBirthYear = 2100;
// KP horary numbers run 1..249.
inline constexpr int kMaxHoraryNumber = 249;
// Places and offsets a birth may have: degrees north and east, hours east of UTC.
inline constexpr double kMaxLatitudeDeg = 90.0;
inline constexpr double kMaxLongitudeDeg = 180.0;
inline constexpr double kMaxTimeZoneHours = 14.0;
// A custom ayanamsa beyond this many degrees either way is no ayanamsa anyone uses.
inline constexpr double kMaxCustomAyanamsaDeg = 60.0;

bool isLatitudeValid(double degrees);
bool isLongitudeValid(double degrees);
bool isTimeZoneValid(double hours);
bool isCustomAyanamsaValid(double degrees);

// What is wrong with a birth as typed or read from a file: a date outside
// 1800..2100 or that does not exist, a time outside 00:00:00..23:59:59, a place
// or offset out of range or not finite, a gender outside 0..3. Empty when the
// birth can be cast. Dates ahead of today are allowed here.
std::optional<std::string> birthDetailsProblem(const engine::BirthDetails& birth);

bool isLeapYear(int year);
// Days of `month` (1..12) in `year`; an invalid month counts 31.
int daysInMonth(int month, int year);

// Values the fields are clamped to when the user leaves them.
int clampBirthYear(int year);
int clampHour12(int hour);         // 1..12
int clampMinuteOrSecond(int value);  // 0..59

// Exactly four digits with a value from 1800 to 2100.
bool isBirthYearText(const QString& text);

// Day after day: true when (year, month, day) lies after today's date.
bool isAfterToday(int year, int month, int day, const engine::LocalDateTime& today);

// 1800..2100, 1..12, 1..month length, and not after today unless a future
// date is allowed (a horary question may be dated ahead).
bool isBirthDateValid(int year, int month, int day, const engine::LocalDateTime& today,
                      bool futureAllowed);

// Hour 1..12 on the 12-hour clock, minute and second 0..59.
bool isBirthTimeValid(int hour12, int minute, int second);

// The 12-hour clock: 0 is 12 AM, 12 is 12 PM.
struct Hour12 {
    int hour = 12;  // 1..12
    bool pm = false;
};
Hour12 toHour12(int hour24);
// 12 AM is 0, 12 PM stays 12, 1..11 PM add 12.
int toHour24(int hour12, bool pm);

// The horary number typed: below 1 or not a number gives 1, above 249 gives 249.
int horaryNumberFromText(const QString& text);

// When a time field holds enough to move on: two characters, or one digit
// that cannot start a longer value (2..9 for the hour, 6..9 for minutes and
// seconds).
bool hourEntryComplete(const QString& text);
bool minuteEntryComplete(const QString& text);

// Selecting a day or month from a list by typing its number: digits typed
// within a second of each other build one number; once it has two digits the
// next digit starts a new one.
class NumberTypeAhead {
public:
    explicit NumberTypeAhead(int maxNumber) : maxNumber_(maxNumber) {}
    // The number to select (1..maxNumber) after `digit` typed at `nowMs`
    // (a monotonic clock in milliseconds), or nothing.
    std::optional<int> key(int digit, std::int64_t nowMs);

private:
    int maxNumber_;
    int buffer_ = 0;
    bool active_ = false;
    std::int64_t lastMs_ = 0;
};

}  // namespace lumikan::document
