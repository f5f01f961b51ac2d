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

// One row of the planet table.
struct PlanetTableRow {
    engine::BodyId body = 0;
    QString planet;  // the name with its flag letters, "SAT[RO]"
    QString nakshatra, sign, degree;
    QString starLord, subLord, subSubLord;
    QString significators;  // the houses the planet signifies, "2 5 11 "

    // planet, nakshatra, sign, degree, star, sub, sub-sub, significators
    QStringList cells() const;
};

// One row of the cusp table.
struct CuspTableRow {
    int number = 1;
    QString cusp;  // "I" .. "XII"
    QString degree, nakshatra, starLord, sign, signLord, subLord, subSubLord;
    QString significators;  // "-/-/JUP/MAR" (houseSignificatorText)

    // cusp, degree, nakshatra, star, sign, sub, sub-sub, significators
    QStringList cells() const;
};

std::vector<PlanetTableRow> PlanetRows(const std::vector<engine::PlanetPosition>& planets,
                                       const engine::Chart& chart, const NameForms& forms);
std::vector<CuspTableRow> CuspRows(const std::vector<engine::CuspPosition>& cusps,
                                   const engine::Chart& chart, const NameForms& forms);

// "SAT[RO]": the planet's name with its flag letters.
QString planetLabelWithFlags(const engine::PlanetPosition& planet, int planetForm);

// "-/-/JUP/MAR": in the star of occupants / occupants / in the star of the
// owner / owner.
QString houseSignificatorText(const engine::HouseSignificators& house, int planetForm);

// "I" .. "XII"; empty outside 1..12.
QString romanNumeral(int number);

}  // namespace lumikan::document
