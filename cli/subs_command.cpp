#include "cli/chart_request.h"
#include "cli/cli_environment.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/birth_place_options.h"
#include "cli/moment_place.h"
#include "cli/terminal_text.h"
#include "cli/transit_support.h"
#include "document/chart_options.h"
#include "document/value_text.h"
#include "engine/ephemeris.h"
#include "engine/local_time.h"
#include "engine/sub_lord_timeline.h"

#include <cstdio>

namespace lumikan::cli {

namespace {

constexpr const char* kSubsHelp =
    "usage: lumikan-cli subs --date YYYY-MM-DD --lat D --lon D --tz H [--body asc|moon]\n"
    "                        [--ayanamsa lahiri|sayana|raman|kp|custom:V] [--json]\n"
    "\n"
    "The local times of one day at one place at which the ascendant's sub lord\n"
    "changes (or, with --body moon, the Moon's star and sub lords), for horary work\n"
    "and birth-time rectification. Each time is searched to the second and checked\n"
    "by recomputing the lords one second before and after it.\n";

std::string lordsJsonKey(const char* which, const char* when)
{
    return std::string(which) + when;
}

} // namespace

int runSubsCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::fputs(kSubsHelp, stdout);
        return kExitOk;
    }
    Options options;
    std::string error;
    std::set<std::string> valued = environmentValuedOptions();
    valued.insert(placeValuedOptions().begin(), placeValuedOptions().end());
    valued.insert({"date", "body", "ayanamsa"});
    if (!options.parse(args, valued, {"json", "defaults", "lmt"}, error) ||
        !options.positional().empty()) {
        std::fprintf(stderr, "lumikan-cli subs: %s\n",
                     error.empty() ? "takes no file; give --date and the place" : error.c_str());
        return kExitBadArguments;
    }
    CliEnvironment environment;
    if (!loadEnvironment(options, environment, error)) {
        std::fprintf(stderr, "lumikan-cli subs: %s\n", error.c_str());
        return kExitBadArguments;
    }
    const auto dateOption = options.value("date");
    const auto date = document::parseIsoDate(dateOption.value_or(""));
    if (!date || date->year < 1800 || date->year > 2399) {
        std::fprintf(stderr, "lumikan-cli subs: %s\n",
                     dateOption ? badValue("date", *dateOption,
                                           "a date YYYY-MM-DD from 1800 to 2399 is needed")
                                      .c_str()
                                : "--date YYYY-MM-DD is required");
        return kExitBadArguments;
    }
    const auto place =
        date ? placeFromOptions(options, {date->year, date->month, date->day, 12, 0, 0},
                                std::nullopt, error)
             : std::nullopt;
    const std::string bodyText = options.value("body").value_or("asc");
    if (place && bodyText != "asc" && bodyText != "moon")
        error = badValue("body", bodyText, "asc or moon is needed");
    // The ayanamsa as a chart would take it: the settings unless --ayanamsa says otherwise.
    ChartRequest ayanamsaOnly;
    if (auto a = options.value("ayanamsa"); place && error.empty() && a) {
        Options one;
        std::string ignored;
        one.parse({"--ayanamsa", *a}, {"ayanamsa"}, {}, ignored);
        std::string parseError;
        if (!parseChartKind(one, ayanamsaOnly, parseError))
            error = badValue("ayanamsa", *a, "lahiri, sayana, raman, kp or custom:V is needed");
    }
    if (!place || !error.empty()) {
        std::fprintf(stderr, "lumikan-cli subs: %s\n", error.c_str());
        return kExitBadArguments;
    }
    ayanamsaOnly.applyTo(environment.overrides);
    const engine::ChartOptions chartOptions = document::chartOptionsFor(
        environment.settings, environment.overrides, document::ChartDescription{});

    const engine::LocalDateTime midnight{date->year, date->month, date->day, 0, 0, 0};
    const double from = engine::julianDayOfLocal(midnight, place->offsetHours);
    const bool moon = bodyText == "moon";
    const auto timeline = engine::subLordTimeline(
        moon ? engine::TimelinePoint::Moon : engine::TimelinePoint::Ascendant, from, from + 1.0,
        place->latitudeDeg, place->longitudeDeg, chartOptions, engine::Ephemeris::shared());
    if (!timeline) {
        std::fputs("lumikan-cli subs: the ascendant or the Moon cannot be computed there and "
                   "then (no Placidus houses beyond the polar circles)\n",
                   stderr);
        return kExitCodedError;
    }
    std::string out;
    if (options.has("json")) {
        JsonWriter json;
        json.beginObject();
        json.field("schemaVersion", 2);
        json.field("command", "subs");
        json.field("date", dateText(midnight));
        json.field("body", moon ? "moon" : "asc");
        json.field("latitude", place->latitudeDeg);
        json.field("longitude", place->longitudeDeg);
        json.field("offsetHours", place->offsetHours);
        json.key("atStart");
        json.beginObject();
        json.field("starLord", engine::lordName(timeline->atStart.starLord));
        json.field("subLord", engine::lordName(timeline->atStart.subLord));
        json.endObject();
        json.key("changes");
        json.beginArray();
        for (const engine::LordChange& c : timeline->changes) {
            json.beginObject();
            json.field("time",
                       momentText(engine::localDateTimeOf(c.julianDayUt, place->offsetHours)));
            json.field("julianDayUt", c.julianDayUt);
            json.field(lordsJsonKey("starLord", "Before"), engine::lordName(c.before.starLord));
            json.field(lordsJsonKey("starLord", "After"), engine::lordName(c.after.starLord));
            json.field(lordsJsonKey("subLord", "Before"), engine::lordName(c.before.subLord));
            json.field(lordsJsonKey("subLord", "After"), engine::lordName(c.after.subLord));
            json.field("confirmed", c.confirmed());
            json.endObject();
        }
        json.endArray();
        json.endObject();
        out = json.text() + "\n";
    } else {
        out = std::string(moon ? "Moon" : "Ascendant") + " sub lords on " + dateText(midnight) +
              " (UTC" + offsetText(place->offsetHours) + ")\n";
        out += "00:00:00  star " + std::string(engine::lordName(timeline->atStart.starLord)) +
               ", sub " + std::string(engine::lordName(timeline->atStart.subLord)) + "\n";
        for (const engine::LordChange& c : timeline->changes) {
            const engine::LocalDateTime t =
                engine::localDateTimeOf(c.julianDayUt, place->offsetHours);
            char line[160];
            std::snprintf(line, sizeof line, "%02d:%02d:%02d  ", t.hour, t.minute, t.second);
            out += line;
            if (c.starChanged())
                out += "star " + std::string(engine::lordName(c.before.starLord)) + " -> " +
                       std::string(engine::lordName(c.after.starLord)) + ", ";
            out += "sub " + std::string(engine::lordName(c.before.subLord)) + " -> " +
                   std::string(engine::lordName(c.after.subLord)) + "\n";
        }
        out = terminalText(out);
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

} // namespace lumikan::cli
