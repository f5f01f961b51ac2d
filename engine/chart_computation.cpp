#include "engine/chart_computation.h"

#include "engine/birth_particulars.h"
#include "engine/chara_karakas.h"
#include "engine/dasha.h"
#include "engine/dignity.h"
#include "engine/ephemeris.h"
#include "engine/house_rules.h"
#include "engine/kp_lords.h"
#include "engine/ruling_planets.h"
#include "engine/shadbala.h"
#include "engine/significators.h"
#include "engine/vargas.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace lumikan::engine {

namespace {

// Bodies in the order the chart lists them; Ketu follows Rahu.
constexpr std::array<BodyId, 11> kComputationOrder = {
    body::Sun,    body::Moon, body::Mars,   body::Mercury, body::Jupiter, body::Venus,
    body::Saturn, body::Rahu, body::Uranus, body::Neptune, body::Pluto};

bool isIncluded(const Chart& chart, BodyId b)
{
    switch (b) {
    case body::Uranus:
        return chart.includeUranus;
    case body::Neptune:
        return chart.includeNeptune;
    case body::Pluto:
        return chart.includePluto;
    default:
        return true;
    }
}

// Longitude, sign, nakshatra and the four lords, shared by planets and cusps.
template <typename Position> void setZodiacPosition(Position& p, double longitudeDeg)
{
    p.longitude = longitudeDeg;
    p.sign = signOf(longitudeDeg);
    const KpLords lords = kpLordsOf(longitudeDeg);
    p.signLord = lords.signLord;
    p.nakshatra = nakshatraOf(longitudeDeg);
    p.starLord = lords.starLord;
    p.subLord = lords.subLord;
    p.subSubLord = lords.subSubLord;
}

void placeAt(PlanetPosition& p, double longitudeDeg, const std::vector<CuspPosition>& cusps)
{
    setZodiacPosition(p, longitudeDeg);
    p.house = houseByCusps(longitudeDeg, cusps);
    p.pada = padaOf(longitudeDeg);
}

int karakaRankOf(const Chart& chart, BodyId b)
{
    const auto it = chart.charaKarakaRanks.find(b);
    return it == chart.charaKarakaRanks.end() ? -1 : it->second;
}

bool computeCusps(Chart& chart, Ephemeris& ephemeris)
{
    chart.cusps.clear();
    const auto raw =
        ephemeris.placidusCusps(chart.julianDayUt, chart.birth.latitude, chart.birth.longitude);
    if (!raw)
        return false;
    for (int k = 1; k <= 12; ++k) {
        const double l = (k == 1 && chart.isHorary) ? chart.horaryAscendant : (*raw)[k];
        CuspPosition c;
        c.number = k;
        setZodiacPosition(c, normalizeDegrees(l));
        chart.cusps.push_back(c);
    }
    return true;
}

void appendFortuna(Chart& chart)
{
    const PlanetPosition* sun = findPlanet(chart, body::Sun);
    const PlanetPosition* moon = findPlanet(chart, body::Moon);
    if (chart.cusps.size() < 12 || !chart.includeFortuna || !sun || !moon)
        return;
    const double asc = normalizeDegrees(chart.cusps[0].longitude);
    int sunHouse = 0;
    for (int i = 1; i <= 12 && sunHouse == 0; ++i) {
        const double c1 = chart.cusps[i - 1].longitude;
        double c2 = chart.cusps[i % 12].longitude;
        if (c2 < c1)
            c2 += 360.0;
        double s = sun->longitude;
        if (s < c1)
            s += 360.0;
        if (c1 <= s && s < c2)
            sunHouse = i;
    }
    // By day (Sun above the horizon) the Moon's distance from the Sun is added.
    const double f = sunHouse >= 7 ? asc + moon->longitude - sun->longitude
                                   : asc + sun->longitude - moon->longitude;
    PlanetPosition fortuna;
    fortuna.body = body::Fortuna;
    placeAt(fortuna, normalizeDegrees(f), chart.cusps);
    fortuna.latitude = 0.0;
    fortuna.charaKarakaRank = -1;
    fortuna.dignity = DignityFlags{};
    fortuna.dignity.direct = true;
    fortuna.dignity.stationary = true;
    fortuna.speed = 0.0;
    fortuna.shadbala = 0.0;
    chart.planets.push_back(fortuna);
}

// False when a body cannot be computed from the ephemeris files.
bool computeBodies(Chart& chart, Ephemeris& ephemeris)
{
    chart.planets.clear();
    const double jd = chart.julianDayUt;

    // One library call per body gives longitude, latitude and speed together.
    const auto sun = ephemeris.position(jd, body::Sun);
    if (!sun)
        return false;
    const double sunLongitude = sun->longitudeDeg;

    for (BodyId b : kComputationOrder) {
        if (!isIncluded(chart, b))
            continue;
        const auto position = b == body::Sun ? sun : ephemeris.position(jd, b);
        if (!position)
            return false;
        PlanetPosition p;
        p.body = b;
        p.latitude = position->latitudeDeg;
        placeAt(p, normalizeDegrees(position->longitudeDeg), chart.cusps);
        p.speed = position->speedDegPerDay;
        p.dignity = dignityFlagsOf(b, p.longitude, p.speed, sunLongitude);
        p.charaKarakaRank = -1; // ranked once every body is known
        p.shadbala = 0.0;
        chart.planets.push_back(p);

        if (b == body::Rahu) {
            PlanetPosition ketu = p;
            ketu.body = body::Ketu;
            placeAt(ketu, normalizeDegrees(p.longitude + 180.0), chart.cusps);
            chart.planets.push_back(ketu);
        }
    }
    appendFortuna(chart);
    return true;
}

void computeStrength(Chart& chart, Ephemeris& ephemeris)
{
    for (PlanetPosition& p : chart.planets) {
        p.strength = chartShadbala(p, chart, ephemeris);
        p.shadbala = p.strength.total;
    }
}

// The dasha runs from the Moon's longitude at birth.
double dashaMoonLongitude(const Chart& chart)
{
    const PlanetPosition* moon = findPlanet(chart, body::Moon);
    return moon ? moon->longitude : 0.0;
}

} // namespace

double birthJulianDayUt(const BirthDetails& birth)
{
    double t = birth.hour + birth.minute / 60.0 + birth.second / 3600.0 - birth.timeZone;
    long long day = birth.day;
    if (t >= 24.0) {
        t -= 24.0;
        ++day;
    } else if (t < 0.0) {
        t += 24.0;
        --day;
    }
    if (day >= INT_MIN && day <= INT_MAX)
        return julianDay(birth.year, birth.month, static_cast<int>(day), t);
    // A day no calendar has (from a damaged file): the day counts linearly.
    return julianDay(birth.year, birth.month, 1, t) + static_cast<double>(day - 1);
}

ChartResult computeChart(const BirthDetails& birth, const ChartOptions& options,
                         Ephemeris& ephemeris)
{
    ephemeris.useFrame(options.ayanamsa, options.customAyanamsaDeg);
    ChartResult result;
    Chart& chart = result.chart.emplace();
    chart.birth = birth;
    chart.options = options;
    chart.includeUranus = options.includeUranus;
    chart.includeNeptune = options.includeNeptune;
    chart.includePluto = options.includePluto;
    chart.includeFortuna = options.includeFortuna;
    chart.isHorary = options.horaryAscendantDeg.has_value();
    chart.horaryAscendant = options.horaryAscendantDeg.value_or(-1.0);

    chart.julianDayUt = birthJulianDayUt(birth);
    chart.ayanamsaDeg = ephemeris.ayanamsaDeg(chart.julianDayUt);
    ChartStatus status = ChartStatus::Ok;
    if (!computeCusps(chart, ephemeris))
        status = ChartStatus::NoHouses;
    else if (!computeBodies(chart, ephemeris))
        status = ChartStatus::NoEphemeris;
    if (status != ChartStatus::Ok) {
        result.status = status;
        result.libraryMessage = ephemeris.lastMessage();
        result.chart.reset();
        return result;
    }
    chart.charaKarakaRanks = rankCharaKarakas(chart.planets);
    computeStrength(chart, ephemeris);
    for (PlanetPosition& p : chart.planets)
        p.charaKarakaRank = karakaRankOf(chart, p.body);
    birthRulingPlanets(chart, ephemeris);
    buildSignificators(chart);
    buildVargasInto(chart, chart.vargas);
    chart.birthParticulars = buildBirthParticulars(chart);
    chart.dasha = buildDashaSpans(chart.julianDayUt, dashaMoonLongitude(chart),
                                  std::max(options.dashaDepth, 3), options.dashaYearDays);
    return result;
}

} // namespace lumikan::engine
