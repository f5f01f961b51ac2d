#pragma once

#include "engine/chart.h"

namespace lumikan::engine {

// Fills, in this order, planetSignificators, planetOwnSignificators,
// houseSignificators, rashiChartPlanets and bhavaChartPlanets from the chart's
// planets and cusps.
// significatorReasons follow planetSignificators.
void buildSignificators(Chart& chart);

// The reasons the chart holds for a body; empty for one it does not hold.
const std::vector<SignificatorReason>& significatorReasonsOf(const Chart& chart, BodyId body);

// The houses a lord's planet signifies at the four levels, ascending; empty
// when the chart does not hold the planet.
std::vector<int> housesSignifiedByLord(const Chart& chart, LordIndex lord);

}  // namespace lumikan::engine
