#include "match/rules/dosha_rules.h"

#include "match_test_support.h"

#include <gtest/gtest.h>

namespace lumikan::test {
namespace {

using match::MatchRuleResult;

TEST(DoshaRules, VedhaPairsAreSymmetricAndShatabhishaHasNone)
{
    const match::VedhaRule rule;
    constexpr int Ashwini = 0, Shravana = 21, Dhanishta = 22, Shatabhisha = 23, Jyeshtha = 17;
    MatchRuleResult r = rule.Evaluate(moonAt(inStar(Ashwini)), moonAt(inStar(Jyeshtha)));
    EXPECT_EQ(r.score, 0);
    EXPECT_EQ(r.status, "Minor Dosha");
    EXPECT_EQ(rule.Evaluate(moonAt(inStar(Jyeshtha)), moonAt(inStar(Ashwini))).status,
              "Minor Dosha");
    EXPECT_EQ(rule.Evaluate(moonAt(inStar(Dhanishta)), moonAt(inStar(Shravana))).status,
              "Minor Dosha");

    EXPECT_EQ(rule.Evaluate(moonAt(inStar(Shatabhisha)), moonAt(inStar(Dhanishta))).score, 1);
    for (int n = 0; n < 27; ++n)
        EXPECT_EQ(rule.Evaluate(moonAt(inStar(Shatabhisha)), moonAt(inStar(n))).status, "Clear")
            << n;

    EXPECT_EQ(rule.Evaluate(moonAt(-3.0), moonAt(inStar(Ashwini))).status, "Skipped");
}

TEST(DoshaRules, RajjuSameGroupIsCancelledOnlyByMoonSignsWithOneLord)
{
    const match::RajjuRule rule;
    // Mrigashira and Chitra share the Shira group; Gemini and Libra Moons.
    MatchSubject boy = moonAt(60.0);
    place(boy, b::Moon, 60.0);
    MatchSubject girl = moonAt(180.0);
    place(girl, b::Moon, 180.0);
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{0, "Critical Dosha", "Rajju Dosha (Severe) — Affects husband's longevity"}));

    // Ashwini (Aries) and Jyeshtha (Scorpio), Pada group, both Mars.
    boy = moonAt(inStar(0));
    place(boy, b::Moon, inStar(0));
    girl = moonAt(inStar(17));
    place(girl, b::Moon, inStar(17));
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{1, "Clear", "Rajju Dosha Cancelled (Same Rashi/Lord)"}));
    // Without the Moons in the planet list nothing cancels.
    MatchRuleResult r = rule.Evaluate(moonAt(inStar(0)), moonAt(inStar(17)));
    EXPECT_EQ(r.status, "Critical Dosha");
    EXPECT_EQ(r.detail, "Rajju Dosha (Least) — Causes wandering and displacement");

    EXPECT_EQ(rule.Evaluate(moonAt(inStar(0)), moonAt(inStar(1))).score, 1);

    // A hair below 360 is past the 27th star for the ten-decimal width.
    r = rule.Evaluate(moonAt(359.9999999995), moonAt(inStar(1)));
    EXPECT_EQ(r.status, "Skipped");
    EXPECT_EQ(r.detail, "Invalid Nakshatra index");
}

TEST(DoshaRules, DashakootCountsMahendraAndStreeDeerghaFromOppositeEnds)
{
    const match::DashakootRule rule;
    const auto eval = [&](int boyStar, int girlStar) {
        return rule.Evaluate(moonAt(inStar(boyStar)), moonAt(inStar(girlStar)));
    };
    // m = 3 (count 4) passes, s = 24 (count 25) is excellent.
    EXPECT_EQ(
        result(eval(3, 0)),
        (Result{10, "Excellent", "Mahendra: Pass (4) [+5]; Stree Deergha: Excellent (25) [+5]; "}));

    // s = 2: the Stri-Dirgha dosha marks the pair whatever the points.
    EXPECT_EQ(result(eval(0, 2)),
              (Result{0, "Inauspicious",
                      "Mahendra: Fail (26); Stree Deergha: Poor (3); [!] Stri-Dirgha Dosha; "}));
    MatchRuleResult r = eval(0, 3); // m = 24 passes, s = 3
    EXPECT_EQ(r.score, 5);
    EXPECT_EQ(r.status, "Inauspicious");
    // s between 5 and 7 is poor without the dosha.
    r = eval(0, 5);
    EXPECT_EQ(r.detail, "Mahendra: Fail (23); Stree Deergha: Poor (6); ");
    EXPECT_EQ(r.status, "Poor");
    EXPECT_EQ(eval(0, 6).detail.rfind("Mahendra: Pass (22) [+5]; ", 0), 0u);
    r = eval(0, 10); // s = 10
    EXPECT_EQ(r.score, 3);
    EXPECT_EQ(r.status, "Average");

    // Vedha runs one way in this table: Swati's partner is Purva Bhadrapada,
    // whose own partner is Uttara Phalguni; the pair still counts.
    r = eval(24, 14);
    EXPECT_EQ(r.score, 3);
    EXPECT_EQ(r.detail, "Mahendra: Fail (11); Stree Deergha: Excellent (18) [+5]; "
                        "[!] Vedha Dosha (Obstruction) [-2]; ");
    EXPECT_EQ(r.status, "Average");

    // The same star is always a Rajju clash.
    EXPECT_EQ(result(eval(5, 5)),
              (Result{0, "Inauspicious", "[!] RAJJU DOSHA: Siro Rajju (Risk to Husband); "}));
    EXPECT_EQ(eval(0, 9).detail, "[!] RAJJU DOSHA: Pada Rajju (Risk of Loss/Travel); ");
    // Moons the ephemeris could not give fall outside every group.
    EXPECT_EQ(rule.Evaluate(moonAt(-1.0), moonAt(-1.0)).detail,
              "[!] RAJJU DOSHA: General Rajju Clash; ");
}

TEST(DoshaRules, MangalDoshaFromAscendantMoonOrVenus)
{
    // Mars in the 7th sign from an Aries ascendant.
    MatchSubject boy;
    cusp(boy, 1, 5.0, l::Ketu);
    place(boy, b::Mars, 185.0);
    EXPECT_TRUE(match::HasMangalDosha(boy));

    // Mars in Gemini: 3rd from an Aries ascendant and an Aries Moon, 5th from
    // an Aquarius Venus.
    MatchSubject girl;
    cusp(girl, 1, 5.0, l::Ketu);
    place(girl, b::Mars, 60.0);
    place(girl, b::Moon, 10.0);
    place(girl, b::Venus, 300.0);
    EXPECT_FALSE(match::HasMangalDosha(girl));

    MatchSubject fromMoon; // no cusps: Moon in Aries, Mars in Cancer (4th)
    place(fromMoon, b::Moon, 10.0);
    place(fromMoon, b::Mars, 100.0);
    EXPECT_TRUE(match::HasMangalDosha(fromMoon));
    MatchSubject fromVenus; // Venus in Leo, Mars in Pisces (8th)
    place(fromVenus, b::Venus, 130.0);
    place(fromVenus, b::Mars, 340.0);
    EXPECT_TRUE(match::HasMangalDosha(fromVenus));
    MatchSubject twelfth; // Mars in the sign before the ascendant
    cusp(twelfth, 1, 95.0, l::Ketu);
    place(twelfth, b::Mars, 70.0);
    EXPECT_TRUE(match::HasMangalDosha(twelfth));
    MatchSubject noMars;
    cusp(noMars, 1, 5.0, l::Ketu);
    EXPECT_FALSE(match::HasMangalDosha(noMars));

    const match::MangalDoshaRule rule;
    EXPECT_EQ(result(rule.Evaluate(boy, girl)),
              (Result{0, "Dosha Present", "Boy has Mangal Dosha (uncancelled)."}));
    EXPECT_EQ(rule.Evaluate(girl, boy).detail, "Girl has Mangal Dosha (uncancelled).");
    MatchRuleResult r = rule.Evaluate(boy, fromMoon);
    EXPECT_EQ(r.score, 10);
    EXPECT_EQ(r.status, "Cancelled");
    EXPECT_EQ(rule.Evaluate(girl, noMars).status, "No Dosha");
}

TEST(DoshaRules, NadiDeepWeighsSignStarLordAndSubNadi)
{
    const match::NadiDoshaDeepRule rule;
    // Ashwini and Bharani in Aries, both in their first pada (Vata).
    EXPECT_EQ(result(rule.Evaluate(moonAt(1.0), moonAt(14.0))),
              (Result{4, "Reduced (diff star lord)+SameSubNadi",
                      "Both Nadi=Adi(Vata) | SubNadi Boy=Vata Girl=Vata | DiffSign=No | "
                      "DiffStarLord=Yes"}));
    // The third and the fourth pada are both Kapha.
    MatchRuleResult r = rule.Evaluate(moonAt(7.0), moonAt(24.0));
    EXPECT_EQ(r.status, "Reduced (diff star lord)+SameSubNadi");
    EXPECT_EQ(r.detail, "Both Nadi=Adi(Vata) | SubNadi Boy=Kapha Girl=Kapha | DiffSign=No | "
                        "DiffStarLord=Yes");
    r = rule.Evaluate(moonAt(1.0), moonAt(24.0));
    EXPECT_EQ(r.status, "Reduced (diff star lord)");

    r = rule.Evaluate(moonAt(1.0), moonAt(2.0));
    EXPECT_EQ(r.score, 0);
    EXPECT_EQ(r.status, "Full Dosha+SameSubNadi");
    // Punarvasu across Gemini and Cancer: a different sign clears it, and a
    // full score takes no sub-Nadi mark.
    EXPECT_EQ(result(rule.Evaluate(moonAt(88.0), moonAt(92.0))),
              (Result{8, "Cancelled (diff sign)",
                      "Both Nadi=Antya(Kapha) | SubNadi Boy=Kapha Girl=Kapha | DiffSign=Yes | "
                      "DiffStarLord=No"}));

    EXPECT_EQ(result(rule.Evaluate(moonAt(inStar(0)), moonAt(inStar(3)))),
              (Result{8, "No Dosha", "Different Nadi (Adi(Vata) vs Madhya(Pitta)) — clear."}));
}

} // namespace
} // namespace lumikan::test
