#pragma once

#include "engine/bodies.h"
#include "engine/clock.h"
#include "engine/dasha_period.h"

#include <string>
#include <vector>

namespace lumikan::engine {

// The dasha year length in days for the dashaYear setting: 0 360, 1 365.25,
// 2 327.85; any other value counts as 365.25.
double dashaYearLength(int dashaYearSetting);

struct DashaSettings {
    double yearDays = 365.25; // the dasha year Y, days
    int planetNameForm = 0;   // form of lordName, as for bodyName
};

// The periods in force on a date; -1 where none is found.
struct RunningDasha {
    LordIndex mahadasha = -1;
    LordIndex antardasha = -1;
    LordIndex pratyantardasha = -1;
};

// Gregorian date "YYYY-MM-DD" of the UT instant julianDayUt.
std::string dashaDateText(double julianDayUt);

// The length `lengthDays` (truncated to whole days) as 365-day years, 30-day
// months and days.
struct LengthBreakdown {
    int years = 0, months = 0, days = 0;
};
LengthBreakdown lengthBreakdown(double lengthDays);

// The nine mahadashas from birth for the Moon's longitude (degrees), with
// sub-periods down to `depth` levels: 1 mahadashas, 2 antardashas,
// 3 pratyantardashas, 4 sookshmas (clamped into 1..4). The first mahadasha
// covers only the balance left at birth, but its antardashas are laid out
// from its nominal beginning so that they end with it. The children of every
// period tile it exactly.
std::vector<DashaSpan> buildDashaSpans(double birthJulianDayUt, double moonLongitudeDeg, int depth,
                                       double yearDays = 365.25);

// The periods of `spans` down to `depth` levels as a tree with their texts.
std::vector<DashaPeriod> dashaPeriodsOf(const std::vector<DashaSpan>& spans, int depth,
                                        int planetNameForm = 0);

// buildDashaSpans and dashaPeriodsOf in one.
std::vector<DashaPeriod> buildDasha(double birthJulianDayUt, double moonLongitudeDeg, int depth,
                                    const DashaSettings& settings = {});

// The mahadasha, antardasha and pratyantardasha running on `today`'s local
// date; a date on a boundary belongs to the earlier period (the UT dates of
// the boundaries are compared with the local date).
RunningDasha runningDasha(const std::vector<DashaPeriod>& mahadashas, const LocalDateTime& today);
RunningDasha runningDasha(const std::vector<DashaSpan>& spans, const LocalDateTime& today);

// "Dasha Not Available", or "Saturn -> Mercury -> Ketu" with "-" for a level
// not found.
std::string runningDashaCaption(const RunningDasha& running);

} // namespace lumikan::engine
