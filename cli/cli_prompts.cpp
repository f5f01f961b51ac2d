#include "cli/cli_prompts.h"

#include "cli/terminal_text.h"

#include <cstdio>

namespace lumikan::cli {

void CliPrompts::reportLoadFailure(const QString& path, const QString& reason)
{
    std::fprintf(stderr, "lumikan-cli: cannot open %s: %s\n",
                 terminalField(path.toStdString()).c_str(),
                 terminalField(reason.toStdString()).c_str());
}

void CliPrompts::reportSaveFailure(const QString& path, const QString& reason)
{
    std::fprintf(stderr, "lumikan-cli: cannot save %s: %s\n",
                 terminalField(path.toStdString()).c_str(),
                 terminalField(reason.toStdString()).c_str());
}

}  // namespace lumikan::cli
