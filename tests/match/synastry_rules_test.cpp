#include "match/rules/synastry_rules.h"

#include "match_test_support.h"

#include <gtest/gtest.h>

namespace lumikan::test {
namespace {

using match::MatchRuleResult;

MatchSubject planets(std::initializer_list<std::pair<BodyId, double>> positions)
{
    MatchSubject s;
    for (const auto& [body, lon] : positions)
        place(s, body, lon);
    return s;
}

// The 5th cusp's sub lord Mars, signifying `houses`.
void fifthCsl(MatchSubject& s, std::vector<int> houses)
{
    cusp(s, 5, 120.0, l::Mars);
    signify(s, b::Mars, std::move(houses));
}

TEST(SynastryRules, MentalAttractionCountsTheAxisOnce)
{
    const match::MentalAttractionRule rule;
    // Her Moon opposite his Venus and her Venus opposite his Moon.
    MatchSubject boy = planets({{b::Venus, 10.0}, {b::Moon, 100.0}});
    MatchSubject girl = planets({{b::Moon, 190.0}, {b::Venus, 280.0}});
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{2, "Moderate Attraction",
                      "MaleVenus↔FemaleMoon(7th,+2) MaleMoon↔FemaleVenus(7th) "}));

    fifthCsl(boy, {5});
    MatchRuleResult r = rule.Evaluate(boy, girl);
    EXPECT_EQ(r.score, 2);
    EXPECT_EQ(r.detail, "MaleVenus↔FemaleMoon(7th,+2) MaleMoon↔FemaleVenus(7th) 5thCSL:OneSided ");
    fifthCsl(girl, {11});
    r = rule.Evaluate(boy, girl);
    EXPECT_EQ(r.score, 3);
    EXPECT_EQ(r.status, "Strong Attraction");

    // Third from his Venus, and her Venus on his Moon.
    r = rule.Evaluate(planets({{b::Venus, 10.0}, {b::Moon, 130.0}}),
                      planets({{b::Moon, 70.0}, {b::Venus, 125.0}}));
    EXPECT_EQ(r.score, 2);
    EXPECT_EQ(r.detail, "Moon-Venus SameSign(+1) Venus↔Moon(3/11,+1) ");

    // Friction alone cannot go below zero.
    EXPECT_EQ(result(rule.Evaluate(planets({{b::Venus, 10.0}, {b::Moon, 10.0}}),
                                   planets({{b::Moon, 160.0}, {b::Venus, 40.0}}))),
              (Result{0, "Low Attraction", "Venus↔Moon(6/8,Friction,-1) "}));

    r = rule.Evaluate(planets({{b::Venus, 10.0}}), girl);
    EXPECT_EQ(r.status, "Unknown");
    EXPECT_EQ(r.detail, "Planet positions not available.");
}

TEST(SynastryRules, PhysicalAttractionCapsTheNodes)
{
    const match::PhysicalAttractionRule rule;
    // His Rahu in her Venus sign and hers in his: 2 + 2 + 2, capped at 4.
    EXPECT_EQ(
        result(rule.Evaluate(planets({{b::Venus, 40.0}, {b::Rahu, 125.0}, {b::Mars, 70.0}}),
                             planets({{b::Venus, 130.0}, {b::Rahu, 45.0}, {b::Mars, 340.0}}))),
        (Result{4, "Strong Chemistry",
                "MaleRahu=FemaleVenus(+2) FemaleRahu=MaleVenus(+2) "
                "Rahu-Venus:DoubleExplosive(+2) "}));

    // Mars opposite Venus both ways is still one axis.
    MatchSubject boy = planets({{b::Mars, 10.0}, {b::Venus, 280.0}});
    MatchSubject girl = planets({{b::Venus, 190.0}, {b::Mars, 100.0}});
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{2, "Moderate Chemistry",
                      "MaleMars↔FemaleVenus(7th,+2) FemaleMars↔MaleVenus(7th) "}));

    // The 8th sub lords: the same planet, or his befriending hers.
    cusp(boy, 8, 220.0, l::Venus);
    cusp(girl, 8, 220.0, l::Venus);
    EXPECT_EQ(rule.Evaluate(boy, girl).score, 5);
    boy.cusps.back().subLord = l::Sun;
    girl.cusps.back().subLord = l::Moon;
    MatchRuleResult r = rule.Evaluate(boy, girl);
    EXPECT_EQ(r.score, 4);
    EXPECT_NE(r.detail.find("8thCSL:Friendly(+2) "), std::string::npos);
    // Mercury does not count the Moon a friend, though the Moon counts Mercury one.
    boy.cusps.back().subLord = l::Mercury;
    EXPECT_EQ(rule.Evaluate(boy, girl).score, 2);

    // His Rahu opposite her Venus puts his Ketu on it.
    r = rule.Evaluate(planets({{b::Rahu, 10.0}, {b::Mars, 100.0}, {b::Venus, 160.0}}),
                      planets({{b::Venus, 190.0}, {b::Mars, 130.0}}));
    EXPECT_EQ(r.score, 2);
    EXPECT_EQ(r.detail, "Rahu-Venus(7th,+2) Ketu-Venus:Karmic ");

    EXPECT_EQ(result(rule.Evaluate(planets({{b::Mars, 10.0}, {b::Venus, 70.0}}),
                                   planets({{b::Venus, 160.0}, {b::Mars, 10.0}}))),
              (Result{0, "Low Chemistry", "Mars-Venus:6/8(-1) "}));

    r = rule.Evaluate(planets({{b::Venus, 10.0}}), girl);
    EXPECT_EQ(r.status, "Unknown");
    EXPECT_EQ(r.detail, "Planet data missing.");
}

TEST(SynastryRules, NadiPlanetPositionsCompareTheSamePlanet)
{
    const match::NadiPlanetPositionRule rule;
    const MatchSubject chart = planets({{b::Moon, 100.0},
                                        {b::Venus, 50.0},
                                        {b::Sun, 200.0},
                                        {b::Mars, 10.0},
                                        {b::Jupiter, 250.0},
                                        {b::Saturn, 300.0},
                                        {b::Mercury, 190.0}});
    // 17 capped
    EXPECT_EQ(result(rule.Evaluate(chart, chart)),
              (Result{15, "Soul Connection",
                      "Moon:SameNak(+5) Venus:SameSign(+4) Venus:SameNak(+2) Sun:SameSign(+2) "
                      "Mars:SameSign(+1) Jup:SameSign(+1) Sat:SameSign(+1) Mer:SameSign(+1) "}));

    // Same signs in different stars.
    EXPECT_EQ(result(rule.Evaluate(planets({{b::Moon, 91.0}, {b::Venus, 31.0}}),
                                   planets({{b::Moon, 118.0}, {b::Venus, 58.0}}))),
              (Result{6, "Compatible", "Moon:SameSign(+2) Venus:SameSign(+4) "}));

    MatchSubject failed = planets({{b::Sun, 10.0}});
    failed.planets[0].longitude = -1.0;
    EXPECT_EQ(result(rule.Evaluate(failed, planets({{b::Sun, 10.0}}))),
              (Result{0, "Weak", "No planet position matches."}));
}

TEST(SynastryRules, SynastryHarmoniesAndSaturn)
{
    const match::SynastryRule rule;
    // 2 + 2 + 2 + 1 - 1
    EXPECT_EQ(
        result(rule.Evaluate(
            planets({{b::Sun, 10.0}, {b::Moon, 125.0}, {b::Jupiter, 250.0}, {b::Saturn, 310.0}}),
            planets({{b::Moon, 130.0}, {b::Sun, 70.0}}))),
        (Result{6, "Excellent Compatibility",
                "BoySun-GirlMoon✓ GirlSun-BoyMoon✓ BoyJup-GirlMoon✓ Sun-Sun✓ "
                "BoySat-GirlMoon⚠ "}));

    EXPECT_EQ(result(rule.Evaluate(planets({{b::Sun, 130.0}}), planets({{b::Moon, 135.0}}))),
              (Result{2, "Average Compatibility", "BoySun-GirlMoon✓ "}));

    // 4th
    EXPECT_EQ(result(rule.Evaluate(planets({{b::Saturn, 130.0}}), planets({{b::Moon, 220.0}}))),
              (Result{0, "Challenging", "BoySat-GirlMoon⚠ "}));
    EXPECT_EQ(rule.Evaluate(MatchSubject{}, MatchSubject{}).detail,
              "No major compatibility factors.");
}

TEST(SynastryRules, VashyaPolarityWritesItsVerdictIntoTheStatus)
{
    const match::VashyaPolarityRule rule;
    MatchSubject boy = planets({{b::Mars, 100.0}, {b::Venus, 205.0}});
    MatchSubject girl = planets({{b::Venus, 103.0}, {b::Mars, 200.0}});
    EXPECT_EQ(result(rule.Evaluate(boy, girl)), (Result{2.0, "Explosive", ""}));
    place(boy, b::Saturn, 110.0); // on his own Mars
    MatchRuleResult r = rule.Evaluate(boy, girl);
    EXPECT_DOUBLE_EQ(r.score, 1.4);
    EXPECT_EQ(r.status, "Explosive (Restricted)");

    // A trine always exceeds the orb.
    r = rule.Evaluate(planets({{b::Mars, 10.0}}), planets({{b::Venus, 130.0}}));
    EXPECT_EQ(r.score, 1.0);
    EXPECT_EQ(r.status, "High Attraction (Wide)");

    // A strong Mars against an afflicted Venus replaces the attraction, and a
    // combust Venus is marked after that.
    MatchSubject exalted = planets({{b::Mars, 298.0}});
    exalted.planets[0].dignity.exalted = true;
    MatchSubject afflicted = planets({{b::Venus, 170.0}});
    afflicted.planets[0].dignity.debilitated = true;
    afflicted.planets[0].dignity.combust = true;
    r = rule.Evaluate(exalted, afflicted);
    EXPECT_EQ(r.score, 0.5);
    EXPECT_EQ(r.status, "Volatile (Distorted Venus)");

    // Strength by shadbala starts at 1.2.
    MatchSubject firm = planets({{b::Mars, 10.0}});
    firm.planets[0].shadbala = 1.2;
    MatchSubject combust = planets({{b::Venus, 50.0}});
    combust.planets[0].dignity.combust = true;
    EXPECT_EQ(rule.Evaluate(firm, combust).status, "Volatile (Distorted Venus)");
    firm.planets[0].shadbala = 1.19;
    r = rule.Evaluate(firm, combust);
    EXPECT_EQ(r.score, 0.0);
    EXPECT_EQ(r.status, "Low (Distorted Venus)");

    // All four weak: low energy, after the attraction was already written.
    MatchSubject weakBoy = planets({{b::Mars, 10.0}, {b::Venus, 130.0}});
    weakBoy.planets[0].dignity.debilitated = true;
    weakBoy.planets[1].dignity.debilitated = true;
    MatchSubject weakGirl = planets({{b::Mars, 50.0}, {b::Venus, 250.0}});
    weakGirl.planets[0].dignity.combust = true;
    weakGirl.planets[1].dignity.combust = true;
    r = rule.Evaluate(weakBoy, weakGirl);
    EXPECT_EQ(r.score, 0.5);
    EXPECT_EQ(r.status, "Low Energy (Distorted Venus)");

    r = rule.Evaluate(planets({{b::Mars, 40.0}}), planets({{b::Venus, 10.0}}));
    EXPECT_EQ(r.score, 2.0);
    EXPECT_EQ(r.status, "Low + Parivartana (True Exchange)");

    r = rule.Evaluate(planets({{b::Mars, 100.0}, {b::Rahu, 107.5}}), MatchSubject{});
    EXPECT_EQ(r.score, 0.5);
    EXPECT_EQ(r.status, "Low (Obsessive)");
}

} // namespace
} // namespace lumikan::test
