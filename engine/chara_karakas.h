#pragma once

#include "engine/chart.h"

#include <map>
#include <vector>

namespace lumikan::engine {

// Ranks the seven classical planets by degree within their signs, largest
// first (rank 0 = "AK" .. 6 = "DK"); ties keep the order of `planets`.
std::map<BodyId, int> rankCharaKarakas(const std::vector<PlanetPosition>& planets);

}  // namespace lumikan::engine
