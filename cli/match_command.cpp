#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/match_run.h"
#include "cli/terminal_text.h"
#include "document/match_documents.h"
#include "match/match_report.h"

#include <cstdio>

namespace lumikan::cli {

namespace {

void appendRow(std::string& out, const match::MatchRow& row)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%g / %g", row.score, row.maxScore);
    out += "  " + row.name + " (" + row.subject + ")\n";
    if (!row.maleValue.empty() || !row.femaleValue.empty())
        out += "      boy: " + row.maleValue + "   girl: " + row.femaleValue + "\n";
    out += "      score " + std::string(numbers) + "   " + row.status + "\n";
    if (!row.detail.empty())
        out += "      " + row.detail + "\n";
}

std::string reportText(const match::MatchReport& report, const QString& boy, const QString& girl)
{
    std::string out = terminalField(boy.toStdString()) + " \u2665 " + terminalField(girl.toStdString()) + "\n\n";
    out += "\u263d  Ashtakoota \u2014 36-Point Traditional Matching\n";
    double sectionScore = 0, sectionMax = 0;
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        if (static_cast<int>(i) == match::kAshtakootaRowCount) {
            char line[64];
            std::snprintf(line, sizeof line, "  Ashtakoota: %g / %g\n\n", sectionScore, sectionMax);
            out += line;
            out += "\u2605  Extended KP & Modern Compatibility Analysis\n";
        }
        if (static_cast<int>(i) < match::kAshtakootaRowCount) {
            sectionScore += report.rows[i].score;
            sectionMax += report.rows[i].maxScore;
        }
        appendRow(out, report.rows[i]);
    }
    char total[64];
    std::snprintf(total, sizeof total, "\nTotal: %g / %g\n", report.totalScore, report.totalMax);
    return out + total;
}

std::string reportJson(const match::MatchReport& report)
{
    JsonWriter json;
    json.beginObject();
    json.key("rows");
    json.beginArray();
    for (const match::MatchRow& row : report.rows) {
        json.beginObject();
        json.field("name", row.name);
        json.field("subject", row.subject);
        json.field("maleValue", row.maleValue);
        json.field("femaleValue", row.femaleValue);
        json.field("score", row.score);
        json.field("maxScore", row.maxScore);
        json.field("status", row.status);
        json.field("detail", row.detail);
        json.endObject();
    }
    json.endArray();
    json.field("totalScore", report.totalScore);
    json.field("totalMax", report.totalMax);
    json.endObject();
    return json.text() + "\n";
}

}  // namespace

int runMatchCommand(const std::vector<std::string>& args)
{
    Options options;
    std::string error;
    std::set<std::string> flags = environmentFlagOptions();
    flags.insert("json");
    std::set<std::string> valued = environmentValuedOptions();
    valued.insert("pdf");
    valued.insert("paper");
    if (!options.parse(args, valued, flags, error)) {
        std::fprintf(stderr, "lumikan-cli match: %s\n", error.c_str());
        return kExitBadArguments;
    }
    // The sheet as a PDF is drawn by the report program.
    if (options.has("pdf"))
        return launchReportProgram("match", args);
    if (options.has("paper")) {
        std::fputs("lumikan-cli match: --paper goes with --pdf OUT.pdf\n", stderr);
        return kExitBadArguments;
    }
    MatchRun run;
    if (const int status = runMatchOf(options, "lumikan-cli match", run); status != kExitOk)
        return status;
    const std::string out = options.has("json") ? reportJson(run.report)
                                                : reportText(run.report, run.boyName, run.girlName);
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

}  // namespace lumikan::cli
