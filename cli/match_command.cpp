// lumikan-cli match BOY.lmk GIRL.lmk [--json] [--debug]
// lumikan-cli match --batch PAIRS.csv [--jobs N] [--debug]
#include "cli/batch_input.h"
#include "cli/batch_runner.h"
#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/terminal_text.h"
#include "document/match_documents.h"
#include "match/match_report.h"

#include <QFile>

#include <cstdio>
#include <unistd.h>

namespace lumikan::cli {

namespace {

// The rule's working that some details end with; shown with --debug only.
constexpr std::string_view kDebugMark = "\n\n[Debug]\n";

struct Detail {
    std::string text;
    std::string debug; // empty when the rule shows none
};

Detail splitDetail(const std::string& detail)
{
    const std::size_t mark = detail.find(kDebugMark);
    if (mark == std::string::npos)
        return {detail, {}};
    std::string debug = detail.substr(mark + kDebugMark.size());
    while (!debug.empty() && debug.back() == '\n')
        debug.pop_back();
    return {detail.substr(0, mark), debug};
}

struct Person {
    std::string name;
    std::string file;
};

void appendRow(std::string& out, const match::MatchRow& row, bool debug)
{
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%g / %g", row.score, row.maxScore);
    out += "  " + row.name + " (" + row.subject + ")\n";
    if (!row.maleValue.empty() || !row.femaleValue.empty())
        out += "      boy: " + row.maleValue + "   girl: " + row.femaleValue + "\n";
    out += "      score " + std::string(numbers) + "   " + row.status + "\n";
    const Detail detail = splitDetail(row.detail);
    if (!detail.text.empty())
        out += "      " + detail.text + "\n";
    if (debug && !detail.debug.empty()) {
        std::string indented = "      [Debug] ";
        for (char c : detail.debug)
            indented += c == '\n' ? std::string("\n      ") : std::string(1, c);
        out += indented + "\n";
    }
}

std::string reportText(const match::MatchReport& report, const Person& boy, const Person& girl,
                       bool debug)
{
    std::string out = terminalField(boy.name) + " \u2665 " + terminalField(girl.name) + "\n\n";
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
        appendRow(out, report.rows[i], debug);
    }
    char total[64];
    std::snprintf(total, sizeof total, "\nTotal: %g / %g\n", report.totalScore, report.totalMax);
    return out + total;
}

void writePerson(JsonWriter& json, std::string_view key, const Person& person)
{
    json.key(key);
    json.beginObject();
    json.field("name", person.name);
    json.field("file", person.file);
    json.endObject();
}

std::string reportJson(const match::MatchReport& report, const Person& boy, const Person& girl,
                       bool debug)
{
    JsonWriter json;
    json.beginObject();
    json.field("schemaVersion", 2);
    json.field("command", "match");
    writePerson(json, "boy", boy);
    writePerson(json, "girl", girl);
    json.key("rows");
    json.beginArray();
    double ashtakootaScore = 0, ashtakootaMax = 0;
    for (std::size_t i = 0; i < report.rows.size(); ++i) {
        const match::MatchRow& row = report.rows[i];
        if (static_cast<int>(i) < match::kAshtakootaRowCount) {
            ashtakootaScore += row.score;
            ashtakootaMax += row.maxScore;
        }
        const Detail detail = splitDetail(row.detail);
        json.beginObject();
        json.field("name", row.name);
        json.field("subject", row.subject);
        json.field("maleValue", row.maleValue);
        json.field("femaleValue", row.femaleValue);
        json.field("score", row.score);
        json.field("maxScore", row.maxScore);
        json.field("status", row.status);
        json.field("detail", detail.text);
        if (debug && !detail.debug.empty())
            json.field("debug", detail.debug);
        json.endObject();
    }
    json.endArray();
    json.field("ashtakootaScore", ashtakootaScore);
    json.field("ashtakootaMax", ashtakootaMax);
    json.field("totalScore", report.totalScore);
    json.field("totalMax", report.totalMax);
    json.endObject();
    return json.text();
}

// The two charts matched, or empty after their failure was told.
struct MatchedPair {
    match::MatchReport report;
    Person boy, girl;
};

std::optional<MatchedPair> matchFiles(const std::string& boyFile, const std::string& girlFile,
                                      CliEnvironment& environment)
{
    CliPrompts prompts(environment.messages);
    std::unique_ptr<document::CVerokantDoc> charts[2];
    const std::string* files[2] = {&boyFile, &girlFile};
    for (int i = 0; i < 2; ++i) {
        charts[i] = environment.newDocument();
        charts[i]->setPrompts(&prompts);
        if (!charts[i]->OnOpenDocument(QFile::decodeName(files[i]->c_str())))
            return std::nullopt;
        if (!charts[i]->hasChart()) {
            environment.messages.say(*files[i] + " holds no chart");
            return std::nullopt;
        }
    }
    MatchedPair pair;
    const match::MatchSubject boy = document::BuildMatchSubject(*charts[0]);
    const match::MatchSubject girl = document::BuildMatchSubject(*charts[1]);
    pair.report = match::RunMatch(match::CreateMatchRules(), boy, girl);
    pair.boy = {document::matchReportName(*charts[0], 1).toStdString(), boyFile};
    pair.girl = {document::matchReportName(*charts[1], 2).toStdString(), girlFile};
    return pair;
}

int runMatchBatch(const Options& options, CliEnvironment& environment)
{
    std::string error;
    const auto records = readBatchRecords(*options.value("batch"), error);
    if (!records) {
        std::fprintf(stderr, "lumikan-cli match: %s\n", error.c_str());
        return kExitCodedError;
    }
    const bool debug = options.has("debug");
    const int jobs = options.value("jobs") ? *parseInt(*options.value("jobs")) : processorCount();
    auto errorLine = [&](std::size_t i, const std::string& text) {
        JsonWriter json;
        json.beginObject();
        json.field("line", (*records)[i].line);
        json.field("error", text);
        json.endObject();
        return json.text();
    };
    auto work = [&](std::size_t i) -> BatchItemResult {
        const document::FieldRecord& record = (*records)[i];
        if (!record.error.empty())
            return {errorLine(i, record.error), true};
        for (const document::Field& field : record.fields)
            if (field.name != "boy" && field.name != "girl")
                return {errorLine(i, "\"" + field.name + "\" is no column of a pair: boy, girl"),
                        true};
        const auto boy = record.find("boy");
        const auto girl = record.find("girl");
        if (!boy || !girl || boy->empty() || girl->empty())
            return {errorLine(i, "a pair needs the chart files boy and girl"), true};
        std::vector<std::string> messages;
        environment.messages.keepInstead(&messages);
        const auto pair = matchFiles(*boy, *girl, environment);
        environment.messages.keepInstead(nullptr);
        if (!pair) {
            std::string text;
            for (const std::string& m : messages)
                text += (text.empty() ? "" : " ") + m;
            return {errorLine(i, text), true};
        }
        return {reportJson(pair->report, pair->boy, pair->girl, debug), false};
    };
    const BatchOutcome outcome = runBatch(
        records->size(), jobs, work,
        [&](std::size_t i) { return errorLine(i, "the worker process matching it ended"); },
        STDOUT_FILENO);
    if (outcome.writeFailed) {
        std::fputs("lumikan-cli match: cannot write the output\n", stderr);
        return kExitCodedError;
    }
    return outcome.failed > 0 ? kExitCodedError : kExitOk;
}

} // namespace

int runMatchCommand(const std::vector<std::string>& args)
{
    if (wantsHelpFor(args)) {
        std::fputs(commandHelp("match").c_str(), stdout);
        return kExitOk;
    }
    Options options;
    std::string error;
    const std::set<std::string> valued = {"settings", "today", "now", "dasha-year",
                                          "batch",    "jobs",  "pdf", "paper"};
    const std::set<std::string> flags = {"defaults", "json", "debug"};
    if (!options.parse(args, valued, flags, error)) {
        std::fprintf(stderr, "lumikan-cli match: %s\n", error.c_str());
        return kExitBadArguments;
    }
    const bool batch = options.value("batch").has_value();
    if (options.value("paper") && !options.value("pdf")) {
        std::fputs("lumikan-cli match: --paper goes with --pdf OUT.pdf\n", stderr);
        return kExitBadArguments;
    }
    if (options.value("pdf")) {
        for (const char* other : {"json", "debug", "batch", "jobs"}) {
            if (options.has(other)) {
                std::fprintf(stderr, "lumikan-cli match: --%s does not go with --pdf\n", other);
                return kExitBadArguments;
            }
        }
    }
    if (!batch && options.positional().size() != 2) {
        std::fputs("lumikan-cli match: give two chart files, the boy's and then the girl's\n",
                   stderr);
        return kExitBadArguments;
    }
    if (batch && !options.positional().empty()) {
        std::fputs(
            "lumikan-cli match: --batch takes the pairs from its file; give no chart files\n",
            stderr);
        return kExitBadArguments;
    }
    if (auto jobs = options.value("jobs")) {
        const auto n = parseInt(*jobs);
        if (!batch || !n || *n < 1 || *n > 1024) {
            std::fprintf(
                stderr, "lumikan-cli match: %s\n",
                !batch ? "--jobs goes with --batch"
                       : badValue("jobs", *jobs, "a number of workers from 1 to 1024 is needed")
                             .c_str());
            return kExitBadArguments;
        }
    }
    // The sheet as a PDF is drawn by the report program.
    if (options.value("pdf"))
        return launchReportProgram("match", args);
    CliEnvironment environment;
    if (!loadEnvironment(options, environment, error)) {
        std::fprintf(stderr, "lumikan-cli match: %s\n", error.c_str());
        return kExitBadArguments;
    }
    if (batch)
        return runMatchBatch(options, environment);

    const auto pair = matchFiles(options.positional()[0], options.positional()[1], environment);
    if (!pair)
        return kExitCodedError;
    const bool debug = options.has("debug");
    const std::string out =
        options.has("json") ? reportJson(pair->report, pair->boy, pair->girl, debug) + "\n"
                            : terminalText(reportText(pair->report, pair->boy, pair->girl, debug));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

} // namespace lumikan::cli
