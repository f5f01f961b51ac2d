#include "engine/shadbala.h"

#include "engine/dignity_tables.h"
#include "engine/house_rules.h"
#include "engine/strength_cache.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumikan::engine {

namespace strength {

namespace {

constexpr Sign Aries = 0, Taurus = 1, Gemini = 2, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6,
               Scorpio = 7, Sagittarius = 8, Capricorn = 9, Aquarius = 10, Pisces = 11;

// By BodyId, Sun .. Saturn.
constexpr std::array<double, 7> kNaisargika = {60, 51.43, 25.71, 42.86, 17.14, 34.29, 8.57};
constexpr std::array<double, 7> kMeanDailySpeed = {0.9856, 13.1764, 1.3833, 1.2,
                                                   0.524,  0.0831,  0.0335};
constexpr std::array<double, 7> kDigBalaPoint = {270, 90, 0, 90, 270, 0, 180};
constexpr std::array<Sign, 7> kExaltationSign = {Aries,     Taurus, Virgo, Pisces,
                                                 Capricorn, Cancer, Libra};

// Moolatrikona as the strength counts it: upper bounds exclusive, and
// Mercury's range starting at 0 of Virgo.
struct StrengthMoolatrikona {
    Sign sign;
    double fromDeg;
    double belowDeg;
};
constexpr std::array<StrengthMoolatrikona, 7> kMoolatrikona = {{
    {Leo, 0, 20}, {Taurus, 4, 30}, {Virgo, 0, 20}, {Libra, 0, 15},
    {Aries, 0, 12}, {Sagittarius, 0, 10}, {Aquarius, 0, 20},
}};

// Natural enemies (the friends are the natural friends of the zodiac tables).
constexpr std::array<std::array<BodyId, 2>, 7> kNaturalEnemies = {{
    {body::Venus, body::Saturn},   // Sun
    {-1, -1},                      // Moon
    {body::Moon, -1},              // Mercury
    {body::Sun, body::Moon},       // Venus
    {body::Mercury, -1},           // Mars
    {body::Mercury, body::Venus},  // Jupiter
    {body::Sun, body::Moon},       // Saturn
}};

// Chaldean order of the planetary hours.
constexpr std::array<BodyId, 7> kHoraOrder = {
    body::Sun, body::Venus, body::Mercury, body::Moon, body::Saturn, body::Jupiter, body::Mars};

constexpr bool isOddSign(Sign s) { return s % 2 == 0; }

// fmod(x, 360) and fmod(x, 30), taking the exact shortcut for the values the
// strength works with (differences of longitudes shifted by 360, and
// longitudes) and the library function otherwise. Both give the exact
// remainder, so the results are the same to the last bit.
double mod360(double x)
{
    if (x >= 0.0 && x < 720.0)
        return x >= 360.0 ? x - 360.0 : x;
    return std::fmod(x, 360.0);
}

double mod30(double longitudeDeg)
{
    if (longitudeDeg >= 0.0 && longitudeDeg < 360.0) {
        double r = longitudeDeg - 30.0 * std::trunc(longitudeDeg / 30.0);
        if (r < 0.0)
            r += 30.0;
        else if (r >= 30.0)
            r -= 30.0;
        return r;
    }
    return std::fmod(longitudeDeg, 30.0);
}


Sign signOfLongitude(double longitudeDeg)
{
    return static_cast<int>(std::trunc(longitudeDeg / 30.0)) % 12;
}

// Navamsa sign as the strength counts it.
Sign navamsaSign(Sign s, double d)
{
    constexpr std::array<Sign, 4> start = {Aries, Capricorn, Libra, Cancer};
    return (start[s % 4] + static_cast<int>(std::trunc(d / 3.3333333333333335))) % 12;
}

// The trimshamsa of the strength, which differs from the divisional chart's.
Sign strengthTrimshamsa(Sign s, double d)
{
    if (isOddSign(s)) {
        if (d < 5) return Aries;
        if (d < 10) return Aquarius;
        if (d < 18) return Sagittarius;
        if (d < 25) return Virgo;
        return Taurus;
    }
    if (d < 6) return Libra;
    if (d < 12) return Gemini;
    if (d < 20) return Pisces;
    if (d < 25) return Capricorn;
    return Scorpio;
}

bool isNaturalEnemy(BodyId b, BodyId o)
{
    return isClassicalPlanet(b) && (kNaturalEnemies[b][0] == o || kNaturalEnemies[b][1] == o);
}

bool inStrengthMoolatrikona(BodyId b, double longitudeDeg)
{
    if (!isClassicalPlanet(b))
        return false;
    const StrengthMoolatrikona& m = kMoolatrikona[b];
    const double d = mod30(longitudeDeg);
    return signOfLongitude(longitudeDeg) == m.sign && d >= m.fromDeg && d < m.belowDeg;
}

// trunc(x) as an index, 0 for anything that is not a finite number.
long long wholePart(double x)
{
    return std::isfinite(x) ? static_cast<long long>(std::trunc(x)) : 0;
}

}  // namespace

double uchchaBala(BodyId b, double longitudeDeg)
{
    if (!isClassicalPlanet(b))
        return 0.0;
    return (1.0 - arcDistance(longitudeDeg, exaltationPoint(b)) / 180.0) * 60.0;
}

double dayNightBala(BodyId b, bool nightBirth)
{
    switch (b) {
    case body::Mercury: return 15.0;
    case body::Sun:
    case body::Jupiter:
    case body::Saturn: return nightBirth ? 15.0 : 0.0;
    case body::Moon:
    case body::Venus:
    case body::Mars: return nightBirth ? 0.0 : 15.0;
    default: return 0.0;
    }
}

double kendraBala(double longitudeDeg, double ascendantDeg)
{
    const int h = static_cast<int>(
                      std::trunc(mod360(longitudeDeg - ascendantDeg + 360.0) / 30.0)) +
                  1;
    switch (h) {
    case 1:
    case 4:
    case 7:
    case 10: return 60.0;
    case 2:
    case 5:
    case 8:
    case 11: return 30.0;
    default: return 15.0;
    }
}

double ojhayugmaBala(BodyId b, double longitudeDeg)
{
    const Sign s = signOfLongitude(longitudeDeg);
    const Sign n = navamsaSign(s, mod30(longitudeDeg));
    switch (b) {
    case body::Sun:
    case body::Mars:
    case body::Jupiter: return (isOddSign(s) ? 15.0 : 0.0) + (isOddSign(n) ? 15.0 : 0.0);
    case body::Moon:
    case body::Venus: return (isOddSign(s) ? 0.0 : 15.0) + (isOddSign(n) ? 0.0 : 15.0);
    default: return 15.0;
    }
}

double drekkanaBala(BodyId b, double longitudeDeg)
{
    const int k = std::clamp(static_cast<int>(std::trunc(mod30(longitudeDeg) / 10.0)), 0, 2);
    switch (b) {
    case body::Sun:
    case body::Mars:
    case body::Jupiter: return std::array<double, 3>{15, 10, 5}[k];
    case body::Moon:
    case body::Venus: return std::array<double, 3>{5, 10, 15}[k];
    default: return std::array<double, 3>{10, 15, 5}[k];
    }
}

Relationship compoundRelationship(BodyId b, double longitudeDeg, BodyId o, double otherLongitudeDeg)
{
    const bool naturalFriend = b == o || (isClassicalPlanet(b) && isFriend(b, o));
    const bool naturalEnemy = !naturalFriend && isNaturalEnemy(b, o);
    const int k = (signOfLongitude(otherLongitudeDeg) - signOfLongitude(longitudeDeg) + 12) % 12;
    const bool temporalFriend = k == 0 || k == 2 || k == 3 || k == 4 || k == 10 || k == 11;
    if (naturalFriend)
        return temporalFriend ? Relationship::GreatFriend : Relationship::Friend;
    if (naturalEnemy)
        return temporalFriend ? Relationship::Neutral : Relationship::Enemy;
    return temporalFriend ? Relationship::Friend : Relationship::Neutral;
}

double dignityPoints(BodyId b, double longitudeDeg, Sign g, const Chart& chart)
{
    if (isClassicalPlanet(b)) {
        if (g == kExaltationSign[b])
            return 20.0;
        if (g == (kExaltationSign[b] + 6) % 12)
            return 0.0;
        if (inStrengthMoolatrikona(b, longitudeDeg))
            return 18.0;
    }
    const BodyId owner = lordToBody(SIGN_LORDS[g]);
    if (owner == b)
        return 15.0;
    const PlanetPosition* ownerRecord = findPlanet(chart, owner);
    const double ownerLongitude = ownerRecord ? ownerRecord->longitude : longitudeDeg;
    switch (compoundRelationship(b, longitudeDeg, owner, ownerLongitude)) {
    case Relationship::GreatFriend: return 15.0;
    case Relationship::Friend: return 10.0;
    case Relationship::Neutral: return 7.0;
    case Relationship::Enemy: return 5.0;
    }
    return 3.0;
}

double saptavargajaBala(BodyId b, double longitudeDeg, const Chart& chart)
{
    const Sign s = signOfLongitude(longitudeDeg);
    const double d = mod30(longitudeDeg);
    const bool odd = isOddSign(s);
    const Sign hora = odd ? (d < 15 ? Leo : Cancer) : (d < 15 ? Cancer : Leo);
    const Sign drekkana = (s + 4 * static_cast<int>(std::trunc(d / 10.0))) % 12;
    const Sign saptamsa =
        ((odd ? s : s + 6) + static_cast<int>(std::trunc(d / 4.285714285714286))) % 12;
    const Sign navamsa = navamsaSign(s, d);
    const Sign dwadasamsa = (s + static_cast<int>(std::trunc(d / 2.5))) % 12;
    const Sign trimshamsa = strengthTrimshamsa(s, d);
    double sum = 0.0;
    for (Sign g : {s, hora, drekkana, saptamsa, navamsa, dwadasamsa, trimshamsa})
        sum += dignityPoints(b, longitudeDeg, g, chart);
    return sum;
}

double digBala(BodyId b, double longitudeDeg, double ascendantDeg)
{
    double x = std::fmod(longitudeDeg - ascendantDeg, 360.0);
    if (x < 0.0)
        x += 360.0;
    const double point = isClassicalPlanet(b) ? kDigBalaPoint[b] : 0.0;
    return (1.0 - arcDistance(x, point) / 180.0) * 60.0;
}

double nathonnathaBala(BodyId b, bool nightBirth)
{
    switch (b) {
    case body::Mercury: return 30.0;
    case body::Sun:
    case body::Jupiter:
    case body::Saturn: return nightBirth ? 60.0 : 0.0;
    case body::Moon:
    case body::Venus:
    case body::Mars: return nightBirth ? 0.0 : 60.0;
    default: return 0.0;
    }
}

double pakshaBala(BodyId b, double sunDeg, double moonDeg)
{
    double x = std::fmod(moonDeg - sunDeg, 360.0);
    if (x < 0.0)
        x += 360.0;
    if (x > 180.0)
        x = 360.0 - x;
    const double p = x / 180.0 * 60.0;
    switch (b) {
    case body::Moon:
    case body::Mercury:
    case body::Venus:
    case body::Jupiter: return p;
    default: return 60.0 - p;
    }
}

BodyId tribhagaLord(double julianDayUt, double sunriseJd, double sunsetJd)
{
    const double dayLength = sunsetJd - sunriseJd;
    if (sunriseJd <= julianDayUt && julianDayUt < sunsetJd) {
        const long long third = std::clamp(
            wholePart((julianDayUt - sunriseJd) / dayLength * 3.0), 0LL, 2LL);
        return std::array<BodyId, 3>{body::Mercury, body::Sun, body::Saturn}[third];
    }
    double intoNight = std::fmod(julianDayUt - sunsetJd, 1.0);
    if (intoNight < 0.0)
        intoNight += 1.0;
    const long long third =
        std::clamp(wholePart(intoNight / (1.0 - dayLength) * 3.0), 0LL, 2LL);
    return std::array<BodyId, 3>{body::Moon, body::Venus, body::Mars}[third];
}

BodyId horaLord(double julianDayUt, double sunriseJd)
{
    double sinceSunrise = julianDayUt - sunriseJd;
    if (sinceSunrise < 0.0)
        sinceSunrise += 1.0;
    const long long h = ((wholePart(sinceSunrise * 24.0) % 24) + 24) % 24;
    const BodyId weekday = weekdayLord(weekdayOf(julianDayUt));
    const long long i =
        std::find(kHoraOrder.begin(), kHoraOrder.end(), weekday) - kHoraOrder.begin();
    return kHoraOrder[(i + h) % 7];
}

BodyId abdaLord(double julianDayUt, double sunDeg)
{
    const long long d = static_cast<long long>(std::floor(julianDayUt - sunDeg / 0.9856 + 1.5));
    return weekdayLord(static_cast<int>(((d % 7) + 7) % 7));
}

double ayanaBala(std::optional<double> latitudeDeg)
{
    if (!latitudeDeg)
        return 30.0;
    return std::clamp((std::fabs(*latitudeDeg) + 24.0) / 48.0 * 60.0, 0.0, 60.0);
}

double yuddhaBala(const PlanetPosition& planet, const Chart& chart)
{
    auto luminary = [](BodyId b) { return b == body::Sun || b == body::Moon; };
    if (luminary(planet.body))
        return 0.0;
    for (const PlanetPosition& other : chart.planets) {
        if (other.body == planet.body || luminary(other.body))
            continue;
        if (arcDistance(planet.longitude, other.longitude) <= 1.0) {
            const bool otherAhead =
                mod360(other.longitude - planet.longitude + 360.0) < 180.0;
            return otherAhead ? -45.0 : 45.0;
        }
    }
    return 0.0;
}

double cheshtaBala(BodyId b, double speedDegPerDay, double ayana)
{
    if (b == body::Sun || b == body::Moon)
        return ayana;
    const double v = speedDegPerDay;
    if (v < -0.01)
        return 60.0;
    if (v < 0.0)
        return 30.0;
    if (std::fabs(v) < 0.001)
        return 15.0;
    const double r = v / (isClassicalPlanet(b) ? kMeanDailySpeed[b] : 1.0);
    if (r > 1.5)
        return 30.0;
    if (r > 1.0)
        return 45.0;
    if (r > 0.5)
        return 15.0;
    if (r > 0.01)
        return 7.5;
    return 15.0;
}

double naisargikaBala(BodyId b) { return isClassicalPlanet(b) ? kNaisargika[b] : 0.0; }

double aspectValue(BodyId aspecting, double a)
{
    double v = 0.0;
    if (a >= 30.0 && a <= 60.0)
        v = (a - 30.0) * 0.5;
    else if (a > 60.0 && a <= 90.0)
        v = (a - 60.0) * 1.5 + 15.0;
    else if (a > 90.0 && a <= 120.0)
        v = 60.0 - (a - 90.0) * 1.5;
    else if (a > 120.0 && a <= 150.0)
        v = (a - 120.0) * 0.5 + 15.0;
    else if (a > 150.0 && a <= 180.0)
        v = a - 150.0 + 30.0;
    else if (a > 180.0 && a <= 300.0)
        v = 60.0 - (a - 180.0) * 0.5;

    auto within = [a](double from, double to) { return a >= from && a <= to; };
    if ((aspecting == body::Mars && (within(90, 120) || within(210, 240))) ||
        (aspecting == body::Jupiter && (within(120, 150) || within(240, 270))) ||
        (aspecting == body::Saturn && (within(60, 90) || within(270, 300))))
        v = 60.0;
    return std::clamp(v, 0.0, 60.0);
}

double drikBala(const PlanetPosition& planet, const Chart& chart, double sunDeg, double moonDeg)
{
    const bool waxingMoon = mod360(moonDeg - sunDeg + 360.0) > 120.0;
    double sum = 0.0;
    for (const PlanetPosition& y : chart.planets) {
        if (y.body == planet.body)
            continue;
        const double a = mod360(planet.longitude - y.longitude + 360.0);
        const double v = aspectValue(y.body, a);
        if (v < 0.001)
            continue;
        const bool benefic = y.body == body::Mercury || y.body == body::Venus ||
                             y.body == body::Jupiter || (y.body == body::Moon && waxingMoon);
        sum += benefic ? v : -v;
    }
    return sum * 0.25;
}

}  // namespace strength

namespace {

// Fallbacks when the Sun's rising or setting cannot be found: 06:00 and 18:00
// UT of the day for the thirds, local mean 06:00 for the hours.
constexpr double kFallbackDayLength = 0.5;

double fallbackSunriseForThirds(double julianDayUt)
{
    return julianDayUt - std::fmod(julianDayUt + 0.5, 1.0) + 0.25;
}

double fallbackSunriseForHours(double julianDayUt, double longitudeDeg)
{
    return std::floor(julianDayUt + 0.5) - 0.5 + (6.0 - longitudeDeg / 15.0) / 24.0;
}

}  // namespace

ShadbalaResult shadbala(const PlanetPosition& planet, const Chart& chart, double ascendantDeg,
                        bool nightBirth, double julianDayUt, double latitudeDeg,
                        double longitudeDeg, Ephemeris& ephemeris)
{
    using namespace strength;
    ShadbalaResult r;
    if (planet.body == body::Fortuna)
        return r;

    const StrengthCache& cache =
        strengthCacheFor(chart, julianDayUt, planet.body, latitudeDeg, longitudeDeg, ephemeris);
    const PlanetPosition* sunRecord = findPlanet(chart, body::Sun);
    const PlanetPosition* moonRecord = findPlanet(chart, body::Moon);
    const double sun = sunRecord ? sunRecord->longitude : cache.sunLongitude;
    const double moon = moonRecord ? moonRecord->longitude : 0.0;

    const BodyId b = planet.body;
    const double l = planet.longitude;

    r.sthana = saptavargajaBala(b, l, chart) + uchchaBala(b, l) + dayNightBala(b, nightBirth) +
               kendraBala(l, ascendantDeg) + ojhayugmaBala(b, l) + drekkanaBala(b, l);

    r.dig = digBala(b, l, ascendantDeg);

    const auto latitude = cache.latitudes.find(b);
    const double ayana = ayanaBala(latitude == cache.latitudes.end()
                                       ? std::nullopt
                                       : std::optional<double>(latitude->second));

    double sunrise = fallbackSunriseForThirds(julianDayUt);
    double sunset = sunrise + kFallbackDayLength;
    if (cache.sunriseFound && cache.sunsetFound) {
        sunrise = cache.sunrise;
        sunset = cache.sunset;
    }
    const double hoursFrom =
        cache.sunriseFound ? cache.sunrise : fallbackSunriseForHours(julianDayUt, longitudeDeg);

    r.kala = nathonnathaBala(b, nightBirth) + pakshaBala(b, sun, moon) +
             (b == tribhagaLord(julianDayUt, sunrise, sunset) ? 60.0 : 0.0) +
             (b == weekdayLord(weekdayOf(julianDayUt)) ? 45.0 : 0.0) +
             (b == horaLord(julianDayUt, hoursFrom) ? 60.0 : 0.0) +
             (b == lordToBody(SIGN_LORDS[signOf(sun)]) ? 30.0 : 0.0) +
             (b == abdaLord(julianDayUt, sun) ? 45.0 : 0.0) + ayana + yuddhaBala(planet, chart);

    r.cheshta = cheshtaBala(b, planet.speed, ayana);
    r.naisargika = naisargikaBala(b);
    r.drik = drikBala(planet, chart, sun, moon);
    r.total = r.sthana + r.dig + r.kala + r.cheshta + r.naisargika + r.drik;
    r.rupas = r.total / 60.0;
    return r;
}

bool isNightBirth(double sunDeg, double ascendantDeg)
{
    return std::fmod((sunDeg - ascendantDeg) + 360.0, 360.0) < 180.0;
}

ShadbalaResult chartShadbala(const PlanetPosition& planet, const Chart& chart, Ephemeris& ephemeris)
{
    const PlanetPosition* sun = findPlanet(chart, body::Sun);
    if (!sun || chart.cusps.empty() || planet.body == body::Fortuna)
        return {};
    const double ascendant = chart.cusps[0].longitude;
    return shadbala(planet, chart, ascendant, isNightBirth(sun->longitude, ascendant),
                    chart.julianDayUt, chart.birth.latitude, chart.birth.longitude, ephemeris);
}

}  // namespace lumikan::engine
