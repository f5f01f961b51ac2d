#include "engine/strength_cache.h"

#include "engine/chart.h"
#include "engine/ephemeris.h"

#include <cmath>
#include <optional>

namespace lumikan::engine {

namespace {

StrengthCache& theCache()
{
    static StrengthCache cache;
    return cache;
}

constexpr double kSameMomentDays = 1e-6;
constexpr double kPressureHpa = 1013.25;
constexpr double kTemperatureC = 10.0;

bool sameMoment(double a, double b)
{
    return std::fabs(a - b) < kSameMomentDays;
}

bool holdsEveryBody(const StrengthCache& cache, const Chart& chart)
{
    for (const PlanetPosition& p : chart.planets)
        if (p.body != body::Fortuna && !cache.latitudes.count(p.body))
            return false;
    return true;
}

// The ecliptic latitude does not depend on the sidereal mode or on the speed
// flag, so the chart's own request at the same moment answers for the
// tropical one. Ketu is never passed to the library: it lies opposite Rahu.
std::optional<double> latitudeOf(const PlanetPosition& p, const Chart& chart, double julianDayUt,
                                 Ephemeris& ephemeris)
{
    if (sameMoment(julianDayUt, chart.julianDayUt))
        return p.latitude;
    if (p.body == body::Ketu) {
        const std::optional<double> rahu = ephemeris.tropicalLatitude(julianDayUt, body::Rahu);
        return rahu ? std::optional<double>(-*rahu) : std::nullopt;
    }
    return ephemeris.tropicalLatitude(julianDayUt, p.body);
}

void refill(StrengthCache& cache, const Chart& chart, double julianDayUt, Ephemeris& ephemeris)
{
    cache.filled = true;
    cache.julianDayUt = julianDayUt;
    cache.latitudes.clear();
    for (const PlanetPosition& p : chart.planets) {
        if (p.body == body::Fortuna)
            continue;
        if (const std::optional<double> latitude = latitudeOf(p, chart, julianDayUt, ephemeris))
            cache.latitudes[p.body] = *latitude;
    }
    const PlanetPosition* sun = findPlanet(chart, body::Sun);
    cache.sunLongitude = sun ? sun->longitude : 0.0;
}

std::optional<double> sunEvent(Ephemeris& ephemeris, double fromJd, double latitudeDeg,
                               double longitudeDeg, bool rise)
{
    return ephemeris.nextSunRiseOrSet(fromJd, latitudeDeg, longitudeDeg, rise, kPressureHpa,
                                      kTemperatureC);
}

// Enough steps for sunrises less than a day apart near the polar circles.
constexpr int kMaxSunriseSteps = 3;

// Sunrises and sunsets alternate: a moment before the first sunset after a
// sunrise has no later sunrise before it, and after that sunset only the next
// sunrise can take its place.
void refillRiseSet(StrengthCache& cache, double julianDayUt, double latitudeDeg,
                   double longitudeDeg, Ephemeris& ephemeris)
{
    cache.riseSetFilled = true;
    cache.riseSetJulianDayUt = julianDayUt;
    cache.riseSetLatitude = latitudeDeg;
    cache.riseSetLongitude = longitudeDeg;
    cache.sunriseFound = cache.sunsetFound = cache.holdsUntilFound = false;
    cache.sunsetAfterSunriseFound = false;

    std::optional<double> rise =
        sunEvent(ephemeris, julianDayUt - 1.0, latitudeDeg, longitudeDeg, true);
    if (rise && *rise > julianDayUt)
        rise = sunEvent(ephemeris, julianDayUt - 2.0, latitudeDeg, longitudeDeg, true);
    if (!rise || *rise > julianDayUt)
        return;
    std::optional<double> set;
    for (int step = 0; step < kMaxSunriseSteps; ++step) {
        set = sunEvent(ephemeris, *rise, latitudeDeg, longitudeDeg, false);
        if (!set)
            break;
        if (*set > julianDayUt) {
            cache.holdsUntilFound = true;
            cache.holdsUntil = *set;
            break;
        }
        const std::optional<double> next =
            sunEvent(ephemeris, *set, latitudeDeg, longitudeDeg, true);
        if (!next || *next > julianDayUt) {
            cache.holdsUntilFound = next.has_value();
            cache.holdsUntil = next.value_or(0.0);
            break;
        }
        rise = next;
    }
    cache.sunriseFound = true;
    cache.sunrise = *rise;
    if (set && *set > *rise) {
        cache.sunsetAfterSunriseFound = true;
        cache.sunsetAfterSunrise = *set;
    }
    // A day of no length or of a day or more cannot be split into thirds.
    if (set && *set - *rise > 0.0 && *set - *rise < 1.0) {
        cache.sunsetFound = true;
        cache.sunset = *set;
    }
}

bool riseSetHoldFor(const StrengthCache& cache, double julianDayUt, double latitudeDeg,
                    double longitudeDeg)
{
    if (!cache.riseSetFilled || cache.riseSetLatitude != latitudeDeg ||
        cache.riseSetLongitude != longitudeDeg)
        return false;
    if (sameMoment(julianDayUt, cache.riseSetJulianDayUt))
        return true;
    return cache.sunriseFound && cache.holdsUntilFound && cache.sunrise <= julianDayUt &&
           julianDayUt < cache.holdsUntil;
}

} // namespace

const StrengthCache& strengthCacheFor(const Chart& chart, double julianDayUt, Ephemeris& ephemeris)
{
    StrengthCache& cache = theCache();
    if (!cache.filled || !sameMoment(julianDayUt, cache.julianDayUt) ||
        !holdsEveryBody(cache, chart))
        refill(cache, chart, julianDayUt, ephemeris);
    return cache;
}

const StrengthCache& strengthCacheFor(const Chart& chart, double julianDayUt, BodyId body,
                                      double latitudeDeg, double longitudeDeg, Ephemeris& ephemeris)
{
    StrengthCache& cache = theCache();
    if (!cache.filled || !sameMoment(julianDayUt, cache.julianDayUt) ||
        (body != body::Fortuna && !cache.latitudes.count(body)))
        refill(cache, chart, julianDayUt, ephemeris);
    if (!riseSetHoldFor(cache, julianDayUt, latitudeDeg, longitudeDeg))
        refillRiseSet(cache, julianDayUt, latitudeDeg, longitudeDeg, ephemeris);
    return cache;
}

const StrengthCache& sunriseAndSunsetFor(double julianDayUt, double latitudeDeg,
                                         double longitudeDeg, Ephemeris& ephemeris)
{
    StrengthCache& cache = theCache();
    if (!riseSetHoldFor(cache, julianDayUt, latitudeDeg, longitudeDeg))
        refillRiseSet(cache, julianDayUt, latitudeDeg, longitudeDeg, ephemeris);
    return cache;
}

void clearStrengthCache()
{
    theCache() = StrengthCache{};
}

} // namespace lumikan::engine
