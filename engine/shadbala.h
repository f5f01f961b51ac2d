#pragma once

#include "engine/chart.h"
#include "engine/shadbala_result.h"
#include "engine/zodiac.h"

#include <optional>

namespace lumikan::engine {

class Ephemeris;

// Strength of `planet` in `chart`; all zero for Fortuna. ascendantDeg is the
// longitude of cusp 1; julianDayUt, latitudeDeg and longitudeDeg are the
// moment and place of birth. Reads and refills the process-wide strength
// cache, asking the ephemeris for what it lacks.
ShadbalaResult shadbala(const PlanetPosition& planet, const Chart& chart, double ascendantDeg,
                        bool nightBirth, double julianDayUt, double latitudeDeg,
                        double longitudeDeg, Ephemeris& ephemeris);

// Night birth: the Sun below the horizon, in the half of the zodiac after the
// ascendant.
bool isNightBirth(double sunDeg, double ascendantDeg);

// The strength of a body of the chart at its birth moment and place, as the
// chart computation takes it; all zero for Fortuna or without cusps or Sun.
ShadbalaResult chartShadbala(const PlanetPosition& planet, const Chart& chart, Ephemeris& ephemeris);

// The pieces the total is made of, each in virupas unless stated. Longitudes
// are sidereal degrees in [0, 360).
namespace strength {

// Positional strength.
double uchchaBala(BodyId b, double longitudeDeg);
double dayNightBala(BodyId b, bool nightBirth);
// Equal 30-degree houses counted from the ascendant degree.
double kendraBala(double longitudeDeg, double ascendantDeg);
double ojhayugmaBala(BodyId b, double longitudeDeg);
double drekkanaBala(BodyId b, double longitudeDeg);
double saptavargajaBala(BodyId b, double longitudeDeg, const Chart& chart);

enum class Relationship { GreatFriend, Friend, Neutral, Enemy };
// Natural and temporal relationship of body b to body o, combined.
Relationship compoundRelationship(BodyId b, double longitudeDeg, BodyId o,
                                  double otherLongitudeDeg);
// Points of body b (at its natal longitude) in sign g; the lord of g is
// looked up in the chart.
double dignityPoints(BodyId b, double longitudeDeg, Sign g, const Chart& chart);

double digBala(BodyId b, double longitudeDeg, double ascendantDeg);

// Temporal strength.
double nathonnathaBala(BodyId b, bool nightBirth);
double pakshaBala(BodyId b, double sunDeg, double moonDeg);
// Lord of the third of the day or night that holds julianDayUt, given the
// sunrise before it and the sunset after that sunrise (0 < sunset - sunrise < 1).
BodyId tribhagaLord(double julianDayUt, double sunriseJd, double sunsetJd);
// Lord of the planetary hour, counted from the given sunrise.
BodyId horaLord(double julianDayUt, double sunriseJd);
// Lord of the weekday about when the Sun stood at 0 degrees.
BodyId abdaLord(double julianDayUt, double sunDeg);
// From the body's ecliptic latitude (degrees); 30 when it is not known.
double ayanaBala(std::optional<double> latitudeDeg);
// Planetary war with the first body within 1 degree: -45 for the one behind,
// +45 for the one ahead; 0 for the Sun, the Moon and bodies not at war.
double yuddhaBala(const PlanetPosition& planet, const Chart& chart);

// Motional strength; the Sun and the Moon take their ayana strength.
double cheshtaBala(BodyId b, double speedDegPerDay, double ayana);
double naisargikaBala(BodyId b);

// Aspect strength: the value of body `aspecting` at `angleDeg` behind the
// planet, 0..60.
double aspectValue(BodyId aspecting, double angleDeg);
double drikBala(const PlanetPosition& planet, const Chart& chart, double sunDeg, double moonDeg);

}  // namespace strength

}  // namespace lumikan::engine
