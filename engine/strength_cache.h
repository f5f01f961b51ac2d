#pragma once

#include "engine/bodies.h"

#include <map>

namespace lumikan::engine {

struct Chart;
class Ephemeris;

// What the strength computation asks of the ephemeris, kept once per process
// for the Julian day last computed: tropical ecliptic latitudes, the Sun's
// sidereal longitude, and the sunrise and sunset around that moment at one
// place. Shared by all charts; computations never overlap.
struct StrengthCache {
    double julianDayUt = 0.0;
    bool filled = false;
    std::map<BodyId, double> latitudes; // degrees; a failed request is absent
    double sunLongitude = 0.0;          // degrees, from the chart's Sun record

    // The last sunrise at or before the moment and the first sunset after it,
    // at (riseSetLatitude, riseSetLongitude). They hold for every moment from
    // that sunrise until holdsUntil (that sunset, or the next sunrise for a
    // moment after it), so a chart cast a little later at the same place needs
    // no new search. sunsetFound is false also when the sunset does not come
    // within a day of the sunrise.
    bool riseSetFilled = false;
    double riseSetJulianDayUt = 0.0; // the moment they were searched for
    double riseSetLatitude = 0.0, riseSetLongitude = 0.0;
    bool sunriseFound = false, sunsetFound = false, holdsUntilFound = false;
    double sunrise = 0.0, sunset = 0.0, holdsUntil = 0.0; // Julian days, UT
    // The first sunset after that sunrise, however far (the day lord reads it).
    bool sunsetAfterSunriseFound = false;
    double sunsetAfterSunrise = 0.0;
};

// The cache brought up to date for `chart` at julianDayUt: refilled when the
// day differs by 1e-6 or more from the cached one, or when a body of the chart
// (Fortuna aside) is missing from it.
const StrengthCache& strengthCacheFor(const Chart& chart, double julianDayUt, Ephemeris& ephemeris);

// The cache brought up to date for one body of the chart (refilled as above
// when that body is missing), with its sunrise and sunset for the place.
const StrengthCache& strengthCacheFor(const Chart& chart, double julianDayUt, BodyId body,
                                      double latitudeDeg, double longitudeDeg,
                                      Ephemeris& ephemeris);

// The cache's sunrise and sunset brought up to date for a moment and place
// alone (the latitudes are left as they are).
const StrengthCache& sunriseAndSunsetFor(double julianDayUt, double latitudeDeg,
                                         double longitudeDeg, Ephemeris& ephemeris);

// Empties the cache, so the next computation asks the ephemeris afresh.
void clearStrengthCache();

} // namespace lumikan::engine
