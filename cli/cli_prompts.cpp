#include "cli/cli_prompts.h"

namespace lumikan::cli {

void CliPrompts::reportLoadFailure(const QString& path, const QString& reason)
{
    messages_.say("cannot open " + path.toStdString() + ": " + reason.toStdString());
}

void CliPrompts::reportSaveFailure(const QString& path, const QString& reason)
{
    messages_.say("cannot save " + path.toStdString() + ": " + reason.toStdString());
}

} // namespace lumikan::cli
