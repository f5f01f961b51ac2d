#include "match/rules/ashtakoota_rules.h"

#include "match_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumikan::test {
namespace {

using match::MatchRuleResult;

MatchSubject withVarna(const char* varna, int gender)
{
    MatchSubject s;
    s.varna = varna;
    s.gender = gender;
    return s;
}

MatchSubject withText(std::string MatchSubject::*field, const std::string& value)
{
    MatchSubject s;
    s.*field = value;
    return s;
}

MatchSubject moonWithNakshatra(double longitudeDeg)
{
    MatchSubject s = moonAt(longitudeDeg);
    s.nakshatra = "any";
    return s;
}

TEST(AshtakootaRules, VarnaTurnsRoundOnlyForAFemaleFirstChart)
{
    const match::VarnaRule rule;
    EXPECT_EQ(rule.Evaluate(withVarna("Shudra", 0), withVarna("Brahmin", 1)).score, 0);
    EXPECT_EQ(rule.Evaluate(withVarna("Shudra", 1), withVarna("Brahmin", 0)).score, 1);

    // Other genders keep the normal direction.
    EXPECT_EQ(rule.Evaluate(withVarna("Shudra", 1), withVarna("Brahmin", 1)).status, "Mismatch");
    EXPECT_EQ(rule.Evaluate(withVarna("Shudra", 3), withVarna("Brahmin", 2)).status, "Mismatch");
    EXPECT_EQ(rule.Evaluate(withVarna("Kshatriya", 0), withVarna("Kshatriya", 1)).score, 1);
    // An unknown varna ranks below Shudra.
    EXPECT_EQ(rule.Evaluate(withVarna("Brahman", 0), withVarna("Shudra", 1)).status, "Mismatch");

    EXPECT_EQ(rule.Evaluate(withVarna("", 0), withVarna("Brahmin", 1)).status, "Skipped");
}

TEST(AshtakootaRules, VashyaTableReadsBoyFirst)
{
    const match::VashyaRule rule;
    const auto eval = [&](const char* boy, const char* girl) {
        return rule.Evaluate(withText(&MatchSubject::vashya, boy),
                             withText(&MatchSubject::vashya, girl));
    };
    EXPECT_EQ(eval("Jalachara", "Manav").score, 0.5);
    EXPECT_EQ(eval("Manav", "Jalachara").score, 1.0);
    MatchRuleResult r = eval("Chatuspad", "Vanachara");
    EXPECT_EQ(r.score, 0.0);
    EXPECT_EQ(r.status, "Average"); // a zero entry still reads Average
    EXPECT_EQ(eval("Vanachara", "Chatuspad").score, 1.0);
    EXPECT_EQ(eval("Keeta", "Keeta").score, 2);

    r = eval("Manava", "Keeta"); // an unknown name is no zero entry
    EXPECT_EQ(r.score, 0);
    EXPECT_EQ(r.status, "Bad");
    EXPECT_EQ(eval("Manav", "").status, "Skipped");
}

TEST(AshtakootaRules, TaraCountsFromEachStarToTheOther)
{
    const match::TaraRule rule;
    // Ashwini and Magha: nine apart both ways, so both counts are 0.
    EXPECT_EQ(rule.Evaluate(moonWithNakshatra(inStar(0)), moonWithNakshatra(inStar(9))).score, 0);
    // Forward 1 and backward 8 are both favourable.
    MatchRuleResult r = rule.Evaluate(moonWithNakshatra(inStar(0)), moonWithNakshatra(inStar(1)));
    EXPECT_EQ(r.score, 3);
    EXPECT_EQ(r.detail, "");
    // Forward 2 is not, backward 7 is.
    EXPECT_EQ(rule.Evaluate(moonWithNakshatra(inStar(0)), moonWithNakshatra(inStar(2))).score, 1.5);
    // Bharani to Ardra: forward 4 is not favourable, backward 23 mod 9 = 5 is.
    EXPECT_EQ(rule.Evaluate(moonWithNakshatra(inStar(1)), moonWithNakshatra(inStar(5))).score, 1.5);

    r = rule.Evaluate(moonWithNakshatra(inStar(4, 2.0)), moonWithNakshatra(inStar(4, 9.0)));
    EXPECT_EQ(r.score, 3);
    EXPECT_EQ(r.detail, "Same Nakshatra");

    // The ten-decimal width puts a hair past 13.3333333333 into Bharani.
    r = rule.Evaluate(moonWithNakshatra(13.33333333331), moonWithNakshatra(13.3333333332));
    EXPECT_EQ(r.detail, "");
    EXPECT_EQ(r.score, 3);

    MatchSubject missing = moonAt(inStar(3));
    r = rule.Evaluate(missing, moonWithNakshatra(inStar(3)));
    EXPECT_EQ(r.status, "Skipped");
    EXPECT_EQ(r.detail, "Missing Nakshatra");
}

TEST(AshtakootaRules, YoniScoresAPairTheSameEitherWayRound)
{
    const match::YoniRule rule;
    const auto eval = [&](const std::string& boy, const std::string& girl) {
        return rule.Evaluate(withText(&MatchSubject::yoni, boy),
                             withText(&MatchSubject::yoni, girl));
    };
    const std::vector<std::string> animals = {"Horse", "Elephant", "Sheep",    "Serpent", "Dog",
                                              "Cat",   "Rat",      "Cow",      "Buffalo", "Tiger",
                                              "Deer",  "Monkey",   "Mongoose", "Lion"};
    for (const std::string& a : animals)
        for (const std::string& c : animals)
            EXPECT_EQ(eval(a, c).score, eval(c, a).score) << a << " / " << c;

    EXPECT_EQ(eval("Cat", "Rat").score, 0);
    EXPECT_EQ(eval("Rat", "Cat").status, "Enemy");
    EXPECT_EQ(eval("Monkey", "Mongoose").score, 3);
    EXPECT_EQ(eval("Horse", "Deer").score, 2);
    EXPECT_EQ(eval("Tiger", "Lion").score, 1);
    EXPECT_EQ(eval("Deer", "Deer").score, 4);
    // Names compare case-sensitively: an unknown spelling is neutral.
    EXPECT_EQ(eval("cat", "Rat").score, 2);
    EXPECT_EQ(eval("Cat", "").status, "Skipped");
}

TEST(AshtakootaRules, GrahaMaitriReadsEachLordsViewOfTheOther)
{
    const match::GrahaMaitriRule rule;
    // Moon signs by their middle degree.
    const auto sign = [](int s) { return moonAt(30.0 * s + 15.0); };
    constexpr int Aries = 0, Gemini = 2, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6, Scorpio = 7,
                  Sagittarius = 8, Capricorn = 9;

    // Saturn counts Jupiter an enemy, Jupiter counts Saturn neutral.
    EXPECT_EQ(
        result(rule.Evaluate(sign(Capricorn), sign(Sagittarius))),
        (Result{1, "Poor",
                "Moon Lords: Saturn & Jupiter → Poor. Neutral–Enemy relationship → communication "
                "gaps and differing perspectives may create friction. "}));
    EXPECT_EQ(rule.Evaluate(sign(Sagittarius), sign(Capricorn)).score, 1);

    MatchRuleResult r = rule.Evaluate(sign(Aries), sign(Scorpio)); // both Mars
    EXPECT_EQ(r.score, 5);
    EXPECT_EQ(r.detail.rfind("Moon Lords: Mars & Mars → Excellent. Both Moon sign lords", 0), 0u);
    EXPECT_EQ(rule.Evaluate(sign(Leo), sign(Cancer)).score, 5); // Sun and Moon, friends

    // Moon befriends Mercury, Mercury counts the Moon an enemy.
    r = rule.Evaluate(sign(Cancer), sign(Gemini));
    EXPECT_EQ(r.score, 1);
    EXPECT_NE(r.detail.find("One lord is friendly but the other considers it an enemy"),
              std::string::npos);
    // Sun neutral to Mercury, Mercury friend; Venus and Mars neutral both ways;
    // Sun and Venus enemies both ways.
    EXPECT_EQ(rule.Evaluate(sign(Leo), sign(Virgo)).score, 4);
    EXPECT_EQ(rule.Evaluate(sign(Libra), sign(Aries)).score, 3);
    EXPECT_EQ(rule.Evaluate(sign(Leo), sign(Libra)).score, 0);

    // A Moon longitude the ephemeris could not give has no sign.
    EXPECT_EQ(result(rule.Evaluate(moonAt(-1.0), sign(Leo))),
              (Result{0, "Error", "Invalid Moon sign data."}));
}

TEST(AshtakootaRules, GanaFavoursEqualsAndTheDevaManushyaPair)
{
    const match::GanaRule rule;
    const auto eval = [&](const char* boy, const char* girl) {
        return rule.Evaluate(withText(&MatchSubject::gana, boy),
                             withText(&MatchSubject::gana, girl));
    };
    EXPECT_EQ(eval("Rakshasa", "Rakshasa").score, 6);
    EXPECT_EQ(eval("Manushya", "Deva").score, 5);
    EXPECT_EQ(eval("Deva", "Manushya").status, "Good");
    EXPECT_EQ(eval("Deva", "Rakshasa").score, 0);
    EXPECT_EQ(eval("Rakshasa", "Manushya").status, "Gana Dosha");
    EXPECT_EQ(eval("", "Deva").status, "Skipped");
}

TEST(AshtakootaRules, BhakootDoshaIsCancelledOnlyByTheRightLords)
{
    const match::BhakootRule rule;
    const auto eval = [&](int boySign, int girlSign) {
        return rule.Evaluate(moonAt(30.0 * boySign + 10.0), moonAt(30.0 * girlSign + 10.0));
    };
    // Aries and Scorpio, 6/8 under one lord, Mars: no cancellation.
    EXPECT_EQ(eval(0, 7).score, 0);
    EXPECT_EQ(eval(0, 7).status, "Dosha");
    // Taurus and Libra, both Venus; Capricorn and Aquarius (2/12), both Saturn.
    EXPECT_EQ(eval(1, 6).score, 7);
    EXPECT_EQ(eval(1, 6).status, "Cancelled Dosha");
    EXPECT_EQ(eval(9, 10).status, "Cancelled Dosha");
    // 6/8 with mutual friends (Leo's Sun and Pisces' Jupiter) cancels...
    EXPECT_EQ(eval(4, 11).score, 7);
    // ... 2/12 or 5/9 with mutual friends does not (Pisces-Aries, Aries-Leo).
    EXPECT_EQ(eval(11, 0).status, "Dosha");
    EXPECT_EQ(eval(0, 4).status, "Dosha");
    // Aries and Virgo: Mars and Mercury are no friends.
    EXPECT_EQ(eval(0, 5).status, "Dosha");

    EXPECT_EQ(eval(0, 6).status, "Good");
    EXPECT_EQ(eval(2, 5).status, "Good"); // 4/10
    EXPECT_EQ(rule.Evaluate(moonAt(-0.5), moonAt(10.0)).status, "Skipped");
}

TEST(AshtakootaRules, NadiDoshaKeepsZeroPointsEvenWhenCancelled)
{
    const match::NadiRule rule;
    const auto subject = [](const char* nadi, double moonDeg) {
        MatchSubject s = moonAt(moonDeg);
        s.nadi = nadi;
        return s;
    };
    EXPECT_EQ(rule.Evaluate(subject("Adi", 10.0), subject("Antya", 10.0)).score, 8);

    // Same star.
    EXPECT_EQ(result(rule.Evaluate(subject("Adi", 2.0), subject("Adi", 11.0))),
              (Result{0, "Dosha", "Same Nadi but cancelled by other factors - Check KP"}));
    // Aries and Scorpio Moons share Mars.
    EXPECT_EQ(rule.Evaluate(subject("Adi", 10.0), subject("Adi", 215.0)).detail,
              "Same Nadi but cancelled by other factors - Check KP");
    // Leo's Sun and Sagittarius' Jupiter are friends both ways.
    EXPECT_EQ(rule.Evaluate(subject("Adi", 130.0), subject("Adi", 250.0)).detail,
              "Same Nadi but cancelled by other factors - Check KP");
    // Aries' Mars and Libra's Venus are not.
    MatchRuleResult r = rule.Evaluate(subject("Adi", 10.0), subject("Adi", 190.0));
    EXPECT_EQ(r.score, 0);
    EXPECT_EQ(r.detail, "Same Nadi");

    EXPECT_EQ(rule.Evaluate(subject("", 10.0), subject("Adi", 10.0)).status, "Skipped");
}

} // namespace
} // namespace lumikan::test
