#pragma once

#include "engine/chart.h"
#include "engine/dasha.h"
#include "engine/ruling_planets.h"
#include "render/report_table.h"

#include <QString>

#include <vector>

namespace lumikan::document {
class CVerokantDoc;
}

namespace lumikan::render {

// Where the running periods sit in the dasha list, by position; -1 for none.
struct RunningDashaPosition {
    int mahadasha = -1, antardasha = -1, pratyantardasha = -1;
};

// Everything the printed chart report shows, taken from a chart document at
// the moment the report is made.
struct ChartReportData {
    QString name;              // the chart's name: the report's heading and every footer
    QString subtitle;          // "KP birth chart" or "KP horary chart, number 145"
    ReportTable identityTable; // who, when and where: the first thing on page 1
    ReportTable planetTable, cuspTable, planetSignificatorTable;
    ReportTable houseSignificatorTable, rulingPlanetTable, karakaTable;
    std::vector<engine::PlanetPosition> rashiPlanets, bhavaPlanets;
    std::vector<engine::CuspPosition> cusps;
    std::vector<engine::DashaPeriod> dasha; // three levels
    double birthJulianDayUt = 0.0;
    RunningDashaPosition running; // on the report's date
    int planetNameForm = 0;
};

// The report of `doc` made at the moment its clock gives (the report's date,
// the running periods and the ruling planets of "now").
ChartReportData collectChartReport(const document::CVerokantDoc& doc);

// The identity rows as label and value pairs, in order.
struct IdentityEntry {
    QString label, value;
};
std::vector<IdentityEntry> chartIdentity(const document::CVerokantDoc& doc,
                                         const engine::LocalDateTime& reportMoment,
                                         const RunningDashaPosition& running,
                                         const std::vector<engine::DashaPeriod>& dasha);

} // namespace lumikan::render
