#pragma once

#include "match/rules/rule_constants.h"

#include <string_view>

// Where the planets of the two charts stand relative to each other.
namespace lumikan::match {

class MentalAttractionRule final : public RuleConstants<MentalAttractionRule> {
public:
    static constexpr std::string_view kName = "Mental & Emotional Attraction";
    static constexpr int kMaxScore = 5;
    static constexpr std::string_view kSubject =
        "Moon–Venus attraction (1/7 axis, same sign, 3/11 harmony, 6/8 friction) with KP 5th "
        "CSL love trigger.";
    static constexpr std::string_view kDescription =
        "Evaluates attraction using Moon–Venus synastry and KP 5th Cusp Sub Lord "
        "significations. Includes opposition (1/7), same sign comfort, friendly (3/11), "
        "frictional (6/8), and mutual romantic promise via 5th CSL.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class PhysicalAttractionRule final : public RuleConstants<PhysicalAttractionRule> {
public:
    static constexpr std::string_view kName = "Physical & Sexual Attraction";
    static constexpr int kMaxScore = 10;
    static constexpr std::string_view kSubject =
        "Mars–Venus chemistry, Rahu obsession, Ketu karmic link, and 8th CSL intimacy.";
    static constexpr std::string_view kDescription =
        "Evaluates sexual chemistry using Mars–Venus synastry, Rahu–Venus intensity, Ketu "
        "karmic influence, and KP 8th cusp sub lord compatibility.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class NadiPlanetPositionRule final : public RuleConstants<NadiPlanetPositionRule> {
public:
    static constexpr std::string_view kName = "Nadi Planet Positions";
    static constexpr int kMaxScore = 15;
    static constexpr std::string_view kSubject = "";
    static constexpr std::string_view kDescription = "";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class SynastryRule final : public RuleConstants<SynastryRule> {
public:
    static constexpr std::string_view kName = "Synastry (Compatibility Layer)";
    static constexpr int kMaxScore = 7;
    static constexpr std::string_view kSubject =
        "Evaluates life compatibility: ego, emotional bonding, growth, and karmic stress.";
    static constexpr std::string_view kDescription =
        "Measures deeper compatibility using Sun, Moon, Jupiter, and Saturn interactions. "
        "Excludes attraction factors (handled separately).";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class VashyaPolarityRule final : public RuleConstants<VashyaPolarityRule> {
public:
    static constexpr std::string_view kName = "Vashya Polarity";
    static constexpr int kMaxScore = 2;
    static constexpr std::string_view kSubject = "Innate Giving / Attraction";
    static constexpr std::string_view kDescription =
        "Measures magnetic attraction (Mars–Venus) along with emotional (Venus–Venus) and "
        "physical (Mars–Mars) harmony.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

} // namespace lumikan::match
