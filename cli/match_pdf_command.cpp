#include "cli/cli_environment.h"
#include "cli/commands.h"
#include "cli/match_run.h"
#include "cli/options.h"
#include "cli/report_program.h"
#include "render/match_report_print.h"

#include <cstdio>

namespace lumikan::cli {

int runMatchPdfCommand(const std::vector<std::string>& args)
{
    Options options;
    std::string error;
    std::set<std::string> valued = environmentValuedOptions();
    valued.insert("pdf");
    valued.insert("paper");
    QPageSize paper;
    if (!options.parse(args, valued, environmentFlagOptions(), error) ||
        !paperOption(options, paper, error)) {
        std::fprintf(stderr, "lumikan-cli match: %s\n", error.c_str());
        return kExitBadArguments;
    }
    const auto pdf = options.value("pdf");
    if (!pdf || pdf->empty()) {
        std::fputs("lumikan-cli match: --pdf needs a file name\n", stderr);
        return kExitBadArguments;
    }
    MatchRun run;
    if (const int status = runMatchOf(options, "lumikan-cli match", run); status != kExitOk)
        return status;

    startDrawing();
    render::MatchReportContent content;
    content.totalScore = run.report.totalScore;
    content.totalMax = run.report.totalMax;
    content.rows = run.report.rows;
    content.boyName = run.boyName;
    content.girlName = run.girlName;
    const bool written =
        writePdf(*pdf, "lumikan-cli match", [&](const QString& path, QString* reason) {
            return render::exportMatchReportPdf(content, path, paper, reason);
        });
    return written ? kExitOk : kExitCodedError;
}

} // namespace lumikan::cli
