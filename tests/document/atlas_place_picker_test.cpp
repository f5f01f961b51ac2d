#include "atlas_test_files.h"

#include "document/atlas_place_picker.h"
#include "document/atlas_time_zones.h"

#include <gtest/gtest.h>

namespace lumikan::document {
namespace {

using testing::TempFolder;

std::vector<std::string> namesAt(const std::vector<std::string>& names, const std::vector<std::size_t>& indexes)
{
    std::vector<std::string> out;
    for (std::size_t i : indexes)
        out.push_back(names.at(i));
    return out;
}

TEST(AtlasTypeAhead, PrefixMatchesFirstThenInnerOnesEachInListOrder)
{
    const std::vector<std::string> names = {"Alpun", "Kanpur", "Pune", "Ahmedpur", "PUNE Cantonment", "Ispuna",
                                            "Évry", "Saint-Évry"};
    const TypeAheadIndex index(names);
    EXPECT_EQ(namesAt(names, index.match("pun")),
              (std::vector<std::string>{"Pune", "PUNE Cantonment", "Alpun", "Ispuna"}));
    EXPECT_EQ(index.match("").size(), names.size());
    EXPECT_EQ(index.match("").back(), names.size() - 1);
    EXPECT_EQ(namesAt(names, index.match("éV")), (std::vector<std::string>{"Évry", "Saint-Évry"}));
    EXPECT_TRUE(index.match("xyz").empty());
    EXPECT_TRUE(TypeAheadIndex().match("a").empty());
}

class AtlasPlacePicker : public ::testing::Test {
protected:
    AtlasPlacePicker() : folder_("picker"), atlas_(folder_.path())
    {
        folder_.write("in.bin", testing::atlasBytes({
                                    {"Goa", {{"Panaji", 15.4909f, 73.8278f, 0}}},
                                    {"Maharashtra",
                                     {{"Mumbai", 19.0760f, 72.8777f, 0}, {"Pune", 18.5196f, 73.8554f, 0},
                                      {"Pune", 1.0f, 1.0f, 0}, {"pune cantonment", 18.50f, 73.87f, 0}}},
                                }));
        folder_.write("np.bin", testing::atlasBytes({{"Central Region", {{"Kathmandu", 27.7f, 85.3f, 0}}}}));
    }

    TempFolder folder_;
    AtlasDatabase atlas_;
    const int india_ = findAtlasCountry("India");
    const int nepal_ = findAtlasCountry("Nepal");
    const int germany_ = findAtlasCountry("gm");
};

TEST_F(AtlasPlacePicker, CountryStateAndCityFillTheListsAndThePlace)
{
    PlacePicker picker(atlas_);
    ASSERT_EQ(picker.chooseCountry(india_), CountryChoice::Loaded);
    EXPECT_EQ(picker.countryName(), "India");
    EXPECT_EQ(picker.stateNames(), (std::vector<std::string>{"Goa", "Maharashtra"}));
    EXPECT_EQ(timeZoneEntry(picker.timeZoneEntryIndex()), "UTC +5:30 (IST)");
    EXPECT_TRUE(picker.cityNames().empty());
    EXPECT_FALSE(picker.hasCoordinates());

    ASSERT_TRUE(picker.chooseState("MAHARASHTRA"));
    EXPECT_EQ(picker.stateName(), "Maharashtra");
    EXPECT_EQ(picker.cityNames(), (std::vector<std::string>{"Mumbai", "Pune", "Pune", "pune cantonment"}));
    EXPECT_EQ(namesAt(picker.cityNames(), picker.filterCities("PUN")),
              (std::vector<std::string>{"Pune", "Pune", "pune cantonment"}));

    // The first city of that exact name gives the place; the record's zero
    // time zone is ignored for the country's standard one.
    ASSERT_TRUE(picker.chooseCity("Pune"));
    EXPECT_EQ(formatCoordinate(picker.latitude(), 4), "18.5196");
    EXPECT_EQ(formatCoordinate(picker.longitude(), 6), "73.855400");
    EXPECT_DOUBLE_EQ(picker.timeZoneHours(), 5.5);
    EXPECT_EQ(picker.cityName(), "Pune");

    // Names not found change nothing: city names must match exactly.
    EXPECT_FALSE(picker.chooseCity("PUNE"));
    EXPECT_FALSE(picker.chooseState("Gujarat"));
    EXPECT_EQ(picker.stateName(), "Maharashtra");
    EXPECT_EQ(picker.cityName(), "Pune");
    EXPECT_EQ(formatCoordinate(picker.latitude(), 4), "18.5196");

    // Another state clears the city but keeps the last place until a city is chosen.
    ASSERT_TRUE(picker.chooseState("goa"));
    EXPECT_EQ(picker.cityName(), "");
    EXPECT_TRUE(picker.hasCoordinates());
}

TEST_F(AtlasPlacePicker, PreferredCityIgnoresCaseElseTheFirstIsTaken)
{
    PlacePicker picker(atlas_);
    ASSERT_EQ(picker.chooseCountry(india_), CountryChoice::Loaded);
    ASSERT_TRUE(picker.choosePlace("Maharashtra", "PUNE CANTONMENT"));
    EXPECT_EQ(picker.cityName(), "pune cantonment");
    ASSERT_TRUE(picker.choosePlace("Maharashtra", "Nowhere"));
    EXPECT_EQ(picker.cityName(), "Mumbai");
    EXPECT_FALSE(picker.choosePlace("Nowhere", "Pune"));
    EXPECT_EQ(picker.cityName(), "Mumbai");
}

TEST_F(AtlasPlacePicker, AFailedCountryLeavesTheListsAndThePlaceAsTheyWere)
{
    PlacePicker picker(atlas_);
    EXPECT_EQ(picker.chooseCountry(-1), CountryChoice::InvalidSelection);
    EXPECT_EQ(picker.chooseCountry(static_cast<int>(kAtlasCountryCount)), CountryChoice::InvalidSelection);
    EXPECT_EQ(picker.countryIndex(), -1);
    ASSERT_EQ(picker.chooseCountry(india_), CountryChoice::Loaded);
    ASSERT_TRUE(picker.choosePlace("Maharashtra", "Pune"));

    // No file for Germany: manual entry from here on.
    EXPECT_EQ(picker.chooseCountry(germany_), CountryChoice::AtlasUnavailable);
    EXPECT_EQ(picker.countryName(), "Germany");
    EXPECT_EQ(picker.stateNames().size(), 2u);
    EXPECT_EQ(picker.cityNames().size(), 4u);
    EXPECT_EQ(formatCoordinate(picker.latitude(), 4), "18.5196");
    EXPECT_DOUBLE_EQ(picker.timeZoneHours(), 5.5);
    // The lists left over belong to India, which is no longer open.
    EXPECT_FALSE(picker.chooseState("Goa"));
    EXPECT_FALSE(picker.chooseCity("Mumbai"));
    EXPECT_EQ(atlas_.openCountryCode(), "");

    EXPECT_EQ(countryChoiceMessage(CountryChoice::AtlasUnavailable, PlacePickerOwner::BirthData),
              kBirthDataAtlasFailedMessage);
    EXPECT_EQ(countryChoiceMessage(CountryChoice::AtlasUnavailable, PlacePickerOwner::RulingPlanetPlace),
              kRulingPlaceAtlasFailedMessage);
    EXPECT_EQ(countryChoiceMessage(CountryChoice::InvalidSelection, PlacePickerOwner::RulingPlanetPlace),
              kInvalidCountrySelectionMessage);
    EXPECT_EQ(countryChoiceMessage(CountryChoice::Loaded, PlacePickerOwner::BirthData), "");
}

TEST_F(AtlasPlacePicker, ASharedAtlasSwitchedElsewhereStillGivesThePickersCountry)
{
    PlacePicker birth(atlas_);
    PlacePicker rulingPlace(atlas_);
    ASSERT_EQ(birth.chooseCountry(india_), CountryChoice::Loaded);
    ASSERT_TRUE(birth.chooseState("Maharashtra"));
    ASSERT_EQ(rulingPlace.chooseCountry(nepal_), CountryChoice::Loaded);
    EXPECT_EQ(timeZoneEntry(rulingPlace.timeZoneEntryIndex()), "UTC +5:45");

    ASSERT_TRUE(birth.chooseCity("Mumbai"));
    EXPECT_EQ(formatCoordinate(birth.latitude(), 4), "19.0760");
    EXPECT_EQ(atlas_.openCountryCode(), "in");
}

}  // namespace
}  // namespace lumikan::document
