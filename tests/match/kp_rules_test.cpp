#include "match/rules/kp_rules.h"
#include "match/rules/kp_scripts.h"

#include "match_test_support.h"

#include <gtest/gtest.h>

namespace lumikan::test {
namespace {

using match::MatchRuleResult;

// Twelve cusps with Venus as 7th cusp sub lord, signifying `houses`.
MatchSubject seventhVenus(std::vector<int> houses)
{
    MatchSubject s;
    equalCusps(s, 0.0);
    cuspNumbered(s, 7).subLord = l::Venus;
    signify(s, b::Venus, std::move(houses));
    return s;
}

void runDasha(MatchSubject& s, LordIndex maha, LordIndex antar, LordIndex pratyantar)
{
    s.runningDasha = {maha, antar, pratyantar};
}

TEST(KpRules, MarriageQualityRiskAndDashaSupport)
{
    EXPECT_EQ(match::MarriageQuality(seventhVenus({2, 7, 11})), 7);
    EXPECT_EQ(match::MarriageRisk(seventhVenus({2, 7, 11})), 0);
    EXPECT_EQ(match::MarriageQuality(seventhVenus({6, 7, 8, 12})), 0);
    EXPECT_EQ(match::MarriageRisk(seventhVenus({6, 7, 8, 12})), 10);
    EXPECT_EQ(match::MarriageQuality(seventhVenus({2})), 2);
    EXPECT_EQ(match::MarriageQuality(seventhVenus({7})), 3);
    EXPECT_EQ(match::MarriageQuality(seventhVenus({1, 2, 10})), -1);
    EXPECT_TRUE(match::MarriagePromise(seventhVenus({11})));
    EXPECT_FALSE(match::MarriagePromise(seventhVenus({1, 5})));

    // Venus and Jupiter join, Saturn separates: two of three favour.
    MatchSubject s = seventhVenus({2, 7, 11});
    signify(s, b::Jupiter, {11});
    signify(s, b::Saturn, {6});
    runDasha(s, l::Venus, l::Jupiter, l::Saturn);
    EXPECT_TRUE(match::DashaSupport(s));
    // A lord signifying both kinds counts for neither side.
    s.significations[1].houses = {6, 11};
    EXPECT_FALSE(match::DashaSupport(s));
    // No mahadasha running: no support whatever follows.
    s.significations[1].houses = {11};
    runDasha(s, -1, l::Jupiter, l::Venus);
    EXPECT_FALSE(match::DashaSupport(s));
}

TEST(KpRules, MarriageMatchAddsCrossQualityAndDashaAndSubtractsRisk)
{
    const match::KPMarriageMatchRule rule;
    MatchSubject boy = seventhVenus({2, 7, 11});
    MatchSubject girl = seventhVenus({2, 7, 11});
    for (MatchSubject* s : {&boy, &girl}) {
        signify(*s, b::Jupiter, {11});
        runDasha(*s, l::Venus, l::Jupiter, l::Saturn);
    }
    // 4 + 7 + 7 + 3
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{21, "Excellent", "Promise:OK Quality(B:7,G:7) Cross:4 Risk:0 Dasha:3 "}));

    runDasha(girl, l::Saturn, l::Saturn, l::Saturn);
    MatchRuleResult r = rule.Evaluate(boy, girl);
    EXPECT_EQ(r.score, 19);
    EXPECT_EQ(r.detail, "Promise:OK Quality(B:7,G:7) Cross:4 Risk:0 Dasha:1 ");

    MatchSubject risky = seventhVenus({6, 7, 8, 12});
    // 4 - 10 + 7 + 0
    EXPECT_EQ(result(rule.Evaluate(seventhVenus({2, 7, 11}), risky)),
              (Result{1, "Weak", "Promise:OK Quality(B:7,G:0) Cross:4 Risk:10 Dasha:0 "}));
    r = rule.Evaluate(risky, risky); // 4 - 20
    EXPECT_EQ(r.score, 0);
    EXPECT_EQ(r.status, "Weak");

    EXPECT_EQ(result(rule.Evaluate(seventhVenus({2, 7, 11}), seventhVenus({6, 8}))),
              (Result{0, "Reject", "Marriage promise missing (7th CSL not signifying 2/7/11)"}));
    EXPECT_EQ(rule.Evaluate(MatchSubject{}, seventhVenus({7})).status, "Reject");
}

TEST(KpRules, NadiSubLordComparisonSumsCuspLinks)
{
    const match::NadiSubLordComparisonRule rule;
    MatchSubject boy;
    equalCusps(boy, 0.0);
    cuspNumbered(boy, 1).starLord = l::Moon;
    cuspNumbered(boy, 2).subLord = l::Venus;
    cuspNumbered(boy, 7).subLord = l::Mars;
    cuspNumbered(boy, 8).subLord = l::Saturn;
    cuspNumbered(boy, 11).subLord = l::Sun;
    signify(boy, b::Mars, {2, 6});
    signify(boy, b::Venus, {7});
    place(boy, b::Venus, 40.0);

    MatchSubject girl;
    equalCusps(girl, 0.0);
    cuspNumbered(girl, 1).starLord = l::Moon;
    cuspNumbered(girl, 2).subLord = l::Mercury;
    cuspNumbered(girl, 7).subLord = l::Jupiter;
    cuspNumbered(girl, 8).subLord = l::Mercury;
    cuspNumbered(girl, 11).subLord = l::Moon;
    signify(girl, b::Jupiter, {11});
    signify(girl, b::Mercury, {2});
    place(girl, b::Jupiter, 275.0).dignity.debilitated = true;

    // 2 + 4 + 5 + 2 + 1 + 2 + 1 + 1
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{18, "Good",
                      "Boy7th:Mixed(2,7,11 & 1,6,10) Girl7th:Strong(2,7,11) "
                      "7thCSL:MutualFriends(+5) 2ndCSL:BothPromise(+2) "
                      "1stCSL:SameStarLord(+1) 11thCSL:Friendly(+2) 8thCSL:NoEnmity(+1) "
                      "BoyVenus:Strong(+1) GirlJup:Weak "}));

    // Two Venus sub lords are the same planet, never "mutual friends".
    cuspNumbered(boy, 7).subLord = l::Venus;
    cuspNumbered(girl, 7).subLord = l::Venus;
    EXPECT_NE(rule.Evaluate(boy, girl).detail.find("7thCSL:SamePlanet(+4) "), std::string::npos);
    // Saturn and Jupiter: neither counts the other a friend.
    cuspNumbered(boy, 7).subLord = l::Saturn;
    cuspNumbered(girl, 7).subLord = l::Jupiter;
    MatchRuleResult r = rule.Evaluate(boy, girl);
    EXPECT_NE(r.detail.find("Boy7th:Neutral Girl7th:Strong(2,7,11) 7thCSL:Neutral/Enemies(+0) "),
              std::string::npos);
    // The Moon befriends Mercury, not the other way round.
    cuspNumbered(boy, 7).subLord = l::Moon;
    cuspNumbered(girl, 7).subLord = l::Mercury;
    signify(boy, b::Moon, {10});
    r = rule.Evaluate(boy, girl);
    EXPECT_NE(
        r.detail.find("Boy7th:Denied(1,6,10) Girl7th:Strong(2,7,11) 7thCSL:OneWayFriend(+2) "),
        std::string::npos);

    // With no cusps at all, the two missing 8th sub lords count as one body.
    EXPECT_EQ(
        result(rule.Evaluate(MatchSubject{}, MatchSubject{})),
        (Result{1, "Weak",
                "Boy7th:Missing Girl7th:Missing 8thCSL:NoEnmity(+1) BoyVenus:Weak GirlJup:Weak "}));
    MatchSubject eighthOnly;
    cusp(eighthOnly, 8, 220.0, l::Sun);
    EXPECT_EQ(rule.Evaluate(MatchSubject{}, eighthOnly).detail,
              "Boy7th:Missing Girl7th:Missing 8thCSL:Enemies(+0) BoyVenus:Weak GirlJup:Weak ");
}

TEST(KpRules, ScriptsFollowTheNameForms)
{
    MatchSubject s;
    // A 7th cusp in Leo with Venus, Saturn and Mars as star, sub and sub-sub lords.
    const engine::CuspPosition leo = cusp(s, 7, 125.0, l::Saturn, l::Venus, l::Mars);
    EXPECT_EQ(match::cuspDisplayLine(leo, 0, 0), "VII | LEO | VEN | SAT | MAR | 5-00-00");
    EXPECT_EQ(match::cuspScript(match::cuspDisplayLine(leo, 0, 0)), "SUN-VEN-SAT-MAR");
    // A two-letter sign gives no sign lord; the full sign name still does.
    EXPECT_EQ(match::cuspScript(match::cuspDisplayLine(leo, 1, 1)), "-Ven-Sat-Mar");
    EXPECT_EQ(match::cuspScript(match::cuspDisplayLine(leo, 2, 2)), "SUN-Venus-Saturn-Mars");
    // The Moon as a sign lord is written in full.
    const engine::CuspPosition cancer = cusp(s, 4, 95.0, l::Saturn, l::Venus, l::Mars);
    EXPECT_EQ(match::cuspScript(match::cuspDisplayLine(cancer, 0, 0)), "MOON-VEN-SAT-MAR");
    EXPECT_EQ(match::cuspScript("I | ARIES | KET"), "");
    EXPECT_EQ(match::cuspScript("I | aries | KET | VEN | SUN"), "MAR-KET-VEN-SUN");

    engine::PlanetPosition moon;
    moon.body = b::Moon;
    lords(moon, l::Venus, l::Saturn, l::Rahu);
    EXPECT_EQ(match::planetaryScript(moon, 0), "MON-VEN-SAT-RAH");
    EXPECT_EQ(match::planetaryScript(moon, 1), "MON-VEN-SAT-RAH");
    EXPECT_EQ(match::planetaryScript(moon, 2), "MOON-VENUS-SATURN-RAHU");

    EXPECT_TRUE(match::isLinkedInto("SUN", "SUN-VEN-SAT-MAR"));
    EXPECT_TRUE(match::isLinkedInto("SAT", " MAR - SAT "));
    EXPECT_FALSE(match::isLinkedInto("MON", "MOON-VEN-SAT-MAR"));
    EXPECT_FALSE(match::isLinkedInto("VEN", "SUN-VENUS"));
    EXPECT_FALSE(match::isLinkedInto("Ven", "SUN-VEN"));
    EXPECT_FALSE(match::isLinkedInto("", "-Ven-Sat"));

    // The sub-lord planet must be one of the chart's planets.
    EXPECT_EQ(match::subLordPlanet(s, 7), nullptr);
    place(s, b::Saturn, 300.0);
    ASSERT_NE(match::subLordPlanet(s, 7), nullptr);
    EXPECT_EQ(match::subLordPlanet(s, 7)->body, b::Saturn);
}

// A chart whose 7th cusp stands at `cuspDeg` with the given lords, and whose
// 7th sub lord is a placed planet with Ketu as all its lords.
MatchSubject seventhCusp(double cuspDeg, LordIndex star, LordIndex sub, LordIndex subSub,
                         int planetForm = 0)
{
    MatchSubject s;
    s.planetNameFormat = planetForm;
    cusp(s, 7, cuspDeg, sub, star, subSub);
    lords(place(s, engine::lordToBody(sub), 200.0), l::Ketu, l::Ketu, l::Ketu);
    return s;
}

TEST(KpRules, SeventhHouseLinkageThroughScriptsAndTheMoonQuirk)
{
    const match::KPSeventhHouseRule rule;
    MatchRuleResult r = rule.Evaluate(seventhCusp(5.0, l::Ketu, l::Venus, l::Ketu),
                                      seventhCusp(200.0, l::Rahu, l::Venus, l::Mars));
    EXPECT_EQ(r.score, 15);
    EXPECT_EQ(r.status, "");

    // The boy's Sun rules the girl's Leo 7th cusp; her Saturn is nowhere in his.
    const MatchSubject sunBoy = seventhCusp(5.0, l::Ketu, l::Sun, l::Ketu);
    const MatchSubject leoGirl = seventhCusp(125.0, l::Venus, l::Saturn, l::Mars);
    r = rule.Evaluate(sunBoy, leoGirl);
    EXPECT_EQ(r.score, 10);
    EXPECT_EQ(r.detail.rfind("Partial Match: Boy's sub-lord", 0), 0u);
    r = rule.Evaluate(leoGirl, sunBoy);
    EXPECT_EQ(r.score, 10);
    EXPECT_EQ(r.detail.rfind("Partial Match: Girl's sub-lord", 0), 0u);

    // A Cancer 7th cusp writes its lord MOON, which the short name MON is not.
    const MatchSubject moonBoy = seventhCusp(5.0, l::Ketu, l::Moon, l::Ketu);
    EXPECT_EQ(rule.Evaluate(moonBoy, seventhCusp(95.0, l::Venus, l::Saturn, l::Mars)).score, 3);
    EXPECT_EQ(rule.Evaluate(moonBoy, seventhCusp(95.0, l::Moon, l::Saturn, l::Mars)).score, 10);
    // Full names meet only the lords the VII script writes in the same form.
    const MatchSubject moonBoyFull = seventhCusp(5.0, l::Ketu, l::Moon, l::Ketu, 2);
    EXPECT_EQ(rule.Evaluate(moonBoyFull, seventhCusp(95.0, l::Venus, l::Saturn, l::Mars, 2)).score,
              3);
    EXPECT_EQ(rule.Evaluate(moonBoyFull, seventhCusp(95.0, l::Moon, l::Saturn, l::Mars, 2)).score,
              10);

    MatchSubject noPlanet;
    cusp(noPlanet, 7, 5.0, l::Venus);
    EXPECT_EQ(rule.Evaluate(noPlanet, leoGirl).score, 0);
}

TEST(KpRules, OneSevenAxisChecksFirstSubLordsAgainstSeventhScripts)
{
    const match::KP17SubMatchRule rule;
    const auto build = [](int form) {
        MatchSubject boy;
        boy.planetNameFormat = form;
        cusp(boy, 1, 5.0, l::Mars);
        cusp(boy, 7, 185.0, l::Venus, l::Sun, l::Ketu); // Libra
        lords(place(boy, b::Mars, 50.0), l::Ketu, l::Ketu, l::Ketu);
        lords(place(boy, b::Venus, 80.0), l::Jupiter, l::Mercury, l::Moon);
        MatchSubject girl;
        girl.planetNameFormat = form;
        cusp(girl, 1, 185.0, l::Jupiter);
        cusp(girl, 7, 5.0, l::Saturn, l::Ketu, l::Ketu); // Aries
        lords(place(girl, b::Jupiter, 50.0), l::Ketu, l::Ketu, l::Ketu);
        lords(place(girl, b::Saturn, 80.0), l::Sun, l::Sun, l::Sun);
        return std::pair{boy, girl};
    };

    // His Mars rules her Aries 7th cusp; her Jupiter is star lord of his 7th
    // sub lord, Venus.
    auto [boy, girl] = build(0);
    EXPECT_EQ(
        result(rule.Evaluate(boy, girl)),
        (Result{15, "",
                "Excellent Match: Both partners' 1st house sub-lords are strongly linked to each "
                "other's 7th house. Indicates mutual attraction, responsiveness, and balanced "
                "relationship dynamics.\n\n[Debug]\nBoy 1st Sub: MAR\nGirl 7th Script: "
                "MAR-KET-SAT-KET\nGirl 7th SubScript: SAT-SUN-SUN-SUN\n\nGirl 1st Sub: JUP\n"
                "Boy 7th Script: VEN-SUN-VEN-KET\nBoy 7th SubScript: VEN-JUP-MER-MON\n"}));

    // Short title-case names never equal the upper-cased scripts, and find no
    // sub-script.
    auto [boy1, girl1] = build(1);
    MatchRuleResult r = rule.Evaluate(boy1, girl1);
    EXPECT_EQ(r.score, 3);
    EXPECT_EQ(r.detail,
              "Weak Match: No linkage between 1st and 7th sub-lords across charts. Indicates weak "
              "attraction or delayed relationship development.\n\n[Debug]\nBoy 1st Sub: Mar\n"
              "Girl 7th Script: MAR-Ket-Sat-Ket\nGirl 7th SubScript: \n\nGirl 1st Sub: Jup\n"
              "Boy 7th Script: VEN-Sun-Ven-Ket\nBoy 7th SubScript: \n");

    // Without the planet that is sub lord of his 1st cusp the rule cannot run.
    boy.planets.erase(boy.planets.begin());
    EXPECT_EQ(rule.Evaluate(boy, girl).score, 0);
}

} // namespace
} // namespace lumikan::test
