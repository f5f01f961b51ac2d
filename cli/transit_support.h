#pragma once

#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/moment_place.h"
#include "document/verokant_doc.h"
#include "engine/chart.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumikan::cli {

// A local moment at a place, with its UT Julian day.
struct TransitMoment {
    engine::LocalDateTime local;
    PlaceAndOffset place;
    double julianDayUt = 0.0;
};

// --help or -h among the arguments.
bool wantsHelp(const std::vector<std::string>& args);

// Loads the environment and opens the one positional chart file; null with
// `exitStatus` set when that fails (the reason is on standard error).
std::unique_ptr<document::CVerokantDoc> openChartFile(const Options& options,
                                                      CliEnvironment& environment,
                                                      CliPrompts& prompts, int& exitStatus);

// The moment of option `momentOption` (default: the environment's now) at the
// place of the options (default: the chart's ruling-planet place).
std::optional<TransitMoment> transitMoment(const Options& options,
                                           const CliEnvironment& environment,
                                           const engine::Chart& chart,
                                           const std::string& momentOption, std::string& error);

// "+05:30", "-08:00".
std::string offsetText(double offsetHours);

} // namespace lumikan::cli
