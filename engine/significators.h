#pragma once

#include "engine/chart.h"

namespace lumikan::engine {

// Fills, in this order, planetSignificators, planetOwnSignificators,
// houseSignificators, rashiChartPlanets and bhavaChartPlanets from the chart's
// planets and cusps.
void buildSignificators(Chart& chart);

}  // namespace lumikan::engine
