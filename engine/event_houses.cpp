#include "engine/event_houses.h"

#include <algorithm>

namespace lumikan::engine {

const std::vector<EventHouses>& eventTable()
{
    static const std::vector<EventHouses> table = {
        {"marriage", "Marriage", {7}, {2, 7, 11}},
        {"service", "Career in service", {10}, {2, 6, 10, 11}},
        {"business", "Business", {7, 10}, {7, 10, 11}},
        {"childbirth", "Childbirth", {5}, {2, 5, 11}},
        {"property", "Property", {4}, {4, 11, 12}},
        {"vehicle", "Vehicle", {4}, {4, 11}},
        {"foreign", "Foreign residence", {12}, {3, 9, 12}},
        {"education", "Higher education", {9}, {4, 9, 11}},
        {"recovery", "Recovery from illness", {6}, {1, 5, 11}},
        {"litigation", "Success in litigation", {6}, {6, 11}},
    };
    return table;
}

const EventHouses* findEvent(std::string_view key)
{
    for (const EventHouses& e : eventTable())
        if (e.key == key)
            return &e;
    return nullptr;
}

std::vector<int> negatingHousesOf(const std::vector<int>& eventHouses)
{
    std::vector<int> negating;
    for (int h : eventHouses) {
        if (h < 1 || h > 12)
            continue;
        const int twelfth = h == 1 ? 12 : h - 1;
        if (std::find(eventHouses.begin(), eventHouses.end(), twelfth) == eventHouses.end())
            negating.push_back(twelfth);
    }
    std::sort(negating.begin(), negating.end());
    negating.erase(std::unique(negating.begin(), negating.end()), negating.end());
    return negating;
}

} // namespace lumikan::engine
