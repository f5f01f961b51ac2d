#include "match/match_common.h"

#include "engine/dignity_tables.h"
#include "engine/house_rules.h"
#include "engine/zodiac.h"

#include <array>
#include <cmath>

namespace lumikan::match {

namespace {

// Far beyond any longitude, small enough that index sums cannot overflow.
constexpr double kIndexLimit = 1.0e6;

// Enemies of the seven classical planets; everyone not a friend or an enemy
// is neutral.
constexpr std::array<std::array<BodyId, 4>, 7> kNaturalEnemies = {{
    {engine::body::Venus, engine::body::Saturn, -1, -1},                                // Sun
    {-1, -1, -1, -1},                                                                   // Moon
    {engine::body::Moon, -1, -1, -1},                                                   // Mercury
    {engine::body::Sun, engine::body::Moon, -1, -1},                                    // Venus
    {engine::body::Mercury, -1, -1, -1},                                                // Mars
    {engine::body::Mercury, engine::body::Venus, -1, -1},                               // Jupiter
    {engine::body::Sun, engine::body::Moon, engine::body::Mars, engine::body::Jupiter}, // Saturn
}};

const std::vector<int> kNoHouses;

} // namespace

int floorIndex(double value, double width)
{
    const double q = std::floor(value / width);
    if (!std::isfinite(q))
        return -1;
    if (q > kIndexLimit)
        return static_cast<int>(kIndexLimit);
    if (q < -kIndexLimit)
        return static_cast<int>(-kIndexLimit);
    return static_cast<int>(q);
}

int signIndex(double longitudeDeg)
{
    return floorIndex(longitudeDeg, 30.0) % 12;
}

int nakshatraIndexMod27(double longitudeDeg, double width)
{
    return floorIndex(longitudeDeg, width) % 27;
}

int padaIndex(double longitudeDeg)
{
    return floorIndex(longitudeDeg, kPadaWidth) % 4;
}

BodyId signLordBody(int sign)
{
    return isSign(sign) ? engine::lordToBody(engine::SIGN_LORDS[sign]) : -1;
}

std::string_view planetDisplayName(BodyId planet)
{
    constexpr std::array<std::string_view, 7> names = {"Sun",  "Moon",    "Mercury", "Venus",
                                                       "Mars", "Jupiter", "Saturn"};
    return engine::isClassicalPlanet(planet) ? names[planet] : std::string_view("Unknown");
}

bool IsNaturalFriend(BodyId a, BodyId b)
{
    return engine::isFriend(a, b);
}

Relation NaturalRelation(BodyId a, BodyId b)
{
    if (engine::isFriend(a, b))
        return Relation::Friend;
    if (engine::isClassicalPlanet(a))
        for (BodyId e : kNaturalEnemies[a])
            if (e >= 0 && e == b)
                return Relation::Enemy;
    return Relation::Neutral;
}

const engine::PlanetPosition* findPlanet(const MatchSubject& s, BodyId body)
{
    for (const engine::PlanetPosition& p : s.planets)
        if (p.body == body)
            return &p;
    return nullptr;
}

std::optional<int> planetSign(const MatchSubject& s, BodyId body)
{
    const engine::PlanetPosition* p = findPlanet(s, body);
    if (!p)
        return std::nullopt;
    const int sign = p->sign >= 0 ? p->sign : signIndex(p->longitude);
    if (!isSign(sign))
        return std::nullopt;
    return sign;
}

const engine::CuspPosition* findCusp(const MatchSubject& s, int number)
{
    for (const engine::CuspPosition& c : s.cusps)
        if (c.number == number)
            return &c;
    return nullptr;
}

std::optional<int> cuspSign(const engine::CuspPosition& cusp)
{
    const int sign = cusp.sign >= 0 ? cusp.sign : signIndex(cusp.longitude);
    return isSign(sign) ? std::optional<int>(sign) : std::nullopt;
}

BodyId cuspSubLord(const MatchSubject& s, int number)
{
    const engine::CuspPosition* c = findCusp(s, number);
    if (!c || !engine::isValidLord(c->subLord))
        return -1;
    return engine::lordToBody(c->subLord);
}

const std::vector<int>& housesOf(const MatchSubject& s, BodyId planet)
{
    for (const engine::PlanetHouses& e : s.significations)
        if (e.body == planet)
            return e.houses;
    return kNoHouses;
}

bool signifiesAny(const MatchSubject& s, BodyId planet, std::initializer_list<int> houses)
{
    if (planet < 0)
        return false;
    for (int h : housesOf(s, planet))
        if (isOneOf(h, houses))
            return true;
    return false;
}

double circularDistance(double aDeg, double bDeg)
{
    return engine::arcDistance(aDeg, bDeg);
}

int houseByCusps(double longitudeDeg, const std::vector<engine::CuspPosition>& cusps)
{
    return engine::houseOf(longitudeDeg, cusps);
}

} // namespace lumikan::match
