#include "engine/ruling_planets.h"

#include "engine/ephemeris.h"
#include "engine/kp_lords.h"
#include "engine/zodiac.h"

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

}  // namespace

void birthRulingPlanets(Chart& chart)
{
    if (chart.planets.empty() || chart.cusps.empty())
        return;
    // The weekday of the UT instant, not of the local date or from sunrise.
    chart.dayLord = weekdayLord(weekdayOf(chart.julianDayUt));
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
    current.dayLord = weekdayLord(weekdayOf(jd));

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

}  // namespace lumikan::engine
