#include "engine/local_time.h"

#include "engine/chart_computation.h"

#include <cmath>

namespace lumikan::engine {

double julianDayOfLocal(const LocalDateTime& local, double offsetHours)
{
    BirthDetails moment;
    moment.year = local.year;
    moment.month = local.month;
    moment.day = local.day;
    moment.hour = local.hour;
    moment.minute = local.minute;
    moment.second = local.second;
    moment.timeZone = offsetHours;
    return birthJulianDayUt(moment);
}

LocalDateTime localDateTimeOf(double julianDayUt, double offsetHours)
{
    // Whole seconds since the start of the Julian day number 0 (a midnight).
    const double shifted = julianDayUt + offsetHours / 24.0 + 0.5;
    if (!(std::fabs(shifted) < 1e9))
        return {};
    const long long seconds = std::llround(shifted * 86400.0);
    long long days = seconds / 86400;
    long long ofDay = seconds % 86400;
    if (ofDay < 0) {
        ofDay += 86400;
        --days;
    }
    // Days from 0000-03-01 to a civil date (proleptic Gregorian).
    const long long z = days - 1721120;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    LocalDateTime t;
    t.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    t.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    t.year = static_cast<int>(yearOfEra + era * 400 + (t.month <= 2 ? 1 : 0));
    t.hour = static_cast<int>(ofDay / 3600);
    t.minute = static_cast<int>(ofDay / 60 % 60);
    t.second = static_cast<int>(ofDay % 60);
    return t;
}

} // namespace lumikan::engine
