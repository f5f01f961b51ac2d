#include "cli/chart_output.h"
#include "cli/chart_request.h"
#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "document/text_encoding.h"

#include <cstdio>

namespace lumikan::cli {

namespace {

std::set<std::string> merged(std::set<std::string> a, const std::set<std::string>& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

}  // namespace

std::unique_ptr<document::CVerokantDoc> openOrCastChart(const Options& options,
                                                        CliEnvironment& environment,
                                                        CliPrompts& prompts, int& exitStatus,
                                                        bool positionalIsChartFile)
{
    std::string error;
    exitStatus = kExitOk;
    if (!loadEnvironment(options, environment, error)) {
        std::fprintf(stderr, "lumikan-cli: %s\n", error.c_str());
        exitStatus = kExitBadArguments;
        return nullptr;
    }
    std::unique_ptr<document::CVerokantDoc> doc;
    if (positionalIsChartFile && options.positional().size() == 1 && !options.value("date")) {
        doc = environment.newDocument();
        doc->setPrompts(&prompts);
        if (!doc->OnOpenDocument(QString::fromStdString(options.positional()[0]))) {
            exitStatus = kExitCodedError;
            return nullptr;
        }
        return doc;
    }
    if (positionalIsChartFile && !options.positional().empty()) {
        std::fputs("lumikan-cli: give either a chart file or birth data\n", stderr);
        exitStatus = kExitBadArguments;
        return nullptr;
    }
    const auto request = parseChartRequest(options, error);
    if (!request) {
        std::fprintf(stderr, "lumikan-cli: %s\n", error.c_str());
        exitStatus = kExitBadArguments;
        return nullptr;
    }
    request->applyTo(environment.overrides);
    doc = environment.newDocument();
    doc->setPrompts(&prompts);
    if (!doc->CreateChart(request->description())) {
        exitStatus = kExitCodedError;
        return nullptr;
    }
    return doc;
}

const std::set<std::string>& chartValuedOptions()
{
    static const std::set<std::string> names = merged(birthValuedOptions(), environmentValuedOptions());
    return names;
}

const std::set<std::string>& chartFlagOptions()
{
    static const std::set<std::string> names = merged(birthFlagOptions(), environmentFlagOptions());
    return names;
}

int runChartCommand(const std::vector<std::string>& args)
{
    Options options;
    std::string error;
    if (!options.parse(args, chartValuedOptions(), chartFlagOptions(), error)) {
        std::fprintf(stderr, "lumikan-cli chart: %s\n", error.c_str());
        return kExitBadArguments;
    }
    CliEnvironment environment;
    CliPrompts prompts(environment.messages);
    int status = kExitOk;
    const auto doc = openOrCastChart(options, environment, prompts, status, true);
    if (!doc)
        return status;
    const engine::LocalDateTime& now = environment.now;
    doc->RulingPlanetsAt(now.hour, now.minute, now.second);
    const std::string out = options.has("json") ? chartJson(*doc) + "\n" : terminalText(chartText(*doc));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

int runSaveCommand(const std::vector<std::string>& args)
{
    Options options;
    std::string error;
    std::set<std::string> valued = chartValuedOptions();
    valued.insert("notes");
    if (!options.parse(args, valued, chartFlagOptions(), error) || options.positional().size() != 1 ||
        options.positional()[0].empty()) {
        std::fprintf(stderr, "lumikan-cli save: %s\n",
                     !error.empty()                  ? error.c_str()
                     : options.positional().size() == 1 ? "the chart file name is empty"
                                                        : "give exactly one FILE.lmk to write");
        return kExitBadArguments;
    }
    // The one positional argument is the file to write, never one to read.
    const std::string path = options.positional()[0];
    if (!options.value("date")) {
        std::fputs("lumikan-cli save: birth data (--date ...) is required\n", stderr);
        return kExitBadArguments;
    }
    CliEnvironment environment;
    CliPrompts prompts(environment.messages);
    int status = kExitOk;
    const auto doc = openOrCastChart(options, environment, prompts, status, false);
    if (!doc)
        return status;
    if (auto notes = options.value("notes"))
        doc->SetNotes(document::toQString(*notes));
    if (!doc->DoSave(QString::fromStdString(path)))
        return kExitCodedError;
    return kExitOk;
}

}  // namespace lumikan::cli
