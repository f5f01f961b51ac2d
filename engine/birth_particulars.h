#pragma once

#include "engine/bodies.h"

#include <string>

namespace lumikan::engine {

// The traditional particulars of the birth moment (tithi, yoga, karana and the
// Moon's sign and star attributes). The full attribute row of the star is in
// nakshatra_attributes.h.
struct BirthParticulars {
    std::string tithi;
    std::string yoga;
    std::string karana;
    std::string rashi;
    std::string moonSignLordName;
    std::string nakshatra;
    std::string syllables;
    std::string yoni;
    std::string gana;
    std::string nadi;
    std::string varna;
    std::string vashya;
    double hoursSinceSunrise = 0.0;
    BodyId moonSignLord = 0;
    double nakshatraRemaining = 0.0;
};

}  // namespace lumikan::engine

namespace lumikan::engine {

struct Chart;
struct BirthDetails;

// The particulars of the chart's birth moment.
BirthParticulars buildBirthParticulars(const Chart& chart);

// The particulars for the Sun's and the Moon's longitudes (degrees, as the
// ephemeris delivers them) at the birth moment.
BirthParticulars birthParticularsFor(double sunDeg, double moonDeg, const BirthDetails& birth,
                                     double julianDayUt);

// Local time of sunrise (hours of the birth time zone) on the birth day, from
// the Sun's longitude; -1 where the Sun does not rise or set that day.
double approximateSunrise(double julianDayUt, double sunDeg, double latitudeDeg,
                          double longitudeDeg, double timeZoneHours);

}  // namespace lumikan::engine
