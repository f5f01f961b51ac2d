#include "match/rules/kp_rules.h"

#include "match/match_common.h"
#include "match/rules/kp_scripts.h"

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

namespace lumikan::match {

namespace {

constexpr std::array<int, 3> kMarriageHouses = {2, 7, 11};
constexpr std::array<int, 3> kSeparationHouses = {6, 8, 12};

bool contains(const std::vector<int>& houses, int h)
{
    return std::find(houses.begin(), houses.end(), h) != houses.end();
}

const std::vector<int>& seventhCslHouses(const MatchSubject& s)
{
    static const std::vector<int> none;
    const BodyId csl = cuspSubLord(s, 7);
    return csl >= 0 ? housesOf(s, csl) : none;
}

std::string statusFrom(int score, int excellent, int good, int average)
{
    if (score >= excellent)
        return "Excellent";
    if (score >= good)
        return "Good";
    if (score >= average)
        return "Average";
    return "Weak";
}

// The 7th sub-script names the planet through the upper-case short names
// only; the full form "MOON" is accepted as well.
BodyId planetOfScriptName(std::string_view name)
{
    struct Entry {
        std::string_view name;
        BodyId body;
    };
    constexpr std::array<Entry, 10> names = {{
        {"SUN", engine::body::Sun},
        {"MOON", engine::body::Moon},
        {"MON", engine::body::Moon},
        {"MER", engine::body::Mercury},
        {"VEN", engine::body::Venus},
        {"MAR", engine::body::Mars},
        {"JUP", engine::body::Jupiter},
        {"SAT", engine::body::Saturn},
        {"RAH", engine::body::Rahu},
        {"KET", engine::body::Ketu},
    }};
    for (const Entry& e : names)
        if (e.name == name)
            return e.body;
    return -1;
}

std::string seventhSubScript(const MatchSubject& s, const engine::PlanetPosition& seventhSubLord)
{
    const BodyId body = planetOfScriptName(planetName(s, seventhSubLord));
    const engine::PlanetPosition* p = body >= 0 ? findPlanet(s, body) : nullptr;
    return p ? planetaryScript(*p, s.planetNameFormat) : std::string();
}

} // namespace

bool MarriagePromise(const MatchSubject& s)
{
    const std::vector<int>& h = seventhCslHouses(s);
    return std::any_of(h.begin(), h.end(), [](int x) { return isOneOf(x, kMarriageHouses); });
}

int MarriageQuality(const MatchSubject& s)
{
    const std::vector<int>& h = seventhCslHouses(s);
    const bool second = contains(h, 2);
    const bool seventh = contains(h, 7);
    int q = second && seventh ? 5 : second ? 2 : seventh ? 3 : 0;
    if (contains(h, 11))
        q += 2;
    if (contains(h, 6))
        q -= 3;
    if (contains(h, 10))
        q -= 2;
    if (contains(h, 1))
        q -= 1;
    return q;
}

int MarriageRisk(const MatchSubject& s)
{
    const std::vector<int>& h = seventhCslHouses(s);
    return (contains(h, 6) ? 3 : 0) + (contains(h, 8) ? 4 : 0) + (contains(h, 12) ? 3 : 0);
}

bool DashaSupport(const MatchSubject& s)
{
    const engine::RunningDasha& d = s.runningDasha;
    if (!engine::isValidLord(d.mahadasha))
        return false;
    int favourable = 0;
    int unfavourable = 0;
    for (engine::LordIndex lord : {d.mahadasha, d.antardasha, d.pratyantardasha}) {
        if (!engine::isValidLord(lord))
            continue;
        const BodyId planet = engine::lordToBody(lord);
        const bool joins = signifiesAny(s, planet, kMarriageHouses);
        const bool separates = signifiesAny(s, planet, kSeparationHouses);
        if (joins && !separates)
            ++favourable;
        else if (separates && !joins)
            ++unfavourable;
    }
    return favourable >= 2 && unfavourable < 2;
}

MatchRuleResult KPMarriageMatchRule::Evaluate(const MatchSubject& boy,
                                              const MatchSubject& girl) const
{
    MatchRuleResult r;
    const bool boyPromise = MarriagePromise(boy);
    const bool girlPromise = MarriagePromise(girl);
    if (!boyPromise || !girlPromise) {
        r.status = "Reject";
        r.detail = "Marriage promise missing (7th CSL not signifying 2/7/11)";
        return r;
    }
    // With both promises held the cross link is always the full 4.
    const int cross = (boyPromise ? 2 : 0) + (girlPromise ? 2 : 0);
    const int boyQuality = MarriageQuality(boy);
    const int girlQuality = MarriageQuality(girl);
    const int risk = MarriageRisk(girl) + MarriageRisk(boy);
    const int supported = (DashaSupport(boy) ? 1 : 0) + (DashaSupport(girl) ? 1 : 0);
    const int dasha = supported == 2 ? 3 : supported;

    r.detail = "Promise:OK Quality(B:" + std::to_string(boyQuality) +
               ",G:" + std::to_string(girlQuality) + ") Cross:" + std::to_string(cross) +
               " Risk:" + std::to_string(risk) + " Dasha:" + std::to_string(dasha) + " ";

    const int total = cross - risk + girlQuality + boyQuality + dasha;
    if (total < 0) {
        r.status = "Weak";
        return r;
    }
    const int score = std::min(total, kMaxScore);
    r.score = score;
    r.status = statusFrom(score, 18, 12, 6);
    return r;
}

MatchRuleResult NadiSubLordComparisonRule::Evaluate(const MatchSubject& boy,
                                                    const MatchSubject& girl) const
{
    MatchRuleResult r;
    int points = 0;
    std::string detail;

    const BodyId boy7 = cuspSubLord(boy, 7);
    const BodyId girl7 = cuspSubLord(girl, 7);
    for (const auto& [label, s, csl] :
         {std::tuple{"Boy", &boy, boy7}, std::tuple{"Girl", &girl, girl7}}) {
        detail += label;
        if (csl < 0) {
            detail += "7th:Missing ";
            continue;
        }
        const bool joins = signifiesAny(*s, csl, kMarriageHouses);
        const bool denies = signifiesAny(*s, csl, {1, 6, 10});
        if (joins && denies) {
            points += 2;
            detail += "7th:Mixed(2,7,11 & 1,6,10) ";
        } else if (joins) {
            points += 4;
            detail += "7th:Strong(2,7,11) ";
        } else if (denies) {
            detail += "7th:Denied(1,6,10) ";
        } else {
            detail += "7th:Neutral ";
        }
    }

    if (boy7 >= 0 && girl7 >= 0) {
        if (boy7 == girl7) {
            points += 4;
            detail += "7thCSL:SamePlanet(+4) ";
        } else if (IsNaturalFriend(boy7, girl7) && IsNaturalFriend(girl7, boy7)) {
            points += 5;
            detail += "7thCSL:MutualFriends(+5) ";
        } else if (IsNaturalFriend(boy7, girl7) || IsNaturalFriend(girl7, boy7)) {
            points += 2;
            detail += "7thCSL:OneWayFriend(+2) ";
        } else {
            detail += "7thCSL:Neutral/Enemies(+0) ";
        }
    }

    if (signifiesAny(boy, cuspSubLord(boy, 2), kMarriageHouses) &&
        signifiesAny(girl, cuspSubLord(girl, 2), kMarriageHouses)) {
        points += 2;
        detail += "2ndCSL:BothPromise(+2) ";
    }

    const engine::CuspPosition* boyFirst = findCusp(boy, 1);
    const engine::CuspPosition* girlFirst = findCusp(girl, 1);
    if (boyFirst && girlFirst && boyFirst->starLord == girlFirst->starLord) {
        points += 1;
        detail += "1stCSL:SameStarLord(+1) ";
    }

    const BodyId boy11 = cuspSubLord(boy, 11);
    const BodyId girl11 = cuspSubLord(girl, 11);
    if (boy11 >= 0 && girl11 >= 0) {
        if (IsNaturalFriend(boy11, girl11)) {
            points += 2;
            detail += "11thCSL:Friendly(+2) ";
        } else {
            detail += "11thCSL:Weak(+0) ";
        }
    }

    // A missing 8th CSL is a body that befriends nobody but itself, so two
    // missing ones count as the same body.
    const BodyId boy8 = cuspSubLord(boy, 8);
    const BodyId girl8 = cuspSubLord(girl, 8);
    if (IsNaturalFriend(boy8, girl8) || IsNaturalFriend(girl8, boy8)) {
        points += 1;
        detail += "8thCSL:NoEnmity(+1) ";
    } else {
        detail += "8thCSL:Enemies(+0) ";
    }

    const auto unafflicted = [](const engine::PlanetPosition* p) {
        return p && !p->dignity.combust && !p->dignity.debilitated;
    };
    if (unafflicted(findPlanet(boy, engine::body::Venus))) {
        points += 1;
        detail += "BoyVenus:Strong(+1) ";
    } else {
        detail += "BoyVenus:Weak ";
    }
    if (unafflicted(findPlanet(girl, engine::body::Jupiter))) {
        points += 1;
        detail += "GirlJup:Strong(+1) ";
    } else {
        detail += "GirlJup:Weak ";
    }

    const int score = std::min(points, kMaxScore);
    r.score = score;
    r.status = statusFrom(score, 20, 14, 8);
    r.detail = detail.empty() ? "No significant KP links found." : detail;
    return r;
}

MatchRuleResult KPSeventhHouseRule::Evaluate(const MatchSubject& boy,
                                             const MatchSubject& girl) const
{
    MatchRuleResult r;
    const engine::PlanetPosition* boySub = subLordPlanet(boy, 7);
    const engine::PlanetPosition* girlSub = subLordPlanet(girl, 7);
    if (!boySub || !girlSub) {
        r.detail = "7th cusp data missing in one or both charts.";
        return r;
    }
    const std::string boyName = planetName(boy, *boySub);
    const std::string girlName = planetName(girl, *girlSub);
    const bool boyLinked =
        isLinkedInto(boyName, planetaryScript(*girlSub, girl.planetNameFormat)) ||
        boyName == girlName || isLinkedInto(boyName, cuspScriptOf(girl, 7));
    const bool girlLinked =
        isLinkedInto(girlName, planetaryScript(*boySub, boy.planetNameFormat)) ||
        girlName == boyName || isLinkedInto(girlName, cuspScriptOf(boy, 7));

    if (boyLinked && girlLinked) {
        r.score = 15;
        r.detail = "Excellent Match: Mutual sub-lord linkage found in both VII and planetary "
                   "scripts. Indicates strong attraction, emotional reciprocity, and natural "
                   "bonding.";
    } else if (boyLinked) {
        r.score = 10;
        r.detail = "Partial Match: Boy's sub-lord is connected in girl's chart. Boy shows "
                   "stronger initiative; girl may respond with delay or selectivity.";
    } else if (girlLinked) {
        r.score = 10;
        r.detail = "Partial Match: Girl's sub-lord is connected in boy's chart. Girl is more "
                   "responsive; boy may take time to reciprocate.";
    } else {
        r.score = 3;
        r.detail = "Weak Match: No sub-lord linkage found in either VII or planetary scripts. "
                   "Indicates weak bonding, delayed response, or lack of mutual interest.";
    }
    return r;
}

MatchRuleResult KP17SubMatchRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    const engine::PlanetPosition* boyFirst = subLordPlanet(boy, 1);
    const engine::PlanetPosition* boySeventh = subLordPlanet(boy, 7);
    const engine::PlanetPosition* girlFirst = subLordPlanet(girl, 1);
    const engine::PlanetPosition* girlSeventh = subLordPlanet(girl, 7);
    if (!boyFirst || !boySeventh || !girlFirst || !girlSeventh) {
        r.detail = "Required cuspal data (1st/7th) missing in one or both charts.";
        return r;
    }
    const std::string boyFirstName = planetName(boy, *boyFirst);
    const std::string girlFirstName = planetName(girl, *girlFirst);
    const std::string boyScript = cuspScriptOf(boy, 7);
    const std::string girlScript = cuspScriptOf(girl, 7);
    const std::string boySubScript = seventhSubScript(boy, *boySeventh);
    const std::string girlSubScript = seventhSubScript(girl, *girlSeventh);

    const bool maleLinked = isLinkedInto(boyFirstName, toUpperAscii(girlScript)) ||
                            isLinkedInto(boyFirstName, toUpperAscii(girlSubScript));
    const bool femaleLinked = isLinkedInto(girlFirstName, toUpperAscii(boyScript)) ||
                              isLinkedInto(girlFirstName, toUpperAscii(boySubScript));

    if (maleLinked && femaleLinked) {
        r.score = 15;
        r.detail = "Excellent Match: Both partners' 1st house sub-lords are strongly linked to "
                   "each other's 7th house. Indicates mutual attraction, responsiveness, and "
                   "balanced relationship dynamics.";
    } else if (maleLinked) {
        r.score = 10;
        r.detail = "Partial Match: Male's 1st house sub-lord connects with female's 7th house. "
                   "Male shows stronger interest; female may respond gradually.";
    } else if (femaleLinked) {
        r.score = 10;
        r.detail = "Partial Match: Female's 1st house sub-lord connects with male's 7th house. "
                   "Female shows stronger inclination; male may take time to respond.";
    } else {
        r.score = 3;
        r.detail = "Weak Match: No linkage between 1st and 7th sub-lords across charts. "
                   "Indicates weak attraction or delayed relationship development.";
    }
    r.detail += "\n\n[Debug]\nBoy 1st Sub: " + boyFirstName + "\nGirl 7th Script: " + girlScript +
                "\nGirl 7th SubScript: " + girlSubScript + "\n\nGirl 1st Sub: " + girlFirstName +
                "\nBoy 7th Script: " + boyScript + "\nBoy 7th SubScript: " + boySubScript + "\n";
    return r;
}

} // namespace lumikan::match
