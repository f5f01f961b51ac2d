#pragma once

#include "engine/chart.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace lumikan::document {

// The name forms the tables are written in (from the settings).
struct NameForms {
    int planet = 0;
    int nakshatra = 0;
    int sign = 0;
};

// "12-30-00" for 12.5: degrees, minutes and rounded seconds, carried so that
// neither 60 seconds nor 60 minutes ever shows.
QString DegreeText(double degreesInSign);

// Planet table rows: planet (with flag letters), nakshatra, sign, degree, star
// lord, sub lord, sub-sub lord, significators.
std::vector<QStringList> PlanetRows(const std::vector<engine::PlanetPosition>& planets,
                                    const engine::Chart& chart, const NameForms& forms);

// Cusp table rows: cusp (roman), degree, nakshatra, star lord, sign, sub lord,
// sub-sub lord, significators.
std::vector<QStringList> CuspRows(const std::vector<engine::CuspPosition>& cusps,
                                  const engine::Chart& chart, const NameForms& forms);

// "SAT[RO]": the planet's name with its flag letters.
QString planetLabelWithFlags(const engine::PlanetPosition& planet, int planetForm);

// "-/-/JUP/MAR": in the star of occupants / occupants / in the star of the
// owner / owner.
QString houseSignificatorText(const engine::HouseSignificators& house, int planetForm);

// "I" .. "XII"; empty outside 1..12.
QString romanNumeral(int number);

}  // namespace lumikan::document
