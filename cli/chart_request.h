#pragma once

#include "cli/options.h"
#include "document/birth_time_zone.h"
#include "document/chart_description.h"
#include "document/chart_options.h"
#include "engine/chart.h"

#include <optional>
#include <set>
#include <string>

namespace lumikan::cli {

// What the birth-data options ask for. Options left out leave the settings
// in force alone.
struct ChartRequest {
    engine::BirthDetails birth;
    std::optional<engine::AyanamsaMode> ayanamsa;
    double customAyanamsa = 0.0;
    std::optional<int> horaryNumber;
    bool noUranus = false, noNeptune = false, noPluto = false, noFortuna = false;
    std::string zone;                // the birth place's IANA zone, when known
    document::ResolvedOffset offset; // the offset used and its source

    // The chart's own options: ayanamsa and the optional bodies.
    void applyTo(document::ChartOptionOverrides& overrides) const;
    // The chart the birth-data dialog would describe.
    document::ChartDescription description() const;
};

// Reads the birth options and the chart's kind; on a bad or missing value
// returns empty with `error` set.
std::optional<ChartRequest> parseChartRequest(const Options& options, std::string& error);
// Reads only the chart's kind (--ayanamsa, --horary, --no-uranus ...) into
// `request`; false with `error` set on a bad value.
bool parseChartKind(const Options& options, ChartRequest& request, std::string& error);

} // namespace lumikan::cli
