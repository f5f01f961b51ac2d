#include "engine/dignity_tables.h"

namespace lumikan::engine {

namespace {

// Friends of each classical planet a, as BodyIds; -1 pads the rows.
constexpr std::array<std::array<BodyId, 3>, 7> NATURAL_FRIENDS = {{
    {body::Moon, body::Mars, body::Jupiter},    // Sun
    {body::Sun, body::Mercury, -1},             // Moon
    {body::Sun, body::Venus, -1},               // Mercury
    {body::Mercury, body::Saturn, -1},          // Venus
    {body::Sun, body::Moon, body::Jupiter},     // Mars
    {body::Sun, body::Moon, body::Mars},        // Jupiter
    {body::Mercury, body::Venus, -1},           // Saturn
}};

constexpr std::array<std::string_view, kCharaKarakaCount> kKarakaLabels = {
    "AK", "AmK", "BK", "MK", "PK", "GK", "DK"};

}  // namespace

bool isFriend(BodyId a, BodyId b)
{
    if (a == b)
        return true;
    if (!isClassicalPlanet(a))
        return false;
    for (BodyId f : NATURAL_FRIENDS[a])
        if (f == b)
            return true;
    return false;
}

std::string_view charaKarakaLabel(int rank)
{
    return rank >= 0 && rank < kCharaKarakaCount ? kKarakaLabels[rank] : std::string_view();
}

}  // namespace lumikan::engine
