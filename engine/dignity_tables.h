#pragma once

#include "engine/bodies.h"
#include "engine/zodiac.h"

#include <array>
#include <string_view>

namespace lumikan::engine {

// Classical-planet tables, indexed by BodyId 0 (Sun) .. 6 (Saturn).
inline constexpr std::array<double, 7> EXALTATION_POINTS = {10, 33, 165, 357, 298, 95, 200};

// Combustion orb in degrees; 0 means the body is never combust (the Sun).
inline constexpr std::array<double, 7> COMBUSTION_ORBS = {0, 12, 14, 10, 17, 11, 15};

struct MoolatrikonaRange {
    Sign sign;
    double fromDeg;  // degree within the sign, inclusive
    double toDeg;    // inclusive
};

inline constexpr std::array<MoolatrikonaRange, 7> MOOLATRIKONA = {{
    {4, 0.0, 20.0},    // Sun: Leo 0..20
    {1, 4.0, 30.0},    // Moon: Taurus from 4
    {5, 16.0, 20.0},   // Mercury: Virgo 16..20
    {6, 0.0, 15.0},    // Venus: Libra 0..15
    {0, 0.0, 12.0},    // Mars: Aries 0..12
    {8, 0.0, 10.0},    // Jupiter: Sagittarius 0..10
    {10, 0.0, 20.0},   // Saturn: Aquarius 0..20
}};

// Own signs; -1 where a planet has only one.
inline constexpr std::array<std::array<Sign, 2>, 7> OWN_SIGNS = {{
    {4, -1}, {3, -1}, {2, 5}, {1, 6}, {0, 7}, {8, 11}, {9, 10},
}};

// The exaltation point of a body, or -1 for bodies without one.
constexpr double exaltationPoint(BodyId b) { return isClassicalPlanet(b) ? EXALTATION_POINTS[b] : -1.0; }

// Combustion orb of a body, 0 when it is never combust.
constexpr double combustionOrb(BodyId b) { return isClassicalPlanet(b) ? COMBUSTION_ORBS[b] : 0.0; }

constexpr bool isOwnSign(BodyId b, Sign s)
{
    return isClassicalPlanet(b) && s >= 0 && (OWN_SIGNS[b][0] == s || OWN_SIGNS[b][1] == s);
}

constexpr bool isInMoolatrikona(BodyId b, Sign s, double degreeInSignDeg)
{
    if (!isClassicalPlanet(b))
        return false;
    const MoolatrikonaRange& r = MOOLATRIKONA[b];
    return s == r.sign && degreeInSignDeg >= r.fromDeg && degreeInSignDeg <= r.toDeg;
}

// Whether b is a natural friend of a. Directional; every body is its own friend.
bool isFriend(BodyId a, BodyId b);

inline constexpr int kCharaKarakaCount = 7;
// "AK", "AmK", "BK", "MK", "PK", "GK", "DK" by rank; "" outside 0..6.
std::string_view charaKarakaLabel(int rank);

}  // namespace lumikan::engine
