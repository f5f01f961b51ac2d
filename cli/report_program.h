#pragma once

#include "cli/options.h"

#include <QPageSize>

#include <QString>

#include <functional>
#include <string>

namespace lumikan::cli {

// What the report program's commands share.

// Fonts and painting need a GUI application object, never a display: made on
// the first call, kept to the end of the program.
void startDrawing();

// The paper of --paper a4|letter (A4 when not given). False with `error` set
// for any other value.
bool paperOption(const Options& options, QPageSize& paper, std::string& error);

// Writes a PDF with `write` (which writes to a path and says why not) to the
// file `target`, or to standard output for "-": the whole document goes to a
// temporary file first, so that a failure leaves no half PDF in a pipe. False
// after the reason is on standard error, "<command>: cannot write ...".
bool writePdf(const std::string& target, const char* command,
              const std::function<bool(const QString& path, QString* reason)>& write);

} // namespace lumikan::cli
