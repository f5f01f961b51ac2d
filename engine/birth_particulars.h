#pragma once

#include "engine/bodies.h"

#include <string>

namespace lumikan::engine {

// The traditional particulars of the birth moment (tithi, yoga, karana and the
// Moon's sign and star attributes).
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

// The particulars of the chart's birth moment.
BirthParticulars buildBirthParticulars(Chart& chart);

}  // namespace lumikan::engine
