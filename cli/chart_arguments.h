#pragma once

#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/options.h"
#include "document/verokant_doc.h"

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lumikan::cli {

// Options by what they are about; each command takes the groups that apply
// to it, and nothing else.
struct OptionGroup {
    std::set<std::string> valued, flags;
};

// The birth: --name --date --time --city --state --country --gender --place
// --zone --tz --fold --lat --lon, --lmt.
const OptionGroup& birthOptions();
// The chart's own kind: --ayanamsa --horary, --no-uranus --no-neptune
// --no-pluto --no-fortuna.
const OptionGroup& chartKindOptions();
// How the chart is cast beyond its kind: --depth --dasha-year --rp-lat
// --rp-lon --rp-tz --day-lord.
const OptionGroup& castOptions();
// The clock: --today --now.
const OptionGroup& clockOptions();
// The settings: --settings FILE, --defaults.
const OptionGroup& settingsOptions();

OptionGroup joined(std::initializer_list<const OptionGroup*> groups);
bool contains(const OptionGroup& group, const std::string& name);

// The options given of the chart-kind, cast and clock groups, as given (the
// flags with "true"): what a chart's output tells it was cast with, always in
// the order of appliedOptionOrder() whatever the order typed.
std::vector<std::pair<std::string, std::string>> appliedChartOptions(const Options& options);
const std::vector<std::string>& appliedOptionOrder();

// The first option given that belongs to `group`, or empty.
std::optional<std::string> firstGiven(const Options& options, const OptionGroup& group);

// The chart of the one positional chart file, or of the birth options when no
// file is named: with the settings, the chart options and the clock of
// `environment` (loaded here). Null with `exitStatus` set after the reason is
// on standard error (as "lumikan-cli COMMAND: ..." for bad arguments).
std::unique_ptr<document::CVerokantDoc> openOrCastChart(const char* command, const Options& options,
                                                        CliEnvironment& environment,
                                                        CliPrompts& prompts, int& exitStatus);

} // namespace lumikan::cli
