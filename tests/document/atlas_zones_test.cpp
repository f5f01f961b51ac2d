#include "atlas_test_files.h"
#include "zone_test_support.h"

#include "document/atlas_database.h"
#include "document/atlas_place_picker.h"
#include "document/atlas_zone_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

namespace lumikan::document {
namespace {

using testing::TempFolder;

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The zone of a city found by country, state and city name.
std::string zoneOf(const char* country, const char* state, const char* city)
{
    AtlasDatabase atlas(testing::committedAtlasFolder());
    PlacePicker picker(atlas);
    if (picker.chooseCountry(findAtlasCountry(country)) != CountryChoice::Loaded)
        return "no country";
    if (!picker.chooseState(state))
        return "no state";
    if (!picker.chooseCity(city))
        return "no city";
    return picker.zone();
}

TEST(AtlasZones, EveryCityHasOneOfItsCountrysZonesAndTheDatabaseKnowsEach)
{
    LUMIKAN_REQUIRE_TZDATA();
    AtlasDatabase atlas(testing::committedAtlasFolder());
    std::size_t cities = 0;
    for (const AtlasCountry& country : AtlasDatabase::Countries()) {
        SCOPED_TRACE(std::string(country.code));
        const std::vector<std::string_view> zones = countryZones(country);
        for (const std::string_view zone : zones)
            EXPECT_TRUE(isZoneAvailable(zone)) << zone;
        ASSERT_TRUE(atlas.OpenCountry(country.code));
        if (atlas.StateCount() > 0) {
            EXPECT_EQ(atlas.zoneProblem(), "");
        }
        for (std::uint32_t s = 0; s < atlas.StateCount(); ++s) {
            for (std::uint32_t c = 0; c < atlas.CityCount(s); ++c) {
                const AtlasCity city = atlas.City(s, c);
                ++cities;
                ASSERT_NE(std::find(zones.begin(), zones.end(), city.zone), zones.end())
                    << city.name << " has " << city.zone;
            }
        }
    }
    EXPECT_GT(cities, 148000u);
    // Every country of the data is listed; only Ashmore and Cartier Islands lacks a zone.
    EXPECT_EQ(countryZones(*atlasCountry(findAtlasCountry("at"))).size(), 0u);
}

TEST(AtlasZones, CitiesGetTheZoneOfWhereTheyLie)
{
    EXPECT_EQ(zoneOf("us", "California", "Los Angeles"), "America/Los_Angeles");
    EXPECT_EQ(zoneOf("us", "Hawaii", "Honolulu"), "Pacific/Honolulu");
    EXPECT_EQ(zoneOf("us", "Arizona", "Phoenix"), "America/Phoenix");
    EXPECT_EQ(zoneOf("us", "Puerto Rico", "San Juan"), "America/Puerto_Rico");
    EXPECT_EQ(zoneOf("as", "Western Australia", "Perth"), "Australia/Perth");
    EXPECT_EQ(zoneOf("rs", "Primorsky Krai", "Vladivostok"), "Asia/Vladivostok");
    EXPECT_EQ(zoneOf("in", "Maharashtra", "Pune"), "Asia/Kolkata");
    EXPECT_EQ(zoneOf("uk", "England", "London"), "Europe/London");
    EXPECT_EQ(zoneOf("no", "Troms", "Tromsø"), "Europe/Oslo");
}

TEST(AtlasZones, AMissingOrDamagedZoneFileFallsBackToTheCountrysZones)
{
    TempFolder folder("zones");
    const std::filesystem::path committed = testing::committedAtlasFolder();
    folder.write("in.bin", fileBytes(committed / "in.bin"));
    folder.write("us.bin", fileBytes(committed / "us.bin"));
    std::vector<std::uint8_t> usZones = fileBytes(committed / "us.zones");
    ASSERT_GT(usZones.size(), 100u);

    AtlasDatabase atlas(folder.path());
    PlacePicker picker(atlas);
    // India has one zone: every city still gets it, and the user is told.
    ASSERT_EQ(picker.chooseCountry(findAtlasCountry("India")), CountryChoice::Loaded);
    EXPECT_NE(picker.zoneProblem().find("in.zones is missing"), std::string::npos)
        << picker.zoneProblem();
    ASSERT_TRUE(picker.choosePlace("Maharashtra", "Pune"));
    EXPECT_EQ(picker.zone(), "Asia/Kolkata");

    // The United States has many: no city's zone is guessed.
    usZones.back() = 0xFF; // an index past the zone list
    folder.write("us.zones", usZones);
    ASSERT_EQ(picker.chooseCountry(findAtlasCountry("us")), CountryChoice::Loaded);
    EXPECT_NE(picker.zoneProblem().find("us.zones is damaged"), std::string::npos)
        << picker.zoneProblem();
    EXPECT_NE(picker.zoneProblem().find("Choose the time zone"), std::string::npos);
    EXPECT_GT(picker.countryZones().size(), 20u);
    ASSERT_TRUE(picker.choosePlace("California", "Los Angeles"));
    EXPECT_EQ(picker.zone(), "");

    // A sound zone file of another atlas file does not fit this one.
    std::vector<std::uint8_t> otherBin = fileBytes(committed / "us.bin");
    otherBin[otherBin.size() - 2] ^= 0x20; // one letter of the last name
    folder.write("us.bin", otherBin);
    folder.write("us.zones", fileBytes(committed / "us.zones"));
    atlas.close();
    ASSERT_EQ(picker.chooseCountry(findAtlasCountry("us")), CountryChoice::Loaded);
    EXPECT_NE(picker.zoneProblem(), "");

    // The committed pair reads cleanly.
    folder.write("us.bin", fileBytes(committed / "us.bin"));
    atlas.close();
    ASSERT_EQ(picker.chooseCountry(findAtlasCountry("us")), CountryChoice::Loaded);
    EXPECT_EQ(picker.zoneProblem(), "");
    ASSERT_TRUE(picker.choosePlace("California", "Los Angeles"));
    EXPECT_EQ(picker.zone(), "America/Los_Angeles");
}

// A zone file as the builder writes it.
std::vector<std::uint8_t> zoneFile(std::uint32_t fingerprint, const std::vector<std::string>& zones,
                                   const std::vector<std::uint8_t>& cityZones)
{
    std::vector<std::uint8_t> bytes(16, 0);
    std::memcpy(bytes.data(), "ATLZ", 4);
    testing::put32(bytes, 4, fingerprint);
    testing::put32(bytes, 8, static_cast<std::uint32_t>(cityZones.size()));
    testing::put32(bytes, 12, static_cast<std::uint32_t>(zones.size()));
    for (const std::string& zone : zones) {
        bytes.insert(bytes.end(), zone.begin(), zone.end());
        bytes.push_back(0);
    }
    bytes.insert(bytes.end(), cityZones.begin(), cityZones.end());
    return bytes;
}

TEST(AtlasZoneFile, ReadsOnlyAFileThatChecksInEveryPart)
{
    const std::vector<std::string_view> allowed = {"Europe/Berlin", "Europe/Busingen"};
    const auto parse = [&](const std::vector<std::uint8_t>& bytes, std::uint32_t cities = 3) {
        return AtlasZoneFile::parse(bytes, 0xC0FFEE, cities, allowed);
    };
    const auto good = zoneFile(0xC0FFEE, {"Europe/Berlin", "Europe/Busingen"}, {0, 1, 0});
    const auto file = parse(good);
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->zoneOf(0), "Europe/Berlin");
    EXPECT_EQ(file->zoneOf(1), "Europe/Busingen");
    EXPECT_EQ(file->zoneOf(3), "");

    EXPECT_FALSE(parse(zoneFile(0xBAD, {"Europe/Berlin"}, {0, 0, 0}))) << "another atlas file";
    EXPECT_FALSE(parse(good, 4)) << "another city count";
    EXPECT_FALSE(parse(zoneFile(0xC0FFEE, {}, {}), 0)) << "no zones";
    EXPECT_FALSE(parse(zoneFile(0xC0FFEE, {"Europe/Berlin"}, {0, 1, 0}))) << "index past the list";
    EXPECT_FALSE(parse(zoneFile(0xC0FFEE, {"Europe/Paris"}, {0, 0, 0})))
        << "not the country's zone";
    EXPECT_FALSE(parse(zoneFile(0xC0FFEE, {"Europe/Berlin", "Europe/Berlin"}, {0, 1, 0})))
        << "twice";
    auto trailing = good;
    trailing.push_back(0);
    EXPECT_FALSE(parse(trailing)) << "bytes after the cities";
    auto cut = good;
    cut.pop_back();
    EXPECT_FALSE(parse(cut)) << "a city missing";
    auto unterminated = zoneFile(0xC0FFEE, {"Europe/Berlin"}, {});
    unterminated.pop_back();
    EXPECT_FALSE(AtlasZoneFile::parse(unterminated, 0xC0FFEE, 0, allowed))
        << "a name without its zero";
    auto magic = good;
    magic[3] = 'Y';
    EXPECT_FALSE(parse(magic));
    EXPECT_FALSE(parse({good.begin(), good.begin() + 10}));
    auto huge = good;
    testing::put32(huge, 12, 0xFFFFFFFF);
    EXPECT_FALSE(parse(huge)) << "a zone count past the limit";

    // Names that could reach outside the zone database are not zone names.
    for (const char* bad : {"../etc/passwd", "/etc/passwd", "Europe//Berlin", "Europe/.hidden",
                            "Europe/", "Europe Berlin", ""})
        EXPECT_FALSE(isZoneName(bad)) << bad;
    for (const char* good : {"Asia/Kolkata", "America/Port-au-Prince", "Etc/GMT+5", "UTC"})
        EXPECT_TRUE(isZoneName(good)) << good;
}

TEST(AtlasCountries, ACountryIsFoundByNameAtlasCodeOrIsoCode)
{
    const int india = findAtlasCountry("India");
    ASSERT_GE(india, 0);
    for (const char* text : {"India", "india", "in", "IN"})
        EXPECT_EQ(lookUpCountry(text).countries, std::vector<int>{india}) << text;
    const int germany = findAtlasCountry("Germany");
    EXPECT_EQ(lookUpCountry("de").countries, std::vector<int>{germany});

    // "gm" is Germany's atlas file and The Gambia's ISO code: both are named.
    const CountryLookup gm = lookUpCountry("GM");
    ASSERT_TRUE(gm.ambiguous());
    std::set<std::string_view> names;
    for (const int i : gm.countries)
        names.insert(atlasCountry(i)->name);
    EXPECT_EQ(names, (std::set<std::string_view>{"Germany", "The Gambia"}));
    // The Gambia's own file code names it alone.
    const CountryLookup gambia = lookUpCountry("gmb");
    ASSERT_TRUE(gambia.found());
    EXPECT_EQ(atlasCountry(gambia.countries[0])->iso, "GM");
    EXPECT_FALSE(lookUpCountry("Narnia").found());
    EXPECT_FALSE(lookUpCountry("").found());

    // The first 92 keep their codes and order.
    EXPECT_EQ(atlasCountry(0)->code, "af");
    EXPECT_EQ(atlasCountry(51)->code, "in");
    EXPECT_EQ(atlasCountry(91)->code, "zi");
}

} // namespace
} // namespace lumikan::document
