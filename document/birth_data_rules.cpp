#include "document/birth_data_rules.h"

#include "document/ini_file.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumikan::document {

namespace {
constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::int64_t kTypeAheadWindowMs = 1000;
}  // namespace

bool isLeapYear(int year) { return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0); }

int daysInMonth(int month, int year)
{
    if (month < 1 || month > 12)
        return 31;
    if (month == 2 && isLeapYear(year))
        return 29;
    return kMonthDays[static_cast<std::size_t>(month - 1)];
}

bool isLatitudeValid(double degrees) { return std::fabs(degrees) <= kMaxLatitudeDeg; }
bool isLongitudeValid(double degrees) { return std::fabs(degrees) <= kMaxLongitudeDeg; }
bool isTimeZoneValid(double hours) { return std::fabs(hours) <= kMaxTimeZoneHours; }
bool isCustomAyanamsaValid(double degrees) { return std::fabs(degrees) <= kMaxCustomAyanamsaDeg; }

std::optional<std::string> birthDetailsProblem(const engine::BirthDetails& b)
{
    if (b.year < kMinBirthYear || b.year > kMaxBirthYear)
        return "the year must be from 1800 to 2100";
    if (b.month < 1 || b.month > 12 || b.day < 1 || b.day > daysInMonth(b.month, b.year))
        return "the date does not exist";
    if (b.hour < 0 || b.hour > 23 || b.minute < 0 || b.minute > 59 || b.second < 0 ||
        b.second > 59)
        return "the time must be from 00:00:00 to 23:59:59";
    // The comparisons below are false for NaN, so it is refused too.
    if (!isLatitudeValid(b.latitude))
        return "the latitude must be from -90 to 90 degrees";
    if (!isLongitudeValid(b.longitude))
        return "the longitude must be from -180 to 180 degrees";
    if (!isTimeZoneValid(b.timeZone))
        return "the time zone must be from -14 to +14 hours";
    if (b.gender < 0 || b.gender > 3)
        return "the gender is not one the program knows";
    return std::nullopt;
}

int clampBirthYear(int year) { return std::clamp(year, kMinBirthYear, kMaxBirthYear); }
int clampHour12(int hour) { return std::clamp(hour, 1, 12); }
int clampMinuteOrSecond(int value) { return std::clamp(value, 0, 59); }

bool isBirthYearText(const QString& text)
{
    if (text.size() != 4)
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    const int year = text.toInt();
    return year >= kMinBirthYear && year <= kMaxBirthYear;
}

bool isAfterToday(int year, int month, int day, const engine::LocalDateTime& today)
{
    if (year != today.year)
        return year > today.year;
    if (month != today.month)
        return month > today.month;
    return day > today.day;
}

bool isBirthDateValid(int year, int month, int day, const engine::LocalDateTime& today,
                      bool futureAllowed)
{
    if (year < kMinBirthYear || year > kMaxBirthYear || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(month, year))
        return false;
    return futureAllowed || !isAfterToday(year, month, day, today);
}

bool isBirthTimeValid(int hour12, int minute, int second)
{
    return hour12 >= 1 && hour12 <= 12 && minute >= 0 && minute <= 59 && second >= 0 &&
           second <= 59;
}

Hour12 toHour12(int hour24)
{
    const int h = ((hour24 % 24) + 24) % 24;
    return {h % 12 == 0 ? 12 : h % 12, h >= 12};
}

int toHour24(int hour12, bool pm)
{
    if (pm)
        return hour12 == 12 ? 12 : hour12 + 12;
    return hour12 == 12 ? 0 : hour12;
}

int horaryNumberFromText(const QString& text)
{
    const int n = leadingInteger(text.trimmed());
    return std::clamp(n, 1, kMaxHoraryNumber);
}

namespace {
bool singleDigitIn(const QString& text, char low, char high)
{
    return text.size() == 1 && text[0] >= QLatin1Char(low) && text[0] <= QLatin1Char(high);
}
}  // namespace

bool hourEntryComplete(const QString& text) { return text.size() >= 2 || singleDigitIn(text, '2', '9'); }
bool minuteEntryComplete(const QString& text) { return text.size() >= 2 || singleDigitIn(text, '6', '9'); }

std::optional<int> NumberTypeAhead::key(int digit, std::int64_t nowMs)
{
    if (digit < 0 || digit > 9)
        return std::nullopt;
    if (active_ && nowMs - lastMs_ > kTypeAheadWindowMs)
        active_ = false;
    buffer_ = active_ ? buffer_ * 10 + digit : digit;
    active_ = true;
    lastMs_ = nowMs;
    const int number = buffer_;
    if (number >= 10)
        active_ = false;
    if (number >= 1 && number <= maxNumber_)
        return number;
    return std::nullopt;
}

}  // namespace lumikan::document
