#pragma once

#include "cli/options.h"
#include "engine/chart.h"
#include "engine/ephemeris.h"

#include <memory>
#include <optional>
#include <set>
#include <string>

namespace lumikan::cli {

// What the birth-data options ask for.
struct ChartRequest {
    engine::BirthDetails birth;
    engine::AyanamsaMode ayanamsa = engine::AyanamsaMode::Krishnamurti;
    double customAyanamsa = 0.0;
    std::optional<int> horaryNumber;
    bool includeUranus = true;
    bool includeNeptune = true;
    bool includePluto = true;
    bool includeFortuna = true;
};

// A computed chart together with the context it references.
struct ChartRun {
    std::unique_ptr<engine::EphemerisContext> context = std::make_unique<engine::EphemerisContext>();
    engine::Chart chart;
    engine::AyanamsaMode ayanamsa = engine::AyanamsaMode::Krishnamurti;
};

// Option names the birth-data commands accept.
const std::set<std::string>& birthValuedOptions();
const std::set<std::string>& birthFlagOptions();

// Reads the birth options; on a bad or missing value returns empty with `error` set.
std::optional<ChartRequest> parseChartRequest(const Options& options, std::string& error);

}  // namespace lumikan::cli
