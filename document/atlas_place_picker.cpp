#include "document/atlas_place_picker.h"

#include "document/atlas_text.h"
#include "document/atlas_time_zones.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace lumikan::document {

std::string_view countryChoiceMessage(CountryChoice choice, PlacePickerOwner owner)
{
    switch (choice) {
    case CountryChoice::Loaded:
        return {};
    case CountryChoice::InvalidSelection:
        return owner == PlacePickerOwner::RulingPlanetPlace ? kInvalidCountrySelectionMessage : std::string_view();
    case CountryChoice::AtlasUnavailable:
        return owner == PlacePickerOwner::RulingPlanetPlace ? kRulingPlaceAtlasFailedMessage
                                                            : kBirthDataAtlasFailedMessage;
    }
    return {};
}

std::string formatCoordinate(double degrees, int decimals)
{
    std::array<char, 64> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), degrees, std::chars_format::fixed,
                      std::clamp(decimals, 0, 17));
    if (error != std::errc())
        return {};
    return std::string(buffer.data(), end);
}

TypeAheadIndex::TypeAheadIndex(std::span<const std::string> names)
{
    folded_.reserve(names.size());
    for (const std::string& name : names)
        folded_.push_back(caseFolded(name));
}

std::vector<std::size_t> TypeAheadIndex::match(std::string_view typed) const
{
    std::vector<std::size_t> prefix;
    if (typed.empty()) {
        prefix.resize(folded_.size());
        for (std::size_t i = 0; i < prefix.size(); ++i)
            prefix[i] = i;
        return prefix;
    }
    const QString text = caseFolded(typed);
    std::vector<std::size_t> inner;
    for (std::size_t i = 0; i < folded_.size(); ++i) {
        if (folded_[i].startsWith(text))
            prefix.push_back(i);
        else if (folded_[i].contains(text))
            inner.push_back(i);
    }
    prefix.insert(prefix.end(), inner.begin(), inner.end());
    return prefix;
}

CountryChoice PlacePicker::chooseCountry(int countryIndex)
{
    const AtlasCountry* country = atlasCountry(countryIndex);
    if (country == nullptr)
        return CountryChoice::InvalidSelection;
    countryIndex_ = countryIndex;
    countryCode_ = std::string(country->code);
    countryName_ = std::string(country->name);
    countryZones_.clear();
    for (const std::string_view zone : document::countryZones(*country))
        countryZones_.emplace_back(zone);
    zone_ = countryZones_.size() == 1 ? countryZones_.front() : std::string();
    zoneProblem_.clear();
    if (!atlas_.OpenCountry(countryCode_))
        return CountryChoice::AtlasUnavailable;
    zoneProblem_ = atlas_.zoneProblem();

    takeCountryTimeZone();
    const std::uint32_t count = atlas_.StateCount();
    stateNames_.clear();
    stateNames_.reserve(count);
    for (std::uint32_t s = 0; s < count; ++s)
        stateNames_.push_back(atlas_.StateName(s));
    stateIndex_ = -1;
    stateName_.clear();
    cityNames_.clear();
    typeAhead_ = TypeAheadIndex();
    cityName_.clear();
    return CountryChoice::Loaded;
}

bool PlacePicker::chooseState(std::string_view name)
{
    if (!atlasOnCountry())
        return false;
    const int state = atlas_.FindState(name);
    if (state < 0)
        return false;
    const auto index = static_cast<std::uint32_t>(state);
    const std::uint32_t count = atlas_.CityCount(index);
    std::vector<std::string> cities;
    cities.reserve(count);
    for (std::uint32_t c = 0; c < count; ++c)
        cities.push_back(atlas_.City(index, c).name);

    stateIndex_ = state;
    stateName_ = atlas_.StateName(index);
    cityNames_ = std::move(cities);
    typeAhead_ = TypeAheadIndex(cityNames_);
    cityName_.clear();
    return true;
}

bool PlacePicker::chooseCity(std::string_view name)
{
    if (stateIndex_ < 0 || !atlasOnCountry())
        return false;
    const auto found = std::find(cityNames_.begin(), cityNames_.end(), name);
    if (found == cityNames_.end())
        return false;
    const AtlasCity city =
        atlas_.City(static_cast<std::uint32_t>(stateIndex_), static_cast<std::uint32_t>(found - cityNames_.begin()));
    latitude_ = city.latitude;
    longitude_ = city.longitude;
    hasCoordinates_ = true;
    cityName_ = *found;
    zone_ = city.zone;
    // The record's own time zone is not used: the country's standard one is.
    takeCountryTimeZone();
    return true;
}

bool PlacePicker::choosePlace(std::string_view state, std::string_view preferredCity)
{
    if (!chooseState(state))
        return false;
    if (cityNames_.empty())
        return true;
    if (!preferredCity.empty()) {
        for (const std::string& city : cityNames_) {
            if (equalIgnoringCase(city, preferredCity))
                return chooseCity(city);
        }
    }
    return chooseCity(cityNames_.front());
}

bool PlacePicker::atlasOnCountry() const
{
    return !countryCode_.empty() && atlas_.OpenCountry(countryCode_);
}

void PlacePicker::takeCountryTimeZone()
{
    timeZoneHours_ = AtlasDatabase::CountryTimeZone(countryName_);
    timeZoneEntryIndex_ = findTimeZoneEntry(timeZoneHours_);
}

}  // namespace lumikan::document
