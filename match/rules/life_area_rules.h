#pragma once

#include "match/rules/rule_constants.h"

#include <string_view>

// Particular areas of married life: the Navamsa, a composite chart, longevity,
// progeny and the Tajika marriage yoga.
namespace lumikan::match {

class NavamsaCompatibilityRule final : public RuleConstants<NavamsaCompatibilityRule> {
public:
    static constexpr std::string_view kName = "Navamsa (D9) Compatibility";
    static constexpr int kMaxScore = 16;
    static constexpr std::string_view kSubject = "";
    static constexpr std::string_view kDescription = "";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class CompositeChartRule final : public RuleConstants<CompositeChartRule> {
public:
    static constexpr std::string_view kName = "Composite Chart";
    static constexpr int kMaxScore = 16;
    static constexpr std::string_view kSubject = "";
    static constexpr std::string_view kDescription = "";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class LongevityWidowhoodRule final : public RuleConstants<LongevityWidowhoodRule> {
public:
    static constexpr std::string_view kName = "Longevity/Widowhood";
    static constexpr int kMaxScore = 10;
    static constexpr std::string_view kSubject = "";
    static constexpr std::string_view kDescription = "";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class ProgenyCompatibilityRule final : public RuleConstants<ProgenyCompatibilityRule> {
public:
    static constexpr std::string_view kName = "Progeny";
    static constexpr int kMaxScore = 10;
    static constexpr std::string_view kSubject = "";
    static constexpr std::string_view kDescription = "";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class TajikaAnnualChartRule final : public RuleConstants<TajikaAnnualChartRule> {
public:
    static constexpr std::string_view kName = "Tajika/Annual Chart";
    static constexpr int kMaxScore = 15;
    static constexpr std::string_view kSubject = "";
    static constexpr std::string_view kDescription = "";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

// Midpoint of two longitudes on the shorter arc, in [0, 360).
double compositeLongitude(double aDeg, double bDeg);

} // namespace lumikan::match
