#include "cli/chart_arguments.h"

#include "cli/chart_request.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"

#include <QFile>

#include <cstdio>

namespace lumikan::cli {

const OptionGroup& birthOptions()
{
    static const OptionGroup group = {{"name", "date", "time", "city", "state", "country", "gender",
                                       "place", "zone", "tz", "fold", "lat", "lon"},
                                      {"lmt"}};
    return group;
}

const OptionGroup& chartKindOptions()
{
    static const OptionGroup group = {{"ayanamsa", "horary"},
                                      {"no-uranus", "no-neptune", "no-pluto", "no-fortuna"}};
    return group;
}

const OptionGroup& castOptions()
{
    static const OptionGroup group = {
        {"depth", "dasha-year", "rp-lat", "rp-lon", "rp-tz", "day-lord"}, {}};
    return group;
}

const OptionGroup& clockOptions()
{
    static const OptionGroup group = {{"today", "now"}, {}};
    return group;
}

const OptionGroup& settingsOptions()
{
    static const OptionGroup group = {{"settings"}, {"defaults"}};
    return group;
}

OptionGroup joined(std::initializer_list<const OptionGroup*> groups)
{
    OptionGroup all;
    for (const OptionGroup* g : groups) {
        all.valued.insert(g->valued.begin(), g->valued.end());
        all.flags.insert(g->flags.begin(), g->flags.end());
    }
    return all;
}

bool contains(const OptionGroup& group, const std::string& name)
{
    return group.valued.count(name) > 0 || group.flags.count(name) > 0;
}

const std::vector<std::string>& appliedOptionOrder()
{
    static const std::vector<std::string> order = {
        "ayanamsa",   "horary", "no-uranus", "no-neptune", "no-pluto", "no-fortuna", "depth",
        "dasha-year", "rp-lat", "rp-lon",    "rp-tz",      "day-lord", "today",      "now"};
    return order;
}

std::vector<std::pair<std::string, std::string>> appliedChartOptions(const Options& options)
{
    std::vector<std::pair<std::string, std::string>> list;
    for (const std::string& name : appliedOptionOrder())
        if (options.has(name))
            list.emplace_back(name, options.value(name).value_or("true"));
    return list;
}

std::optional<std::string> firstGiven(const Options& options, const OptionGroup& group)
{
    for (const std::string& name : options.given())
        if (contains(group, name))
            return name;
    return std::nullopt;
}

std::unique_ptr<document::CVerokantDoc> openOrCastChart(const char* command, const Options& options,
                                                        CliEnvironment& environment,
                                                        CliPrompts& prompts, int& exitStatus)
{
    auto refuse = [&](const std::string& error) -> std::unique_ptr<document::CVerokantDoc> {
        std::fprintf(stderr, "lumikan-cli %s: %s\n", command, error.c_str());
        exitStatus = kExitBadArguments;
        return nullptr;
    };
    exitStatus = kExitOk;
    if (options.positional().size() > 1)
        return refuse("give one chart file, or birth data");
    const bool fromFile = options.positional().size() == 1;
    if (fromFile) {
        // The file holds the birth; the options could only contradict it.
        const auto birth = firstGiven(options, birthOptions());
        if (birth)
            return refuse("--" + *birth +
                          " does not apply to a chart file: its birth data are in the file");
        if (options.value("horary"))
            return refuse("--horary does not apply to a chart file: a file holds a birth chart");
    }
    std::string error;
    if (!loadEnvironment(options, environment, error))
        return refuse(error);
    std::unique_ptr<document::CVerokantDoc> doc;
    if (fromFile) {
        ChartRequest kind;
        if (!parseChartKind(options, kind, error))
            return refuse(error);
        kind.applyTo(environment.overrides);
        doc = environment.newDocument();
        doc->setPrompts(&prompts);
        if (!doc->OnOpenDocument(QFile::decodeName(options.positional()[0].c_str()))) {
            exitStatus = kExitCodedError;
            return nullptr;
        }
        return doc;
    }
    const auto request = parseChartRequest(options, error);
    if (!request)
        return refuse(error);
    request->applyTo(environment.overrides);
    doc = environment.newDocument();
    doc->setPrompts(&prompts);
    if (!doc->CreateChart(request->description())) {
        exitStatus = kExitCodedError;
        return nullptr;
    }
    return doc;
}

} // namespace lumikan::cli
