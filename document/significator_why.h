#pragma once

#include "engine/chart.h"
#include "engine/significator_reason.h"

#include <QString>

#include <vector>

namespace lumikan::document {

// "Venus signifies 7: in the star of Jupiter, which occupies the 7th (level 1)",
// planet names in the name form (0..2, as for bodyName).
QString significatorWhyLine(engine::BodyId body, const engine::SignificatorReason& reason,
                            int planetNameForm);

// Every reason of a planet, one line each, by house and level: the text of
// a tooltip. Empty when the chart holds no reasons for the planet.
QString significatorWhyText(const engine::Chart& chart, engine::BodyId body, int planetNameForm);

// The lines of the reasons among `reasons` whose house is one of `houses`.
QStringList significatorWhyLines(engine::BodyId body,
                                 const std::vector<engine::SignificatorReason>& reasons,
                                 const std::vector<int>& houses, int planetNameForm);

} // namespace lumikan::document
