#pragma once

#include <string_view>
#include <vector>

namespace lumikan::engine {

// An event as KP times it: the cusps whose sub lord decides the promise and
// the houses the period lords must signify.
struct EventHouses {
    std::string_view key;   // "marriage", as the command line names it
    std::string_view title; // "Marriage"
    std::vector<int> cusps;
    std::vector<int> houses;
};

// The classical house groups, in the order they are offered.
const std::vector<EventHouses>& eventTable();

// The table's event of that key, or null.
const EventHouses* findEvent(std::string_view key);

// The houses twelfth to each event house (the house before it), leaving out
// the event houses themselves; ascending.
std::vector<int> negatingHousesOf(const std::vector<int>& eventHouses);

} // namespace lumikan::engine
