#include "cli/chart_arguments.h"
#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/report_program.h"
#include "render/chart_report_output.h"

#include <cstdio>

namespace lumikan::cli {

int runReportCommand(const std::vector<std::string>& args)
{
    if (wantsHelpFor(args)) {
        std::fputs(commandHelp("report").c_str(), stdout);
        return kExitOk;
    }
    static const OptionGroup output = {{"pdf", "paper"}, {}};
    const OptionGroup accepted = joined({&birthOptions(), &chartKindOptions(), &castOptions(),
                                         &clockOptions(), &settingsOptions(), &output});
    Options options;
    std::string error;
    QPageSize paper;
    if (!options.parse(args, accepted.valued, accepted.flags, error) ||
        !paperOption(options, paper, error)) {
        std::fprintf(stderr, "lumikan-cli report: %s\n", error.c_str());
        return kExitBadArguments;
    }
    const auto pdf = options.value("pdf");
    if (!pdf || pdf->empty()) {
        std::fputs("lumikan-cli report: --pdf OUT.pdf is required\n", stderr);
        return kExitBadArguments;
    }

    startDrawing();
    CliEnvironment environment;
    CliPrompts prompts(environment.messages);
    int status = kExitOk;
    const auto doc = openOrCastChart("report", options, environment, prompts, status);
    if (!doc)
        return status;
    const bool written =
        writePdf(*pdf, "lumikan-cli report", [&](const QString& path, QString* reason) {
            return render::exportChartReportPdf(*doc, path, paper, reason);
        });
    return written ? kExitOk : kExitCodedError;
}

} // namespace lumikan::cli
