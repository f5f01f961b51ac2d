#include "match/rules/dosha_rules.h"

#include "match/match_common.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace lumikan::match {

namespace {

constexpr int kNone = -1;

// The Vedha partner of each nakshatra for VedhaRule: a symmetric pairing in
// which Shatabhisha has none.
constexpr std::array<int, 27> kVedhaPartner = {17, 16, 15, 14, 13, 12,    11, 10, 9,
                                               8,  7,  6,  5,  4,  3,     2,  1,  0,
                                               26, 25, 24, 22, 21, kNone, 20, 19, 18};

// The Vedha partner of each nakshatra for DashakootRule, tested both ways;
// Ashlesha and Chitra have none. Not the same pairing as VedhaRule's: each
// rule keeps its own table.
constexpr std::array<int, 27> kDashakootVedhaPartner = {17, 16, 15, 22, 21,    20, 19, 18, kNone,
                                                        26, 25, 24, 23, kNone, 24, 2,  1,  0,
                                                        7,  6,  5,  4,  3,     12, 11, 10, 9};

// Rajju groups: 0 Pada, 1 Kati, 2 Nabhi, 3 Kantha, 4 Shira.
constexpr std::array<int, 27> kRajjuGroup = {0, 1, 2, 3, 4, 3, 2, 1, 0, 0, 1, 2, 3, 4,
                                             3, 2, 1, 0, 0, 1, 2, 3, 4, 1, 4, 1, 0};

// DashakootRule's own Rajju grouping: 0 1 2 3 4 4 3 2 1, three times round.
constexpr std::array<int, 27> kDashakootRajjuGroup = {0, 1, 2, 3, 4, 4, 3, 2, 1, 0, 1, 2, 3, 4,
                                                      4, 3, 2, 1, 0, 1, 2, 3, 4, 4, 3, 2, 1};

template <std::size_t N> int lookup(const std::array<int, N>& table, int index)
{
    return index >= 0 && index < static_cast<int>(N) ? table[static_cast<std::size_t>(index)]
                                                     : kNone;
}

template <std::size_t N>
std::string_view lookup(const std::array<std::string_view, N>& table, int index,
                        std::string_view other)
{
    return index >= 0 && index < static_cast<int>(N) ? table[static_cast<std::size_t>(index)]
                                                     : other;
}

constexpr std::array<std::string_view, 5> kRajjuSeverity = {"Least", "Mild", "Moderate", "High",
                                                            "Severe"};
constexpr std::array<std::string_view, 5> kRajjuEffect = {
    "Causes wandering and displacement", "Causes poverty and suffering", "Affects progeny",
    "Affects wife's longevity", "Affects husband's longevity"};

constexpr std::array<std::string_view, 5> kDashakootRajjuText = {
    "Pada Rajju (Risk of Loss/Travel); ", "Kati Rajju (Risk of Poverty); ",
    "Nabhi Rajju (Risk to Children); ", "Kantha Rajju (Risk to Wife); ",
    "Siro Rajju (Risk to Husband); "};

constexpr std::array<std::string_view, 3> kNadiNames = {"Adi(Vata)", "Madhya(Pitta)",
                                                        "Antya(Kapha)"};
constexpr std::array<int, 4> kSubNadiOfPada = {0, 1, 2, 2};
constexpr std::array<std::string_view, 3> kSubNadiNames = {"Vata", "Pitta", "Kapha"};

// Mars in one of these houses from a reference sign is Mangal Dosha.
constexpr std::array<int, 6> kMangalHouses = {1, 2, 4, 7, 8, 12};

} // namespace

MatchRuleResult VedhaRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    const int b = floorIndex(boy.moonLongitude, kNakshatraWidthShort);
    const int g = floorIndex(girl.moonLongitude, kNakshatraWidthShort);
    if (b < 0 || g < 0) {
        r.status = "Skipped";
        r.detail = "Missing Nakshatra";
        return r;
    }
    const int partner = lookup(kVedhaPartner, b);
    if (partner != kNone && partner == g) {
        r.status = "Minor Dosha";
        r.detail = "Vedha Dosha (Afflicting Pair)";
        return r;
    }
    r.score = 1;
    r.status = "Clear";
    r.detail = "No Vedha Dosha";
    return r;
}

MatchRuleResult RajjuRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    const int b = floorIndex(boy.moonLongitude, kNakshatraWidthShort);
    const int g = floorIndex(girl.moonLongitude, kNakshatraWidthShort);
    if (b < 0 || b > 26 || g < 0 || g > 26) {
        r.status = "Skipped";
        r.detail = "Invalid Nakshatra index";
        return r;
    }
    const int group = lookup(kRajjuGroup, b);
    if (group != lookup(kRajjuGroup, g)) {
        r.score = 1;
        r.status = "Clear";
        r.detail = "No Rajju Dosha";
        return r;
    }
    // A shared Moon sign, or Moon signs with one lord, cancel the dosha.
    const engine::PlanetPosition* boyMoon = findPlanet(boy, engine::body::Moon);
    const engine::PlanetPosition* girlMoon = findPlanet(girl, engine::body::Moon);
    if (boyMoon && girlMoon) {
        const BodyId boyLord = signLordBody(signIndex(boyMoon->longitude));
        const BodyId girlLord = signLordBody(signIndex(girlMoon->longitude));
        if (boyLord >= 0 && boyLord == girlLord) {
            r.score = 1;
            r.status = "Clear";
            r.detail = "Rajju Dosha Cancelled (Same Rashi/Lord)";
            return r;
        }
    }
    r.status = "Critical Dosha";
    r.detail = "Rajju Dosha (" + std::string(lookup(kRajjuSeverity, group, "?")) + ") — " +
               std::string(lookup(kRajjuEffect, group, "?"));
    return r;
}

MatchRuleResult DashakootRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    const int b = nakshatraIndexMod27(boy.moonLongitude, kNakshatraWidthDouble);
    const int g = nakshatraIndexMod27(girl.moonLongitude, kNakshatraWidthDouble);

    const int group = lookup(kDashakootRajjuGroup, b);
    if (group == lookup(kDashakootRajjuGroup, g)) {
        r.status = "Inauspicious";
        r.detail = "[!] RAJJU DOSHA: " +
                   std::string(lookup(kDashakootRajjuText, group, "General Rajju Clash; "));
        return r;
    }

    int points = 0;
    std::string detail;
    const int m = (b - g + 27) % 27;
    const int mahendraCount = m + 1;
    if (m >= 3 && mahendraCount % 3 == 1) {
        points += 5;
        detail += "Mahendra: Pass (" + std::to_string(mahendraCount) + ") [+5]; ";
    } else {
        detail += "Mahendra: Fail (" + std::to_string(mahendraCount) + "); ";
    }

    const int s = (g - b + 27) % 27;
    const std::string streeCount = std::to_string(s + 1);
    if (s > 12) {
        points += 5;
        detail += "Stree Deergha: Excellent (" + streeCount + ") [+5]; ";
    } else if (s >= 8) {
        points += 3;
        detail += "Stree Deergha: Good (" + streeCount + ") [+3]; ";
    } else {
        detail += "Stree Deergha: Poor (" + streeCount + "); ";
        if (s <= 4) {
            detail += "[!] Stri-Dirgha Dosha; ";
            r.status = "Inauspicious";
        }
    }

    const int boyPartner = lookup(kDashakootVedhaPartner, b);
    const int girlPartner = lookup(kDashakootVedhaPartner, g);
    if ((boyPartner != kNone && boyPartner == g) || (girlPartner != kNone && girlPartner == b)) {
        points -= 2;
        detail += "[!] Vedha Dosha (Obstruction) [-2]; ";
    }

    points = std::clamp(points, 0, kMaxScore);
    r.score = points;
    if (r.status.empty()) {
        if (points >= 8)
            r.status = "Excellent";
        else if (points >= 5)
            r.status = "Good";
        else if (points >= 3)
            r.status = "Average";
        else
            r.status = "Poor";
    }
    r.detail = std::move(detail);
    return r;
}

bool HasMangalDosha(const MatchSubject& s)
{
    const engine::PlanetPosition* mars = findPlanet(s, engine::body::Mars);
    if (!mars || mars->longitude < 0.0)
        return false;
    const std::optional<int> marsSign = planetSign(s, engine::body::Mars);
    if (!marsSign)
        return false;

    std::array<std::optional<int>, 3> references = {
        s.cusps.empty() ? std::nullopt : cuspSign(s.cusps.front()),
        planetSign(s, engine::body::Moon), planetSign(s, engine::body::Venus)};
    for (const std::optional<int>& reference : references)
        if (reference && isOneOf(wholeSignHouse(*marsSign, *reference), kMangalHouses))
            return true;
    return false;
}

MatchRuleResult MangalDoshaRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    const bool boyHas = HasMangalDosha(boy);
    const bool girlHas = HasMangalDosha(girl);
    if (boyHas && girlHas) {
        r.score = 10;
        r.status = "Cancelled";
        r.detail = "Both charts have Mangal Dosha — dosha cancels.";
    } else if (!boyHas && !girlHas) {
        r.score = 10;
        r.status = "No Dosha";
        r.detail = "Neither chart has Mangal Dosha.";
    } else {
        r.status = "Dosha Present";
        r.detail = std::string(boyHas ? "Boy" : "Girl") + " has Mangal Dosha (uncancelled).";
    }
    return r;
}

MatchRuleResult NadiDoshaDeepRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    const int b = nakshatraIndexMod27(boy.moonLongitude, kNakshatraWidthDouble);
    const int g = nakshatraIndexMod27(girl.moonLongitude, kNakshatraWidthDouble);
    // Three consecutive stars share a Nadi.
    const int boyNadi = (b / 3) % 3;
    const int girlNadi = (g / 3) % 3;
    if (boyNadi != girlNadi) {
        r.score = 8;
        r.status = "No Dosha";
        r.detail = "Different Nadi (" + std::string(lookup(kNadiNames, boyNadi, "?")) + " vs " +
                   std::string(lookup(kNadiNames, girlNadi, "?")) + ") — clear.";
        return r;
    }

    const bool diffSign = signIndex(boy.moonLongitude) != signIndex(girl.moonLongitude);
    const bool diffStarLord = b % 9 != g % 9;
    const int boySub = lookup(kSubNadiOfPada, padaIndex(boy.moonLongitude));
    const int girlSub = lookup(kSubNadiOfPada, padaIndex(girl.moonLongitude));
    if (diffSign) {
        r.score = 8;
        r.status = "Cancelled (diff sign)";
    } else if (!diffStarLord) {
        r.score = 0;
        r.status = "Full Dosha";
    } else {
        r.score = 4;
        r.status = "Reduced (diff star lord)";
    }
    if (boySub == girlSub && r.score < 8)
        r.status += "+SameSubNadi";
    r.detail = "Both Nadi=" + std::string(lookup(kNadiNames, boyNadi, "?")) +
               " | SubNadi Boy=" + std::string(lookup(kSubNadiNames, boySub, "?")) +
               " Girl=" + std::string(lookup(kSubNadiNames, girlSub, "?")) +
               " | DiffSign=" + (diffSign ? "Yes" : "No") +
               " | DiffStarLord=" + (diffStarLord ? "Yes" : "No");
    return r;
}

} // namespace lumikan::match
