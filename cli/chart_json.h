#pragma once

#include "cli/chart_sections.h"
#include "cli/json_writer.h"
#include "document/verokant_doc.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumikan::cli {

// What the chart's JSON says besides the chart: how it came to be cast.
struct ChartJsonContext {
    ChartSections sections = ChartSections::all();
    std::optional<std::string> file; // the chart file it was opened from
    // The chart options given (name without dashes, text as given).
    std::vector<std::pair<std::string, std::string>> appliedOptions;
    // The ruling planets of now when computed apart from the document (a
    // batch shares them between charts of one ruling place); else the
    // document's.
    const engine::RulingPlanets* currentRulingPlanets = nullptr;
};

// The chart as one JSON object of schema version 2 (docs/json.md).
void writeChartJson(JsonWriter& json, const document::CVerokantDoc& doc,
                    const ChartJsonContext& context);
std::string chartJson(const document::CVerokantDoc& doc, const ChartJsonContext& context);

// The birth moment in UTC, ISO 8601: "1990-12-05T08:37:00Z", with
// milliseconds when the offset leaves a fraction of a second.
std::string utcInstantText(const engine::BirthDetails& birth);

} // namespace lumikan::cli
