#pragma once

#include "engine/bodies.h"
#include "render/chart_report_data.h"
#include "render/report_pages.h"
#include "render/report_table.h"

#include <QRgb>

#include <vector>

namespace lumikan::render {

// The printed chart report: who and when, the positions, the diagrams with
// the significators, the ruling planets of the birth and of the report's
// moment, the karakas and the whole Vimshottari dasha, on as many pages as
// that takes.

// The title bar colours of a dasha card (dark, light) by lord.
struct LordCardColors {
    QRgb dark, light;
};
LordCardColors lordCardColors(engine::LordIndex lord);

// The nine mahadashas, each a card listing its antardashas; the running
// mahadasha carries a "NOW" badge and its running antardasha is marked.
std::vector<ReportTable> mahadashaCards(const ChartReportData& data);

// The mahadasha whose pratyantardashas the report lists: the running one, or
// the first when none runs on the report's date; -1 without a dasha.
int detailedMahadasha(const ChartReportData& data);
// The antardashas of mahadasha `index`, each a card listing its
// pratyantardashas; the running ones marked.
std::vector<ReportTable> antardashaCards(const ChartReportData& data, int index);

// Every page, with its footer naming the chart beside "Page %d of %d".
std::vector<ReportPage> layoutChartReport(const ChartReportData& data,
                                          const ReportMetrics& metrics);

} // namespace lumikan::render
