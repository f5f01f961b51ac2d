#include "cli/transit_support.h"

#include "cli/commands.h"
#include "engine/local_time.h"

#include <cmath>
#include <cstdio>

namespace lumikan::cli {

bool wantsHelp(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

std::unique_ptr<document::CVerokantDoc> openChartFile(const Options& options,
                                                      CliEnvironment& environment,
                                                      CliPrompts& prompts, int& exitStatus)
{
    std::string error;
    exitStatus = kExitOk;
    if (!loadEnvironment(options, environment, error)) {
        std::fprintf(stderr, "lumikan-cli: %s\n", error.c_str());
        exitStatus = kExitBadArguments;
        return nullptr;
    }
    auto doc = environment.newDocument();
    doc->setPrompts(&prompts);
    if (!doc->OnOpenDocument(QString::fromStdString(options.positional().at(0)))) {
        exitStatus = kExitCodedError;
        return nullptr;
    }
    return doc;
}

std::optional<TransitMoment> transitMoment(const Options& options,
                                           const CliEnvironment& environment,
                                           const engine::Chart& chart,
                                           const std::string& momentOption, std::string& error)
{
    TransitMoment moment;
    moment.local = environment.now;
    if (auto text = options.value(momentOption)) {
        const auto local = parseLocalMoment(*text);
        if (!local) {
            error = badValue(momentOption, *text, "a local moment YYYY-MM-DDTHH:MM:SS is needed");
            return std::nullopt;
        }
        moment.local = *local;
    }
    const engine::RulingPlace& rp = chart.options.rulingPlace;
    const auto place = placeFromOptions(
        options, moment.local, PlaceAndOffset{rp.latitudeDeg, rp.longitudeDeg, rp.timeZoneHours},
        error);
    if (!place)
        return std::nullopt;
    moment.place = *place;
    moment.julianDayUt = engine::julianDayOfLocal(moment.local, place->offsetHours);
    return moment;
}

std::string offsetText(double offsetHours)
{
    const long minutes = std::lround(std::fabs(offsetHours) * 60.0);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%c%02ld:%02ld", offsetHours < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return buf;
}

} // namespace lumikan::cli
