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

// Option names the birth-data commands accept.
const std::set<std::string>& birthValuedOptions();
const std::set<std::string>& birthFlagOptions();

// Reads the birth options; on a bad or missing value returns empty with `error` set.
std::optional<ChartRequest> parseChartRequest(const Options& options, std::string& error);

}  // namespace lumikan::cli
