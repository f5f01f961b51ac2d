#include "engine/significator_reason.h"

#include <algorithm>

namespace lumikan::engine {

std::string houseOrdinal(int house)
{
    const int lastTwo = house % 100;
    const char* suffix = "th";
    if (lastTwo < 11 || lastTwo > 13) {
        switch (house % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return std::to_string(house) + suffix;
}

std::string reasonText(const SignificatorReason& reason, int nameForm)
{
    const bool occupies = reason.relation == HouseRelation::Occupies ||
                          reason.relation == HouseRelation::InStarOfOccupant;
    const std::string house = houseOrdinal(reason.house);
    const std::string verb = (occupies ? "occupies the " : "owns the ") + house;
    const std::string name(bodyName(reason.through, nameForm));
    switch (reason.link) {
    case AgentLink::Conjunct:
        return "conjunct " + name + ", which " + verb;
    case AgentLink::Opposite:
        return "opposite " + name + ", which " + verb;
    case AgentLink::SignLord:
        return "in the sign of " + name + ", which " + verb;
    case AgentLink::None:
        break;
    }
    switch (reason.relation) {
    case HouseRelation::InStarOfOccupant:
    case HouseRelation::InStarOfOwner:
        return "in the star of " + name + ", which " + verb;
    case HouseRelation::Occupies:
    case HouseRelation::Owns:
        break;
    }
    return verb;
}

std::vector<int> reasonHouses(const std::vector<SignificatorReason>& reasons)
{
    std::vector<int> houses;
    for (const SignificatorReason& r : reasons)
        houses.push_back(r.house);
    std::sort(houses.begin(), houses.end());
    houses.erase(std::unique(houses.begin(), houses.end()), houses.end());
    return houses;
}

} // namespace lumikan::engine
