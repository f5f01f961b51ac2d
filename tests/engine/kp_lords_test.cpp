#include "engine/kp_lords.h"
#include "engine/kp_sub_table.h"
#include "engine/zodiac.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace lumikan::engine;

namespace {
constexpr double kArcSecond = 1.0 / 3600.0;
double dms(int d, int m, int s) { return d + m / 60.0 + s / 3600.0; }
}  // namespace

TEST(SubLords, AshwiniSubsFollowTheVimshottariProportions)
{
    // Ketu sub 0°00'00" - 0°46'40", Venus sub the next 2°13'20", then Sun, Moon ...
    EXPECT_EQ(subLordOf(lord::Ketu, 0.0), lord::Ketu);
    EXPECT_EQ(subLordOf(lord::Ketu, dms(0, 46, 39)), lord::Ketu);
    EXPECT_EQ(subLordOf(lord::Ketu, dms(0, 46, 41)), lord::Venus);
    EXPECT_EQ(subLordOf(lord::Ketu, dms(2, 59, 59)), lord::Venus);
    EXPECT_EQ(subLordOf(lord::Ketu, dms(3, 0, 1)), lord::Sun);
    EXPECT_EQ(subLordOf(lord::Ketu, 13.3333), lord::Mercury);

    const LordIndex expected[] = {lord::Ketu, lord::Venus,   lord::Sun,
                                  lord::Moon, lord::Mars,    lord::Rahu,
                                  lord::Jupiter, lord::Saturn, lord::Mercury};
    double start = 0.0;
    for (LordIndex l : expected) {
        const double width = DASHA_YEARS[l] / 120.0 * kNakshatraSpanDecimal;
        EXPECT_EQ(subLordOf(lord::Ketu, start + width / 2), l) << "sub of " << lordName(l);
        start += width;
    }
    // Past the sum of the spans (rounding at the nakshatra's end) the star lord answers.
    EXPECT_EQ(subLordOf(lord::Ketu, 13.34), lord::Ketu);
}

TEST(SubLords, StartOfNakshatraIsStarLordAtEveryLevel)
{
    for (int n = 0; n < kNakshatraCount; ++n) {
        // The true start of the nakshatra, n × 40/3.
        const double l = n * kNakshatraSpanExact;
        const KpLords lords = kpLordsOf(l);
        EXPECT_EQ(lords.starLord, n % 9) << "nakshatra " << n;
        EXPECT_EQ(lords.subLord, n % 9) << "nakshatra " << n;
        EXPECT_EQ(lords.subSubLord, n % 9) << "nakshatra " << n;
    }
}

TEST(SubLords, SubSubLordsWithinTheVenusSubOfAshwini)
{
    // The Venus sub of Ashwini starts at 0°46'40" and is 2°13'20" wide; its first
    // sub-sub is Venus (20/120 of it), then the Sun.
    const double start = 7.0 / 120.0 * kNakshatraSpanDecimal;
    const double width = 20.0 / 120.0 * kNakshatraSpanDecimal;
    EXPECT_EQ(subSubLordOf(lord::Ketu, lord::Venus, start + 0.1), lord::Venus);
    EXPECT_EQ(subSubLordOf(lord::Ketu, lord::Venus, start + width * 20 / 120 + 1e-9), lord::Sun);
    EXPECT_EQ(subSubLordOf(lord::Ketu, lord::Venus, start + width - 1e-6), lord::Ketu);
    // 10° Aries: Ashwini, Saturn sub... computed by hand from the spans.
    const KpLords lords = kpLordsOf(10.0);
    EXPECT_EQ(lords.signLord, lord::Mars);
    EXPECT_EQ(lords.starLord, lord::Ketu);
    // Ketu 0.7778 + Venus 2.2222 + Sun 0.6667 + Moon 1.1111 + Mars 0.7778 + Rahu 2.0
    // = 7.5556, + Jupiter 1.7778 = 9.3333, so 10° lies in the Saturn sub.
    EXPECT_EQ(lords.subLord, lord::Saturn);
    // Into the Saturn sub by 0.6667 of 2.1111: Saturn 0.3343, Mercury 0.2990 → 0.6333,
    // then Ketu 0.1231: 0.6667 falls in Ketu.
    EXPECT_EQ(lords.subSubLord, lord::Ketu);
}

TEST(HoraryTable, StandardKpNumbering)
{
    const auto table = buildKpSubTable();
    ASSERT_EQ(table.size(), 249u);

    EXPECT_EQ(table[0].number, 1);
    EXPECT_EQ(table[0].starLord, lord::Ketu);
    EXPECT_EQ(table[0].subLord, lord::Ketu);
    EXPECT_DOUBLE_EQ(table[0].start, 0.0);
    EXPECT_NEAR(table[0].end, 7.0 / 9.0, 1e-12);

    // Contiguous from 0° to 360°, every number in order, each entry inside one sign.
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].number, static_cast<int>(i) + 1);
        EXPECT_LT(table[i].start, table[i].end) << "entry " << i + 1;
        if (i > 0) {
            EXPECT_DOUBLE_EQ(table[i].start, table[i - 1].end) << "entry " << i + 1;
        }
        EXPECT_EQ(signOf(table[i].start), signOf(table[i].end - 1e-9)) << "entry " << i + 1;
    }
    EXPECT_DOUBLE_EQ(table.back().end, 360.0);

    // The published anchors.
    EXPECT_NEAR(*horaryAscendantFor(23), 30.0, kArcSecond / 100);
    const auto& e145 = table[144];
    EXPECT_NEAR(e145.start, dms(209, 26, 40), kArcSecond / 100);
    EXPECT_EQ(e145.starLord, lord::Jupiter);
    EXPECT_EQ(e145.subLord, lord::Moon);
    const auto& e249 = table[248];
    EXPECT_NEAR(e249.start, dms(357, 53, 20), kArcSecond / 100);
    EXPECT_EQ(e249.starLord, lord::Mercury);
    EXPECT_EQ(e249.subLord, lord::Saturn);

    // The splits sit exactly on the six sign boundaries that fall inside a sub.
    int splits = 0;
    for (std::size_t i = 1; i < table.size(); ++i)
        if (table[i].subLord == table[i - 1].subLord && table[i].starLord == table[i - 1].starLord) {
            ++splits;
            EXPECT_NEAR(std::fmod(table[i].start, 60.0), 30.0, 1e-9) << "entry " << i + 1;
        }
    EXPECT_EQ(splits, 6);

    // Each entry's lords agree with the sub-lord arithmetic at its middle.
    for (const auto& e : table) {
        const KpLords lords = kpLordsOf((e.start + e.end) / 2);
        EXPECT_EQ(lords.starLord, e.starLord) << "entry " << e.number;
        EXPECT_EQ(lords.subLord, e.subLord) << "entry " << e.number;
    }

    EXPECT_FALSE(horaryAscendantFor(0));
    EXPECT_FALSE(horaryAscendantFor(250));
    EXPECT_DOUBLE_EQ(*horaryAscendantFor(1), 0.0);
}
