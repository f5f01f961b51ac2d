#pragma once

#include "cli/options.h"
#include "cli/stderr_messages.h"
#include "document/app_settings.h"
#include "document/verokant_doc.h"
#include "engine/clock.h"

#include <memory>
#include <set>
#include <string>

namespace lumikan::cli {

// What every chart-reading command shares: the settings in force, the clock,
// where messages go, and the options given for this chart alone.
struct CliEnvironment {
    document::AppSettings settings;
    engine::LocalDateTime now;
    StderrMessages messages;
    document::ChartOptionOverrides overrides;

    document::ChartEnvironment chartEnvironment();
    std::unique_ptr<document::CVerokantDoc> newDocument();
};

// Options every such command accepts: --settings FILE, --defaults,
// --today YYYY-MM-DD, --now HH:MM:SS.
const std::set<std::string>& environmentValuedOptions();
const std::set<std::string>& environmentFlagOptions();

// Reads the settings (the user's file unless --settings or --defaults) and the
// clock (the real one unless --today / --now). False with `error` set on a bad value.
bool loadEnvironment(const Options& options, CliEnvironment& environment, std::string& error);

}  // namespace lumikan::cli
