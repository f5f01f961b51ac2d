#include "match/match_charts.h"
#include "match/match_report.h"

#include "match_test_support.h"

#include "engine/dasha.h"

#include <gtest/gtest.h>

#include <set>

namespace lumikan::test {
namespace {

// Both people with the same Moon in Punarvasu, Gemini, and its particulars.
MatchSubject sameMoon()
{
    MatchSubject s = moonAt(85.0);
    s.moonSign = "Gemini";
    s.moonSignLord = "Mer";
    s.nakshatra = "Punarvasu";
    s.yoni = "Cat";
    s.gana = "Deva";
    s.nadi = "Adi";
    s.varna = "Shudra";
    s.vashya = "Manav";
    return s;
}

TEST(MatchReport, RuleListHoldsTwentySevenRulesWorth252)
{
    const match::MatchRules rules = match::CreateMatchRules();
    ASSERT_EQ(rules.size(), 27u);
    double ashtakoota = 0;
    double extended = 0;
    std::set<std::string> names;
    for (std::size_t i = 0; i < rules.size(); ++i) {
        (i < match::kAshtakootaRowCount ? ashtakoota : extended) += rules[i]->GetMaxScore();
        names.insert(rules[i]->GetName());
    }
    EXPECT_EQ(ashtakoota, 36);
    EXPECT_EQ(extended, 216);
    EXPECT_EQ(names.size(), 27u);
    EXPECT_EQ(rules[4]->GetName(), "Graha Maitri");
    EXPECT_EQ(rules[26]->GetName(), "Vashya Polarity");
    // Eight rules leave the subject to the rule name.
    int emptySubjects = 0;
    for (const auto& rule : rules)
        emptySubjects += rule->GetSubject().empty() ? 1 : 0;
    EXPECT_EQ(emptySubjects, 8);
}

TEST(MatchReport, SameChartTwiceScoresTwentyEightOfThirtySix)
{
    const MatchSubject s = sameMoon();
    const match::MatchReport report = match::RunMatch(match::CreateMatchRules(), s, s);
    ASSERT_EQ(report.rows.size(), 27u);
    const double expected[] = {1, 2, 3, 4, 5, 6, 7, 0};
    double ashtakoota = 0;
    for (int i = 0; i < match::kAshtakootaRowCount; ++i) {
        EXPECT_EQ(report.rows[i].score, expected[i]) << report.rows[i].name;
        ashtakoota += report.rows[i].score;
    }
    EXPECT_EQ(ashtakoota, 28);
    EXPECT_EQ(report.rows[2].detail, "Same Nakshatra");
    EXPECT_EQ(report.rows[7].status, "Dosha");
    EXPECT_EQ(report.totalMax, 252);

    // The compared attributes stand beside the Ashtakoota scores only.
    EXPECT_EQ(report.rows[2].maleValue, "Punarvasu");
    EXPECT_EQ(report.rows[4].femaleValue, "Mer");
    EXPECT_EQ(report.rows[6].maleValue, "Gemini");
    EXPECT_EQ(report.rows[7].femaleValue, "Adi");
    EXPECT_EQ(report.rows[8].maleValue, "");
    EXPECT_EQ(report.rows[0].subject, "Natural Refinement & Work");
    EXPECT_EQ(report.rows[13].subject, "");
}

// Scores nothing but keeps the wrapped rule's name and maximum.
class ZeroRule final : public match::IMatchRule {
public:
    explicit ZeroRule(std::unique_ptr<match::IMatchRule> rule) : rule_(std::move(rule)) {}
    std::string GetName() const override { return rule_->GetName(); }
    int GetMaxScore() const override { return rule_->GetMaxScore(); }
    std::string GetSubject() const override { return rule_->GetSubject(); }
    std::string GetDescription() const override { return rule_->GetDescription(); }
    match::MatchRuleResult Evaluate(const MatchSubject&, const MatchSubject&) const override
    {
        return {};
    }

private:
    std::unique_ptr<match::IMatchRule> rule_;
};

TEST(MatchReport, AllZeroScoresStillCountEveryMaximum)
{
    match::MatchRules rules;
    for (auto& rule : match::CreateMatchRules())
        rules.push_back(std::make_unique<ZeroRule>(std::move(rule)));
    MatchSubject boy = sameMoon();
    MatchSubject girl = sameMoon();
    girl.varna = "Brahmin";
    const match::MatchReport report = match::RunMatch(rules, boy, girl);
    EXPECT_EQ(report.totalScore, 0);
    EXPECT_EQ(report.totalMax, 252);
    EXPECT_EQ(report.rows[0].maleValue, "Shudra");
    EXPECT_EQ(report.rows[0].femaleValue, "Brahmin");
}

TEST(MatchReport, ChartSearchMessages)
{
    using match::MatchChartOutcome;
    EXPECT_EQ(match::matchChartOutcome(0), MatchChartOutcome::NoChart);
    EXPECT_EQ(match::matchChartOutcome(1), MatchChartOutcome::OneChart);
    EXPECT_EQ(match::matchChartOutcome(2), MatchChartOutcome::Ready);
    EXPECT_EQ(match::matchChartOutcome(5), MatchChartOutcome::TooMany);

    EXPECT_EQ(match::DescribeMatchProblem(MatchChartOutcome::OneChart, "Asha"),
              "One horoscope is open (Asha).\n\nPlease open or create the second chart,\nthen try "
              "Matchmaking again.");
    EXPECT_EQ(match::DescribeMatchProblem(MatchChartOutcome::OneChart, ""),
              "One horoscope is open (the first chart).\n\nPlease open or create the second "
              "chart,\nthen try Matchmaking again.");
    EXPECT_EQ(match::DescribeMatchProblem(MatchChartOutcome::TooMany, "Asha").find("Asha"),
              std::string::npos);
    EXPECT_EQ(match::DescribeMatchProblem(MatchChartOutcome::Ready, "Asha"), "");
}

TEST(MatchSubject, TakesTheChartsParticularsAndTheDashaRunningOnTheGivenDay)
{
    engine::Chart chart;           // no ephemeris: the Moon reads 0 degrees
    chart.julianDayUt = 2451544.5; // 2000-01-01 0h UT
    chart.birth.gender = 1;
    chart.birthParticulars.rashi = "Aries";
    chart.birthParticulars.moonSignLordName = "Mar";
    chart.birthParticulars.vashya = "Chatuspad";
    chart.moonStarLord = l::Ketu;
    chart.planetOwnSignificators.push_back({b::Sun, {1, 5}});
    engine::CuspPosition c;
    c.number = 1;
    chart.cusps.push_back(c);
    engine::PlanetPosition p;
    p.body = b::Sun;
    chart.planets.push_back(p);
    chart.vargas[9].positions.push_back({});
    chart.vargas[9].positions.back().body = b::Mars;
    // A Moon at 0° starts the cycle with Ketu's whole 7 years.
    chart.dasha = engine::buildDashaSpans(chart.julianDayUt, 0.0, 3);

    match::SubjectInputs inputs;
    inputs.displayName = "Asha";
    inputs.planetNameFormat = 2;
    inputs.signNameFormat = 1;
    // Ketu's 7 years run from birth; in its sixth antardasha, Rahu's
    // (days 1065 to 1449), the first pratyantardasha is Rahu's again.
    inputs.today = {2003, 1, 1, 12, 0, 0};
    const MatchSubject s = match::makeMatchSubject(chart, inputs);
    EXPECT_EQ(s.name, "Asha");
    EXPECT_EQ(s.gender, 1);
    EXPECT_EQ(s.moonLongitude, 0.0);
    EXPECT_EQ(s.moonSign, "Aries");
    EXPECT_EQ(s.moonSignLord, "Mar");
    EXPECT_EQ(s.vashya, "Chatuspad");
    ASSERT_EQ(s.significations.size(), 1u);
    EXPECT_EQ(s.significations[0].houses, (std::vector<int>{1, 5}));
    ASSERT_EQ(s.navamsa.positions.size(), 1u);
    EXPECT_EQ(s.navamsa.positions[0].body, b::Mars);
    EXPECT_EQ(s.moonStarLord, l::Ketu);
    EXPECT_EQ(s.planetNameFormat, 2);
    EXPECT_EQ(s.runningDasha.mahadasha, l::Ketu);
    EXPECT_EQ(s.runningDasha.antardasha, l::Rahu);
    EXPECT_EQ(s.runningDasha.pratyantardasha, l::Rahu);

    // Past the whole cycle nothing runs.
    inputs.today = {2150, 1, 1, 0, 0, 0};
    EXPECT_EQ(match::makeMatchSubject(chart, inputs).runningDasha.mahadasha, -1);
    // A chart without vargas has no Navamsa.
    chart.vargas.clear();
    EXPECT_TRUE(match::makeMatchSubject(chart, inputs).navamsa.positions.empty());
}

} // namespace
} // namespace lumikan::test
