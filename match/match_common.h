#pragma once

#include "engine/bodies.h"
#include "engine/chart.h"
#include "match/match_subject.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

// Computations shared by the rules. Planets are BodyIds throughout; a lord
// that cannot be determined is -1.
namespace lumikan::match {

using engine::BodyId;
using engine::LordIndex;

// The two nakshatra widths the rules divide by: the ten-decimal constant
// (Ashtakoota, Vedha, Rajju) and 40/3 as a double (Dashakoot, deep Nadi,
// planet positions). Near a boundary they disagree, so each rule keeps its own.
inline constexpr double kNakshatraWidthShort = 13.3333333333;
inline constexpr double kNakshatraWidthDouble = 13.333333333333334;
inline constexpr double kPadaWidth = 3.3333333333333335;

// floor(value / width), kept small enough for further index arithmetic;
// -1 for a value that is not a finite number.
int floorIndex(double value, double width);

// floor(longitude / 30) with the remainder of a truncating division by 12,
// so a negative longitude gives a negative (invalid) sign.
int signIndex(double longitudeDeg);
// floor(longitude / width) with a truncating remainder by 27.
int nakshatraIndexMod27(double longitudeDeg, double width);
// floor(longitude / 3.33...) with a truncating remainder by 4: 0..3.
int padaIndex(double longitudeDeg);

constexpr bool isSign(int s)
{
    return s >= 0 && s < 12;
}

// Lord of a sign as a BodyId; -1 outside 0..11.
BodyId signLordBody(int sign);

// "Sun" ... "Saturn" for the seven classical planets, "Unknown" otherwise.
std::string_view planetDisplayName(BodyId planet);

// Whether b is a natural friend of a; every planet is its own friend.
bool IsNaturalFriend(BodyId a, BodyId b);

enum class Relation { Friend = 0, Neutral = 1, Enemy = 2 };
// How a regards b. Not symmetric: Saturn counts Jupiter an enemy, Jupiter
// counts Saturn neutral.
Relation NaturalRelation(BodyId a, BodyId b);

// House 1..12 of a planet's sign counted from a reference sign (whole signs).
constexpr int wholeSignHouse(int planetSign, int referenceSign)
{
    return ((planetSign - referenceSign + 12) % 12) + 1;
}
// Signs from `from` to `to`: 0 the same sign, 6 the seventh.
constexpr int signDistance(int from, int to)
{
    return (to - from + 12) % 12;
}
constexpr bool isOneOf(int v, std::initializer_list<int> set)
{
    for (int x : set)
        if (x == v)
            return true;
    return false;
}
template <std::size_t N> constexpr bool isOneOf(int v, const std::array<int, N>& set)
{
    for (int x : set)
        if (x == v)
            return true;
    return false;
}

const engine::PlanetPosition* findPlanet(const MatchSubject& s, BodyId body);
// The planet's sign, read from its longitude where the stored sign is
// negative; nothing when the planet is missing or the sign cannot be found.
std::optional<int> planetSign(const MatchSubject& s, BodyId body);

const engine::CuspPosition* findCusp(const MatchSubject& s, int number);
// The cusp's sign, read from its longitude where the stored sign is negative.
std::optional<int> cuspSign(const engine::CuspPosition& cusp);
// The sub lord of cusp `number` as a BodyId (the cusp sub lord, CSL); -1 when
// the cusp is missing or its sub lord is not a lord.
BodyId cuspSubLord(const MatchSubject& s, int number);

// The houses a planet signifies through itself; empty when it has no entry.
const std::vector<int>& housesOf(const MatchSubject& s, BodyId planet);
// Whether any of the planet's houses is in the set. False for -1.
bool signifiesAny(const MatchSubject& s, BodyId planet, std::initializer_list<int> houses);
template <std::size_t N>
bool signifiesAny(const MatchSubject& s, BodyId planet, const std::array<int, N>& houses)
{
    if (planet < 0)
        return false;
    for (int h : housesOf(s, planet))
        if (isOneOf(h, houses))
            return true;
    return false;
}

// Shorter arc between two longitudes, 0..180.
double circularDistance(double aDeg, double bDeg);

// House 1..12 of a longitude by the twelve cusps in list order, or 0 when no
// span holds it (fewer than twelve cusps).
int houseByCusps(double longitudeDeg, const std::vector<engine::CuspPosition>& cusps);

} // namespace lumikan::match
