#include "engine/dasha.h"

#include "engine/chart.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lumikan::engine {

namespace {

// Days of lord k's mahadasha.
double mahadashaDays(LordIndex lord, const DashaSettings& settings)
{
    return DASHA_YEARS[lord] * settings.yearDays;
}

DashaPeriod makePeriod(LordIndex lord, double startJd, double endJd, const DashaSettings& settings)
{
    DashaPeriod p;
    p.lord = lord;
    p.lordName = std::string(bodyName(lordToBody(lord), settings.planetNameForm));
    p.start = dashaDateText(startJd);
    p.end = dashaDateText(endJd);
    p.startJulianDayUt = startJd;
    p.endJulianDayUt = endJd;
    return p;
}

std::vector<DashaPeriod>& childrenAt(DashaPeriod& parent, int level)
{
    switch (level) {
    case 1: return parent.antardashas;
    case 2: return parent.pratyantardashas;
    default: return parent.sookshmas;
    }
}

// Lays the nine children of `parent` out from `startJd`. Antardashas take the
// classical proportion of the mahadasha; deeper levels divide the parent's
// exact length, and the last child ends exactly where the parent ends, so no
// day is lost or counted twice between levels.
void buildChildren(DashaPeriod& parent, double startJd, double parentDays, double parentEndJd,
                   int level, int depth, const DashaSettings& settings)
{
    if (level >= depth)
        return;
    const LordIndex p = parent.lord;
    std::vector<DashaPeriod>& children = childrenAt(parent, level);
    children.reserve(kLordCount);
    double childStart = startJd;
    for (int k = 0; k < kLordCount; ++k) {
        const LordIndex lord = (p + k) % kLordCount;
        const double x =
            level == 1 ? DASHA_YEARS[p] * DASHA_YEARS[lord] * settings.yearDays / kDashaCycleYears
                       : DASHA_YEARS[lord] * parentDays / kDashaCycleYears;
        const double childEnd = k == kLordCount - 1 ? parentEndJd : childStart + x;
        DashaPeriod child = makePeriod(lord, childStart, childEnd, settings);
        const LengthBreakdown b = lengthBreakdown(x);
        child.years = b.years;
        child.months = b.months;
        child.days = b.days;
        buildChildren(child, childStart, x, childEnd, level + 1, depth, settings);
        children.push_back(std::move(child));
        childStart = childEnd;
    }
}

bool contains(const DashaPeriod& p, const std::string& date)
{
    return p.start <= date && date <= p.end;
}

int firstContaining(const std::vector<DashaPeriod>& periods, const std::string& date)
{
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (contains(periods[i], date))
            return static_cast<int>(i);
    return -1;
}

}  // namespace

double dashaYearLength(int dashaYearSetting)
{
    switch (dashaYearSetting) {
    case 0: return 360.0;
    case 2: return 327.85;
    default: return 365.25;
    }
}

std::string dashaDateText(double julianDayUt)
{
    // Gregorian calendar from the Julian day (Meeus); the century correction
    // is computed, so dates outside 1900..2100 come out right as well.
    if (!(std::fabs(julianDayUt) < 1e9))
        return "0000-00-00";
    const long long z = static_cast<long long>(std::trunc(julianDayUt + 0.5));
    long long a = z;
    if (z >= 2299161) {
        const long long alpha = static_cast<long long>(std::trunc((z - 1867216.25) / 36524.25));
        a = z + 1 + alpha - alpha / 4;
    }
    const long long b = a + 1524;
    const long long c = static_cast<long long>(std::trunc((b - 122.1) / 365.25));
    const long long d = static_cast<long long>(std::trunc(c * 365.25));
    const long long e = static_cast<long long>(std::trunc((b - d) / 30.6001));
    const long long day = b - d - static_cast<long long>(std::trunc(e * 30.6001));
    const long long month = e < 14 ? e - 1 : e - 13;
    const long long year = month > 2 ? c - 4716 : c - 4715;
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(year),
                  static_cast<int>(month), static_cast<int>(day));
    return text;
}

LengthBreakdown lengthBreakdown(double lengthDays)
{
    if (!(std::fabs(lengthDays) < 1e12))
        return {};
    const long long whole = static_cast<long long>(std::trunc(lengthDays));
    LengthBreakdown b;
    b.years = static_cast<int>(whole / 365);
    b.months = static_cast<int>((whole % 365) / 30);
    b.days = static_cast<int>((whole % 365) % 30);
    return b;
}

std::vector<DashaPeriod> buildDasha(double birthJulianDayUt, double moonLongitudeDeg, int depth,
                                    const DashaSettings& settings)
{
    depth = std::clamp(depth, 1, 4);
    const double width = kNakshatraSpanDecimal;

    double m = moonLongitudeDeg;
    if (!std::isfinite(m))
        m = 0.0;
    while (m < 0.0)
        m += 360.0;
    while (m >= 360.0)
        m -= 360.0;
    int n = static_cast<int>(std::trunc(m / width));
    const bool clamped = n > 26;
    if (clamped)
        n = 26;
    const LordIndex first = clamped ? lord::Mercury : n % kLordCount;

    double f = 0.0;
    if (clamped) {
        // A hair below 360: the very end of Revati, not its beginning.
        f = std::min(1.0, (m - n * width) / width);
    } else {
        f = std::fmod(moonLongitudeDeg - n * width, width);
        if (f < 0.0)
            f += width;
        f /= width;
    }

    const double firstDays = mahadashaDays(first, settings);
    const double balance = firstDays - firstDays * f;

    std::vector<DashaPeriod> dasha;
    dasha.reserve(kLordCount);
    double startJd = birthJulianDayUt;
    for (int k = 0; k < kLordCount; ++k) {
        const LordIndex lord = (first + k) % kLordCount;
        const double length = k == 0 ? balance : mahadashaDays(lord, settings);
        const double endJd = startJd + length;
        DashaPeriod maha = makePeriod(lord, startJd, endJd, settings);
        if (k == 0) {
            const LengthBreakdown b = lengthBreakdown(balance);
            maha.years = b.years;
            maha.months = b.months;
            maha.days = b.days;
        } else {
            maha.years = DASHA_YEARS[lord];
        }
        // The first mahadasha began before birth; its antardashas run from
        // that nominal beginning, those already over included.
        const double childStart = k == 0 ? birthJulianDayUt - firstDays * f : startJd;
        buildChildren(maha, childStart, mahadashaDays(lord, settings), endJd, 1, depth, settings);
        dasha.push_back(std::move(maha));
        startJd = endJd;
    }
    return dasha;
}

RunningDasha runningDasha(const std::vector<DashaPeriod>& mahadashas, const LocalDateTime& today)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", today.year, today.month, today.day);
    const std::string date = text;

    RunningDasha running;
    const int maha = firstContaining(mahadashas, date);
    if (maha < 0)
        return running;
    const DashaPeriod& m = mahadashas[maha];
    running.mahadasha = m.lord;
    const int antar = firstContaining(m.antardashas, date);
    if (antar < 0)
        return running;
    const DashaPeriod& a = m.antardashas[antar];
    running.antardasha = a.lord;
    const int pratyantar = firstContaining(a.pratyantardashas, date);
    if (pratyantar >= 0)
        running.pratyantardasha = a.pratyantardashas[pratyantar].lord;
    return running;
}

std::string runningDashaCaption(const RunningDasha& running)
{
    if (running.mahadasha < 0)
        return "Dasha Not Available";
    auto name = [](LordIndex l) {
        return isValidLord(l) ? std::string(lordName(l)) : std::string("-");
    };
    return name(running.mahadasha) + " -> " + name(running.antardasha) + " -> " +
           name(running.pratyantardasha);
}

}  // namespace lumikan::engine
