#pragma once

#include "document/atlas_database.h"

#include <QString>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumikan::document {

// Shown by the ruling-planet place picker when no country can be taken.
inline constexpr std::string_view kInvalidCountrySelectionMessage =
    "Invalid country selection.\n\nThe country list is empty or contains zero records.\n"
    "This may indicate that the Atlas binary (.bin) files are missing or corrupted.\n\n"
    "Please verify that the Atlas data files are present and reinstall or restore them if necessary.";

// Shown by the ruling-planet place picker when the country's file does not open.
inline constexpr std::string_view kRulingPlaceAtlasFailedMessage =
    "Unable to load the atlas file for the selected country.\n\nPossible reasons:\n"
    "- The atlas entry is set to Null or 0.00.\n- The Atlas binary file is missing, corrupted, or deleted.\n\n"
    "Please select a valid atlas entry and click Apply.";

// Shown by the birth-data dialog (OK: manual entry, Cancel: exit) when the file does not open.
inline constexpr std::string_view kBirthDataAtlasFailedMessage =
    "Unable to load the Atlas data for the selected country.\n\n"
    "This may occur if the Atlas binary (.bin) files are missing or corrupted.\n\n"
    "Click OK to enter Latitude, Longitude, and Time Zone manually.\nClick Cancel to exit the application.";

enum class PlacePickerOwner { BirthData, RulingPlanetPlace };

enum class CountryChoice {
    Loaded,            // the file opened; states filled, time zone chosen
    InvalidSelection,  // no such entry in the country list
    AtlasUnavailable,  // the country's file is missing or damaged
};

// The message the owner shows for a failed country choice; empty when it shows none.
std::string_view countryChoiceMessage(CountryChoice choice, PlacePickerOwner owner);

// Degrees with a fixed number of decimals ("%.4f" in the birth-data dialog,
// "%.6f" in the settings), with a point whatever the process's locale.
std::string formatCoordinate(double degrees, int decimals);

// Case-insensitive type-ahead over a list of names, folded once.
class TypeAheadIndex {
public:
    TypeAheadIndex() = default;
    explicit TypeAheadIndex(std::span<const std::string> names);

    // Indexes of the names that start with `typed`, then of those that contain
    // it further on, each group in list order; every index for an empty text.
    std::vector<std::size_t> match(std::string_view typed) const;
    std::size_t size() const { return folded_.size(); }

private:
    std::vector<QString> folded_;
};

// The place-picking steps the birth-data dialog and the ruling-planet tab
// share: country, then state, then city, filling the lists and the place's
// coordinates and time zone. A failed step leaves everything as it was, except
// that a country whose file will not open still counts as the chosen country.
class PlacePicker {
public:
    explicit PlacePicker(AtlasDatabase& atlas) : atlas_(atlas) {}

    // By index in the built-in country list.
    CountryChoice chooseCountry(int countryIndex);
    // By name ignoring case; fills the city list in atlas order.
    bool chooseState(std::string_view name);
    // The first city of the chosen state whose name equals `name` exactly.
    bool chooseCity(std::string_view name);
    // The state, then the city named `preferredCity` ignoring case, else the first city.
    bool choosePlace(std::string_view state, std::string_view preferredCity = {});

    // Indexes into cityNames() for the text typed in the city field.
    std::vector<std::size_t> filterCities(std::string_view typed) const { return typeAhead_.match(typed); }

    int countryIndex() const { return countryIndex_; }
    const std::string& countryCode() const { return countryCode_; }
    const std::string& countryName() const { return countryName_; }
    const std::vector<std::string>& stateNames() const { return stateNames_; }
    int stateIndex() const { return stateIndex_; }
    const std::string& stateName() const { return stateName_; }
    const std::vector<std::string>& cityNames() const { return cityNames_; }
    const std::string& cityName() const { return cityName_; }

    bool hasCoordinates() const { return hasCoordinates_; }
    double latitude() const { return latitude_; }    // degrees, north positive
    double longitude() const { return longitude_; }  // degrees, east positive
    // The country's standard offset, set by a country or city choice.
    double timeZoneHours() const { return timeZoneHours_; }
    // The chosen country's time zones (known even when its file will not open).
    const std::vector<std::string>& countryZones() const { return countryZones_; }
    // The IANA zone of the chosen city, or of the country when it has only
    // one; empty when neither is known.
    const std::string& zone() const { return zone_; }
    // Why the country's cities came without zones of their own; empty when they did.
    const std::string& zoneProblem() const { return zoneProblem_; }
    // Index of the matching picker entry, -1 when none matches.
    int timeZoneEntryIndex() const { return timeZoneEntryIndex_; }

private:
    // The atlas is shared; another user may have switched it to another country.
    bool atlasOnCountry() const;
    void takeCountryTimeZone();

    AtlasDatabase& atlas_;
    int countryIndex_ = -1;
    std::string countryCode_;
    std::string countryName_;
    std::vector<std::string> stateNames_;
    int stateIndex_ = -1;
    std::string stateName_;
    std::vector<std::string> cityNames_;
    TypeAheadIndex typeAhead_;
    std::string cityName_;
    bool hasCoordinates_ = false;
    double latitude_ = 0.0;
    double longitude_ = 0.0;
    double timeZoneHours_ = 0.0;
    int timeZoneEntryIndex_ = -1;
    std::vector<std::string> countryZones_;
    std::string zone_;
    std::string zoneProblem_;
};

}  // namespace lumikan::document
