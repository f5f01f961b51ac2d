#pragma once

#include "engine/chart.h"

namespace lumikan::engine {

// Fills the chart's ruling planets of the birth moment (dayLord .. ascSubSubLord).
void birthRulingPlanets(Chart& chart);

}  // namespace lumikan::engine
