#include "cli/chart_request.h"
#include "cli/cli_environment.h"
#include "cli/cli_prompts.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/birth_place_options.h"
#include "cli/moment_place.h"
#include "cli/reasons_json.h"
#include "cli/terminal_text.h"
#include "cli/transit_support.h"
#include "engine/ephemeris.h"
#include "engine/local_time.h"
#include "engine/transit.h"
#include "engine/zodiac.h"

#include <cstdio>

namespace lumikan::cli {

namespace {

constexpr const char* kTransitHelp =
    "usage: lumikan-cli transit FILE.lmk [--at YYYY-MM-DDTHH:MM:SS] [--lat D --lon D --tz H]\n"
    "                           [--json] [--settings FILE | --defaults] [--today D] [--now T]\n"
    "\n"
    "The sky of one moment against a natal chart: every transiting body with its\n"
    "sidereal longitude, sign, star, sub and sub-sub lord, the natal house it\n"
    "transits and the natal houses its star lord and sub lord signify; the\n"
    "transiting ascendant with its lords.\n"
    "\n"
    "  --at      local date and time at the place (default: now)\n"
    "  --lat --lon --tz  the place and its offset in hours east of UTC\n"
    "            (default: the chart's ruling-planet place)\n"
    "  --json    JSON (schema 2) instead of text\n";

std::string degreeText(double longitudeDeg)
{
    const double inSign = engine::degreeInSign(longitudeDeg);
    int totalSeconds = static_cast<int>(inSign * 3600.0 + 0.5);
    if (totalSeconds >= 30 * 3600)
        totalSeconds = 30 * 3600 - 1;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%2d°%02d'%02d\"", totalSeconds / 3600, totalSeconds / 60 % 60,
                  totalSeconds % 60);
    return buf;
}

void writeLordsJson(JsonWriter& json, const engine::KpLords& lords)
{
    json.field("signLord", engine::lordName(lords.signLord));
    json.field("starLord", engine::lordName(lords.starLord));
    json.field("subLord", engine::lordName(lords.subLord));
    json.field("subSubLord", engine::lordName(lords.subSubLord));
}

std::string transitJson(const document::CVerokantDoc& doc, const std::string& file,
                        const TransitMoment& moment, const engine::TransitSnapshot& sky)
{
    JsonWriter json;
    json.beginObject();
    json.field("schemaVersion", 2);
    json.field("command", "transit");
    json.key("chart");
    json.beginObject();
    json.field("name", doc.displayName().toStdString());
    json.field("file", file);
    json.endObject();
    json.key("moment");
    json.beginObject();
    json.field("local", momentText(moment.local));
    json.field("offsetHours", moment.place.offsetHours);
    json.field("latitude", moment.place.latitudeDeg);
    json.field("longitude", moment.place.longitudeDeg);
    json.field("julianDayUt", sky.julianDayUt);
    json.endObject();
    json.key("bodies");
    json.beginArray();
    for (const engine::TransitBody& t : sky.bodies) {
        json.beginObject();
        json.field("planet", engine::bodyName(t.body, 2));
        json.field("longitude", t.longitudeDeg);
        json.field("speed", t.speedDegPerDay);
        json.field("sign", engine::signName(t.sign));
        json.field("nakshatra", engine::nakshatraName(t.nakshatra));
        writeLordsJson(json, t.lords);
        json.field("natalHouse", t.natalHouse);
        writeHousesJson(json, "starLordHouses", t.starLordHouses);
        writeHousesJson(json, "subLordHouses", t.subLordHouses);
        json.endObject();
    }
    json.endArray();
    json.key("ascendant");
    if (sky.ascendant) {
        json.beginObject();
        json.field("longitude", sky.ascendant->longitudeDeg);
        json.field("sign", engine::signName(engine::signOf(sky.ascendant->longitudeDeg)));
        writeLordsJson(json, sky.ascendant->lords);
        json.field("natalHouse", sky.ascendant->natalHouse);
        json.endObject();
    } else {
        json.null();
    }
    json.key("display");
    json.beginObject();
    json.field("chartTitle", doc.GetTitle().toStdString());
    json.endObject();
    json.endObject();
    return json.text() + "\n";
}

std::string transitText(const document::CVerokantDoc& doc, const TransitMoment& moment,
                        const engine::TransitSnapshot& sky)
{
    std::string out = "Transits over " + doc.GetTitle().toStdString() + " at " +
                      momentText(moment.local) + " (UTC" + offsetText(moment.place.offsetHours) +
                      ")\n";
    if (sky.ascendant)
        out += "Ascendant " +
               std::string(engine::signName(engine::signOf(sky.ascendant->longitudeDeg))) + " " +
               degreeText(sky.ascendant->longitudeDeg) + ", star " +
               std::string(engine::lordName(sky.ascendant->lords.starLord)) + ", sub " +
               std::string(engine::lordName(sky.ascendant->lords.subLord)) + "\n";
    if (const engine::TransitBody* moon = engine::findTransitBody(sky, engine::body::Moon))
        out += "Moon " + std::string(engine::signName(moon->sign)) + " " +
               degreeText(moon->longitudeDeg) + ", star " +
               std::string(engine::lordName(moon->lords.starLord)) + ", sub " +
               std::string(engine::lordName(moon->lords.subLord)) + "\n";
    out += "\n";
    char line[256];
    std::snprintf(line, sizeof line, "%-8s %-12s %-10s %-18s %-8s %-8s %-8s %-8s %5s  %-24s %s\n",
                  "Planet", "Sign", "Degree", "Nakshatra", "Sign L", "Star L", "Sub L", "SS L",
                  "House", "Star L houses", "Sub L houses");
    out += line;
    for (const engine::TransitBody& t : sky.bodies) {
        std::snprintf(
            line, sizeof line, "%-8s %-12s %-11s %-18s %-8s %-8s %-8s %-8s %5d  %-24s %s\n",
            std::string(engine::bodyName(t.body, 2)).c_str(),
            std::string(engine::signName(t.sign)).c_str(), degreeText(t.longitudeDeg).c_str(),
            std::string(engine::nakshatraName(t.nakshatra)).c_str(),
            std::string(engine::lordName(t.lords.signLord)).c_str(),
            std::string(engine::lordName(t.lords.starLord)).c_str(),
            std::string(engine::lordName(t.lords.subLord)).c_str(),
            std::string(engine::lordName(t.lords.subSubLord)).c_str(), t.natalHouse,
            houseListText(t.starLordHouses).c_str(), houseListText(t.subLordHouses).c_str());
        out += line;
    }
    return out;
}

} // namespace

int runTransitCommand(const std::vector<std::string>& args)
{
    if (wantsHelp(args)) {
        std::fputs(kTransitHelp, stdout);
        return kExitOk;
    }
    Options options;
    std::string error;
    std::set<std::string> valued = environmentValuedOptions();
    valued.insert(placeValuedOptions().begin(), placeValuedOptions().end());
    valued.insert("at");
    if (!options.parse(args, valued, {"json", "defaults", "lmt"}, error) ||
        options.positional().size() != 1) {
        std::fprintf(stderr, "lumikan-cli transit: %s\n",
                     error.empty() ? "give exactly one FILE.lmk" : error.c_str());
        return kExitBadArguments;
    }
    CliEnvironment environment;
    CliPrompts prompts(environment.messages);
    int status = kExitOk;
    const auto doc = openChartFile(options, environment, prompts, status);
    if (!doc)
        return status;
    const auto moment = transitMoment(options, environment, doc->chart(), "at", error);
    if (!moment) {
        std::fprintf(stderr, "lumikan-cli transit: %s\n", error.c_str());
        return kExitBadArguments;
    }
    const auto sky = engine::transitAt(doc->chart(), moment->julianDayUt, moment->place.latitudeDeg,
                                       moment->place.longitudeDeg, engine::Ephemeris::shared());
    if (!sky) {
        std::fputs("lumikan-cli transit: the ephemeris cannot compute that moment\n", stderr);
        return kExitCodedError;
    }
    const std::string out = options.has("json") ? transitJson(*doc, options.positional()[0], *moment, *sky)
                                                : terminalText(transitText(*doc, *moment, *sky));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return kExitOk;
}

} // namespace lumikan::cli
