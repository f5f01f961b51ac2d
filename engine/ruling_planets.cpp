#include "engine/ruling_planets.h"

#include "engine/ephemeris.h"
#include "engine/kp_lords.h"
#include "engine/strength_cache.h"
#include "engine/zodiac.h"

#include <optional>

namespace lumikan::engine {

namespace {

void setMoonLords(RulingPlanets& rp, const KpLords& lords)
{
    rp.moonSignLord = lords.signLord;
    rp.moonStarLord = lords.starLord;
    rp.moonSubLord = lords.subLord;
    rp.moonSubSubLord = lords.subSubLord;
}

void setAscendantLords(RulingPlanets& rp, const KpLords& lords)
{
    rp.ascSignLord = lords.signLord;
    rp.ascStarLord = lords.starLord;
    rp.ascSubLord = lords.subLord;
    rp.ascSubSubLord = lords.subSubLord;
}

// Sunrises near the polar circles can lie a little more than a day apart.
constexpr double kLongestDay = 1.1;

// The last sunrise at or before the moment, when the Sun rose within the day
// before it and sets within a day after rising. The search is the strength's
// (standard refraction), so a chart asks the ephemeris for it once.
std::optional<double> lastSunrise(double jd, double latitudeDeg, double longitudeDeg,
                                  Ephemeris& ephemeris)
{
    const StrengthCache& sun = sunriseAndSunsetFor(jd, latitudeDeg, longitudeDeg, ephemeris);
    if (!sun.sunriseFound || jd - sun.sunrise > kLongestDay || !sun.sunsetAfterSunriseFound ||
        sun.sunsetAfterSunrise - sun.sunrise > kLongestDay)
        return std::nullopt;
    return sun.sunrise;
}

} // namespace

BodyId dayLordAt(double julianDayUt, double latitudeDeg, double longitudeDeg, DayLordRule rule,
                 Ephemeris& ephemeris)
{
    if (rule == DayLordRule::LocalSunrise) {
        if (const auto rise = lastSunrise(julianDayUt, latitudeDeg, longitudeDeg, ephemeris)) {
            // The sunrise's date in local mean time: sunrise never falls near
            // local midnight, so this is the date of the place's calendar.
            return weekdayLord(weekdayOf(*rise + longitudeDeg / 360.0));
        }
    }
    return weekdayLord(weekdayOf(julianDayUt));
}

void birthRulingPlanets(Chart& chart, Ephemeris& ephemeris)
{
    if (chart.planets.empty() || chart.cusps.empty())
        return;
    chart.dayLord = dayLordAt(chart.julianDayUt, chart.birth.latitude, chart.birth.longitude,
                              chart.options.dayLordRule, ephemeris);
    if (const PlanetPosition* moon = findPlanet(chart, body::Moon)) {
        chart.moonSignLord = signLord(moon->sign);
        chart.moonStarLord = moon->starLord;
        chart.moonSubLord = moon->subLord;
        chart.moonSubSubLord = moon->subSubLord;
    }
    // Cusp 1 already is the horary ascendant in a horary chart.
    const CuspPosition& asc = chart.cusps.front();
    chart.ascSignLord = asc.signLord;
    chart.ascStarLord = asc.starLord;
    chart.ascSubLord = asc.subLord;
    chart.ascSubSubLord = asc.subSubLord;
}

RulingPlanets rulingPlanetsOf(const Chart& chart)
{
    RulingPlanets rp;
    rp.dayLord = chart.dayLord;
    rp.moonSignLord = chart.moonSignLord;
    rp.moonStarLord = chart.moonStarLord;
    rp.moonSubLord = chart.moonSubLord;
    rp.moonSubSubLord = chart.moonSubSubLord;
    rp.ascSignLord = chart.ascSignLord;
    rp.ascStarLord = chart.ascStarLord;
    rp.ascSubLord = chart.ascSubLord;
    rp.ascSubSubLord = chart.ascSubSubLord;
    return rp;
}

RulingPlace rulingPlaceFor(double latitudeDeg, double longitudeDeg, double timeZoneHours,
                           const BirthDetails& birth)
{
    if (latitudeDeg == 0.0 && longitudeDeg == 0.0)
        return {birth.latitude, birth.longitude, birth.timeZone};
    return {latitudeDeg, longitudeDeg, timeZoneHours};
}

RulingPlanets rulingPlanetsAt(const ChartOptions& options, const LocalDateTime& moment,
                              Ephemeris& ephemeris, RulingPlanets previous)
{
    const RulingPlace& place = options.rulingPlace;
    double t = moment.hour + moment.minute / 60.0 + moment.second / 3600.0 - place.timeZoneHours;
    int day = moment.day;
    if (t >= 24.0) {
        t -= 24.0;
        ++day;
    } else if (t < 0.0) {
        t += 24.0;
        --day;
    }
    const double jd = julianDay(moment.year, moment.month, day, t);
    RulingPlanets current = previous;
    current.dayLord =
        dayLordAt(jd, place.latitudeDeg, place.longitudeDeg, options.dayLordRule, ephemeris);

    ephemeris.useFrame(options.ayanamsa, options.customAyanamsaDeg);
    const auto cusps = ephemeris.placidusCusps(jd, place.latitudeDeg, place.longitudeDeg);
    if (!cusps)
        return current;
    setAscendantLords(current, kpLordsOf(normalizeDegrees((*cusps)[1])));
    if (const auto moon = ephemeris.position(jd, body::Moon))
        setMoonLords(current, kpLordsOf(normalizeDegrees(moon->longitudeDeg)));
    return current;
}

std::array<RankedRulingPlanet, 7> rankedRulingPlanets(const RulingPlanets& rp)
{
    return {{
        {1, "Ascendant Star Lord", lordToBody(rp.ascStarLord)},
        {2, "Ascendant Sign Lord", lordToBody(rp.ascSignLord)},
        {3, "Moon Star Lord", lordToBody(rp.moonStarLord)},
        {4, "Moon Sign Lord", lordToBody(rp.moonSignLord)},
        {5, "Day Lord", rp.dayLord},
        {6, "Moon Sub Lord", lordToBody(rp.moonSubLord)},
        {7, "Asc Sub Lord", lordToBody(rp.ascSubLord)},
    }};
}

} // namespace lumikan::engine
