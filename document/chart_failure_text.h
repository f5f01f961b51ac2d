#pragma once

#include "engine/chart.h"
#include "engine/chart_computation.h"

#include <QString>

namespace lumikan::document {

// Why a chart cannot be cast, in plain words for the person who typed its
// birth data, e.g. "Placidus houses are not defined beyond the polar circles
// (latitude 69.65° N)". Empty for a chart that was cast.
QString chartFailureExplanation(engine::ChartStatus status, const engine::BirthDetails& birth);

} // namespace lumikan::document
