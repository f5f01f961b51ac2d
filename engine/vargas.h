#pragma once

#include "engine/chart.h"
#include "engine/zodiac.h"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace lumikan::engine {

// The eighteen divisions computed for every chart, in this order.
inline constexpr std::array<int, 18> kVargaDivisions = {1,  2,  3,  4,  6,  7,  9,  10, 11,
                                                        12, 16, 20, 24, 27, 30, 40, 45, 60};

// Sign of a longitude (degrees) in division D. A D that is not one of the
// eighteen gives the sign of the longitude itself.
Sign vargaSign(double longitudeDeg, int division);

// "Rasi", "Hora", ... ; "D%d" for any other division.
std::string vargaName(int division);

// Division D of the given bodies, houses counted from the varga sign of the
// ascendant. Bodies whose longitude lies outside [0, 360) are left out.
VargaChart buildVarga(int division, const std::vector<PlanetPosition>& planets,
                      double ascendantDeg);

// All eighteen divisional charts of the chart, keyed by division.
std::map<int, VargaChart> buildVargas(const Chart& chart);
// The same, written over `vargas` (which ends up holding exactly the
// eighteen), reusing its storage.
void buildVargasInto(const Chart& chart, std::map<int, VargaChart>& vargas);

}  // namespace lumikan::engine
