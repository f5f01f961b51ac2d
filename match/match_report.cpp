#include "match/match_report.h"

#include "match/rules/ashtakoota_rules.h"
#include "match/rules/dosha_rules.h"
#include "match/rules/kp_rules.h"
#include "match/rules/life_area_rules.h"
#include "match/rules/synastry_rules.h"

#include <array>
#include <string_view>

namespace lumikan::match {

namespace {

// The attribute of each person that an Ashtakoota row shows beside its score.
struct AshtakootaValue {
    std::string_view ruleName;
    std::string MatchSubject::*attribute;
};

constexpr std::array<AshtakootaValue, kAshtakootaRowCount> kAshtakootaValues = {{
    {"Varna", &MatchSubject::varna},
    {"Vashya", &MatchSubject::vashya},
    {"Tara", &MatchSubject::nakshatra},
    {"Yoni", &MatchSubject::yoni},
    {"Graha Maitri", &MatchSubject::moonSignLord},
    {"Gana", &MatchSubject::gana},
    {"Bhakoot", &MatchSubject::moonSign},
    {"Nadi", &MatchSubject::nadi},
}};

} // namespace

MatchRules CreateMatchRules()
{
    MatchRules rules;
    rules.reserve(27);
    rules.push_back(std::make_unique<VarnaRule>());
    rules.push_back(std::make_unique<VashyaRule>());
    rules.push_back(std::make_unique<TaraRule>());
    rules.push_back(std::make_unique<YoniRule>());
    rules.push_back(std::make_unique<GrahaMaitriRule>());
    rules.push_back(std::make_unique<GanaRule>());
    rules.push_back(std::make_unique<BhakootRule>());
    rules.push_back(std::make_unique<NadiRule>());
    rules.push_back(std::make_unique<VedhaRule>());
    rules.push_back(std::make_unique<RajjuRule>());
    rules.push_back(std::make_unique<MentalAttractionRule>());
    rules.push_back(std::make_unique<PhysicalAttractionRule>());
    rules.push_back(std::make_unique<DashakootRule>());
    rules.push_back(std::make_unique<MangalDoshaRule>());
    rules.push_back(std::make_unique<NadiDoshaDeepRule>());
    rules.push_back(std::make_unique<KPMarriageMatchRule>());
    rules.push_back(std::make_unique<NadiSubLordComparisonRule>());
    rules.push_back(std::make_unique<KPSeventhHouseRule>());
    rules.push_back(std::make_unique<KP17SubMatchRule>());
    rules.push_back(std::make_unique<NadiPlanetPositionRule>());
    rules.push_back(std::make_unique<SynastryRule>());
    rules.push_back(std::make_unique<NavamsaCompatibilityRule>());
    rules.push_back(std::make_unique<CompositeChartRule>());
    rules.push_back(std::make_unique<LongevityWidowhoodRule>());
    rules.push_back(std::make_unique<ProgenyCompatibilityRule>());
    rules.push_back(std::make_unique<TajikaAnnualChartRule>());
    rules.push_back(std::make_unique<VashyaPolarityRule>());
    return rules;
}

MatchReport RunMatch(const MatchRules& rules, const MatchSubject& boy, const MatchSubject& girl)
{
    MatchReport report;
    report.rows.reserve(rules.size());
    for (const std::unique_ptr<IMatchRule>& rule : rules) {
        MatchRuleResult result = rule->Evaluate(boy, girl);
        MatchRow row;
        row.name = rule->GetName();
        row.subject = rule->GetSubject();
        row.score = result.score;
        row.maxScore = static_cast<double>(rule->GetMaxScore());
        // Recognised by name, so a reordered list still shows the right values.
        for (const AshtakootaValue& v : kAshtakootaValues) {
            if (row.name == v.ruleName) {
                row.maleValue = boy.*v.attribute;
                row.femaleValue = girl.*v.attribute;
                break;
            }
        }
        row.status = std::move(result.status);
        row.detail = std::move(result.detail);
        report.totalScore += row.score;
        report.totalMax += row.maxScore;
        report.rows.push_back(std::move(row));
    }
    return report;
}

} // namespace lumikan::match
