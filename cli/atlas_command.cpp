// lumikan-cli atlas [COUNTRY [STATE [CITY]]] [--find TEXT] [--json]
#include "cli/command_help.h"
#include "cli/commands.h"
#include "cli/json_writer.h"
#include "cli/options.h"
#include "cli/terminal_text.h"
#include "document/atlas_database.h"
#include "document/atlas_place_picker.h"
#include "document/atlas_text.h"
#include "document/atlas_time_zones.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace lumikan::cli {

namespace {

using document::AtlasDatabase;
using document::PlacePicker;

struct AtlasArguments {
    std::vector<std::string> names; // country, state, city
    std::optional<std::string> find;
    bool json = false;
};

std::optional<AtlasArguments> parseArguments(const std::vector<std::string>& args)
{
    Options options;
    std::string error;
    if (!options.parse(args, {"find"}, {"json"}, error)) {
        std::fprintf(stderr, "lumikan-cli atlas: %s\n", error.c_str());
        return std::nullopt;
    }
    AtlasArguments parsed;
    parsed.names = options.positional();
    parsed.find = options.value("find");
    parsed.json = options.has("json");
    if (parsed.names.size() > 3) {
        std::fputs("lumikan-cli atlas: at most COUNTRY STATE CITY\n", stderr);
        return std::nullopt;
    }
    if (parsed.find && (parsed.names.empty() || parsed.names.size() > 2)) {
        std::fputs("lumikan-cli atlas: --find searches the cities of a COUNTRY [STATE]\n", stderr);
        return std::nullopt;
    }
    return parsed;
}

// Every atlas object starts alike.
void beginAtlasJson(JsonWriter& out)
{
    out.beginObject();
    out.field("schemaVersion", 2);
    out.field("command", "atlas");
}

void printOut(const std::string& text)
{
    std::fputs(terminalText(text).c_str(), stdout);
}

void printJson(const JsonWriter& json)
{
    printOut(json.text() + "\n");
}

int listCountries(bool json)
{
    if (json) {
        JsonWriter out;
        beginAtlasJson(out);
        out.key("countries");
        out.beginArray();
        for (const auto& country : AtlasDatabase::Countries()) {
            out.beginObject();
            out.field("code", country.code);
            out.field("name", country.name);
            out.field("iso", country.iso);
            out.field("timeZoneHours", AtlasDatabase::CountryTimeZone(country.name));
            out.endObject();
        }
        out.endArray();
        out.endObject();
        printJson(out);
        return kExitOk;
    }
    std::string text;
    for (const auto& country : AtlasDatabase::Countries())
        text += std::string(country.code) + "  " + std::string(country.name) + "\n";
    printOut(text);
    return kExitOk;
}

void countryFields(JsonWriter& out, const PlacePicker& picker)
{
    out.field("country", picker.countryName());
    out.field("code", picker.countryCode());
}

int listStates(const PlacePicker& picker, bool json)
{
    if (json) {
        JsonWriter out;
        beginAtlasJson(out);
        countryFields(out, picker);
        out.key("states");
        out.beginArray();
        for (const std::string& state : picker.stateNames())
            out.value(state);
        out.endArray();
        out.endObject();
        printJson(out);
        return kExitOk;
    }
    std::string text;
    for (const std::string& state : picker.stateNames())
        text += state + "\n";
    printOut(text);
    return kExitOk;
}

int listCities(const PlacePicker& picker, const AtlasDatabase& atlas, bool json)
{
    if (!json) {
        std::string text;
        for (const std::string& city : picker.cityNames())
            text += city + "\n";
        printOut(text);
        return kExitOk;
    }
    JsonWriter out;
    beginAtlasJson(out);
    countryFields(out, picker);
    out.field("state", picker.stateName());
    out.key("cities");
    out.beginArray();
    const auto state = static_cast<std::uint32_t>(picker.stateIndex());
    for (std::uint32_t c = 0; c < atlas.CityCount(state); ++c) {
        const document::AtlasCity city = atlas.City(state, c);
        out.beginObject();
        out.field("name", city.name);
        out.field("latitude", city.latitude);
        out.field("longitude", city.longitude);
        out.field("zone", city.zone);
        out.endObject();
    }
    out.endArray();
    out.endObject();
    printJson(out);
    return kExitOk;
}

int showCity(const PlacePicker& picker, bool json)
{
    const std::string latitude = document::formatCoordinate(picker.latitude(), 4);
    const std::string longitude = document::formatCoordinate(picker.longitude(), 4);
    const std::string_view zone = document::timeZoneEntry(picker.timeZoneEntryIndex());
    if (json) {
        JsonWriter out;
        beginAtlasJson(out);
        countryFields(out, picker);
        out.field("state", picker.stateName());
        out.field("city", picker.cityName());
        out.field("latitude", picker.latitude());
        out.field("longitude", picker.longitude());
        out.field("timeZoneHours", picker.timeZoneHours());
        out.field("zone", picker.zone());
        out.key("display");
        out.beginObject();
        out.field("latitudeText", latitude);
        out.field("longitudeText", longitude);
        out.field("timeZoneEntry", zone);
        out.endObject();
        out.endObject();
        printJson(out);
        return kExitOk;
    }
    std::string text =
        picker.cityName() + ", " + picker.stateName() + ", " + picker.countryName() + "\n";
    text += "latitude   " + latitude + "\n";
    text += "longitude  " + longitude + "\n";
    text += "zone       " + (picker.zone().empty() ? std::string("-") : picker.zone()) + "\n";
    printOut(text);
    return kExitOk;
}

struct Match {
    std::uint32_t state;
    std::uint32_t city;
    std::string stateName;
    std::string cityName;
};

// Over the chosen state, or over every state of the country: cities that start
// with the text first, then those that contain it, each in atlas order.
std::vector<Match> findCities(const AtlasDatabase& atlas, int onlyState, const std::string& text)
{
    std::vector<Match> all;
    for (std::uint32_t s = 0; s < atlas.StateCount(); ++s) {
        if (onlyState >= 0 && s != static_cast<std::uint32_t>(onlyState))
            continue;
        const std::string stateName = atlas.StateName(s);
        for (std::uint32_t c = 0; c < atlas.CityCount(s); ++c)
            all.push_back({s, c, stateName, atlas.City(s, c).name});
    }
    std::vector<std::string> names;
    names.reserve(all.size());
    for (const Match& m : all)
        names.push_back(m.cityName);
    std::vector<Match> found;
    for (std::size_t i : document::TypeAheadIndex(names).match(text))
        found.push_back(all[i]);
    return found;
}

int showMatches(const AtlasDatabase& atlas, const PlacePicker& picker,
                const std::vector<Match>& found, const std::string& text, bool json)
{
    if (!json) {
        std::string out;
        for (const Match& m : found)
            out += m.cityName + "\t" + m.stateName + "\n";
        printOut(out);
        return kExitOk;
    }
    JsonWriter out;
    beginAtlasJson(out);
    countryFields(out, picker);
    out.field("find", text);
    out.key("matches");
    out.beginArray();
    for (const Match& m : found) {
        const document::AtlasCity city = atlas.City(m.state, m.city);
        out.beginObject();
        out.field("state", m.stateName);
        out.field("city", city.name);
        out.field("latitude", city.latitude);
        out.field("longitude", city.longitude);
        out.endObject();
    }
    out.endArray();
    out.endObject();
    printJson(out);
    return kExitOk;
}

} // namespace

int runAtlasCommand(const std::vector<std::string>& args)
{
    if (wantsHelpFor(args)) {
        std::fputs(commandHelp("atlas").c_str(), stdout);
        return kExitOk;
    }
    const std::optional<AtlasArguments> parsed = parseArguments(args);
    if (!parsed) {
        return kExitBadArguments;
    }
    if (parsed->names.empty())
        return listCountries(parsed->json);

    const std::string& countryText = parsed->names[0];
    const document::CountryLookup lookup = document::lookUpCountry(countryText);
    if (lookup.ambiguous()) {
        std::string names;
        for (const int i : lookup.countries)
            names += std::string(names.empty() ? "" : " and ") +
                     std::string(document::atlasCountry(i)->name) + " (" +
                     std::string(document::atlasCountry(i)->code) + ")";
        std::fprintf(stderr, "lumikan-cli atlas: \"%s\" names two countries: %s\n",
                     countryText.c_str(), names.c_str());
        return kExitCodedError;
    }
    const int country = lookup.found() ? lookup.countries.front() : -1;
    if (country < 0) {
        std::fprintf(
            stderr,
            "lumikan-cli atlas: unknown country \"%s\" (run \"lumikan-cli atlas\" for the list)\n",
            countryText.c_str());
        return kExitCodedError;
    }
    AtlasDatabase& atlas = AtlasDatabase::instance();
    PlacePicker picker(atlas);
    if (picker.chooseCountry(country) != document::CountryChoice::Loaded) {
        std::fprintf(
            stderr,
            "lumikan-cli atlas: unable to load the atlas file of %s (%s): missing or damaged\n",
            picker.countryName().c_str(),
            (atlas.folder() / (picker.countryCode() + ".bin")).c_str());
        return kExitCodedError;
    }

    if (!picker.zoneProblem().empty())
        std::fprintf(stderr, "lumikan-cli atlas: %s\n", picker.zoneProblem().c_str());
    if (parsed->names.size() >= 2 && !picker.chooseState(parsed->names[1])) {
        std::fprintf(stderr, "lumikan-cli atlas: %s has no state \"%s\"\n",
                     picker.countryName().c_str(), parsed->names[1].c_str());
        return kExitCodedError;
    }
    if (parsed->find) {
        const int onlyState = parsed->names.size() >= 2 ? picker.stateIndex() : -1;
        return showMatches(atlas, picker, findCities(atlas, onlyState, *parsed->find),
                           *parsed->find, parsed->json);
    }
    if (parsed->names.size() == 1) {
        if (picker.stateNames().empty())
            std::fprintf(stderr, "lumikan-cli atlas: the atlas has no places in %s\n",
                         picker.countryName().c_str());
        return listStates(picker, parsed->json);
    }
    if (parsed->names.size() == 2)
        return listCities(picker, atlas, parsed->json);

    // The exact name first, as the pickers take it; then the name in any case.
    const std::string& cityText = parsed->names[2];
    bool chosen = picker.chooseCity(cityText);
    for (std::size_t i = 0; !chosen && i < picker.cityNames().size(); ++i) {
        if (document::equalIgnoringCase(picker.cityNames()[i], cityText))
            chosen = picker.chooseCity(picker.cityNames()[i]);
    }
    if (!chosen) {
        std::fprintf(stderr, "lumikan-cli atlas: %s, %s has no city \"%s\"\n",
                     picker.stateName().c_str(), picker.countryName().c_str(), cityText.c_str());
        return kExitCodedError;
    }
    return showCity(picker, parsed->json);
}

} // namespace lumikan::cli
