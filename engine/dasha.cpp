#include "engine/dasha.h"

#include "engine/chart.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace lumikan::engine {

namespace {

// The nominal start and length of a span's children: the first mahadasha's
// antardashas run from its nominal beginning before birth.
struct ChildLayout {
    double startJd;
    double days;
};

// Lays the nine children of spans[parentIndex] out from `startJd`.
// Antardashas take the classical proportion of the mahadasha; deeper levels
// divide the parent's exact length, and the last child ends exactly where the
// parent ends, so no day is lost or counted twice between levels.
void addChildren(std::vector<DashaSpan>& spans, std::vector<ChildLayout>& layout,
                 std::size_t parentIndex, double startJd, double parentDays, double yearDays)
{
    const DashaSpan parent = spans[parentIndex];
    const int level = parent.level + 1;
    spans[parentIndex].firstChild = static_cast<int>(spans.size());
    double childStart = startJd;
    for (int k = 0; k < kLordCount; ++k) {
        const LordIndex lord = (parent.lord + k) % kLordCount;
        const double x =
            level == 1 ? DASHA_YEARS[parent.lord] * DASHA_YEARS[lord] * yearDays / kDashaCycleYears
                       : DASHA_YEARS[lord] * parentDays / kDashaCycleYears;
        const double childEnd = k == kLordCount - 1 ? parent.endJulianDayUt : childStart + x;
        const LengthBreakdown b = lengthBreakdown(x);
        spans.push_back({lord, level, childStart, childEnd, b.years, b.months, b.days, -1});
        layout.push_back({childStart, x});
        childStart = childEnd;
    }
}

DashaPeriod periodOf(const DashaSpan& span, std::string startText, int planetNameForm)
{
    DashaPeriod p;
    p.lord = span.lord;
    p.lordName = std::string(bodyName(lordToBody(span.lord), planetNameForm));
    p.start = std::move(startText);
    p.end = dashaDateText(span.endJulianDayUt);
    p.years = span.years;
    p.months = span.months;
    p.days = span.days;
    p.startJulianDayUt = span.startJulianDayUt;
    p.endJulianDayUt = span.endJulianDayUt;
    return p;
}

std::vector<DashaPeriod>& childrenAt(DashaPeriod& parent, int level)
{
    switch (level) {
    case 1:
        return parent.antardashas;
    case 2:
        return parent.pratyantardashas;
    default:
        return parent.sookshmas;
    }
}

void addPeriods(std::vector<DashaPeriod>& out, const std::vector<DashaSpan>& spans,
                std::size_t first, int depth, int planetNameForm)
{
    out.reserve(kLordCount);
    std::string start = dashaDateText(spans[first].startJulianDayUt);
    for (std::size_t i = first; i < first + kLordCount && i < spans.size(); ++i) {
        const DashaSpan& span = spans[i];
        DashaPeriod& period = out.emplace_back(periodOf(span, std::move(start), planetNameForm));
        start = period.end;
        if (span.firstChild >= 0 && span.level + 1 < depth)
            addPeriods(childrenAt(period, span.level + 1), spans,
                       static_cast<std::size_t>(span.firstChild), depth, planetNameForm);
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

} // namespace

double dashaYearLength(int dashaYearSetting)
{
    switch (dashaYearSetting) {
    case 0:
        return 360.0;
    case 2:
        return 327.85;
    default:
        return 365.25;
    }
}

std::string dashaDateText(double julianDayUt)
{
    if (!(std::fabs(julianDayUt) < 1e9))
        return "0000-00-00";
    const long long z = static_cast<long long>(std::trunc(julianDayUt + 0.5));
    long long year = 0, month = 0, day = 0;
    if (z >= 2299161 && z < 2299161 + 400LL * 146097) {
        // Gregorian days to a civil date in 32-bit integers (days from
        // 0000-03-01); a chart dates some two thousand periods, so this has to
        // be cheap.
        const std::uint32_t days = static_cast<std::uint32_t>(z - 1721120);
        const std::uint32_t era = days / 146097;
        const std::uint32_t dayOfEra = days - era * 146097;
        const std::uint32_t yearOfEra =
            (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
        const std::uint32_t dayOfYear =
            dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
        const std::uint32_t monthIndex = (5 * dayOfYear + 2) / 153; // March = 0
        day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
        month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
        year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    } else {
        // The Julian calendar before the Gregorian reform (Meeus).
        const long long b = z + 1524;
        const long long c = static_cast<long long>(std::trunc((b - 122.1) / 365.25));
        const long long d = static_cast<long long>(std::trunc(c * 365.25));
        const long long e = static_cast<long long>(std::trunc((b - d) / 30.6001));
        day = b - d - static_cast<long long>(std::trunc(e * 30.6001));
        month = e < 14 ? e - 1 : e - 13;
        year = month > 2 ? c - 4716 : c - 4715;
    }
    if (year < 0 || year > 9999) {
        char text[32];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(year),
                      static_cast<int>(month), static_cast<int>(day));
        return text;
    }
    std::string text(10, '-');
    const auto y = static_cast<unsigned>(year), m = static_cast<unsigned>(month),
               d = static_cast<unsigned>(day);
    text[0] = static_cast<char>('0' + y / 1000);
    text[1] = static_cast<char>('0' + y / 100 % 10);
    text[2] = static_cast<char>('0' + y / 10 % 10);
    text[3] = static_cast<char>('0' + y % 10);
    text[5] = static_cast<char>('0' + m / 10);
    text[6] = static_cast<char>('0' + m % 10);
    text[8] = static_cast<char>('0' + d / 10);
    text[9] = static_cast<char>('0' + d % 10);
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

std::vector<DashaSpan> buildDashaSpans(double birthJulianDayUt, double moonLongitudeDeg, int depth,
                                       double yearDays)
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

    const auto mahadashaDays = [yearDays](LordIndex lord) { return DASHA_YEARS[lord] * yearDays; };
    const double firstDays = mahadashaDays(first);
    const double balance = firstDays - firstDays * f;

    std::size_t count = 0;
    for (int level = 0, n9 = kLordCount; level < depth; ++level, n9 *= kLordCount)
        count += static_cast<std::size_t>(n9);
    std::vector<DashaSpan> spans;
    spans.reserve(count);
    // The nominal start and length each span's children divide.
    std::vector<ChildLayout> layout;
    layout.reserve(count);
    double startJd = birthJulianDayUt;
    for (int k = 0; k < kLordCount; ++k) {
        const LordIndex lord = (first + k) % kLordCount;
        const double length = k == 0 ? balance : mahadashaDays(lord);
        const double endJd = startJd + length;
        const LengthBreakdown b =
            k == 0 ? lengthBreakdown(balance) : LengthBreakdown{DASHA_YEARS[lord], 0, 0};
        spans.push_back({lord, 0, startJd, endJd, b.years, b.months, b.days, -1});
        // The first mahadasha began before birth; its antardashas run from
        // that nominal beginning, those already over included.
        layout.push_back(
            {k == 0 ? birthJulianDayUt - firstDays * f : startJd, mahadashaDays(lord)});
        startJd = endJd;
    }
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (spans[i].level + 1 >= depth)
            break; // every later span is as deep
        const ChildLayout own = layout[i];
        addChildren(spans, layout, i, own.startJd, own.days, yearDays);
    }
    return spans;
}

std::vector<DashaPeriod> dashaPeriodsOf(const std::vector<DashaSpan>& spans, int depth,
                                        int planetNameForm)
{
    std::vector<DashaPeriod> periods;
    if (!spans.empty())
        addPeriods(periods, spans, 0, std::clamp(depth, 1, 4), planetNameForm);
    return periods;
}

std::vector<DashaPeriod> buildDasha(double birthJulianDayUt, double moonLongitudeDeg, int depth,
                                    const DashaSettings& settings)
{
    return dashaPeriodsOf(
        buildDashaSpans(birthJulianDayUt, moonLongitudeDeg, depth, settings.yearDays), depth,
        settings.planetNameForm);
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

RunningDasha runningDasha(const std::vector<DashaSpan>& spans, const LocalDateTime& today)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", today.year, today.month, today.day);
    const std::string date = text;
    // The first of the nine periods from `first` whose dates hold the date.
    auto find = [&spans, &date](int first) -> const DashaSpan* {
        for (int i = first; i >= 0 && i < first + kLordCount && i < int(spans.size()); ++i)
            if (dashaDateText(spans[i].startJulianDayUt) <= date &&
                date <= dashaDateText(spans[i].endJulianDayUt))
                return &spans[i];
        return nullptr;
    };
    RunningDasha running;
    const DashaSpan* maha = spans.empty() ? nullptr : find(0);
    if (!maha)
        return running;
    running.mahadasha = maha->lord;
    const DashaSpan* antar = find(maha->firstChild);
    if (!antar)
        return running;
    running.antardasha = antar->lord;
    if (const DashaSpan* pratyantar = find(antar->firstChild))
        running.pratyantardasha = pratyantar->lord;
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

} // namespace lumikan::engine
