#include "cli/birth_place_options.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/reasons_json.h"
#include "cli/terminal_text.h"
#include "cli/transit_support.h"
#include "document/value_text.h"
#include "engine/ephemeris.h"
#include "engine/event_houses.h"
#include "engine/event_timing.h"
#include "engine/local_time.h"
#include "engine/significators.h"
#include "engine/sun_windows.h"

#include <cstdio>

namespace lumikan::cli {

namespace {

constexpr const char* kTimingHelp =
    "usage: lumikan-cli timing FILE.lmk (--event KEY | --houses H,H,... [--cusp N])\n"
    "                          [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--depth 3|4]\n"
    "                          [--rp-filter] [--lat D --lon D --tz H] [--json]\n"
    "\n"
    "When an event may come: the promise of the primary cusp's sub lord with its\n"
    "reasons, then every dasha period in the range whose lords signify the event\n"
    "houses, best first, each with the Sun's windows in it.\n"
    "\n"
    "  --event   marriage, service, business, childbirth, property, vehicle, foreign,\n"
    "            education, recovery or litigation\n"
    "  --houses  a custom event's houses; --cusp its primary cusp (default: the first)\n"
    "  --from --to  local dates (default: today and ten years on)\n"
    "  --depth   3 dasha-bhukti-antara (default) or 4 with the sookshma\n"
    "  --rp-filter  only periods whose lords are all among today's ruling planets\n"
    "  --lat --lon --tz  the place whose clock dates are shown and whose ruling\n"
    "            planets are read (default: the chart's ruling-planet place)\n"
    "  --json    JSON (schema 2) instead of text\n";

struct Event {
    std::string key = "custom";
    std::string title = "Custom houses";
    std::vector<int> cusps;
    std::vector<int> houses;
};

std::optional<Event> eventFromOptions(const Options& options, std::string& error)
{
    Event e;
    const auto key = options.value("event");
    const auto houses = options.value("houses");
    if (key.has_value() == houses.has_value()) {
        error = "give either --event KEY or --houses H,H,...";
        return std::nullopt;
    }
    if (key) {
        const engine::EventHouses* found = engine::findEvent(*key);
        if (!found) {
            error = badValue("event", *key,
                             "one of marriage, service, business, childbirth, property, vehicle, "
                             "foreign, education, recovery, litigation is needed");
            return std::nullopt;
        }
        e.key = std::string(found->key);
        e.title = std::string(found->title);
        e.cusps = found->cusps;
        e.houses = found->houses;
        if (options.value("cusp")) {
            error = "--cusp goes with --houses";
            return std::nullopt;
        }
        return e;
    }
    std::size_t start = 0;
    while (start <= houses->size()) {
        const std::size_t comma = std::min(houses->find(',', start), houses->size());
        const auto h = parseInt(houses->substr(start, comma - start));
        if (!h || *h < 1 || *h > 12) {
            error = badValue("houses", *houses, "house numbers 1 to 12 separated by commas");
            return std::nullopt;
        }
        if (std::find(e.houses.begin(), e.houses.end(), *h) == e.houses.end())
            e.houses.push_back(*h);
        start = comma + 1;
    }
    e.cusps = {e.houses.front()};
    if (auto c = options.value("cusp")) {
        const auto cusp = parseInt(*c);
        if (!cusp || *cusp < 1 || *cusp > 12) {
            error = badValue("cusp", *c, "a cusp from 1 to 12 is needed");
            return std::nullopt;
        }
        e.cusps = {*cusp};
    }
    return e;
}

std::optional<engine::LocalDateTime> dateOption(const Options& options, const char* name,
                                                engine::LocalDateTime fallback, std::string& error)
{
    const auto text = options.value(name);
    if (!text)
        return fallback;
    const auto date = document::parseIsoDate(*text);
    if (!date || date->year < 1800 || date->year > 2399) {
        error = badValue(name, *text, "a date YYYY-MM-DD from 1800 to 2399 is needed");
        return std::nullopt;
    }
    return engine::LocalDateTime{date->year, date->month, date->day, 0, 0, 0};
}

std::string lordsText(const std::vector<engine::LordIndex>& lords)
{
    std::string out;
    for (engine::LordIndex l : lords)
        out += (out.empty() ? "" : "-") + std::string(engine::lordName(l));
    return out;
}

// The reasons of a lord that touch the event or negating houses.
std::vector<engine::SignificatorReason> relevantReasons(const engine::Chart& chart,
                                                        const engine::LordVerdict& v)
{
    std::vector<engine::SignificatorReason> out;
    if (!engine::isValidLord(v.lord))
        return out;
    for (const auto& r : engine::significatorReasonsOf(chart, engine::lordToBody(v.lord)))
        if (std::find(v.eventHouses.begin(), v.eventHouses.end(), r.house) != v.eventHouses.end() ||
            std::find(v.negatingHouses.begin(), v.negatingHouses.end(), r.house) !=
                v.negatingHouses.end())
            out.push_back(r);
    return out;
}

struct TimingReport {
    Event event;
    engine::EventTiming timing;
    double offsetHours = 0.0;
    engine::LocalDateTime from, to;
    int depth = 3;
    std::optional<std::vector<engine::LordIndex>> rulingLords;
};

std::string local(double jd, double offsetHours)
{
    return momentText(engine::localDateTimeOf(jd, offsetHours));
}

void writeVerdictJson(JsonWriter& json, const engine::Chart& chart, const engine::LordVerdict& v)
{
    writeHousesJson(json, "eventHouses", v.eventHouses);
    writeHousesJson(json, "negatingHouses", v.negatingHouses);
    writeReasonsJson(json, "reasons", relevantReasons(chart, v));
}

std::string timingJson(const engine::Chart& chart, const TimingReport& r)
{
    JsonWriter json;
    json.beginObject();
    json.field("schemaVersion", 2);
    json.field("command", "timing");
    json.key("event");
    json.beginObject();
    json.field("key", r.event.key);
    json.field("title", r.event.title);
    writeHousesJson(json, "cusps", r.event.cusps);
    writeHousesJson(json, "houses", r.event.houses);
    writeHousesJson(json, "negatingHouses", r.timing.negatingHouses);
    json.endObject();
    json.field("from", dateText(r.from));
    json.field("to", dateText(r.to));
    json.field("offsetHours", r.offsetHours);
    json.field("depth", r.depth);
    json.key("rulingLords");
    if (r.rulingLords) {
        json.beginArray();
        for (engine::LordIndex l : *r.rulingLords)
            json.value(engine::lordName(l));
        json.endArray();
    } else {
        json.null();
    }
    json.key("promise");
    json.beginArray();
    for (const engine::CuspPromise& p : r.timing.promises) {
        json.beginObject();
        json.field("cusp", p.cusp);
        json.field("subLord", engine::lordName(p.subLord));
        json.field("promised", p.promised());
        writeVerdictJson(json, chart, p.verdict);
        json.endObject();
    }
    json.endArray();
    json.key("lords");
    json.beginArray();
    for (const engine::LordVerdict& v : r.timing.lords) {
        json.beginObject();
        json.field("lord", engine::lordName(v.lord));
        writeVerdictJson(json, chart, v);
        json.endObject();
    }
    json.endArray();
    json.key("periods");
    json.beginArray();
    int rank = 0;
    for (const engine::TimedPeriod& p : r.timing.periods) {
        json.beginObject();
        json.field("rank", ++rank);
        json.key("lords");
        json.beginArray();
        for (engine::LordIndex l : p.lords)
            json.value(engine::lordName(l));
        json.endArray();
        json.field("start", local(p.startJulianDayUt, r.offsetHours));
        json.field("end", local(p.endJulianDayUt, r.offsetHours));
        json.field("startJulianDayUt", p.startJulianDayUt);
        json.field("endJulianDayUt", p.endJulianDayUt);
        json.field("running", p.running);
        json.field("allLordsSignify", p.allLordsSignify());
        json.field("lordsSignifying", p.lordsSignifying);
        json.field("negations", p.negations);
        json.field("eventHousesCovered", p.eventHousesCovered);
        json.key("sunWindows");
        json.beginArray();
        for (const engine::SunWindow& w : p.sunWindows) {
            json.beginObject();
            json.field("start", local(w.startJulianDayUt, r.offsetHours));
            json.field("end", local(w.endJulianDayUt, r.offsetHours));
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text() + "\n";
}

std::string verdictText(const engine::Chart& chart, const engine::LordVerdict& v)
{
    std::string out = std::string(engine::lordName(v.lord)) + ": event houses " +
                      houseListText(v.eventHouses) + "; negating " +
                      houseListText(v.negatingHouses) + "\n";
    for (const auto& reason : relevantReasons(chart, v))
        out += "    " + std::string(engine::lordName(v.lord)) + " signifies " +
               std::to_string(reason.house) + ": " + engine::reasonText(reason) + " (level " +
               std::to_string(reason.level) + ")\n";
    return out;
}

std::string timingText(const engine::Chart& chart, const TimingReport& r)
{
    std::string out = r.event.title + ": cusp(s) " + houseListText(r.event.cusps) + ", houses " +
                      houseListText(r.event.houses) + ", negating " +
                      houseListText(r.timing.negatingHouses) + "\n";
    out += "Range " + dateText(r.from) + " to " + dateText(r.to) + " (UTC" +
           offsetText(r.offsetHours) + "), depth " + std::to_string(r.depth) + "\n";
    if (r.rulingLords) {
        std::vector<engine::LordIndex> lords = *r.rulingLords;
        out += "Only lords among the ruling planets: " + lordsText(lords) + "\n";
    }
    out += "\nPromise\n";
    for (const engine::CuspPromise& p : r.timing.promises)
        out += "  Cusp " + std::to_string(p.cusp) + " sub lord " + verdictText(chart, p.verdict) +
               "  => " + (p.promised() ? "promised" : "not promised") +
               (p.promised() && !p.verdict.negatingHouses.empty() ? ", with obstacles" : "") + "\n";
    out += "\nPeriods, best first (* running)\n";
    int rank = 0;
    char line[256];
    for (const engine::TimedPeriod& p : r.timing.periods) {
        std::snprintf(line, sizeof line,
                      "%4d %c %-34s %s  %s  lords %d/%zu  negations %d  houses %d\n", ++rank,
                      p.running ? '*' : ' ', lordsText(p.lords).c_str(),
                      local(p.startJulianDayUt, r.offsetHours).substr(0, 10).c_str(),
                      local(p.endJulianDayUt, r.offsetHours).substr(0, 10).c_str(),
                      p.lordsSignifying, p.lords.size(), p.negations, p.eventHousesCovered);
        out += line;
        for (const engine::SunWindow& w : p.sunWindows)
            out += "         Sun " + local(w.startJulianDayUt, r.offsetHours) + " to " +
                   local(w.endJulianDayUt, r.offsetHours) + "\n";
    }
    out += "\nLords\n";
    for (const engine::LordVerdict& v : r.timing.lords)
        out += "  " + verdictText(chart, v);
    return out;
}

} // namespace

int runTimingCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::fputs(kTimingHelp, stdout);
        return kExitOk;
    }
    Options options;
    std::string error;
    std::set<std::string> valued = environmentValuedOptions();
    valued.insert(placeValuedOptions().begin(), placeValuedOptions().end());
    valued.insert({"event", "houses", "cusp", "from", "to"});
    if (!options.parse(args, valued, {"json", "defaults", "rp-filter", "lmt"}, error) ||
        options.positional().size() != 1) {
        std::fprintf(stderr, "lumikan-cli timing: %s\n",
                     error.empty() ? "give exactly one FILE.lmk" : error.c_str());
        return kExitBadArguments;
    }
    TimingReport report;
    const auto event = eventFromOptions(options, error);
    int depth = 3;
    if (auto d = options.value("depth"); event && d) {
        const auto value = parseInt(*d);
        if (!value || (*value != 3 && *value != 4))
            error = badValue("depth", *d, "3 or 4 is needed");
        else
            depth = *value;
    }
    if (!event || !error.empty()) {
        std::fprintf(stderr, "lumikan-cli timing: %s\n", error.c_str());
        return kExitBadArguments;
    }
    CliEnvironment environment;
    CliPrompts prompts(environment.messages);
    int status = kExitOk;
    const auto doc = openChartFile(options, environment, prompts, status);
    if (!doc)
        return status;
    const engine::Chart& chart = doc->chart();
    const auto now = transitMoment(options, environment, chart, "at", error); // no --at here: now
    engine::LocalDateTime today = environment.now;
    today.hour = today.minute = today.second = 0;
    engine::LocalDateTime tenYears = today;
    tenYears.year += 10;
    const auto from = now ? dateOption(options, "from", today, error) : std::nullopt;
    const auto to = from ? dateOption(options, "to", tenYears, error) : std::nullopt;
    if (!to) {
        std::fprintf(stderr, "lumikan-cli timing: %s\n", error.c_str());
        return kExitBadArguments;
    }
    report.event = *event;
    report.offsetHours = now->place.offsetHours;
    report.from = *from;
    report.to = *to;
    report.depth = depth;

    engine::EventTimingRequest request;
    request.cusps = event->cusps;
    request.houses = event->houses;
    request.fromJulianDayUt = engine::julianDayOfLocal(*from, report.offsetHours);
    request.toJulianDayUt = engine::julianDayOfLocal(*to, report.offsetHours);
    if (!(request.toJulianDayUt > request.fromJulianDayUt)) {
        std::fputs("lumikan-cli timing: --to must come after --from\n", stderr);
        return kExitBadArguments;
    }
    request.depth = depth;
    request.nowJulianDayUt = now->julianDayUt;
    engine::Ephemeris& ephemeris = engine::Ephemeris::shared();
    if (options.has("rp-filter")) {
        engine::ChartOptions rpOptions = chart.options;
        rpOptions.rulingPlace = {now->place.latitudeDeg, now->place.longitudeDeg,
                                 now->place.offsetHours};
        const engine::RulingPlanets rp = engine::rulingPlanetsAt(rpOptions, now->local, ephemeris);
        const auto sky = engine::transitAt(chart, now->julianDayUt, now->place.latitudeDeg,
                                           now->place.longitudeDeg, ephemeris);
        request.rulingLords = engine::rulingLordSet(rp, sky ? &*sky : nullptr);
        report.rulingLords = request.rulingLords;
    }
    report.timing = engine::timeEvent(chart, request);
    if (!engine::fillSunWindows(report.timing.periods, chart.options, ephemeris)) {
        std::fputs("lumikan-cli timing: the ephemeris cannot compute the Sun in that range\n",
                   stderr);
        return kExitCodedError;
    }
    const std::string out =
        options.has("json") ? timingJson(chart, report) : terminalText(timingText(chart, report));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

} // namespace lumikan::cli
