#include "document/atlas_database.h"
#include "document/atlas_time_zones.h"

#include <gtest/gtest.h>

namespace lumikan::document {
namespace {

TEST(AtlasCountryTimeZone, FindsTheExactNameFirstThenAContainingOne)
{
    ASSERT_EQ(countryTimeZoneEntries().size(), kCountryTimeZoneCount);
    // Kyrgyzstan is listed under +5 and +6: the first entry wins.
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("Kyrgyzstan"), 5.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("India"), 5.5);
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("Nepal"), 5.75);
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("bahamas, the "), -5.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("\tIRAN\n"), 3.5);
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("Atlantis"), 0.0);
    // Exact names beat earlier entries that merely contain them.
    // (South Georgia, at -2, comes first and contains "georgia").
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("Georgia"), 4.0);
    // Second pass, both ways: the name inside an entry, an entry inside the name.
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("Polynesia"), -10.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("Federal Republic of Germany"), 1.0);
    // Entries of three characters or fewer only match exactly.
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("usa"), -5.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("Usa Today"), 0.0);
    // A blank name is contained in every entry but names no country.
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone(""), 0.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::CountryTimeZone("   "), 0.0);
}

TEST(AtlasParseTimeZoneEntry, ReadsTheSignedHoursAndMinutes)
{
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC +5:30 (IST)"), 5.5);
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC -11:00"), -11.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC +5:45"), 5.75);
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC -0:30"), -0.5);  // the sign covers the minutes
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("+3.5"), 3.5);
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC"), 0.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry(""), 0.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC +"), 0.0);
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC +x:15"), 0.25);
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC +nan"), 0.0);
    // The first "-" is taken even after a "+".
    EXPECT_DOUBLE_EQ(AtlasDatabase::ParseTimeZoneEntry("UTC +5 -2"), -2.0);
}

TEST(AtlasTimeZoneEntries, RiseInOrderAndCoverEveryCountryOffset)
{
    ASSERT_EQ(timeZoneEntries().size(), kTimeZoneEntryCount);
    for (std::size_t i = 1; i < timeZoneEntries().size(); ++i) {
        EXPECT_LT(AtlasDatabase::ParseTimeZoneEntry(timeZoneEntries()[i - 1]),
                  AtlasDatabase::ParseTimeZoneEntry(timeZoneEntries()[i]))
            << timeZoneEntries()[i];
    }
    for (const CountryTimeZoneEntry& entry : countryTimeZoneEntries())
        EXPECT_NE(findTimeZoneEntry(entry.hours), -1) << entry.name << " " << entry.hours;
    EXPECT_EQ(timeZoneEntry(findTimeZoneEntry(5.75)), "UTC +5:45");
    EXPECT_EQ(timeZoneEntry(findTimeZoneEntry(5.509)), "UTC +5:30 (IST)");
    EXPECT_EQ(findTimeZoneEntry(5.6), -1);
    EXPECT_EQ(timeZoneEntry(-1), "");
    EXPECT_EQ(timeZoneEntry(29), "");
}

}  // namespace
}  // namespace lumikan::document
