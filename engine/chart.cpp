#include "engine/chart.h"

namespace lumikan::engine {

const PlanetPosition* findPlanet(const Chart& chart, BodyId b)
{
    for (const PlanetPosition& p : chart.planets)
        if (p.body == b)
            return &p;
    return nullptr;
}

}  // namespace lumikan::engine
