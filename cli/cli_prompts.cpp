#include "cli/cli_prompts.h"

#include <cstdio>

namespace lumikan::cli {

void CliPrompts::reportLoadFailure(const QString& path, const QString& reason)
{
    std::fprintf(stderr, "lumikan-cli: cannot open %s: %s\n", path.toUtf8().constData(),
                 reason.toUtf8().constData());
}

void CliPrompts::reportSaveFailure(const QString& path, const QString& reason)
{
    std::fprintf(stderr, "lumikan-cli: cannot save %s: %s\n", path.toUtf8().constData(),
                 reason.toUtf8().constData());
}

}  // namespace lumikan::cli
