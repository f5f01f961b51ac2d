#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/options.h"
#include "cli/report_program.h"
#include "render/chart_report_output.h"

#include <cstdio>

namespace lumikan::cli {

// Defined with the chart command: the chart of a file or of birth options.
std::unique_ptr<document::CVerokantDoc> openOrCastChart(const Options& options,
                                                        CliEnvironment& environment,
                                                        CliPrompts& prompts, int& exitStatus,
                                                        bool positionalIsChartFile);
const std::set<std::string>& chartValuedOptions();
const std::set<std::string>& chartFlagOptions();

int runReportCommand(const std::vector<std::string>& args)
{
    Options options;
    std::string error;
    std::set<std::string> valued = chartValuedOptions();
    valued.insert("pdf");
    valued.insert("paper");
    QPageSize paper;
    if (!options.parse(args, valued, chartFlagOptions(), error) ||
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
    CliPrompts prompts;
    int status = kExitOk;
    const auto doc = openOrCastChart(options, environment, prompts, status, true);
    if (!doc)
        return status;
    QString reason;
    if (!render::exportChartReportPdf(*doc, QString::fromStdString(*pdf), paper, &reason)) {
        std::fprintf(stderr, "lumikan-cli report: cannot write %s: %s\n", pdf->c_str(),
                     qPrintable(reason));
        return kExitCodedError;
    }
    return kExitOk;
}

} // namespace lumikan::cli
