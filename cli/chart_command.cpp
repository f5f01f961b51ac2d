// lumikan-cli chart FILE.lmk | BIRTH [options]   and   lumikan-cli save FILE.lmk BIRTH
// (each also with --batch)
#include "cli/batch_input.h"
#include "cli/batch_runner.h"
#include "cli/chart_arguments.h"
#include "cli/chart_json.h"
#include "cli/chart_output.h"
#include "cli/chart_request.h"
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "document/chart_interchange.h"
#include "document/chart_options.h"
#include "document/text_encoding.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <map>
#include <unistd.h>

namespace lumikan::cli {

namespace {

// A batch shows the nine mahadashas unless --depth asks for more: the tree of
// depth 3 is 729 periods a chart, most of the output.
constexpr int kBatchDashaDepth = 1;
constexpr int kMaxJobs = 1024;

int refuse(const char* command, const std::string& error)
{
    std::fprintf(stderr, "lumikan-cli %s: %s\n", command, error.c_str());
    return kExitBadArguments;
}

std::optional<int> jobsOption(const Options& options, std::string& error)
{
    const auto text = options.value("jobs");
    if (!text)
        return processorCount();
    const auto n = parseInt(*text);
    if (!n || *n < 1 || *n > kMaxJobs) {
        error = badValue("jobs", *text, "a number of worker processes from 1 to 1024 is needed");
        return std::nullopt;
    }
    return *n;
}

// {"line": N, "error": "..."}
std::string errorLine(int line, const std::string& error)
{
    JsonWriter json;
    json.beginObject();
    json.field("line", line);
    json.field("error", error);
    json.endObject();
    return json.text();
}

std::string messagesText(const std::vector<std::string>& messages)
{
    std::string text;
    for (const std::string& m : messages)
        text += (text.empty() ? "" : " ") + m;
    return text.empty() ? "the chart cannot be cast" : text;
}

// What each record of a batch may give: its birth and its chart's kind; a
// record to save gives what reaches the file (its notes and their signature).
const OptionGroup& recordOptions(bool toSave)
{
    static const OptionGroup chart = joined({&birthOptions(), &chartKindOptions()});
    static const OptionGroup save = [] {
        OptionGroup g = birthOptions();
        g.valued.insert({"ayanamsa", "horary", "notes"});
        return g;
    }();
    return toSave ? save : chart;
}

// The chart of one batch record, cast with the command line's options and the
// record's own; empty with `error` set when it cannot be.
std::unique_ptr<document::CVerokantDoc> castRecord(const document::FieldRecord& record,
                                                   const Options& commandLine,
                                                   CliEnvironment& environment, bool withNotes,
                                                   Options& recordOptionsOut, std::string& error)
{
    if (!record.error.empty()) {
        error = record.error;
        return nullptr;
    }
    const OptionGroup& allowed = recordOptions(withNotes);
    std::vector<std::string> flags(allowed.flags.begin(), allowed.flags.end());
    for (const document::Field& field : record.fields) {
        if (!contains(allowed, field.name)) {
            error = "\"" + field.name + "\" is no field of a birth (" +
                    (withNotes ? "see lumikan-cli save --help" : "see lumikan-cli chart --help") +
                    ")";
            return nullptr;
        }
    }
    const auto args = recordArguments(record, flags, error);
    if (!args)
        return nullptr;
    Options options;
    if (!options.parse(*args, allowed.valued, allowed.flags, error))
        return nullptr;
    auto request = parseChartRequest(options, error);
    if (!request)
        return nullptr;
    // The command line's chart options serve every record; a record's own
    // ayanamsa wins, and a body left out by either stays out.
    ChartRequest commandKind;
    parseChartKind(commandLine, commandKind, error);
    if (!request->ayanamsa) {
        request->ayanamsa = commandKind.ayanamsa;
        request->customAyanamsa = commandKind.customAyanamsa;
    }
    request->noUranus = request->noUranus || commandKind.noUranus;
    request->noNeptune = request->noNeptune || commandKind.noNeptune;
    request->noPluto = request->noPluto || commandKind.noPluto;
    request->noFortuna = request->noFortuna || commandKind.noFortuna;
    document::ChartEnvironment env = environment.chartEnvironment();
    request->applyTo(env.overrides);
    std::vector<std::string> messages;
    environment.messages.keepInstead(&messages);
    auto doc = std::make_unique<document::CVerokantDoc>(env);
    const bool cast = doc->CreateChart(request->description());
    environment.messages.keepInstead(nullptr);
    if (!cast) {
        error = messagesText(messages);
        return nullptr;
    }
    recordOptionsOut = std::move(options);
    return doc;
}

// The chart options of the command line and of a record (which wins), and the
// batch's own dasha depth unless one is given, in the usual order.
std::vector<std::pair<std::string, std::string>> appliedOptions(const Options& commandLine,
                                                                const Options& record)
{
    std::map<std::string, std::string> all;
    for (auto& [name, value] : appliedChartOptions(commandLine))
        all[name] = value;
    for (auto& [name, value] : appliedChartOptions(record))
        all[name] = value;
    all.emplace("depth", std::to_string(kBatchDashaDepth));
    std::vector<std::pair<std::string, std::string>> list;
    for (const std::string& name : appliedOptionOrder())
        if (const auto it = all.find(name); it != all.end())
            list.emplace_back(name, it->second);
    return list;
}

int runChartBatch(const Options& options, CliEnvironment& environment,
                  const ChartSections& sections)
{
    std::string error;
    const auto jobs = jobsOption(options, error);
    if (!jobs)
        return refuse("chart", error);
    if (!options.positional().empty())
        return refuse("chart", "--batch takes the births from its file; give no chart file");
    if (const auto birth = firstGiven(options, birthOptions()))
        return refuse("chart",
                      "--" + *birth + " belongs in the batch's records, not on the command line");
    if (options.value("horary"))
        return refuse("chart", "--horary belongs in the batch's records, not on the command line");
    ChartRequest kind;
    if (!parseChartKind(options, kind, error))
        return refuse("chart", error);
    if (!options.value("depth"))
        environment.overrides.dashaDepth = kBatchDashaDepth;
    const auto records = readBatchRecords(*options.value("batch"), error);
    if (!records) {
        std::fprintf(stderr, "lumikan-cli chart: %s\n", error.c_str());
        return kExitCodedError;
    }
    JsonWriter json;
    json.reserve(256 * 1024);
    const engine::LocalDateTime now = environment.now;
    // The ruling planets of now depend on the place, its zone and the frame,
    // not on the birth: charts that agree in these share them.
    struct RulingNow {
        engine::ChartOptions cast;
        std::string zone;
        engine::RulingPlanets planets;
    };
    std::vector<RulingNow> rulingNow;
    auto rulingPlanetsNow = [&](document::CVerokantDoc& doc) -> const engine::RulingPlanets& {
        const engine::ChartOptions& cast = doc.chart().options;
        const std::string zone = document::rulingPlaceZone(
            doc.settings(), doc.environment().overrides, doc.description());
        for (const RulingNow& known : rulingNow) {
            const engine::ChartOptions& k = known.cast;
            if (known.zone == zone && k.rulingPlace.latitudeDeg == cast.rulingPlace.latitudeDeg &&
                k.rulingPlace.longitudeDeg == cast.rulingPlace.longitudeDeg &&
                k.rulingPlace.timeZoneHours == cast.rulingPlace.timeZoneHours &&
                k.ayanamsa == cast.ayanamsa && k.customAyanamsaDeg == cast.customAyanamsaDeg &&
                k.dayLordRule == cast.dayLordRule)
                return known.planets;
        }
        doc.RulingPlanetsAt(now.hour, now.minute, now.second);
        rulingNow.push_back({cast, zone, doc.currentRulingPlanets()});
        return rulingNow.back().planets;
    };
    auto work = [&](std::size_t i) -> BatchItemResult {
        const document::FieldRecord& record = (*records)[i];
        Options recordOptions;
        std::string problem;
        const auto doc = castRecord(record, options, environment, false, recordOptions, problem);
        if (!doc)
            return {errorLine(record.line, problem), true};
        ChartJsonContext context;
        context.currentRulingPlanets = &rulingPlanetsNow(*doc);
        context.sections = sections;
        context.appliedOptions = appliedOptions(options, recordOptions);
        json.clear();
        writeChartJson(json, *doc, context);
        return {std::string(json.view()), false};
    };
    const BatchOutcome outcome = runBatch(
        records->size(), *jobs, work,
        [&](std::size_t i) {
            return errorLine((*records)[i].line, "the worker process casting it ended");
        },
        STDOUT_FILENO);
    if (outcome.writeFailed) {
        std::fputs("lumikan-cli chart: cannot write the output\n", stderr);
        return kExitCodedError;
    }
    return outcome.failed > 0 ? kExitCodedError : kExitOk;
}

int runSaveBatch(const Options& options, CliEnvironment& environment)
{
    std::string error;
    const auto jobs = jobsOption(options, error);
    if (!jobs)
        return refuse("save", error);
    if (!options.positional().empty())
        return refuse("save", "--batch writes into --dir; give no chart file");
    if (const auto birth = firstGiven(options, birthOptions()))
        return refuse("save",
                      "--" + *birth + " belongs in the batch's records, not on the command line");
    for (const char* perRecord : {"notes", "horary"})
        if (options.value(perRecord))
            return refuse("save",
                          std::string("--") + perRecord + " belongs in the batch's records");
    const auto dir = options.value("dir");
    if (!dir || !QFileInfo(QFile::decodeName(dir->c_str())).isDir())
        return refuse("save", dir ? badValue("dir", *dir, "an existing folder is needed")
                                  : "--batch needs --dir FOLDER, where the chart files go");
    const auto records = readBatchRecords(*options.value("batch"), error);
    if (!records) {
        std::fprintf(stderr, "lumikan-cli save: %s\n", error.c_str());
        return kExitCodedError;
    }
    // Names are chosen here, before any worker writes: two records of one
    // name must not race for one file.
    std::vector<QString> paths(records->size());
    std::set<QString> taken;
    for (std::size_t i = 0; i < records->size(); ++i) {
        const auto name = (*records)[i].find("name");
        paths[i] = document::freeChartFilePath(QFile::decodeName(dir->c_str()),
                                               document::toQString(name.value_or("")), taken);
        taken.insert(paths[i]);
    }
    auto work = [&](std::size_t i) -> BatchItemResult {
        const document::FieldRecord& record = (*records)[i];
        Options recordOptions;
        std::string problem;
        const auto doc = castRecord(record, options, environment, true, recordOptions, problem);
        if (!doc)
            return {errorLine(record.line, problem), true};
        if (auto notes = recordOptions.value("notes"))
            doc->SetNotes(document::toQString(*notes));
        std::vector<std::string> messages;
        environment.messages.keepInstead(&messages);
        CliPrompts prompts(environment.messages);
        doc->setPrompts(&prompts);
        const bool saved = doc->DoSave(paths[i]);
        environment.messages.keepInstead(nullptr);
        if (!saved)
            return {errorLine(record.line, messagesText(messages)), true};
        JsonWriter json;
        json.beginObject();
        json.field("line", record.line);
        json.field("file", QFile::encodeName(paths[i]).toStdString());
        json.endObject();
        return {json.text(), false};
    };
    const BatchOutcome outcome = runBatch(
        records->size(), *jobs, work,
        [&](std::size_t i) {
            return errorLine((*records)[i].line, "the worker process saving it ended");
        },
        STDOUT_FILENO);
    if (outcome.writeFailed) {
        std::fputs("lumikan-cli save: cannot write the output\n", stderr);
        return kExitCodedError;
    }
    return outcome.failed > 0 ? kExitCodedError : kExitOk;
}

} // namespace

int runChartCommand(const std::vector<std::string>& args)
{
    if (wantsHelpFor(args)) {
        std::fputs(commandHelp("chart").c_str(), stdout);
        return kExitOk;
    }
    static const OptionGroup output = {{"only", "batch", "jobs"}, {"json"}};
    const OptionGroup accepted = joined({&birthOptions(), &chartKindOptions(), &castOptions(),
                                         &clockOptions(), &settingsOptions(), &output});
    Options options;
    std::string error;
    if (!options.parse(args, accepted.valued, accepted.flags, error))
        return refuse("chart", error);
    ChartSections sections = ChartSections::all();
    if (auto only = options.value("only")) {
        const auto chosen = parseChartSections(*only, error);
        if (!chosen)
            return refuse("chart", badValue("only", *only, error));
        sections = *chosen;
    }
    const bool batch = options.value("batch").has_value();
    const bool json = batch || options.has("json");
    if (!json && sections.has(ChartSection::Display) && options.value("only"))
        return refuse("chart", "--only display: the display texts are a part of the JSON; the text "
                               "is all display");
    if (options.value("jobs") && !batch)
        return refuse("chart", "--jobs goes with --batch");

    CliEnvironment environment;
    if (batch) {
        if (!loadEnvironment(options, environment, error))
            return refuse("chart", error);
        return runChartBatch(options, environment, sections);
    }
    CliPrompts prompts(environment.messages);
    int status = kExitOk;
    const auto doc = openOrCastChart("chart", options, environment, prompts, status);
    if (!doc)
        return status;
    const engine::LocalDateTime& now = environment.now;
    doc->RulingPlanetsAt(now.hour, now.minute, now.second);
    std::optional<std::string> file;
    if (!options.positional().empty())
        file = options.positional()[0];
    std::string out;
    if (json) {
        ChartJsonContext context;
        context.sections = sections;
        context.file = file;
        context.appliedOptions = appliedChartOptions(options);
        out = chartJson(*doc, context) + "\n";
    } else {
        ChartTextOptions text;
        text.sections = sections;
        text.file = file;
        text.appliedOptions = appliedChartOptions(options);
        text.dashaDepth = doc->chart().options.dashaDepth;
        if (!options.value("depth"))
            text.dashaDepth = 1;
        out = terminalText(chartText(*doc, text));
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

int runSaveCommand(const std::vector<std::string>& args)
{
    if (wantsHelpFor(args)) {
        std::fputs(commandHelp("save").c_str(), stdout);
        return kExitOk;
    }
    // The chart's kind and the day lord show in the notes' signature line;
    // nothing else of the cast reaches the file. The clock and the settings
    // are every command's.
    OptionGroup accepted =
        joined({&birthOptions(), &chartKindOptions(), &clockOptions(), &settingsOptions()});
    for (const char* name : {"notes", "day-lord", "batch", "dir", "jobs"})
        accepted.valued.insert(name);
    for (const char* flag : {"no-uranus", "no-neptune", "no-pluto", "no-fortuna"})
        accepted.flags.erase(flag);
    Options options;
    std::string error;
    if (!options.parse(args, accepted.valued, accepted.flags, error))
        return refuse("save", error);
    CliEnvironment environment;
    if (options.value("batch")) {
        if (!loadEnvironment(options, environment, error))
            return refuse("save", error);
        return runSaveBatch(options, environment);
    }
    for (const char* batchOnly : {"dir", "jobs"})
        if (options.value(batchOnly))
            return refuse("save", std::string("--") + batchOnly + " goes with --batch");
    if (options.positional().size() != 1)
        return refuse("save", "give exactly one FILE.lmk to write");
    // The one positional argument is the file to write, never one to read.
    const std::string path = options.positional()[0];
    if (path.empty())
        return refuse("save", "the chart file name is empty");
    if (!options.value("date"))
        return refuse("save", "birth data (--date ...) is required");
    std::string birthError;
    if (!loadEnvironment(options, environment, birthError))
        return refuse("save", birthError);
    const auto request = parseChartRequest(options, birthError);
    if (!request)
        return refuse("save", birthError);
    request->applyTo(environment.overrides);
    CliPrompts prompts(environment.messages);
    auto doc = environment.newDocument();
    doc->setPrompts(&prompts);
    if (!doc->CreateChart(request->description()))
        return kExitCodedError;
    if (auto notes = options.value("notes"))
        doc->SetNotes(document::toQString(*notes));
    if (!doc->DoSave(QFile::decodeName(path.c_str())))
        return kExitCodedError;
    return kExitOk;
}

} // namespace lumikan::cli
