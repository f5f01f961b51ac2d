#pragma once

#include "document/chart_description.h"
#include "document/chart_rows.h"
#include "document/significator_table.h"
#include "engine/chart.h"
#include "engine/clock.h"
#include "engine/dasha.h"

#include <QString>

#include <vector>

namespace lumikan::document {

// What a chart's readers (the chart view, the printed report, the command
// line) show, in the settings' name forms: built once per computation, read
// by everyone, written back by nobody.
struct ChartPresentation {
    QString ascendantText;   // "PISCES 15°16'"
    QString ayanamsaCaption; // "Ayanamsa: Krishnamurti | 23°38'00""
    std::vector<PlanetTableRow> planets;
    std::vector<CuspTableRow> cusps;
    std::vector<SignificatorRow> significators; // two rows per planet, in table order
    std::vector<engine::DashaPeriod> dasha;     // to the chart's dasha depth
    engine::RunningDasha runningDasha;          // on the day it was built
    QString runningDashaCaption;                // "Saturn -> Mercury -> Ketu"
};

// The facts besides the chart that the texts need.
struct PresentationInputs {
    NameForms forms;
    engine::LocalDateTime today; // picks the running periods
};

ChartPresentation presentChart(const engine::Chart& chart, const PresentationInputs& inputs);

} // namespace lumikan::document
