#include "match/rules/life_area_rules.h"

#include "engine/dignity_tables.h"
#include "match/match_common.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace lumikan::match {

namespace {

using engine::body::Jupiter;
using engine::body::Ketu;
using engine::body::Mars;
using engine::body::Mercury;
using engine::body::Moon;
using engine::body::Rahu;
using engine::body::Saturn;
using engine::body::Sun;
using engine::body::Venus;

using OptSign = std::optional<int>;
// A chart with the word its factor texts start with.
using Labelled = std::pair<const char*, const MatchSubject*>;

// Equal modulo 4: the same sign or a trine.
bool sameOrTrine(int a, int b)
{
    return a % 4 == b % 4;
}

std::string statusByQuarters(int score)
{
    if (score >= 12)
        return "Excellent";
    if (score >= 8)
        return "Good";
    if (score >= 5)
        return "Average";
    return "Weak";
}

const engine::PlanetPosition* placedPlanet(const MatchSubject& s, BodyId body)
{
    const engine::PlanetPosition* p = findPlanet(s, body);
    return p && p->longitude >= 0.0 ? p : nullptr;
}

OptSign d9Sign(const MatchSubject& s, BodyId body)
{
    for (const engine::VargaPosition& p : s.navamsa.positions)
        if (p.body == body)
            return isSign(p.sign) ? OptSign(p.sign) : std::nullopt;
    return std::nullopt;
}

// The D9 ascendant as the sign of the first body in house 1; none when no
// body stands in it.
OptSign d9Ascendant(const MatchSubject& s)
{
    for (const engine::VargaPosition& p : s.navamsa.positions)
        if (p.house == 1)
            return isSign(p.sign) ? OptSign(p.sign) : std::nullopt;
    return std::nullopt;
}

int exaltationSign(BodyId planet)
{
    const double point = engine::exaltationPoint(planet);
    return point < 0.0 ? -1 : static_cast<int>(point / 30.0);
}

// The lord of the D9 seventh sign is strong in its own or its exaltation sign.
bool strongD9SeventhLord(const MatchSubject& s, int ascendant)
{
    const BodyId lord = signLordBody((ascendant + 6) % 12);
    const OptSign sign = d9Sign(s, lord);
    return sign && (engine::isOwnSign(lord, *sign) || *sign == exaltationSign(lord));
}

std::optional<double> compositeOf(const MatchSubject& boy, const MatchSubject& girl, BodyId body)
{
    const engine::PlanetPosition* a = placedPlanet(boy, body);
    const engine::PlanetPosition* b = placedPlanet(girl, body);
    if (!a || !b)
        return std::nullopt;
    return compositeLongitude(a->longitude, b->longitude);
}

// Rahu or Ketu within 8 degrees of the Sun or the Moon.
bool grahanDosha(const MatchSubject& s)
{
    for (BodyId node : {Rahu, Ketu}) {
        const engine::PlanetPosition* n = placedPlanet(s, node);
        if (!n)
            continue;
        for (BodyId light : {Sun, Moon}) {
            const engine::PlanetPosition* l = placedPlanet(s, light);
            if (l && circularDistance(n->longitude, l->longitude) <= 8.0)
                return true;
        }
    }
    return false;
}

// Saturn (on it, or its 3rd, 7th, 10th aspect) and Mars (on it, or its 4th,
// 7th, 8th aspect) both reach the sign of cusp 7.
bool saturnAndMarsOnSeventh(const MatchSubject& s)
{
    const engine::CuspPosition* seventh = findCusp(s, 7);
    const OptSign target = seventh ? cuspSign(*seventh) : std::nullopt;
    const OptSign saturn = planetSign(s, Saturn);
    const OptSign mars = planetSign(s, Mars);
    if (!target || !saturn || !mars)
        return false;
    return isOneOf(signDistance(*saturn, *target), {0, 2, 6, 9}) &&
           isOneOf(signDistance(*mars, *target), {0, 3, 6, 7});
}

bool eighthLordAfflicted(const MatchSubject& s)
{
    const engine::CuspPosition* eighth = findCusp(s, 8);
    if (!eighth)
        return false;
    for (const engine::PlanetPosition& p : s.planets)
        if (engine::bodyToLord(p.body) == eighth->signLord)
            return p.dignity.debilitated || p.dignity.combust;
    return false;
}

bool jupiterWellPlaced(const MatchSubject& s)
{
    const engine::PlanetPosition* j = findPlanet(s, Jupiter);
    if (!j || j->dignity.combust || j->dignity.debilitated)
        return false;
    // A Jupiter whose house cannot be found counts as well placed.
    return !isOneOf(houseByCusps(j->longitude, s.cusps), {6, 12});
}

// A malefic in the 5th house with no benefic beside it.
bool fifthAfflicted(const MatchSubject& s)
{
    bool malefic = false;
    bool benefic = false;
    for (const engine::PlanetPosition& p : s.planets) {
        if (houseByCusps(p.longitude, s.cusps) != 5)
            continue;
        if (isOneOf(p.body, {Mars, Saturn, Rahu, Ketu}))
            malefic = true;
        else if (isOneOf(p.body, {Moon, Mercury, Venus, Jupiter}))
            benefic = true;
    }
    return malefic && !benefic;
}

// Venus applying to Jupiter: within 12 degrees, faster, and moving towards it.
bool ithasala(const MatchSubject& s)
{
    const engine::PlanetPosition* v = placedPlanet(s, Venus);
    const engine::PlanetPosition* j = placedPlanet(s, Jupiter);
    if (!v || !j || circularDistance(v->longitude, j->longitude) > 12.0)
        return false;
    if (!(std::fabs(v->speed) > std::fabs(j->speed)))
        return false;
    const double gap = std::fmod(j->longitude - v->longitude + 360.0, 360.0);
    return (v->speed > 0.0 && gap < 180.0) || (v->speed < 0.0 && gap > 180.0);
}

bool moonNearVenus(const MatchSubject& s)
{
    const engine::PlanetPosition* m = placedPlanet(s, Moon);
    const engine::PlanetPosition* v = placedPlanet(s, Venus);
    return m && v && circularDistance(m->longitude, v->longitude) <= 15.0;
}

bool venusOrJupiterInTajikaHouse(const MatchSubject& s)
{
    const OptSign moon = planetSign(s, Moon);
    if (!moon)
        return false;
    for (BodyId planet : {Venus, Jupiter}) {
        const OptSign sign = planetSign(s, planet);
        if (sign && isOneOf(wholeSignHouse(*sign, *moon), {5, 7, 9, 11}))
            return true;
    }
    return false;
}

} // namespace

double compositeLongitude(double aDeg, double bDeg)
{
    double m = (aDeg + bDeg) / 2.0;
    if (std::fabs(aDeg - bDeg) > 180.0)
        m = std::fmod(m + 180.0, 360.0);
    if (m < 0.0)
        m += 360.0;
    return m;
}

MatchRuleResult NavamsaCompatibilityRule::Evaluate(const MatchSubject& boy,
                                                   const MatchSubject& girl) const
{
    MatchRuleResult r;
    if (boy.navamsa.positions.empty() || girl.navamsa.positions.empty()) {
        r.status = "D9 data unavailable";
        r.detail = "Navamsa chart not calculated.";
        return r;
    }
    int points = 0;
    std::string detail;

    const OptSign boyVenus = d9Sign(boy, Venus);
    const OptSign girlVenus = d9Sign(girl, Venus);
    if (boyVenus && girlVenus) {
        if (*boyVenus == *girlVenus) {
            points += 3;
            detail += "D9Venus:SameSign(+3) ";
        } else if (sameOrTrine(*boyVenus, *girlVenus)) {
            points += 3;
            detail += "D9Venus:Trine(+3) ";
        } else if (IsNaturalFriend(signLordBody(*boyVenus), signLordBody(*girlVenus))) {
            points += 1;
            detail += "D9Venus:FriendlySign(+1) ";
        }
    }

    const OptSign boyMoon = d9Sign(boy, Moon);
    const OptSign girlMoon = d9Sign(girl, Moon);
    if (boyMoon && girlMoon) {
        if (*boyMoon == *girlMoon) {
            points += 3;
            detail += "D9Moon:SameSign(+3) ";
        } else if (sameOrTrine(*boyMoon, *girlMoon)) {
            points += 3;
            detail += "D9Moon:Trine(+3) ";
        } else if (isOneOf(signDistance(*boyMoon, *girlMoon), {2, 10})) {
            points += 1;
            detail += "D9Moon:Sextile(+1) ";
        }
    }

    constexpr int kVirgo = 5; // Venus's debilitation
    if (boyVenus && *boyVenus != kVirgo) {
        points += 2;
        detail += "BoyD9Venus:NotDebil(+2) ";
    }

    const OptSign boyAsc = d9Ascendant(boy);
    const OptSign girlAsc = d9Ascendant(girl);
    if (boyAsc && girlAsc) {
        if (IsNaturalFriend(signLordBody(*boyAsc), signLordBody(*girlAsc))) {
            points += 2;
            detail += "D9LagnaLords:Friendly(+2) ";
        }
        if (IsNaturalFriend(signLordBody((*boyAsc + 6) % 12), signLordBody((*girlAsc + 6) % 12))) {
            points += 2;
            detail += "D9-7thLords:Friendly(+2) ";
        }
    }

    const OptSign boyMars = d9Sign(boy, Mars);
    if (boyMars && girlVenus && sameOrTrine(*boyMars, *girlVenus)) {
        points += 2;
        detail += "D9Mars-Venus:Trine(+2) ";
    }

    if (boyAsc && strongD9SeventhLord(boy, *boyAsc)) {
        points += 1;
        detail += "BoyD9-7thLord:Strong(+1) ";
    }
    if (girlAsc && strongD9SeventhLord(girl, *girlAsc)) {
        points += 1;
        detail += "GirlD9-7thLord:Strong(+1) ";
    }

    const int score = std::min(points, kMaxScore);
    r.score = score;
    r.status = statusByQuarters(score);
    r.detail = detail.empty() ? "No D9 matches." : detail;
    return r;
}

MatchRuleResult CompositeChartRule::Evaluate(const MatchSubject& boy,
                                             const MatchSubject& girl) const
{
    MatchRuleResult r;
    int points = 0;
    std::string detail;

    const std::optional<double> sun = compositeOf(boy, girl, Sun);
    const std::optional<double> moon = compositeOf(boy, girl, Moon);
    if (sun && moon) {
        if (sameOrTrine(signIndex(*sun), signIndex(*moon))) {
            points += 3;
            detail += "CompSun-Moon:Trine(+3) ";
        } else {
            detail += "CompSun-Moon:NoHarmony ";
        }
    }

    const bool hasAscendant = !boy.cusps.empty() && !girl.cusps.empty() &&
                              boy.cusps.front().longitude >= 0.0 &&
                              girl.cusps.front().longitude >= 0.0;
    if (!hasAscendant) {
        detail += "[NoAsc:housechecks skipped] ";
    } else {
        const int ascendant = signIndex(
            compositeLongitude(boy.cusps.front().longitude, girl.cusps.front().longitude));
        const auto house = [&](BodyId body) {
            const std::optional<double> lon = compositeOf(boy, girl, body);
            return lon ? wholeSignHouse(signIndex(*lon), ascendant) : -1;
        };
        const auto houseText = [](std::string_view label, int h, std::string_view tail) {
            return std::string(label) + std::to_string(h) + std::string(tail);
        };

        const int venus = house(Venus);
        if (isOneOf(venus, {1, 2, 4, 5, 7, 9, 10, 11})) {
            points += 3;
            detail += houseText("CompVenus:H", venus, "✓(+3) ");
        } else {
            detail += houseText("CompVenus:H", venus, "✗ ");
        }
        if (house(Mars) == 7) {
            detail += "CompMars:In7th⚠ ";
        } else {
            points += 2;
            detail += "CompMars:Not7th(+2) ";
        }
        if (const int h = house(Moon); isOneOf(h, {1, 2, 4, 5, 7, 10, 11})) {
            points += 2;
            detail += houseText("CompMoon:H", h, "✓(+2) ");
        }
        if (const int h = house(Jupiter); isOneOf(h, {1, 4, 5, 7, 9, 10, 11})) {
            points += 2;
            detail += houseText("CompJup:H", h, "✓(+2) ");
        }
        if (const int h = house(Saturn); isOneOf(h, {7, 8})) {
            detail += houseText("CompSat:H", h, "⚠ ");
        } else {
            points += 2;
            detail += "CompSat:Not7/8(+2) ";
        }
        // Taurus, Cancer, Libra, Sagittarius, Pisces: signs of the benefics.
        if (isOneOf((ascendant + 6) % 12, {1, 3, 6, 8, 11})) {
            points += 2;
            detail += "Comp7thLord:Benefic(+2) ";
        }
    }

    const int score = std::min(points, kMaxScore);
    r.score = score;
    r.status = statusByQuarters(score);
    r.detail = detail;
    return r;
}

MatchRuleResult LongevityWidowhoodRule::Evaluate(const MatchSubject& boy,
                                                 const MatchSubject& girl) const
{
    MatchRuleResult r;
    int points = 10;
    std::string detail;

    if (grahanDosha(boy)) {
        points -= 2;
        detail += "Boy:GrahanDosha(-2) ";
    }
    if (grahanDosha(girl)) {
        points -= 2;
        detail += "Girl:GrahanDosha(-2) ";
    }
    if (saturnAndMarsOnSeventh(boy)) {
        points -= 2;
        detail += "Boy:Sat+Mars→7th(-2) ";
    }
    if (saturnAndMarsOnSeventh(girl)) {
        points -= 2;
        detail += "Girl:Sat+Mars→7th(-2) ";
    }
    if (eighthLordAfflicted(boy)) {
        points -= 1;
        detail += "Boy:8thLordAfflicted(-1) ";
    }
    if (eighthLordAfflicted(girl)) {
        points -= 1;
        detail += "Girl:8thLordAfflicted(-1) ";
    }
    const BodyId girl7 = cuspSubLord(girl, 7);
    if (girl7 >= 0) {
        const std::vector<int>& houses = housesOf(girl, girl7);
        const auto hits = std::count_if(houses.begin(), houses.end(), [](int h) {
            return isOneOf(h, {6, 8, 12});
        });
        if (hits >= 2) {
            points -= 2;
            detail += "Girl:7thCSL→6/8/12(-2) ";
        }
    }

    const int score = std::max(points, 0);
    r.score = score;
    r.status = score >= 8 ? "Safe" : score >= 5 ? "Caution" : "Risk";
    r.detail = detail.empty() ? "No longevity afflictions found." : detail;
    return r;
}

MatchRuleResult ProgenyCompatibilityRule::Evaluate(const MatchSubject& boy,
                                                   const MatchSubject& girl) const
{
    MatchRuleResult r;
    int points = 0;
    std::string detail;
    const std::array<Labelled, 2> charts = {Labelled{"Boy", &boy}, Labelled{"Girl", &girl}};

    for (const auto& [label, s] : charts) {
        if (signifiesAny(*s, cuspSubLord(*s, 5), {2, 5, 11})) {
            points += 3;
            detail += std::string(label) + ":5thCSL✓(+3) ";
        } else {
            detail += std::string(label) + ":5thCSL✗ ";
        }
    }
    for (const auto& [label, s] : charts) {
        if (jupiterWellPlaced(*s)) {
            points += 1;
            detail += std::string(label) + "Jup✓(+1) ";
        }
    }
    for (const auto& [label, s] : charts) {
        if (fifthAfflicted(*s)) {
            detail += std::string(label) + "5thAfflicted⚠ ";
        } else {
            points += 1;
            detail += std::string(label) + "5thClean✓(+1) ";
        }
    }

    const int score = std::min(points, kMaxScore);
    r.score = score;
    r.status = score >= 8 ? "Excellent" : score >= 5 ? "Good" : score >= 3 ? "Average" : "Weak";
    r.detail = detail;
    return r;
}

MatchRuleResult TajikaAnnualChartRule::Evaluate(const MatchSubject& boy,
                                                const MatchSubject& girl) const
{
    MatchRuleResult r;
    int points = 0;
    std::string detail;
    const std::array<Labelled, 2> charts = {Labelled{"Boy", &boy}, Labelled{"Girl", &girl}};

    bool anyIthasala = false;
    for (const auto& [label, s] : charts) {
        if (ithasala(*s)) {
            anyIthasala = true;
            points += 4;
            detail += std::string(label) + ":Ithasala(Ven→Jup)(+4) ";
        }
    }
    if (!anyIthasala)
        detail += "NoIthasala ";
    for (const auto& [label, s] : charts) {
        if (moonNearVenus(*s)) {
            points += 2;
            detail += std::string(label) + ":MoonNearVenus(+2) ";
        }
    }
    for (const auto& [label, s] : charts) {
        if (venusOrJupiterInTajikaHouse(*s)) {
            points += 2;
            detail += std::string(label) + ":VenJup→TajikaH(+2) ";
        }
    }
    for (const auto& [label, s] : charts) {
        if (s->moonStarLord == engine::lord::Venus || s->moonStarLord == engine::lord::Jupiter) {
            points += 1;
            detail += std::string(label) + ":DashaLord=Ithasala(+1) ";
        }
    }

    const int score = std::min(points, kMaxScore);
    r.score = score;
    r.status = score >= 11  ? "Strong Marriage Yoga"
               : score >= 7 ? "Moderate Yoga"
               : score >= 4 ? "Weak Yoga"
                            : "No Yoga";
    r.detail = detail.empty() ? "No Tajika yoga found." : detail;
    return r;
}

} // namespace lumikan::match
