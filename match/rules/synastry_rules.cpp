#include "match/rules/synastry_rules.h"

#include "match/match_common.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace lumikan::match {

namespace {

using engine::body::Jupiter;
using engine::body::Mars;
using engine::body::Mercury;
using engine::body::Moon;
using engine::body::Rahu;
using engine::body::Saturn;
using engine::body::Sun;
using engine::body::Venus;

using OptSign = std::optional<int>;

// Distance from one planet's sign to the other's, or nothing when either is
// missing.
std::optional<int> distance(const OptSign& from, const OptSign& to)
{
    if (!from || !to)
        return std::nullopt;
    return signDistance(*from, *to);
}

template <class Set> bool distanceIn(const OptSign& from, const OptSign& to, const Set& set)
{
    const std::optional<int> d = distance(from, to);
    return d && isOneOf(*d, set);
}
bool distanceIn(const OptSign& from, const OptSign& to, std::initializer_list<int> set)
{
    const std::optional<int> d = distance(from, to);
    return d && isOneOf(*d, set);
}

// A planet counts where its longitude is not negative.
const engine::PlanetPosition* placedPlanet(const MatchSubject& s, BodyId body)
{
    const engine::PlanetPosition* p = findPlanet(s, body);
    return p && p->longitude >= 0.0 ? p : nullptr;
}

} // namespace

MatchRuleResult MentalAttractionRule::Evaluate(const MatchSubject& boy,
                                               const MatchSubject& girl) const
{
    MatchRuleResult r;
    const OptSign boyMoon = planetSign(boy, Moon);
    const OptSign boyVenus = planetSign(boy, Venus);
    const OptSign girlMoon = planetSign(girl, Moon);
    const OptSign girlVenus = planetSign(girl, Venus);
    if (!boyMoon || !boyVenus || !girlMoon || !girlVenus) {
        r.status = "Unknown";
        r.detail = "Planet positions not available.";
        return r;
    }

    int points = 0;
    std::string detail;
    const int venusToMoon = signDistance(*boyVenus, *girlMoon);
    const int girlVenusToMoon = signDistance(*girlVenus, *boyMoon);
    const bool maleVenusAxis = venusToMoon == 6;
    const bool maleMoonAxis = signDistance(*boyMoon, *girlVenus) == 6;
    if (maleVenusAxis)
        detail += "MaleVenus↔FemaleMoon(7th,+2) ";
    if (maleMoonAxis)
        detail += "MaleMoon↔FemaleVenus(7th) ";
    // One opposition or two, the axis is worth 2.
    if (maleVenusAxis || maleMoonAxis)
        points += 2;
    if (*boyVenus == *girlMoon || *girlVenus == *boyMoon) {
        points += 1;
        detail += "Moon-Venus SameSign(+1) ";
    }
    if (isOneOf(venusToMoon, {2, 10}) || isOneOf(girlVenusToMoon, {2, 10})) {
        points += 1;
        detail += "Venus↔Moon(3/11,+1) ";
    }
    if (isOneOf(venusToMoon, {5, 7}) || isOneOf(girlVenusToMoon, {5, 7})) {
        points -= 1;
        detail += "Venus↔Moon(6/8,Friction,-1) ";
    }

    const bool boyLove = signifiesAny(boy, cuspSubLord(boy, 5), {5, 7, 11});
    const bool girlLove = signifiesAny(girl, cuspSubLord(girl, 5), {5, 7, 11});
    if (boyLove && girlLove) {
        points += 1;
        detail += "5thCSL:MutualLove(+1) ";
    } else if (boyLove || girlLove) {
        detail += "5thCSL:OneSided ";
    }

    const int score = points < 1 ? 0 : std::min(points, kMaxScore);
    constexpr std::array<std::string_view, 5> statusByScore = {
        "Low Attraction", "Mild Attraction", "Moderate Attraction", "Strong Attraction",
        "Very Strong Attraction"};
    r.score = score;
    r.status = std::string(statusByScore[static_cast<std::size_t>(std::min(score, 4))]);
    r.detail = detail.empty() ? "No significant attraction factors." : detail;
    return r;
}

MatchRuleResult PhysicalAttractionRule::Evaluate(const MatchSubject& boy,
                                                 const MatchSubject& girl) const
{
    MatchRuleResult r;
    const OptSign boyMars = planetSign(boy, Mars);
    const OptSign boyVenus = planetSign(boy, Venus);
    const OptSign girlMars = planetSign(girl, Mars);
    const OptSign girlVenus = planetSign(girl, Venus);
    if (!boyMars || !boyVenus || !girlMars || !girlVenus) {
        r.status = "Unknown";
        r.detail = "Planet data missing.";
        return r;
    }

    int points = 0;
    std::string detail;
    const int maleToFemale = signDistance(*boyMars, *girlVenus);
    const int femaleToMale = signDistance(*girlMars, *boyVenus);
    if (maleToFemale == 6)
        detail += "MaleMars↔FemaleVenus(7th,+2) ";
    if (femaleToMale == 6)
        detail += "FemaleMars↔MaleVenus(7th) ";
    if (maleToFemale == 6 || femaleToMale == 6)
        points += 2;
    if (maleToFemale == 0 || femaleToMale == 0) {
        points += 2;
        detail += "Mars-Venus:Conj(+2) ";
    }
    if (isOneOf(maleToFemale, {4, 8}) || isOneOf(femaleToMale, {4, 8})) {
        points += 1;
        detail += "Mars-Venus:Trine(+1) ";
    }
    if (isOneOf(maleToFemale, {5, 7}) || isOneOf(femaleToMale, {5, 7})) {
        points -= 1;
        detail += "Mars-Venus:6/8(-1) ";
    }

    // The nodes together are worth at most 4.
    const OptSign boyRahu = planetSign(boy, Rahu);
    const OptSign girlRahu = planetSign(girl, Rahu);
    int nodePoints = 0;
    if (distanceIn(boyRahu, girlVenus, {6}) || distanceIn(girlRahu, boyVenus, {6})) {
        nodePoints += 2;
        detail += "Rahu-Venus(7th,+2) ";
    }
    const bool maleRahu = boyRahu && *boyRahu == *girlVenus;
    const bool femaleRahu = girlRahu && *girlRahu == *boyVenus;
    if (maleRahu) {
        nodePoints += 2;
        detail += "MaleRahu=FemaleVenus(+2) ";
    }
    if (femaleRahu) {
        nodePoints += 2;
        detail += "FemaleRahu=MaleVenus(+2) ";
    }
    if (maleRahu && femaleRahu) {
        nodePoints += 2;
        detail += "Rahu-Venus:DoubleExplosive(+2) ";
    }
    // Ketu stands opposite Rahu.
    const bool maleKetu = boyRahu && (*boyRahu + 6) % 12 == *girlVenus;
    const bool femaleKetu = girlRahu && (*girlRahu + 6) % 12 == *boyVenus;
    if (maleKetu || femaleKetu)
        detail += "Ketu-Venus:Karmic ";
    points += std::min(nodePoints, 4);

    const BodyId boy8 = cuspSubLord(boy, 8);
    const BodyId girl8 = cuspSubLord(girl, 8);
    if (boy8 >= 0 && girl8 >= 0) {
        if (boy8 == girl8) {
            points += 3;
            detail += "8thCSL:Same(+3) ";
        } else if (IsNaturalFriend(boy8, girl8)) {
            points += 2;
            detail += "8thCSL:Friendly(+2) ";
        }
    }

    const int score = std::clamp(points, 0, kMaxScore);
    r.score = score;
    if (score >= 8)
        r.status = "Explosive Chemistry";
    else if (score >= 6)
        r.status = "Very Strong Chemistry";
    else if (score >= 4)
        r.status = "Strong Chemistry";
    else if (score >= 2)
        r.status = "Moderate Chemistry";
    else
        r.status = "Low Chemistry";
    r.detail = detail.empty() ? "Basic physical compatibility." : detail;
    return r;
}

MatchRuleResult NadiPlanetPositionRule::Evaluate(const MatchSubject& boy,
                                                 const MatchSubject& girl) const
{
    MatchRuleResult r;
    int points = 0;
    std::string detail;

    struct Pair {
        int sign;
        int star;
    };
    // The same planet in both charts; nothing when either lacks it.
    const auto pair = [&](BodyId body) -> std::optional<std::array<Pair, 2>> {
        const engine::PlanetPosition* a = placedPlanet(boy, body);
        const engine::PlanetPosition* b = placedPlanet(girl, body);
        if (!a || !b)
            return std::nullopt;
        return std::array<Pair, 2>{
            Pair{signIndex(a->longitude), floorIndex(a->longitude, kNakshatraWidthDouble)},
            Pair{signIndex(b->longitude), floorIndex(b->longitude, kNakshatraWidthDouble)}};
    };
    const auto sameSign = [](const std::array<Pair, 2>& p) { return p[0].sign == p[1].sign; };

    if (const auto p = pair(Moon)) {
        if ((*p)[0].star == (*p)[1].star) {
            points += 5;
            detail += "Moon:SameNak(+5) ";
        } else if (sameSign(*p)) {
            points += 2;
            detail += "Moon:SameSign(+2) ";
        }
    }
    if (const auto p = pair(Venus); p && sameSign(*p)) {
        points += 4;
        detail += "Venus:SameSign(+4) ";
        if ((*p)[0].star == (*p)[1].star) {
            points += 2;
            detail += "Venus:SameNak(+2) ";
        }
    }
    struct SignFactor {
        BodyId body;
        int points;
        std::string_view text;
    };
    constexpr std::array<SignFactor, 5> signFactors = {{
        {Sun, 2, "Sun:SameSign(+2) "},
        {Mars, 1, "Mars:SameSign(+1) "},
        {Jupiter, 1, "Jup:SameSign(+1) "},
        {Saturn, 1, "Sat:SameSign(+1) "},
        {Mercury, 1, "Mer:SameSign(+1) "},
    }};
    for (const SignFactor& f : signFactors) {
        if (const auto p = pair(f.body); p && sameSign(*p)) {
            points += f.points;
            detail += f.text;
        }
    }

    const int score = std::min(points, kMaxScore);
    r.score = score;
    if (score >= 12)
        r.status = "Soul Connection";
    else if (score >= 8)
        r.status = "Strong Bond";
    else if (score >= 5)
        r.status = "Compatible";
    else
        r.status = "Weak";
    r.detail = detail.empty() ? "No planet position matches." : detail;
    return r;
}

MatchRuleResult SynastryRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    int points = 0;
    std::string detail;
    // Same sign, 3rd, 5th, 9th and 11th.
    constexpr std::array<int, 5> harmonious = {0, 2, 4, 8, 10};

    const OptSign boySun = planetSign(boy, Sun);
    const OptSign boyMoon = planetSign(boy, Moon);
    const OptSign girlSun = planetSign(girl, Sun);
    const OptSign girlMoon = planetSign(girl, Moon);
    if (distanceIn(boySun, girlMoon, harmonious)) {
        points += 2;
        detail += "BoySun-GirlMoon✓ ";
    }
    if (distanceIn(girlSun, boyMoon, harmonious)) {
        points += 2;
        detail += "GirlSun-BoyMoon✓ ";
    }
    if (distanceIn(planetSign(boy, Jupiter), girlMoon, harmonious)) {
        points += 2;
        detail += "BoyJup-GirlMoon✓ ";
    }
    if (distanceIn(boySun, girlSun, harmonious)) {
        points += 1;
        detail += "Sun-Sun✓ ";
    }
    // Saturn on the Moon or aspecting it (3rd, 7th, 10th).
    if (distanceIn(planetSign(boy, Saturn), girlMoon, {0, 3, 6, 9})) {
        points -= 1;
        detail += "BoySat-GirlMoon⚠ ";
    }

    const int score = std::clamp(points, 0, kMaxScore);
    r.score = score;
    if (score >= 5)
        r.status = "Excellent Compatibility";
    else if (score >= 3)
        r.status = "Good Compatibility";
    else if (score >= 1)
        r.status = "Average Compatibility";
    else
        r.status = "Challenging";
    r.detail = detail.empty() ? "No major compatibility factors." : detail;
    return r;
}

MatchRuleResult VashyaPolarityRule::Evaluate(const MatchSubject& boy,
                                             const MatchSubject& girl) const
{
    MatchRuleResult r;
    constexpr double kOrbDeg = 8.0;
    constexpr double kMaxPoints = 2.0;
    constexpr std::array<int, 4> polar = {0, 4, 6, 8};

    const engine::PlanetPosition* boyMars = findPlanet(boy, Mars);
    const engine::PlanetPosition* boyVenus = findPlanet(boy, Venus);
    const engine::PlanetPosition* girlMars = findPlanet(girl, Mars);
    const engine::PlanetPosition* girlVenus = findPlanet(girl, Venus);
    const OptSign boyMarsSign = planetSign(boy, Mars);
    const OptSign boyVenusSign = planetSign(boy, Venus);
    const OptSign girlMarsSign = planetSign(girl, Mars);
    const OptSign girlVenusSign = planetSign(girl, Venus);

    const auto strongMars = [](const engine::PlanetPosition* m) {
        return m && (m->dignity.exalted || (m->shadbala >= 1.2 && !m->dignity.debilitated));
    };
    const auto weakMars = [](const engine::PlanetPosition* m) {
        return m && (m->dignity.debilitated || m->dignity.combust);
    };
    const auto afflictedVenus = [](const engine::PlanetPosition* v) {
        return v && (v->dignity.debilitated || v->dignity.combust);
    };

    double score = 0.0;
    std::string status = "Low";

    const bool maleToFemale = distanceIn(boyMarsSign, girlVenusSign, polar);
    const bool femaleToMale = distanceIn(girlMarsSign, boyVenusSign, polar);
    if (maleToFemale && femaleToMale) {
        score = 2.0;
        status = "Explosive";
    } else if (maleToFemale || femaleToMale) {
        score = 1.5;
        status = "High Attraction";
    }
    const auto widen = [&](const engine::PlanetPosition* mars,
                           const engine::PlanetPosition* venus) {
        if (circularDistance(mars->longitude, venus->longitude) > kOrbDeg) {
            status += " (Wide)";
            if (score > 1.0)
                score -= 0.5;
        }
    };
    if (maleToFemale)
        widen(boyMars, girlVenus);
    if (femaleToMale)
        widen(girlMars, boyVenus);

    if (distanceIn(boyMarsSign, girlMarsSign, polar))
        status += " + Physical Sync";
    if (distanceIn(boyVenusSign, girlVenusSign, polar))
        status += " + Emotional Sync";

    if (boyMars && girlMars && boyVenus && girlVenus && weakMars(boyMars) && weakMars(girlMars) &&
        afflictedVenus(boyVenus) && afflictedVenus(girlVenus)) {
        score = 0.5;
        status = "Low Energy";
    }
    if ((strongMars(boyMars) && afflictedVenus(girlVenus)) ||
        (strongMars(girlMars) && afflictedVenus(boyVenus))) {
        score = 0.5;
        status = "Volatile";
    }
    if ((boyVenus && boyVenus->dignity.combust) || (girlVenus && girlVenus->dignity.combust)) {
        status += " (Distorted Venus)";
        if (score > 1.0)
            score -= 0.5;
    }

    // Mars in Venus's sign and Venus in Mars's sign: an exchange of signs.
    if ((boyMarsSign && isOneOf(*boyMarsSign, {1, 6}) && girlVenusSign &&
         isOneOf(*girlVenusSign, {0, 7})) ||
        (girlMarsSign && isOneOf(*girlMarsSign, {1, 6}) && boyVenusSign &&
         isOneOf(*boyVenusSign, {0, 7}))) {
        score = 2.0;
        status += " + Parivartana (True Exchange)";
    }

    const auto obsessive = [&](const MatchSubject& s) {
        const engine::PlanetPosition* rahu = findPlanet(s, Rahu);
        if (!rahu)
            return false;
        for (const engine::PlanetPosition* p : {findPlanet(s, Mars), findPlanet(s, Venus)})
            if (p && circularDistance(rahu->longitude, p->longitude) <= kOrbDeg)
                return true;
        return false;
    };
    if (obsessive(boy) || obsessive(girl)) {
        score = std::min(score + 0.5, kMaxPoints);
        status += " (Obsessive)";
    }

    // Saturn on its own chart's Mars or Venus, or aspecting it (3rd, 7th, 10th).
    const auto restricted = [](const MatchSubject& s) {
        const OptSign saturn = planetSign(s, Saturn);
        return distanceIn(saturn, planetSign(s, Mars), {0, 2, 6, 9}) ||
               distanceIn(saturn, planetSign(s, Venus), {0, 2, 6, 9});
    };
    if (restricted(boy) || restricted(girl)) {
        score *= 0.7;
        status += " (Restricted)";
    }

    r.score = std::clamp(score, 0.0, kMaxPoints);
    r.status = std::move(status);
    return r;
}

} // namespace lumikan::match
