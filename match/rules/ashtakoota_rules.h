#pragma once

#include "match/rules/rule_constants.h"

#include <map>
#include <string>
#include <string_view>

// The eight kootas of the 36-point matching, each comparing one attribute of
// the two Moons.
namespace lumikan::match {

class VarnaRule final : public RuleConstants<VarnaRule> {
public:
    static constexpr std::string_view kName = "Varna";
    static constexpr int kMaxScore = 1;
    static constexpr std::string_view kSubject = "Natural Refinement & Work";
    static constexpr std::string_view kDescription =
        "Assesses the ego levels and natural professional inclinations. Usually, the first "
        "person's Varna should be equal to or higher than the second person's.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class VashyaRule final : public RuleConstants<VashyaRule> {
public:
    static constexpr std::string_view kName = "Vashya";
    static constexpr int kMaxScore = 2;
    static constexpr std::string_view kSubject = "Innate Giving & Attraction";
    static constexpr std::string_view kDescription =
        "Vashya measures the natural magnetic pull and power dynamic between the couple.";
    VashyaRule();
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;

private:
    // "Boygroup_Girlgroup" to points; the pairing is not symmetric.
    std::map<std::string, double> points_;
};

class TaraRule final : public RuleConstants<TaraRule> {
public:
    static constexpr std::string_view kName = "Tara";
    static constexpr int kMaxScore = 3;
    static constexpr std::string_view kSubject = "Comfort, Prosperity & Health";
    static constexpr std::string_view kDescription =
        "This koota focuses on the Birth Star compatibility to predict the longevity and "
        "well-being of the partners. It highlights whether the union will foster cumulative "
        "prosperity or face frequent health hurdles.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class YoniRule final : public RuleConstants<YoniRule> {
public:
    static constexpr std::string_view kName = "Yoni";
    static constexpr int kMaxScore = 4;
    static constexpr std::string_view kSubject = "Intimate Physical Compatibility";
    static constexpr std::string_view kDescription =
        "Yoni analyzes biological instincts and physical intimacy through animal symbols "
        "associated with the Nakshatras.";
    YoniRule();
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;

private:
    // The two animals in ascending order joined by "_", to points.
    std::map<std::string, int> points_;
};

class GrahaMaitriRule final : public RuleConstants<GrahaMaitriRule> {
public:
    static constexpr std::string_view kName = "Graha Maitri";
    static constexpr int kMaxScore = 5;
    static constexpr std::string_view kSubject = "Planetary Friendship";
    static constexpr std::string_view kDescription =
        "Assesses emotional and psychological compatibility based on the relationship between "
        "Moon sign lords.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class GanaRule final : public RuleConstants<GanaRule> {
public:
    static constexpr std::string_view kName = "Gana";
    static constexpr int kMaxScore = 6;
    static constexpr std::string_view kSubject = "Temperament & Nature";
    static constexpr std::string_view kDescription =
        "Gan categorizes personalities into Deva, Manushya, or Rakshasa. It identifies if their "
        "temperaments are compatible enough to handle daily life without constant friction.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class BhakootRule final : public RuleConstants<BhakootRule> {
public:
    static constexpr std::string_view kName = "Bhakoot";
    static constexpr int kMaxScore = 7;
    static constexpr std::string_view kSubject = "Rashi Relationship & Family Growth";
    static constexpr std::string_view kDescription =
        "Bhakoot evaluates Moon sign relationships to assess prosperity, harmony, and long-term "
        "compatibility.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

class NadiRule final : public RuleConstants<NadiRule> {
public:
    static constexpr std::string_view kName = "Nadi";
    static constexpr int kMaxScore = 8;
    static constexpr std::string_view kSubject = "Progeny & Genetic Health";
    static constexpr std::string_view kDescription =
        "Nadi represents genetic compatibility and health of offspring. Same Nadi indicates "
        "potential imbalance and is traditionally avoided.";
    MatchRuleResult Evaluate(const MatchSubject& boy, const MatchSubject& girl) const override;
};

} // namespace lumikan::match
