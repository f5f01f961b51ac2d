#include "engine/chara_karakas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumikan::engine {

std::map<BodyId, int> rankCharaKarakas(const std::vector<PlanetPosition>& planets)
{
    std::vector<std::pair<BodyId, double>> degrees;
    for (const PlanetPosition& p : planets) {
        if (!isClassicalPlanet(p.body))
            continue;
        double d = std::fmod(p.longitude, 30.0);
        if (d < 0.0)
            d += 30.0;
        degrees.emplace_back(p.body, d);
    }
    std::stable_sort(degrees.begin(), degrees.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::map<BodyId, int> ranks;
    for (std::size_t r = 0; r < degrees.size(); ++r)
        ranks[degrees[r].first] = static_cast<int>(r);
    return ranks;
}

}  // namespace lumikan::engine
