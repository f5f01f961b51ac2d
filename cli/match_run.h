#pragma once

#include "cli/options.h"
#include "match/match_report.h"

#include <QString>

namespace lumikan::cli {

// The two charts of `match BOY.lmk GIRL.lmk` matched through the rules.
struct MatchRun {
    match::MatchReport report;
    QString boyName, girlName;
};

// Reads the environment options and the two chart files of `options` and runs
// the match. Returns kExitOk, or the exit status after saying why on standard
// error (`command` names the command there).
int runMatchOf(const Options& options, const char* command, MatchRun& run);

} // namespace lumikan::cli
