#pragma once

#include "engine/chart.h"

#include <map>

namespace lumikan::engine {

// All eighteen divisional charts of the chart, keyed by division.
std::map<int, VargaChart> buildVargas(const Chart& chart);

}  // namespace lumikan::engine
