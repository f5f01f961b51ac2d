#include "atlas_test_files.h"

#include "document/atlas_database.h"
#include "document/atlas_place_picker.h"
#include "document/atlas_time_zones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace lumikan::document {
namespace {

using testing::TempFolder;
using testing::TestState;

std::uint32_t findCity(const AtlasDatabase& atlas, std::uint32_t state, const std::string& name)
{
    for (std::uint32_t c = 0; c < atlas.CityCount(state); ++c) {
        if (atlas.City(state, c).name == name)
            return c;
    }
    return UINT32_MAX;
}

TEST(AtlasCommittedFiles, EveryListedCountryHasAValidFileWithItsStandardOffset)
{
    // Countries of the first 92 for which the data has no city at all.
    const std::set<std::string> empty = {"at", "av", "aa", "bd", "io", "vi"};
    AtlasDatabase atlas(testing::committedAtlasFolder());
    ASSERT_EQ(AtlasDatabase::Countries().size(), kAtlasCountryCount);
    std::set<std::string> codes;
    for (std::size_t i = 0; i < AtlasDatabase::Countries().size(); ++i) {
        const AtlasCountry& country = AtlasDatabase::Countries()[i];
        const std::string code(country.code);
        SCOPED_TRACE(code);
        EXPECT_TRUE(codes.insert(code).second) << "code listed twice";
        ASSERT_TRUE(atlas.OpenCountry(code));
        if (i >= 92)
            continue; // the files added later carry their first zone's offset
        EXPECT_EQ(atlas.StateCount() == 0, empty.count(code) == 1) << atlas.StateCount() << " states";

        // The builder writes the same standard offset the pickers look up by name.
        const double hours = AtlasDatabase::CountryTimeZone(country.name);
        EXPECT_NE(findTimeZoneEntry(hours), -1) << hours;
        for (std::uint32_t s = 0; s < atlas.StateCount(); ++s) {
            ASSERT_GT(atlas.CityCount(s), 0u) << atlas.StateName(s);
            ASSERT_FALSE(atlas.StateName(s).empty());
            for (std::uint32_t c = 0; c < atlas.CityCount(s); ++c) {
                const AtlasCity city = atlas.City(s, c);
                ASSERT_FALSE(city.name.empty());
                ASSERT_DOUBLE_EQ(city.timeZoneHours, hours) << city.name;
            }
        }
    }
}

TEST(AtlasCommittedFiles, PuneGivesItsCoordinatesAndIndianStandardTime)
{
    AtlasDatabase atlas(testing::committedAtlasFolder());
    PlacePicker picker(atlas);
    ASSERT_EQ(picker.chooseCountry(findAtlasCountry("India")), CountryChoice::Loaded);
    EXPECT_EQ(picker.countryCode(), "in");
    EXPECT_DOUBLE_EQ(picker.timeZoneHours(), 5.5);
    EXPECT_EQ(timeZoneEntry(picker.timeZoneEntryIndex()), "UTC +5:30 (IST)");
    ASSERT_TRUE(picker.chooseState("Maharashtra"));
    ASSERT_TRUE(picker.chooseCity("Pune"));
    EXPECT_EQ(formatCoordinate(picker.latitude(), 4), "18.5196");
    EXPECT_EQ(formatCoordinate(picker.longitude(), 4), "73.8554");
    EXPECT_EQ(timeZoneEntry(picker.timeZoneEntryIndex()), "UTC +5:30 (IST)");
}

TEST(AtlasCommittedFiles, TexasHoldsOverAThousandCitiesInNameOrder)
{
    AtlasDatabase atlas(testing::committedAtlasFolder());
    ASSERT_TRUE(atlas.OpenCountry("US"));
    const int texas = atlas.FindState("TEXAS");
    ASSERT_GE(texas, 0);
    const auto state = static_cast<std::uint32_t>(texas);
    EXPECT_EQ(atlas.StateName(state), "Texas");
    EXPECT_GT(atlas.CityCount(state), 1000u);

    const std::uint32_t houston = findCity(atlas, state, "Houston");
    ASSERT_NE(houston, UINT32_MAX);
    const AtlasCity city = atlas.City(state, houston);
    EXPECT_NEAR(city.latitude, 29.763, 0.01);
    EXPECT_NEAR(city.longitude, -95.363, 0.01);  // west is negative
    EXPECT_DOUBLE_EQ(city.timeZoneHours, -5.0);

    // Sorted by name ignoring case (and accents, which only ASCII names can ignore here).
    QString previous;
    for (std::uint32_t c = 0; c < atlas.CityCount(state); ++c) {
        const QString name = QString::fromStdString(atlas.City(state, c).name);
        if (!std::all_of(name.begin(), name.end(), [](QChar ch) { return ch.unicode() < 0x80; }))
            continue;
        EXPECT_LE(QString::compare(previous, name, Qt::CaseInsensitive), 0) << previous.toStdString() << " / "
                                                                          << name.toStdString();
        previous = name;
    }
}

TEST(AtlasCommittedFiles, NepalSelectsTheQuarterHourOffset)
{
    AtlasDatabase atlas(testing::committedAtlasFolder());
    PlacePicker picker(atlas);
    ASSERT_EQ(picker.chooseCountry(findAtlasCountry("np")), CountryChoice::Loaded);
    EXPECT_EQ(timeZoneEntry(picker.timeZoneEntryIndex()), "UTC +5:45");
    ASSERT_TRUE(picker.chooseState("Central Region"));
    ASSERT_TRUE(picker.chooseCity("Kathmandu"));
    EXPECT_NEAR(picker.latitude(), 27.70, 0.02);
    EXPECT_NEAR(picker.longitude(), 85.32, 0.02);
    EXPECT_DOUBLE_EQ(picker.timeZoneHours(), 5.75);
}

TEST(AtlasCommittedFiles, DefaultFolderIsBesideTheProgram)
{
    // The tests run from the build's bin/, where the build copies mondo/.
    EXPECT_EQ(AtlasDatabase::defaultFolder().filename(), "mondo");
    EXPECT_TRUE(AtlasDatabase::instance().OpenCountry("in"));
    EXPECT_EQ(AtlasDatabase::instance().openCountryCode(), "in");
}

TEST(AtlasDatabase, OpenSwitchAndCloseFollowTheOpenCountry)
{
    TempFolder folder("open");
    folder.write("in.bin", testing::atlasBytes({{"Maharashtra", {{"Pune", 18.5f, 73.8f, 330}}}}));
    folder.write("np.bin", testing::atlasBytes({{"Central Region", {{"Kathmandu", 27.7f, 85.3f, 345}}}}));
    AtlasDatabase atlas(folder.path());
    EXPECT_EQ(atlas.StateCount(), 0u);
    EXPECT_EQ(atlas.FindState("Maharashtra"), -1);

    ASSERT_TRUE(atlas.OpenCountry("IN"));
    EXPECT_EQ(atlas.openCountryCode(), "in");
    // The open country asked again is not reopened: it still reads with its file gone.
    std::filesystem::remove(folder.path() / "in.bin");
    ASSERT_TRUE(atlas.OpenCountry("in"));
    EXPECT_EQ(atlas.City(0, 0).name, "Pune");

    ASSERT_TRUE(atlas.OpenCountry("np"));
    EXPECT_EQ(atlas.StateName(0), "Central Region");
    EXPECT_DOUBLE_EQ(atlas.City(0, 0).timeZoneHours, 5.75);

    // A failed switch leaves nothing open.
    EXPECT_FALSE(atlas.OpenCountry("in"));
    EXPECT_EQ(atlas.openCountryCode(), "");
    EXPECT_EQ(atlas.StateCount(), 0u);
    EXPECT_EQ(atlas.StateName(0), "");
    EXPECT_EQ(atlas.City(0, 0).name, "");

    ASSERT_TRUE(atlas.OpenCountry("np"));
    atlas.close();
    EXPECT_EQ(atlas.StateCount(), 0u);
}

TEST(AtlasDatabase, CodesThatAreNotLettersNameNoFile)
{
    TempFolder folder("codes");
    folder.write("in.bin", testing::atlasBytes({{"Goa", {{"Panaji", 15.5f, 73.8f, 330}}}}));
    std::filesystem::create_directories(folder.path() / "sub");
    folder.write("sub/xx.bin", testing::atlasBytes({}));
    AtlasDatabase atlas(folder.path() / "sub");
    EXPECT_FALSE(atlas.OpenCountry("../in"));
    EXPECT_FALSE(atlas.OpenCountry(""));
    EXPECT_FALSE(atlas.OpenCountry("x x"));
    EXPECT_TRUE(atlas.OpenCountry("xx"));
}

TEST(AtlasDatabase, LookupsOutsideTheFileAreEmpty)
{
    TempFolder folder("ranges");
    folder.write("in.bin", testing::atlasBytes({{"Goa", {{"Panaji", 15.5f, 73.8f, 330}}}, {"Empty", {}}}));
    AtlasDatabase atlas(folder.path());
    ASSERT_TRUE(atlas.OpenCountry("in"));
    EXPECT_EQ(atlas.StateCount(), 2u);
    EXPECT_EQ(atlas.StateName(2), "");
    EXPECT_EQ(atlas.CityCount(1), 0u);
    EXPECT_EQ(atlas.CityCount(UINT32_MAX), 0u);
    const AtlasCity none = atlas.City(0, 1);
    EXPECT_EQ(none.name, "");
    EXPECT_EQ(none.latitude, 0.0);
    EXPECT_EQ(none.longitude, 0.0);
    EXPECT_EQ(atlas.City(1, 0).name, "");
    EXPECT_EQ(atlas.City(UINT32_MAX, UINT32_MAX).name, "");
}

TEST(AtlasDatabase, FindStateIgnoresCaseAlsoBeyondAscii)
{
    TempFolder folder("find");
    folder.write("fr.bin", testing::atlasBytes({{"Bretagne", {{"Rennes", 48.1f, -1.7f, 60}}},
                                                {"Île-de-France", {{"Paris", 48.9f, 2.3f, 60}}},
                                                {"ÎLE-DE-FRANCE", {{"Versailles", 48.8f, 2.1f, 60}}}}));
    AtlasDatabase atlas(folder.path());
    ASSERT_TRUE(atlas.OpenCountry("fr"));
    EXPECT_EQ(atlas.FindState("bretagne"), 0);
    EXPECT_EQ(atlas.FindState("île-de-france"), 1);  // the first equal one wins
    EXPECT_EQ(atlas.FindState("Ile-de-France"), -1);
    EXPECT_EQ(atlas.FindState("Bretagne "), -1);
    EXPECT_EQ(atlas.FindState(""), -1);
}

TEST(AtlasDatabase, NamesThatAreNotUtf8AreReplaced)
{
    TempFolder folder("utf8");
    folder.write("xx.bin", testing::atlasBytes({{"Bad\xff", {{"Caf\xc3", 1.0f, 2.0f, 0}}}}));
    AtlasDatabase atlas(folder.path());
    ASSERT_TRUE(atlas.OpenCountry("xx"));
    EXPECT_EQ(atlas.StateName(0), "Bad\xef\xbf\xbd");
    EXPECT_EQ(atlas.City(0, 0).name, "Caf\xef\xbf\xbd");
}

}  // namespace
}  // namespace lumikan::document
