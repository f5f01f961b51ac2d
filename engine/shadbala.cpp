#include "engine/shadbala.h"

namespace lumikan::engine {

ShadbalaResult shadbala(const PlanetPosition&, const Chart&, double, bool, double, double, double)
{
    return {};
}

}  // namespace lumikan::engine
