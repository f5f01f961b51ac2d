#include "engine/bodies.h"
#include "engine/dignity_tables.h"
#include "engine/zodiac.h"

#include <gtest/gtest.h>

using namespace lumikan::engine;

TEST(Zodiac, BoundariesBelongToTheLaterDivision)
{
    EXPECT_EQ(signOf(0.0), 0);
    EXPECT_EQ(nakshatraOf(0.0), 0);
    EXPECT_EQ(padaOf(0.0), 1);

    // The nakshatra divisor sits a hair below 40/3, so an exact boundary is the later star.
    EXPECT_EQ(nakshatraOf(40.0 / 3.0), 1);
    EXPECT_EQ(nakshatraOf(13.33333), 0);
    EXPECT_EQ(nakshatraOf(120.0), 9);
    EXPECT_EQ(padaOf(3.3333), 1);
    EXPECT_EQ(padaOf(3.33334), 2);
    EXPECT_EQ(padaOf(13.3333), 4);
    EXPECT_EQ(padaOf(13.33334), 1);

    // Just below 360: Pisces, Revati, never a 28th nakshatra.
    EXPECT_EQ(signOf(359.9999), 11);
    EXPECT_EQ(nakshatraOf(359.9999), 26);
    EXPECT_EQ(nakshatraOf(359.99999999999), 26);
    EXPECT_EQ(padaOf(359.9999), 4);

    // Out-of-range longitudes are reduced first.
    EXPECT_EQ(nakshatraOf(-1.0), 26);
    EXPECT_EQ(nakshatraOf(361.0), 0);
    EXPECT_NEAR(degreeInSign(75.25), 15.25, 1e-12);
}

TEST(Zodiac, NormalizeNeverReturns360)
{
    EXPECT_DOUBLE_EQ(normalizeDegrees(-30.0), 330.0);
    EXPECT_DOUBLE_EQ(normalizeDegrees(725.0), 5.0);
    EXPECT_LT(normalizeDegrees(-1e-18), 360.0);
}

TEST(Bodies, LordAndBodyNumberingsConvert)
{
    for (LordIndex l = 0; l < kLordCount; ++l)
        EXPECT_EQ(bodyToLord(lordToBody(l)), l) << "lord " << l;
    for (BodyId b : {body::Uranus, body::Neptune, body::Pluto, body::Fortuna})
        EXPECT_EQ(bodyToLord(b), -1) << "body " << b;
    EXPECT_EQ(bodyToLord(body::Ketu), lord::Ketu);
    EXPECT_EQ(lordToBody(-1), body::Sun);

    int total = 0;
    for (int y : DASHA_YEARS)
        total += y;
    EXPECT_EQ(total, 120);

    EXPECT_EQ(bodyName(body::Moon, 1), "Mon");
    EXPECT_EQ(bodyName(body::Moon, 7), "MON");  // unknown form counts as upper case
    EXPECT_EQ(bodyName(12, 2), "Ketu");
    EXPECT_EQ(bodyName(body::Fortuna, 1), "Fo");
    EXPECT_EQ(bodyName(42, 2), "?");
}

TEST(Dignity, TablesAnswerAsTheRulesRead)
{
    EXPECT_TRUE(isFriend(body::Moon, body::Mercury));
    EXPECT_FALSE(isFriend(body::Mercury, body::Moon));
    EXPECT_TRUE(isFriend(body::Rahu, body::Rahu));
    EXPECT_FALSE(isFriend(body::Rahu, body::Sun));
    EXPECT_EQ(exaltationPoint(body::Rahu), -1.0);
    EXPECT_TRUE(isInMoolatrikona(body::Moon, 1, 4.0));
    EXPECT_FALSE(isInMoolatrikona(body::Moon, 1, 3.99));
    EXPECT_TRUE(isInMoolatrikona(body::Mercury, 5, 20.0));
    EXPECT_FALSE(isInMoolatrikona(body::Mercury, 5, 20.01));
    EXPECT_EQ(charaKarakaLabel(1), "AmK");
    EXPECT_EQ(charaKarakaLabel(7), "");
}

TEST(Zodiac, WeekdayOfJulianDay)
{
    // 2000-01-01 12:00 UT was a Saturday.
    EXPECT_EQ(weekdayOf(2451545.0), 6);
    EXPECT_EQ(weekdayLord(weekdayOf(2451545.0)), body::Saturn);
    // Midnight UT starts the next weekday.
    EXPECT_EQ(weekdayOf(2451545.5), 0);
}
