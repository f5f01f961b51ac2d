#pragma once

#include "cli/options.h"

#include <QPageSize>

#include <string>

namespace lumikan::cli {

// What the report program's commands share.

// Fonts and painting need a GUI application object, never a display: made on
// the first call, kept to the end of the program.
void startDrawing();

// The paper of --paper a4|letter (A4 when not given). False with `error` set
// for any other value.
bool paperOption(const Options& options, QPageSize& paper, std::string& error);

} // namespace lumikan::cli
