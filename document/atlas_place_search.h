#pragma once

#include "document/atlas_database.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumikan::document {

// One city of the atlas with where it lies.
struct AtlasPlace {
    std::string city, state, country; // UTF-8, as the atlas writes them
    double latitude = 0.0;            // degrees, north positive
    double longitude = 0.0;           // degrees, east positive
    std::string zone;                 // IANA zone; empty when not known
    std::string zoneProblem;          // why the zone is not the city's own (a damaged zone file)

    // "Pune, Maharashtra, India".
    std::string text() const;
};

enum class PlaceSearchStatus {
    Found,            // exactly one city: `places.front()`
    Ambiguous,        // several cities of that name: `places`
    NotFound,         // no city of that name: `places` holds similar names
    UnknownCountry,   // the last part names no country
    AmbiguousCountry, // the last part is a code of two countries: `countries`
    UnknownState,     // the middle part names no state of the country
    AtlasUnavailable, // the country's atlas file is missing or damaged
};

struct PlaceSearch {
    PlaceSearchStatus status = PlaceSearchStatus::NotFound;
    std::vector<AtlasPlace> places;
    std::vector<int> countries; // the countries a code names, or the one searched
    // One paragraph for the user: what was not found and the candidates.
    std::string message;
};

// Finds "City", "City, Country" or "City, State, Country" in the atlas: the
// country by name, atlas code or ISO code, the state and city by name
// ignoring case. "City" alone searches every country. At most `maxCandidates`
// places are listed when the name is ambiguous or unknown.
PlaceSearch searchPlace(AtlasDatabase& atlas, std::string_view text,
                        std::size_t maxCandidates = 12);

} // namespace lumikan::document
