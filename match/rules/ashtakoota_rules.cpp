#include "match/rules/ashtakoota_rules.h"

#include "match/match_common.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lumikan::match {

namespace {

int varnaRank(const std::string& varna)
{
    if (varna == "Brahmin")
        return 4;
    if (varna == "Kshatriya")
        return 3;
    if (varna == "Vaishya")
        return 2;
    if (varna == "Shudra")
        return 1;
    return 0;
}

struct VashyaEntry {
    std::string_view boy;
    std::string_view girl;
    double points;
};

// Every ordered pair of two different groups; the boy's group comes first.
constexpr std::array<VashyaEntry, 20> kVashyaTable = {{
    {"Manav", "Jalachara", 1.0},     {"Manav", "Chatuspad", 1.0},
    {"Manav", "Vanachara", 0.0},     {"Manav", "Keeta", 1.0},
    {"Jalachara", "Manav", 0.5},     {"Jalachara", "Chatuspad", 1.0},
    {"Jalachara", "Vanachara", 1.0}, {"Jalachara", "Keeta", 1.0},
    {"Chatuspad", "Manav", 1.0},     {"Chatuspad", "Jalachara", 1.0},
    {"Chatuspad", "Vanachara", 0.0}, {"Chatuspad", "Keeta", 1.0},
    {"Vanachara", "Manav", 0.0},     {"Vanachara", "Jalachara", 1.0},
    {"Vanachara", "Chatuspad", 1.0}, {"Vanachara", "Keeta", 0.0},
    {"Keeta", "Manav", 1.0},         {"Keeta", "Jalachara", 1.0},
    {"Keeta", "Chatuspad", 1.0},     {"Keeta", "Vanachara", 0.0},
}};

struct YoniEntry {
    std::string_view a;
    std::string_view b;
    int points;
};

// Pairs of animals that differ from the neutral 2 points.
constexpr std::array<YoniEntry, 31> kYoniTable = {{
    {"Buffalo", "Horse", 0},    {"Elephant", "Lion", 0},   {"Monkey", "Sheep", 0},
    {"Mongoose", "Serpent", 0}, {"Deer", "Dog", 0},        {"Cat", "Rat", 0},
    {"Cow", "Tiger", 0},

    {"Buffalo", "Elephant", 3}, {"Buffalo", "Sheep", 3},   {"Elephant", "Horse", 3},
    {"Elephant", "Sheep", 3},   {"Deer", "Elephant", 3},   {"Cow", "Sheep", 3},
    {"Buffalo", "Cow", 3},      {"Cat", "Monkey", 3},      {"Cat", "Deer", 3},
    {"Mongoose", "Monkey", 3},  {"Cow", "Deer", 3},        {"Horse", "Monkey", 3},
    {"Cat", "Elephant", 3},     {"Elephant", "Monkey", 3},

    {"Horse", "Lion", 1},       {"Horse", "Tiger", 1},     {"Elephant", "Tiger", 1},
    {"Sheep", "Tiger", 1},      {"Serpent", "Tiger", 1},   {"Monkey", "Tiger", 1},
    {"Cat", "Tiger", 1},        {"Rat", "Tiger", 1},       {"Buffalo", "Tiger", 1},
    {"Lion", "Tiger", 1},
}};

constexpr int kYoniUnlisted = 2;

std::string yoniKey(std::string_view a, std::string_view b)
{
    if (b < a)
        std::swap(a, b);
    std::string key(a);
    key += '_';
    key += b;
    return key;
}

// The tara count from one star to the other is favourable at 1, 3, 5, 7, 8.
bool favourableTara(int count)
{
    return isOneOf(count, {1, 3, 5, 7, 8});
}

} // namespace

MatchRuleResult VarnaRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    if (boy.varna.empty() || girl.varna.empty()) {
        r.status = "Skipped";
        return r;
    }
    const int first = varnaRank(boy.varna);
    const int second = varnaRank(girl.varna);
    // The test reads "first chart at least as high"; charts opened girl first
    // and marked so turn it round.
    const bool reversed = boy.gender == 1 && girl.gender == 0;
    const bool pass = reversed ? second >= first : first >= second;
    if (pass) {
        r.score = 1;
        r.status = "Good";
        r.detail = "Varna hierarchy maintained";
    } else {
        r.status = "Mismatch";
        r.detail = "First Varna lower than second";
    }
    return r;
}

VashyaRule::VashyaRule()
{
    for (const VashyaEntry& e : kVashyaTable)
        points_.emplace(std::string(e.boy) + "_" + std::string(e.girl), e.points);
}

MatchRuleResult VashyaRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    if (boy.vashya.empty() || girl.vashya.empty()) {
        r.status = "Skipped";
        return r;
    }
    if (boy.vashya == girl.vashya) {
        r.score = 2;
        r.status = "Excellent";
        return r;
    }
    const auto it = points_.find(boy.vashya + "_" + girl.vashya);
    if (it == points_.end()) {
        r.status = "Bad";
        return r;
    }
    r.score = it->second;
    r.status = it->second >= 1.0 ? "Good" : "Average";
    return r;
}

MatchRuleResult TaraRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    if (boy.nakshatra.empty() || girl.nakshatra.empty()) {
        r.status = "Skipped";
        r.detail = "Missing Nakshatra";
        return r;
    }
    const int b = floorIndex(boy.moonLongitude, kNakshatraWidthShort);
    const int g = floorIndex(girl.moonLongitude, kNakshatraWidthShort);
    if (b == g) {
        r.score = 3;
        r.status = "Excellent";
        r.detail = "Same Nakshatra";
        return r;
    }
    const bool forward = favourableTara(((g - b + 27) % 27) % 9);
    const bool backward = favourableTara(((b - g + 27) % 27) % 9);
    if (forward && backward) {
        r.score = 3;
        r.status = "Excellent";
    } else if (forward || backward) {
        r.score = 1.5;
        r.status = "Average";
    } else {
        r.status = "Bad";
    }
    return r;
}

YoniRule::YoniRule()
{
    for (const YoniEntry& e : kYoniTable)
        points_.emplace(yoniKey(e.a, e.b), e.points);
}

MatchRuleResult YoniRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    if (boy.yoni.empty() || girl.yoni.empty()) {
        r.status = "Skipped";
        return r;
    }
    int points = 4;
    if (boy.yoni != girl.yoni) {
        const auto it = points_.find(yoniKey(boy.yoni, girl.yoni));
        points = it == points_.end() ? kYoniUnlisted : it->second;
    }
    constexpr std::array<std::string_view, 5> statusByPoints = {"Enemy", "Unfriendly", "Neutral",
                                                                "Friendly", "Excellent"};
    r.score = points;
    r.status = std::string(statusByPoints[static_cast<std::size_t>(points)]);
    return r;
}

MatchRuleResult GrahaMaitriRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    r.status = "Unknown";
    // The remainders truncate, so a negative longitude gives no sign.
    const auto moonLord = [](double lon) {
        return signLordBody(floorIndex(std::fmod(lon, 360.0), 30.0) % 12);
    };
    const BodyId boyLord = moonLord(boy.moonLongitude);
    const BodyId girlLord = moonLord(girl.moonLongitude);
    if (boyLord < 0 || girlLord < 0) {
        r.status = "Error";
        r.detail = "Invalid Moon sign data.";
        return r;
    }
    const Relation a = NaturalRelation(boyLord, girlLord);
    const Relation b = NaturalRelation(girlLord, boyLord);
    const auto count = [&](Relation rel) { return (a == rel ? 1 : 0) + (b == rel ? 1 : 0); };
    const int friends = count(Relation::Friend);
    const int neutrals = count(Relation::Neutral);
    const int enemies = count(Relation::Enemy);

    std::string_view relationText;
    if (boyLord == girlLord || friends == 2) {
        r.score = 5;
        r.status = "Excellent";
        relationText = "Both Moon sign lords are mutual friends → strong emotional bonding, "
                       "mutual understanding, and harmony. ";
    } else if (friends == 1 && neutrals == 1) {
        r.score = 4;
        r.status = "Good";
        relationText = "One lord is friendly while the other is neutral → generally supportive "
                       "relationship with minor differences. ";
    } else if (neutrals == 2) {
        r.score = 3;
        r.status = "Average";
        relationText = "Both lords are neutral → moderate compatibility; relationship requires "
                       "effort to build deeper understanding. ";
    } else if (friends == 1 && enemies == 1) {
        r.score = 1;
        r.status = "Poor";
        relationText = "One lord is friendly but the other considers it an enemy → imbalance in "
                       "expectations, leading to misunderstandings. ";
    } else if (neutrals == 1 && enemies == 1) {
        r.score = 1;
        r.status = "Poor";
        relationText = "Neutral–Enemy relationship → communication gaps and differing "
                       "perspectives may create friction. ";
    } else {
        r.score = 0;
        r.status = "Bad";
        relationText = "Both Moon sign lords are mutual enemies → strong differences in mindset, "
                       "high potential for conflict. ";
    }
    r.detail = "Moon Lords: " + std::string(planetDisplayName(boyLord)) + " & " +
               std::string(planetDisplayName(girlLord)) + " → " + r.status + ". " +
               std::string(relationText);
    return r;
}

MatchRuleResult GanaRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    if (boy.gana.empty() || girl.gana.empty()) {
        r.status = "Skipped";
        return r;
    }
    if (boy.gana == girl.gana) {
        r.score = 6;
        r.status = "Excellent";
    } else if ((boy.gana == "Deva" && girl.gana == "Manushya") ||
               (boy.gana == "Manushya" && girl.gana == "Deva")) {
        r.score = 5;
        r.status = "Good";
    } else {
        r.status = "Gana Dosha";
    }
    return r;
}

MatchRuleResult BhakootRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    const int b = floorIndex(boy.moonLongitude, 30.0);
    const int g = floorIndex(girl.moonLongitude, 30.0);
    if (b < 0 || g < 0) {
        r.status = "Skipped";
        r.detail = "Missing Rashi";
        return r;
    }
    const int diff = std::abs(b - g);
    const int distance = std::min(diff, 12 - diff);
    // 1 is the 2/12 relation, 4 the 5/9, 5 the 6/8.
    if (!isOneOf(distance, {1, 4, 5})) {
        r.score = 7;
        r.status = "Good";
        r.detail = "Favorable Rashi relation";
        return r;
    }
    const BodyId boyLord = signLordBody(b);
    const BodyId girlLord = signLordBody(g);
    bool cancelled = false;
    if (boyLord != girlLord)
        cancelled = distance == 5 && IsNaturalFriend(boyLord, girlLord) &&
                    IsNaturalFriend(girlLord, boyLord);
    else
        cancelled = !(distance == 5 && boyLord == engine::body::Mars);
    if (cancelled) {
        r.score = 7;
        r.status = "Cancelled Dosha";
        r.detail = "Bhakoot dosha cancelled via Lord friendship/identity";
    } else {
        r.status = "Dosha";
        r.detail = "Bhakoot dosha present";
    }
    return r;
}

MatchRuleResult NadiRule::Evaluate(const MatchSubject& boy, const MatchSubject& girl) const
{
    MatchRuleResult r;
    if (boy.nadi.empty() || girl.nadi.empty()) {
        r.status = "Skipped";
        r.detail = "Missing Nadi";
        return r;
    }
    if (boy.nadi != girl.nadi) {
        r.score = 8;
        r.status = "Excellent";
        r.detail = "Different Nadi";
        return r;
    }
    r.status = "Dosha";
    r.detail = "Same Nadi";
    const int boyStar = floorIndex(boy.moonLongitude, kNakshatraWidthShort);
    const int girlStar = floorIndex(girl.moonLongitude, kNakshatraWidthShort);
    const BodyId boyLord = signLordBody(floorIndex(boy.moonLongitude, 30.0));
    const BodyId girlLord = signLordBody(floorIndex(girl.moonLongitude, 30.0));
    const bool lordsKnown = boyLord >= 0 && girlLord >= 0;
    const bool cancelled =
        boyStar == girlStar ||
        (lordsKnown && (boyLord == girlLord || (IsNaturalFriend(boyLord, girlLord) &&
                                                IsNaturalFriend(girlLord, boyLord))));
    // The points stay at 0: the cancellation only sends the reader to the KP rules.
    if (cancelled)
        r.detail += " but cancelled by other factors - Check KP";
    return r;
}

} // namespace lumikan::match
