#pragma once

#include "match/rules/rule_constants.h"

#include <string_view>

// Krishnamurti Paddhati rules: cusp sub lords (CSL), their significations and
// the running dasha.
namespace lumikan::match {

class KPMarriageMatchRule final : public RuleConstants<KPMarriageMatchRule> {
public:
    static constexpr std::string_view kName = "KP Marriage Match (Pure KP)";
    static constexpr int kMaxScore = 25;
    static constexpr std::string_view kSubject =
        "KP-based matchmaking using CSL signification, cross-linking, and dasha.";
    // Ends after "Cross Linking:": that is the text the report has always shown.
    static constexpr std::string_view kDescription =
        "This rule evaluates compatibility based on KP principles:\n"
        "1. Marriage Promise: Both must have 7th CSL signifying 2/7/11 (mandatory)\n"
        "2. Marriage Quality: Points for 7th CSL signifying 2/7/11, minus points for malefics\n"
        "3. Cross Linking:";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class NadiSubLordComparisonRule final : public RuleConstants<NadiSubLordComparisonRule> {
public:
    static constexpr std::string_view kName = "KP Nadi & 7th House Analysis";
    static constexpr int kMaxScore = 25;
    static constexpr std::string_view kSubject = "Full KP CSL compatibility and house strength.";
    static constexpr std::string_view kDescription =
        "Detailed breakup of 7th CSL promise, mutual friendship, and Karaka strength.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class KPSeventhHouseRule final : public RuleConstants<KPSeventhHouseRule> {
public:
    static constexpr std::string_view kName = "KP 7th House Nadi Linkage";
    static constexpr int kMaxScore = 15;
    static constexpr std::string_view kSubject =
        "Checks 7th cusp sub-lord linkage via VII script and planetary script.";
    static constexpr std::string_view kDescription =
        "This rule evaluates relationship dynamics using KP-Nadi logic.\n"
        "It builds the VII script (Sign lord → Star → Sub → SubSub) and also evaluates the "
        "SubLord planetary script.\n\n"
        "Cross-linking of sub-lords between charts indicates responsiveness, bonding strength, "
        "and timing of relationship development.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class KP17SubMatchRule final : public RuleConstants<KP17SubMatchRule> {
public:
    static constexpr std::string_view kName = "KP 1-7 SubLord Axis Matching";
    static constexpr int kMaxScore = 15;
    static constexpr std::string_view kSubject =
        "Checks cross linkage between 1st and 7th house sub-lords.";
    static constexpr std::string_view kDescription =
        "This rule evaluates the interaction between self (1st house) and partner (7th house) "
        "using sub-lord linkage.\n\n"
        "Male 1st SubLord is checked in Female 7th house script and its sub-lord script.\n"
        "Female 1st SubLord is checked in Male 7th house script and its sub-lord script.\n\n"
        "This reflects attraction, response behavior, and relationship dynamics.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

// The chart measures of the KP marriage match, from the 7th CSL's houses.
bool MarriagePromise(const MatchSubject& s);
int MarriageQuality(const MatchSubject& s);
int MarriageRisk(const MatchSubject& s);
// At least two of the three running lords favour marriage and fewer than two
// oppose it.
bool DashaSupport(const MatchSubject& s);

} // namespace lumikan::match
