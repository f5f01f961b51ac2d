#include "match/rules/life_area_rules.h"

#include "match_test_support.h"

#include <gtest/gtest.h>

namespace lumikan::test {
namespace {

using match::MatchRuleResult;

TEST(LifeAreaRules, LongevityDeductsForEachAffliction)
{
    const match::LongevityWidowhoodRule rule;
    // Rahu on the Sun, and Saturn and Mars in the sign of cusp 7.
    const auto afflicted = [] {
        MatchSubject s;
        place(s, b::Sun, 100.0);
        place(s, b::Rahu, 105.0);
        place(s, b::Saturn, 10.0);
        place(s, b::Mars, 20.0);
        cusp(s, 7, 5.0, l::Ketu);
        return s;
    };
    EXPECT_EQ(result(rule.Evaluate(afflicted(), afflicted())),
              (Result{2, "Risk",
                      "Boy:GrahanDosha(-2) Girl:GrahanDosha(-2) Boy:Sat+Mars→7th(-2) "
                      "Girl:Sat+Mars→7th(-2) "}));

    MatchSubject clear;
    EXPECT_EQ(result(rule.Evaluate(clear, clear)),
              (Result{10, "Safe", "No longevity afflictions found."}));

    // Ketu near the Moon across 0 degrees; 8.1 degrees is too far.
    MatchSubject eclipse;
    place(eclipse, b::Ketu, 357.0);
    place(eclipse, b::Moon, 4.0);
    EXPECT_EQ(rule.Evaluate(eclipse, clear).detail, "Boy:GrahanDosha(-2) ");
    place(eclipse, b::Moon, 5.1);
    EXPECT_EQ(rule.Evaluate(eclipse, clear).score, 10);

    // Saturn's 10th aspect and Mars' 8th reach Aries; Saturn's 4th would not.
    MatchSubject aspects;
    cusp(aspects, 7, 5.0, l::Ketu);
    place(aspects, b::Saturn, 100.0);
    place(aspects, b::Mars, 160.0);
    EXPECT_EQ(rule.Evaluate(clear, aspects).detail, "Girl:Sat+Mars→7th(-2) ");
    place(aspects, b::Saturn, 280.0);
    EXPECT_EQ(rule.Evaluate(clear, aspects).score, 10);

    // Cusp 8 in Libra, its lord Venus combust; 6 and 12 on the girl's 7th CSL.
    MatchSubject eighth;
    cusp(eighth, 8, 190.0, l::Ketu);
    place(eighth, b::Venus, 50.0).dignity.combust = true;
    MatchSubject seventh;
    cusp(seventh, 7, 10.0, l::Saturn);
    signify(seventh, b::Saturn, {6, 12});
    EXPECT_EQ(result(rule.Evaluate(eighth, seventh)),
              (Result{7, "Caution", "Boy:8thLordAfflicted(-1) Girl:7thCSL→6/8/12(-2) "}));
    seventh.significations[0].houses = {6, 7};
    EXPECT_EQ(rule.Evaluate(eighth, seventh).score, 9);
}

TEST(LifeAreaRules, ProgenyLooksAtTheFifthCuspJupiterAndTheFifthHouse)
{
    const match::ProgenyCompatibilityRule rule;
    // Equal houses from Aries: the 5th house is Leo.
    const auto promising = [] {
        MatchSubject s;
        equalCusps(s, 0.0);
        cuspNumbered(s, 5).subLord = l::Jupiter;
        signify(s, b::Jupiter, {2, 9});
        place(s, b::Jupiter, 15.0);
        return s;
    };
    EXPECT_EQ(result(rule.Evaluate(promising(), promising())),
              (Result{10, "Excellent",
                      "Boy:5thCSL✓(+3) Girl:5thCSL✓(+3) BoyJup✓(+1) GirlJup✓(+1) "
                      "Boy5thClean✓(+1) Girl5thClean✓(+1) "}));

    // A malefic in the 5th is outweighed by a benefic beside it.
    MatchSubject boy = promising();
    place(boy, b::Mars, 125.0);
    place(boy, b::Venus, 130.0);
    EXPECT_EQ(rule.Evaluate(boy, promising()).score, 10);
    place(boy, b::Venus, 160.0);
    MatchRuleResult r = rule.Evaluate(boy, promising());
    EXPECT_EQ(r.score, 9);
    EXPECT_NE(r.detail.find("Boy5thAfflicted⚠ Girl5thClean✓(+1) "), std::string::npos);

    // Jupiter in the 6th, or combust, earns nothing; without cusps it is
    // taken as well placed.
    MatchSubject girl = promising();
    place(girl, b::Jupiter, 155.0);
    r = rule.Evaluate(promising(), girl);
    EXPECT_EQ(r.score, 9);
    EXPECT_EQ(r.detail.find("GirlJup"), std::string::npos);
    MatchSubject bare;
    place(bare, b::Jupiter, 155.0);
    EXPECT_EQ(result(rule.Evaluate(bare, bare)),
              (Result{4, "Average",
                      "Boy:5thCSL✗ Girl:5thCSL✗ BoyJup✓(+1) GirlJup✓(+1) Boy5thClean✓(+1) "
                      "Girl5thClean✓(+1) "}));
    bare.planets[0].dignity.combust = true;
    EXPECT_EQ(rule.Evaluate(bare, bare).score, 2);
}

TEST(LifeAreaRules, NavamsaComparesD9SignsAndLords)
{
    const match::NavamsaCompatibilityRule rule;
    constexpr int Aries = 0, Taurus = 1, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6, Scorpio = 7,
                  Capricorn = 9, Aquarius = 10;
    // His D9 ascendant Aries, hers Leo: lords Mars and Sun, seventh lords
    // Venus and Saturn, friends each way the rule asks.
    MatchSubject boy;
    d9(boy, b::Sun, Aries, Aries);
    d9(boy, b::Venus, Taurus, Aries);
    d9(boy, b::Moon, Cancer, Aries);
    d9(boy, b::Mars, Virgo, Aries);
    MatchSubject girl;
    d9(girl, b::Sun, Leo, Leo);
    d9(girl, b::Venus, Capricorn, Leo);
    d9(girl, b::Moon, Scorpio, Leo);
    MatchRuleResult r = rule.Evaluate(boy, girl);
    EXPECT_EQ(r.score, 15);
    EXPECT_EQ(r.status, "Excellent");
    // His seventh lord Venus in its own Taurus is strong; her Saturn has no
    // D9 position and is not.
    EXPECT_EQ(r.detail, "D9Venus:Trine(+3) D9Moon:Trine(+3) BoyD9Venus:NotDebil(+2) "
                        "D9LagnaLords:Friendly(+2) D9-7thLords:Friendly(+2) "
                        "D9Mars-Venus:Trine(+2) BoyD9-7thLord:Strong(+1) ");
    d9(girl, b::Saturn, Libra, Leo); // exalted
    r = rule.Evaluate(boy, girl);
    EXPECT_EQ(r.score, 16);
    EXPECT_NE(r.detail.find("GirlD9-7thLord:Strong(+1) "), std::string::npos);
    girl.navamsa.positions.back().sign = Aries; // debilitated
    EXPECT_EQ(rule.Evaluate(boy, girl).score, 15);

    // Both Venus in Taurus: the same sign, not also a trine.
    MatchSubject a;
    d9(a, b::Venus, Taurus, Scorpio);
    r = rule.Evaluate(a, a);
    EXPECT_EQ(r.detail, "D9Venus:SameSign(+3) BoyD9Venus:NotDebil(+2) ");
    EXPECT_EQ(r.score, 5);
    EXPECT_EQ(r.status, "Average");

    // Leo's Sun befriends Cancer's Moon; Moons two signs apart; no body in
    // the D9 ascendant, so no lagna factors.
    MatchSubject c;
    d9(c, b::Venus, Leo, Aries);
    d9(c, b::Moon, Aries, Aries);
    c.navamsa.positions.back().house = 2;
    MatchSubject d;
    d9(d, b::Venus, Cancer, Taurus);
    d9(d, b::Moon, Aquarius, Taurus);
    r = rule.Evaluate(c, d);
    EXPECT_EQ(r.detail, "D9Venus:FriendlySign(+1) D9Moon:Sextile(+1) BoyD9Venus:NotDebil(+2) ");

    MatchSubject debilitated;
    d9(debilitated, b::Venus, Virgo, Virgo);
    EXPECT_EQ(rule.Evaluate(debilitated, MatchSubject{}).status, "D9 data unavailable");
    EXPECT_EQ(rule.Evaluate(debilitated, MatchSubject{}).detail, "Navamsa chart not calculated.");
    r = rule.Evaluate(debilitated, c);
    EXPECT_EQ(r.detail.find("BoyD9Venus"), std::string::npos);
}

TEST(LifeAreaRules, CompositeMidpointsAndHouses)
{
    EXPECT_DOUBLE_EQ(match::compositeLongitude(350.0, 10.0), 0.0);
    EXPECT_DOUBLE_EQ(match::compositeLongitude(10.0, 350.0), 0.0);
    EXPECT_DOUBLE_EQ(match::compositeLongitude(100.0, 200.0), 150.0);
    EXPECT_DOUBLE_EQ(match::compositeLongitude(0.0, 181.0), 270.5);

    const match::CompositeChartRule rule;
    MatchSubject boy;
    MatchSubject girl;
    for (MatchSubject* s : {&boy, &girl}) {
        place(*s, b::Sun, 10.0);
        place(*s, b::Moon, 130.0);
    }
    place(boy, b::Venus, 5.0);
    place(girl, b::Venus, 15.0);
    place(boy, b::Mars, 185.0);
    place(girl, b::Mars, 195.0);
    place(boy, b::Saturn, 215.0);
    place(girl, b::Saturn, 225.0);

    // Without cusps only the Sun and Moon count; the Mars and Saturn
    // defaults are not awarded.
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{3, "Weak", "CompSun-Moon:Trine(+3) [NoAsc:housechecks skipped] "}));

    // An Aries composite ascendant: Venus in 1, Moon in 5, Mars in 7,
    // Saturn in 8, Libra's Venus rules the 7th.
    cusp(boy, 1, 350.0, l::Ketu);
    cusp(girl, 1, 20.0, l::Ketu);
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{10, "Good",
                      "CompSun-Moon:Trine(+3) CompVenus:H1✓(+3) CompMars:In7th⚠ "
                      "CompMoon:H5✓(+2) CompSat:H8⚠ Comp7thLord:Benefic(+2) "}));

    // A missing Venus has no house, a missing Mars or Saturn scores its default.
    girl.planets.erase(girl.planets.begin() + 2, girl.planets.end());
    MatchRuleResult r = rule.Evaluate(boy, girl);
    EXPECT_EQ(r.detail, "CompSun-Moon:Trine(+3) CompVenus:H-1✗ CompMars:Not7th(+2) "
                        "CompMoon:H5✓(+2) CompSat:Not7/8(+2) Comp7thLord:Benefic(+2) ");
    EXPECT_EQ(r.score, 11);
}

TEST(LifeAreaRules, TajikaIthasalaAndMarriageYoga)
{
    const match::TajikaAnnualChartRule rule;
    const auto venusJupiter = [](double venus, double venusSpeed, double jupiter) {
        MatchSubject s;
        place(s, b::Venus, venus).speed = venusSpeed;
        place(s, b::Jupiter, jupiter).speed = 0.1;
        return s;
    };
    EXPECT_EQ(rule.Evaluate(venusJupiter(100.0, 1.2, 108.0), MatchSubject{}).detail,
              "Boy:Ithasala(Ven→Jup)(+4) ");
    // Venus has passed Jupiter.
    EXPECT_EQ(rule.Evaluate(venusJupiter(100.0, 1.2, 92.0), MatchSubject{}).detail, "NoIthasala ");
    // Retrograde Venus applies from the other side.
    EXPECT_EQ(rule.Evaluate(MatchSubject{}, venusJupiter(108.0, -0.5, 100.0)).detail,
              "Girl:Ithasala(Ven→Jup)(+4) ");
    EXPECT_EQ(rule.Evaluate(venusJupiter(100.0, 0.05, 108.0), MatchSubject{}).detail,
              "NoIthasala ");
    EXPECT_EQ(rule.Evaluate(venusJupiter(100.0, 1.2, 112.5), MatchSubject{}).detail, "NoIthasala ");

    MatchSubject boy = venusJupiter(100.0, 1.2, 108.0);
    place(boy, b::Moon, 95.0);
    boy.moonStarLord = l::Saturn;
    MatchSubject girl = venusJupiter(80.0, 1.2, 60.0);
    place(girl, b::Moon, 300.0); // Venus in Gemini is 5th from an Aquarius Moon
    girl.moonStarLord = l::Venus;
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{9, "Moderate Yoga",
                      "Boy:Ithasala(Ven→Jup)(+4) Boy:MoonNearVenus(+2) "
                      "Girl:VenJup→TajikaH(+2) Girl:DashaLord=Ithasala(+1) "}));
}

} // namespace
} // namespace lumikan::test
