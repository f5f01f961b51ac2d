#include "engine/ruling_planets.h"

namespace lumikan::engine {

void birthRulingPlanets(Chart&) {}

}  // namespace lumikan::engine
