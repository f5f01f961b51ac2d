#include "zone_test_support.h"

#include "document/birth_time_zone.h"
#include "document/utc_offset_text.h"
#include "document/zone_resolver.h"

#include <gtest/gtest.h>

namespace lumikan::document {
namespace {

constexpr int kHour = 3600;

engine::LocalDateTime at(int year, int month, int day, int hour = 12, int minute = 0,
                         int second = 0)
{
    return {year, month, day, hour, minute, second};
}

ZoneReading unique(const char* zone, const engine::LocalDateTime& local)
{
    const ZoneReading reading = readZone(zone, local);
    EXPECT_EQ(reading.kind, LocalTimeKind::Unique) << zone;
    return reading;
}

TEST(ZoneResolver, OffsetsInForceFollowTheDatabasesHistory)
{
    LUMIKAN_REQUIRE_TZDATA();
    // India's war-time clocks, and standard time after the war.
    const ZoneReading war = unique("Asia/Kolkata", at(1943, 6, 1));
    EXPECT_EQ(war.offset.offsetSeconds, 6 * kHour + 30 * 60);
    EXPECT_TRUE(war.offset.summerTime);
    EXPECT_EQ(unique("Asia/Kolkata", at(1950, 1, 1)).offset.offsetSeconds, 5 * kHour + 30 * 60);
    // Before standard time the database gives Calcutta's local mean time.
    const ZoneReading lmt = unique("Asia/Kolkata", at(1850, 1, 1));
    EXPECT_TRUE(lmt.offset.localMeanTime);
    EXPECT_EQ(lmt.offset.offsetSeconds, 5 * kHour + 53 * 60 + 28);
    // Summer and winter in Chicago, double summer time in wartime London.
    EXPECT_EQ(unique("America/Chicago", at(1960, 7, 1)).offset.offsetSeconds, -5 * kHour);
    EXPECT_EQ(unique("America/Chicago", at(1960, 1, 1)).offset.offsetSeconds, -6 * kHour);
    const ZoneReading london = unique("Europe/London", at(1941, 7, 1));
    EXPECT_EQ(london.offset.offsetSeconds, 2 * kHour);
    EXPECT_EQ(london.offset.abbreviation, QStringLiteral("BDST"));
    // Nepal moved from +5:30 to +5:45 in 1986; Arizona keeps no summer time.
    EXPECT_EQ(unique("Asia/Kathmandu", at(1980, 1, 1)).offset.offsetSeconds, 5 * kHour + 30 * 60);
    EXPECT_EQ(unique("Asia/Kathmandu", at(1990, 1, 1)).offset.offsetSeconds, 5 * kHour + 45 * 60);
    const ZoneReading phoenix = unique("America/Phoenix", at(2020, 7, 1));
    EXPECT_EQ(phoenix.offset.offsetSeconds, -7 * kHour);
    EXPECT_FALSE(phoenix.offset.summerTime);
}

TEST(ZoneResolver, GapsAndFoldsAreFoundFromTheTransitions)
{
    LUMIKAN_REQUIRE_TZDATA();
    // 2021-03-14: New York's clocks went from 02:00 EST to 03:00 EDT.
    const ZoneReading gap = readZone("America/New_York", at(2021, 3, 14, 2, 30));
    ASSERT_EQ(gap.kind, LocalTimeKind::Gap);
    EXPECT_EQ(gap.offset.offsetSeconds, -5 * kHour);
    EXPECT_EQ(gap.later.offsetSeconds, -4 * kHour);
    EXPECT_EQ(gap.gapStart.hour, 2);
    EXPECT_EQ(gap.gapEnd.hour, 3);
    // The edges: 01:59:59 and 03:00:00 exist once, 02:00:00 does not.
    EXPECT_EQ(readZone("America/New_York", at(2021, 3, 14, 1, 59, 59)).kind, LocalTimeKind::Unique);
    EXPECT_EQ(readZone("America/New_York", at(2021, 3, 14, 2, 0, 0)).kind, LocalTimeKind::Gap);
    EXPECT_EQ(unique("America/New_York", at(2021, 3, 14, 3, 0, 0)).offset.offsetSeconds,
              -4 * kHour);

    // 2021-11-07: 01:00 to 02:00 happened twice, first in EDT, then in EST.
    const ZoneReading fold = readZone("America/New_York", at(2021, 11, 7, 1, 30));
    ASSERT_EQ(fold.kind, LocalTimeKind::Fold);
    EXPECT_EQ(fold.offset.offsetSeconds, -4 * kHour);
    EXPECT_EQ(fold.offset.abbreviation, QStringLiteral("EDT"));
    EXPECT_EQ(fold.later.offsetSeconds, -5 * kHour);
    EXPECT_EQ(fold.later.abbreviation, QStringLiteral("EST"));
    EXPECT_EQ(unique("America/New_York", at(2021, 11, 7, 2, 0)).offset.offsetSeconds, -5 * kHour);

    // A zone the database lacks is said so, not read as UTC.
    EXPECT_EQ(readZone("Mars/Olympus_Mons", at(2021, 1, 1)).kind, LocalTimeKind::UnknownZone);
    EXPECT_EQ(readZone("", at(2021, 1, 1)).kind, LocalTimeKind::UnknownZone);
}

TEST(BirthTimeZone, TypedOffsetThenLocalMeanTimeThenTheZone)
{
    LUMIKAN_REQUIRE_TZDATA();
    BirthTimeZone choice;
    choice.zone = "Asia/Kolkata";
    choice.longitudeDeg = 73.8567;

    ResolvedOffset r = resolveBirthOffset(choice, at(1943, 6, 1));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.source, OffsetSource::Zone);
    EXPECT_DOUBLE_EQ(r.hours(), 6.5);
    EXPECT_EQ(r.description, QStringLiteral("Asia/Kolkata \u2014 summer time, UTC+6:30"));
    r = resolveBirthOffset(choice, at(1990, 12, 5));
    EXPECT_EQ(r.description, QStringLiteral("Asia/Kolkata \u2014 IST, UTC+5:30"));
    r = resolveBirthOffset(choice, at(1850, 1, 1));
    EXPECT_EQ(r.description, QStringLiteral("Asia/Kolkata \u2014 local mean time, UTC+5:53:28"));

    // Local mean time of the longitude: 73.8567° is 4 h 55 min 25.6 s.
    choice.localMeanTime = true;
    r = resolveBirthOffset(choice, at(1943, 6, 1));
    EXPECT_EQ(r.source, OffsetSource::LocalMeanTime);
    EXPECT_EQ(r.offsetSeconds, 4 * kHour + 55 * 60 + 26);
    EXPECT_EQ(r.description, QStringLiteral("local mean time, UTC+4:55:26"));

    // A typed offset wins and says what the zone would have given.
    choice.handTypedSeconds = 5 * kHour + 30 * 60;
    r = resolveBirthOffset(choice, at(1943, 6, 1));
    EXPECT_EQ(r.source, OffsetSource::HandTyped);
    EXPECT_DOUBLE_EQ(r.hours(), 5.5);
    EXPECT_EQ(r.description,
              QStringLiteral("UTC+5:30, typed by hand (Asia/Kolkata gives UTC+6:30)"));

    // Nothing chosen gives no offset rather than UTC.
    EXPECT_EQ(resolveBirthOffset(BirthTimeZone{}, at(2000, 1, 1)).status, OffsetStatus::NoOffset);
}

TEST(BirthTimeZone, AGapIsRefusedAndAFoldWaitsForAChoice)
{
    LUMIKAN_REQUIRE_TZDATA();
    BirthTimeZone choice;
    choice.zone = "America/New_York";
    ResolvedOffset r = resolveBirthOffset(choice, at(2021, 3, 14, 2, 30));
    EXPECT_EQ(r.status, OffsetStatus::Gap);
    EXPECT_EQ(
        r.problem.toStdString(),
        "The birth time 02:30:00 did not exist in America/New_York on 2021-03-14: the clocks "
        "went forward from 02:00 to 03:00 (UTC\u22125:00 to UTC\u22124:00). Check the time, or "
        "type the offset by hand.");
    // The choice to fold does not make a gap exist.
    choice.fold = FoldChoice::Earlier;
    EXPECT_EQ(resolveBirthOffset(choice, at(2021, 3, 14, 2, 30)).status, OffsetStatus::Gap);

    choice.fold = FoldChoice::Unchosen;
    r = resolveBirthOffset(choice, at(2021, 11, 7, 1, 30));
    EXPECT_EQ(r.status, OffsetStatus::Fold);
    EXPECT_EQ(r.description.toStdString(),
              "America/New_York \u2014 01:30 happened twice: earlier UTC\u22124:00 (EDT) or later "
              "UTC\u22125:00 (EST)");
    choice.fold = FoldChoice::Earlier;
    r = resolveBirthOffset(choice, at(2021, 11, 7, 1, 30));
    ASSERT_TRUE(r.ok());
    EXPECT_DOUBLE_EQ(r.hours(), -4.0);
    choice.fold = FoldChoice::Later;
    r = resolveBirthOffset(choice, at(2021, 11, 7, 1, 30));
    ASSERT_TRUE(r.ok());
    EXPECT_DOUBLE_EQ(r.hours(), -5.0);
    EXPECT_EQ(r.description.toStdString(),
              "America/New_York \u2014 EST, UTC\u22125:00 (the later 01:30)");

    choice.zone = "Nowhere/Atlantis";
    EXPECT_EQ(resolveBirthOffset(choice, at(2021, 1, 1)).status, OffsetStatus::UnknownZone);
}

TEST(UtcOffsetText, WritesAndReadsOffsetsAsPeopleTypeThem)
{
    EXPECT_EQ(utcOffsetText(19800), QStringLiteral("UTC+5:30"));
    EXPECT_EQ(utcOffsetText(-12600), QStringLiteral("UTC\u22123:30"));
    EXPECT_EQ(utcOffsetText(0), QStringLiteral("UTC+0:00"));
    EXPECT_EQ(utcOffsetText(21208), QStringLiteral("UTC+5:53:28"));

    EXPECT_EQ(parseUtcOffset("+05:30"), 19800);
    EXPECT_EQ(parseUtcOffset("-03:30"), -12600);
    EXPECT_EQ(parseUtcOffset("5.5"), 19800);
    EXPECT_EQ(parseUtcOffset("-3.5"), -12600);
    EXPECT_EQ(parseUtcOffset("+4:55:28"), 17728);
    EXPECT_EQ(parseUtcOffset("UTC +5:30 (IST)"), 19800);
    EXPECT_EQ(parseUtcOffset("UTC\u22125:00"), -18000);
    EXPECT_EQ(parseUtcOffset("+14:00"), 14 * 3600);
    for (const char* bad : {"", "+", "5:60", "+15:00", "14.5", "5:3x", "1:2:3:4", "x5", "5:30 IST",
                            "--5", "+5::30", "0x5"})
        EXPECT_FALSE(parseUtcOffset(bad).has_value()) << bad;
}

} // namespace
} // namespace lumikan::document
