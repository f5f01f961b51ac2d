#pragma once

#include "match/rules/rule_constants.h"

#include <string_view>

// Afflictions of the pair and the South Indian star-count factors.
namespace lumikan::match {

class VedhaRule final : public RuleConstants<VedhaRule> {
public:
    static constexpr std::string_view kName = "Vedha Dosha";
    static constexpr int kMaxScore = 1;
    static constexpr std::string_view kSubject =
        "Checks for Vedha Dosha based on Nakshatra positions.";
    // Ends after "Nakshatras": that is the text the report has always shown.
    static constexpr std::string_view kDescription = "Vedha Dosha occurs when the Nakshatras";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class RajjuRule final : public RuleConstants<RajjuRule> {
public:
    static constexpr std::string_view kName = "Rajju Dosha";
    static constexpr int kMaxScore = 1;
    static constexpr std::string_view kSubject = "Longevity & Wellbeing Check";
    static constexpr std::string_view kDescription =
        "Rajju checks the longevity and wellbeing of the couple by comparing Nakshatra groups. "
        "Same Rajju group causes dosha. Severity depends on the group: Shira (Severe) > Kantha "
        "(High) > Nabhi (Moderate) > Kati (Mild) > Pada (Least).";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class DashakootRule final : public RuleConstants<DashakootRule> {
public:
    static constexpr std::string_view kName = "Dashakoot (SI Pro)";
    static constexpr int kMaxScore = 10;
    static constexpr std::string_view kSubject =
        "Evaluates Mahendra, Stree Deergha with specific Rajju & Vedha analytics.";
    static constexpr std::string_view kDescription =
        "Comprehensive South Indian matching including Mahendra (growth), Stree Deergha "
        "(marital longevity), and detailed Rajju/Vedha risk analysis.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class MangalDoshaRule final : public RuleConstants<MangalDoshaRule> {
public:
    static constexpr std::string_view kName = "Mangal Dosha";
    static constexpr int kMaxScore = 10;
    static constexpr std::string_view kSubject = "";
    static constexpr std::string_view kDescription = "";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class NadiDoshaDeepRule final : public RuleConstants<NadiDoshaDeepRule> {
public:
    static constexpr std::string_view kName = "Nadi Dosha (Deep)";
    static constexpr int kMaxScore = 8;
    static constexpr std::string_view kSubject = "";
    static constexpr std::string_view kDescription = "";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

// Whether Mars stands in house 1, 2, 4, 7, 8 or 12 counted from the
// ascendant, the Moon or Venus.
bool HasMangalDosha(const MatchSubject& s);

} // namespace lumikan::match
