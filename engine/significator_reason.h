#pragma once

#include "engine/bodies.h"

#include <string>
#include <vector>

namespace lumikan::engine {

// How a planet is tied to a house at the four KP levels.
enum class HouseRelation {
    InStarOfOccupant, // level 1: its star lord occupies the house
    Occupies,         // level 2
    InStarOfOwner,    // level 3: its star lord owns the house
    Owns,             // level 4
};

// How a planet comes to act for `through` when that is another planet: a node
// for the planets it joins, faces or sits with, an outer body for its sign lord.
enum class AgentLink {
    None,     // the planet itself, or its star lord
    Conjunct, // a node within 8 degrees of `through`
    Opposite, // a node in the house opposite `through`
    SignLord, // `through` is the sign lord (dispositor)
};

// One reason why a planet signifies a house.
struct SignificatorReason {
    int house = 1; // 1..12
    int level = 1; // 1 strongest .. 4
    HouseRelation relation = HouseRelation::Occupies;
    BodyId through = 0; // the planet that occupies or owns the house
    AgentLink link = AgentLink::None;

    bool operator==(const SignificatorReason&) const = default;
};

// Every reason for one planet, by house and then level.
struct PlanetSignificatorReasons {
    BodyId body = 0;
    std::vector<SignificatorReason> reasons;
};

// "1st", "2nd", "3rd", "11th" ...
std::string houseOrdinal(int house);

// "in the star of Jupiter, which occupies the 7th": the reason without the
// planet that has it. Planet names in `nameForm` as for bodyName.
std::string reasonText(const SignificatorReason& reason, int nameForm = 2);

// The houses among `reasons`, ascending, each once.
std::vector<int> reasonHouses(const std::vector<SignificatorReason>& reasons);

} // namespace lumikan::engine
