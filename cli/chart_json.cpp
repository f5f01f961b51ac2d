#include "cli/chart_json.h"

#include "cli/json_names.h"
#include "cli/reasons_json.h"
#include "document/birth_time_zone.h"
#include "document/utc_offset_text.h"
#include "engine/kp_sub_table.h"
#include "engine/ruling_planets.h"

#include <QDateTime>
#include <QTimeZone>

#include <cmath>
#include <cstdio>

namespace lumikan::cli {

using namespace engine;

namespace {

// Keys by name, values by name: the one place JSON turns numbers into names.
void bodyField(JsonWriter& json, std::string_view key, BodyId body)
{
    json.field(key, jsonBodyName(body));
}

void lordField(JsonWriter& json, std::string_view key, LordIndex lord)
{
    json.field(key, jsonLordName(lord));
}

template <typename T, typename Write>
void writeArray(JsonWriter& json, std::string_view key, const std::vector<T>& items, Write write)
{
    json.key(key);
    json.beginArray();
    for (const T& item : items)
        write(item);
    json.endArray();
}

void writeBodyList(JsonWriter& json, std::string_view key, const std::vector<BodyId>& bodies)
{
    writeArray(json, key, bodies, [&](BodyId b) { json.value(jsonBodyName(b)); });
}

std::string_view ayanamsaModeKey(AyanamsaMode mode)
{
    switch (mode) {
    case AyanamsaMode::Lahiri:
        return "lahiri";
    case AyanamsaMode::Sayana:
        return "sayana";
    case AyanamsaMode::Raman:
        return "raman";
    case AyanamsaMode::Custom:
        return "custom";
    case AyanamsaMode::Krishnamurti:
        break;
    }
    return "kp";
}

void writeBirth(JsonWriter& json, const BirthDetails& b)
{
    json.key("birth");
    json.beginObject();
    json.field("name", b.name);
    json.field("city", b.city);
    json.field("state", b.state);
    json.field("country", b.country);
    json.field("year", b.year);
    json.field("month", b.month);
    json.field("day", b.day);
    json.field("hour", b.hour);
    json.field("minute", b.minute);
    json.field("second", b.second);
    json.field("latitude", b.latitude);
    json.field("longitude", b.longitude);
    json.field("timeZone", b.timeZone);
    json.field("gender", b.gender);
    json.field("instantUtc", utcInstantText(b));
    json.endObject();
}

void writePlanet(JsonWriter& json, const PlanetPosition& p)
{
    json.beginObject();
    bodyField(json, "body", p.body);
    json.field("house", p.house);
    json.field("longitude", p.longitude);
    json.field("latitude", p.latitude);
    json.field("sign", p.sign);
    lordField(json, "signLord", p.signLord);
    json.field("nakshatra", p.nakshatra);
    lordField(json, "starLord", p.starLord);
    lordField(json, "subLord", p.subLord);
    lordField(json, "subSubLord", p.subSubLord);
    json.field("pada", p.pada);
    json.field("charaKarakaRank", p.charaKarakaRank);
    json.field("combust", p.dignity.combust);
    json.field("exalted", p.dignity.exalted);
    json.field("debilitated", p.dignity.debilitated);
    json.field("moolatrikona", p.dignity.moolatrikona);
    json.field("ownSign", p.dignity.ownSign);
    json.field("retrograde", p.dignity.retrograde);
    json.field("direct", p.dignity.direct);
    json.field("stationary", p.dignity.stationary);
    json.field("speed", p.speed);
    json.field("shadbala", p.shadbala);
    json.endObject();
}

void writePlanets(JsonWriter& json, std::string_view key,
                  const std::vector<PlanetPosition>& planets)
{
    writeArray(json, key, planets, [&](const PlanetPosition& p) { writePlanet(json, p); });
}

void writeCusps(JsonWriter& json, const std::vector<CuspPosition>& cusps)
{
    writeArray(json, "cusps", cusps, [&](const CuspPosition& c) {
        json.beginObject();
        json.field("number", c.number);
        json.field("longitude", c.longitude);
        json.field("sign", c.sign);
        lordField(json, "signLord", c.signLord);
        json.field("nakshatra", c.nakshatra);
        lordField(json, "starLord", c.starLord);
        lordField(json, "subLord", c.subLord);
        lordField(json, "subSubLord", c.subSubLord);
        json.endObject();
    });
}

void writePlanetHouses(JsonWriter& json, std::string_view key,
                       const std::vector<PlanetHouses>& list)
{
    writeArray(json, key, list, [&](const PlanetHouses& e) {
        json.beginObject();
        bodyField(json, "body", e.body);
        writeArray(json, "houses", e.houses, [&](int h) { json.value(h); });
        json.endObject();
    });
}

void writeSignificators(JsonWriter& json, const Chart& chart)
{
    writePlanetHouses(json, "planetSignificators", chart.planetSignificators);
    writePlanetHouses(json, "planetOwnSignificators", chart.planetOwnSignificators);
    // Why each planet signifies its houses.
    writeArray(json, "significatorReasons", chart.significatorReasons,
               [&](const PlanetSignificatorReasons& entry) {
                   json.beginObject();
                   bodyField(json, "planet", entry.body);
                   writeReasonsJson(json, "reasons", entry.reasons);
                   json.endObject();
               });
    writeArray(
        json, "houseSignificators", chart.houseSignificators, [&](const HouseSignificators& h) {
            json.beginObject();
            json.field("house", h.house);
            writeBodyList(json, "occupants", h.occupants);
            writeBodyList(json, "inStarOfOccupants", h.inStarOfOccupants);
            writeArray(json, "owners", h.owners, [&](LordIndex l) { json.value(jsonLordName(l)); });
            writeBodyList(json, "inStarOfOwner", h.inStarOfOwner);
            json.endObject();
        });
}

// The table is the same for every chart: written once.
const std::string& kpSubTableJson()
{
    static const std::string text = [] {
        JsonWriter json;
        json.beginArray();
        for (const KpSubTableEntry& e : buildKpSubTable()) {
            json.beginObject();
            json.field("number", e.number);
            lordField(json, "starLord", e.starLord);
            lordField(json, "subLord", e.subLord);
            json.field("start", e.start);
            json.field("end", e.end);
            json.endObject();
        }
        json.endArray();
        return json.text();
    }();
    return text;
}

void writeRulingPlanets(JsonWriter& json, std::string_view key, const RulingPlanets& rp)
{
    json.key(key);
    json.beginObject();
    bodyField(json, "dayLord", rp.dayLord);
    lordField(json, "moonSignLord", rp.moonSignLord);
    lordField(json, "moonStarLord", rp.moonStarLord);
    lordField(json, "moonSubLord", rp.moonSubLord);
    lordField(json, "moonSubSubLord", rp.moonSubSubLord);
    lordField(json, "ascSignLord", rp.ascSignLord);
    lordField(json, "ascStarLord", rp.ascStarLord);
    lordField(json, "ascSubLord", rp.ascSubLord);
    lordField(json, "ascSubSubLord", rp.ascSubSubLord);
    json.endObject();
}

void writeRuling(JsonWriter& json, const document::CVerokantDoc& doc, const RulingPlanets& now)
{
    const Chart& chart = doc.chart();
    writeRulingPlanets(json, "birthRulingPlanets", rulingPlanetsOf(chart));
    json.key("rulingPlace");
    json.beginObject();
    json.field("latitude", chart.options.rulingPlace.latitudeDeg);
    json.field("longitude", chart.options.rulingPlace.longitudeDeg);
    json.field("timeZone", chart.options.rulingPlace.timeZoneHours);
    json.endObject();
    writeRulingPlanets(json, "currentRulingPlanets", now);
    json.key("rankedRulingPlanets");
    json.beginArray();
    for (const RankedRulingPlanet& row : rankedRulingPlanets(now)) {
        json.beginObject();
        json.field("rank", row.rank);
        json.field("category", row.category);
        bodyField(json, "body", row.body);
        json.endObject();
    }
    json.endArray();
}

void writeVargas(JsonWriter& json, const Chart& chart)
{
    json.key("vargas");
    json.beginObject();
    for (const auto& [division, varga] : chart.vargas) {
        char key[8];
        std::snprintf(key, sizeof key, "%d", division);
        json.key(key);
        json.beginObject();
        json.field("division", varga.division);
        json.field("name", varga.name);
        json.field("ascendantSign", varga.ascendantSign);
        writeArray(json, "positions", varga.positions, [&](const VargaPosition& v) {
            json.beginObject();
            bodyField(json, "body", v.body);
            json.field("longitude", v.longitude);
            json.field("sign", v.sign);
            lordField(json, "signLord", v.signLord);
            json.field("house", v.house);
            json.field("nakshatra", v.nakshatra);
            lordField(json, "starLord", v.starLord);
            lordField(json, "subLord", v.subLord);
            lordField(json, "subSubLord", v.subSubLord);
            json.endObject();
        });
        json.endObject();
    }
    json.endObject();
}

void writeParticulars(JsonWriter& json, const BirthParticulars& bp)
{
    json.key("birthParticulars");
    json.beginObject();
    json.field("tithi", bp.tithi);
    json.field("yoga", bp.yoga);
    json.field("karana", bp.karana);
    json.field("rashi", bp.rashi);
    json.field("nakshatra", bp.nakshatra);
    json.field("syllables", bp.syllables);
    json.field("yoni", bp.yoni);
    json.field("gana", bp.gana);
    json.field("nadi", bp.nadi);
    json.field("varna", bp.varna);
    json.field("vashya", bp.vashya);
    bodyField(json, "moonSignLord", bp.moonSignLord);
    json.field("hoursSinceSunrise", bp.hoursSinceSunrise);
    json.field("nakshatraRemaining", bp.nakshatraRemaining);
    json.endObject();
}

void writeStrength(JsonWriter& json, const Chart& chart)
{
    json.key("shadbalaResults");
    json.beginArray();
    for (const PlanetPosition& p : chart.planets) {
        if (p.body == body::Fortuna)
            continue;
        const ShadbalaResult& r = p.strength;
        json.beginObject();
        bodyField(json, "body", p.body);
        json.field("sthana", r.sthana);
        json.field("dig", r.dig);
        json.field("kala", r.kala);
        json.field("cheshta", r.cheshta);
        json.field("naisargika", r.naisargika);
        json.field("drik", r.drik);
        json.field("total", r.total);
        json.field("rupas", r.rupas);
        json.endObject();
    }
    json.endArray();
}

// A period's children appear only when it has some; the top list always.
void writeDashaPeriods(JsonWriter& json, std::string_view key,
                       const std::vector<DashaPeriod>& periods, bool evenEmpty = false)
{
    if (periods.empty() && !evenEmpty)
        return;
    json.key(key);
    json.beginArray();
    for (const DashaPeriod& d : periods) {
        json.beginObject();
        lordField(json, "lord", d.lord);
        json.field("start", d.start);
        json.field("end", d.end);
        json.field("years", d.years);
        json.field("months", d.months);
        json.field("days", d.days);
        writeDashaPeriods(json, "antardashas", d.antardashas);
        writeDashaPeriods(json, "pratyantardashas", d.pratyantardashas);
        writeDashaPeriods(json, "sookshmas", d.sookshmas);
        json.endObject();
    }
    json.endArray();
}

void runningLord(JsonWriter& json, std::string_view key, LordIndex lord)
{
    json.key(key);
    if (isValidLord(lord))
        json.value(jsonLordName(lord));
    else
        json.null();
}

void writeDasha(JsonWriter& json, const document::ChartPresentation& presentation)
{
    writeDashaPeriods(json, "dasha", presentation.dasha, true);
    json.key("runningDasha");
    json.beginObject();
    runningLord(json, "mahadasha", presentation.runningDasha.mahadasha);
    runningLord(json, "antardasha", presentation.runningDasha.antardasha);
    runningLord(json, "pratyantardasha", presentation.runningDasha.pratyantardasha);
    json.endObject();
}

template <typename Row>
void writeRows(JsonWriter& json, std::string_view key, const std::vector<Row>& rows)
{
    json.key(key);
    json.beginArray();
    for (const Row& row : rows) {
        json.beginArray();
        for (const QString& cell : row.cells())
            json.value(cell.toStdString());
        json.endArray();
    }
    json.endArray();
}

// "Asia/Kolkata — IST, UTC+5:30", or the bare offset when its origin is not known.
std::string timeZoneText(const document::CVerokantDoc& doc)
{
    const document::ChartDescription& d = doc.description();
    if (!d.offsetDescription.isEmpty())
        return d.offsetDescription.toStdString();
    return document::utcOffsetText(static_cast<int>(std::lround(d.birth.timeZone * 3600.0)))
        .toStdString();
}

void writeDisplay(JsonWriter& json, const document::CVerokantDoc& doc)
{
    const document::ChartPresentation& p = doc.presentation();
    json.key("display");
    json.beginObject();
    json.field("title", doc.GetTitle().toStdString());
    json.field("timeZone", timeZoneText(doc));
    json.field("ascendantText", p.ascendantText.toStdString());
    json.field("ayanamsaCaption", p.ayanamsaCaption.toStdString());
    json.field("runningDashaCaption", p.runningDashaCaption.toStdString());
    json.key("rows");
    json.beginObject();
    writeRows(json, "planets", p.planets);
    writeRows(json, "cusps", p.cusps);
    json.endObject();
    json.endObject();
}

} // namespace

std::string utcInstantText(const BirthDetails& b)
{
    const QDateTime local(QDate(b.year, b.month, b.day), QTime(b.hour, b.minute, b.second),
                          QTimeZone::utc());
    const qint64 offsetMs = std::llround(b.timeZone * 3600.0 * 1000.0);
    const QDateTime utc = local.addMSecs(-offsetMs);
    const QDate d = utc.date();
    const QTime t = utc.time();
    char text[40];
    if (t.msec() == 0)
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", d.year(), d.month(),
                      d.day(), t.hour(), t.minute(), t.second());
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", d.year(), d.month(),
                      d.day(), t.hour(), t.minute(), t.second(), t.msec());
    return text;
}

void writeChartJson(JsonWriter& json, const document::CVerokantDoc& doc,
                    const ChartJsonContext& context)
{
    const Chart& chart = doc.chart();
    const ChartSections& only = context.sections;
    json.beginObject();
    json.field("schemaVersion", 2);
    json.field("command", "chart");
    json.field("name", doc.displayName().toStdString());
    if (context.file)
        json.field("file", *context.file);
    json.key("appliedOptions");
    json.beginObject();
    for (const auto& [name, text] : context.appliedOptions)
        json.field(name, text);
    json.endObject();
    json.field("notes", doc.notes().toStdString());
    writeBirth(json, chart.birth);
    const document::ChartDescription& description = doc.description();
    json.key("timeZoneUsed");
    json.beginObject();
    json.field("offsetHours", chart.birth.timeZone);
    json.field("source", document::offsetSourceName(description.offsetSource));
    json.key("zone");
    if (description.zone.empty())
        json.null();
    else
        json.value(description.zone);
    json.endObject();
    json.field("julianDayUt", chart.julianDayUt);
    json.key("ayanamsa");
    json.beginObject();
    json.field("mode", ayanamsaModeKey(chart.options.ayanamsa));
    json.field("degrees", chart.ayanamsaDeg);
    json.endObject();
    json.field("isHorary", chart.isHorary);
    if (chart.isHorary)
        json.field("horaryNumber", doc.horaryNumber());
    json.field("horaryAscendant", chart.horaryAscendant);
    json.field("includeUranus", chart.includeUranus);
    json.field("includeNeptune", chart.includeNeptune);
    json.field("includePluto", chart.includePluto);
    json.field("includeFortuna", chart.includeFortuna);
    json.field("dashaDepth", chart.options.dashaDepth);
    json.field("dashaYearDays", chart.options.dashaYearDays);
    json.field("dayLordRule",
               chart.options.dayLordRule == DayLordRule::LocalSunrise ? "sunrise" : "ut");

    if (only.has(ChartSection::Planets)) {
        writePlanets(json, "planets", chart.planets);
        writePlanets(json, "rashiChartPlanets", chart.rashiChartPlanets);
        writePlanets(json, "bhavaChartPlanets", chart.bhavaChartPlanets);
    }
    if (only.has(ChartSection::Cusps))
        writeCusps(json, chart.cusps);
    if (only.has(ChartSection::Significators))
        writeSignificators(json, chart);
    if (only.has(ChartSection::Karakas)) {
        json.key("charaKarakaRanks");
        json.beginObject();
        for (const auto& [body, rank] : chart.charaKarakaRanks)
            json.field(jsonBodyName(body), rank);
        json.endObject();
    }
    if (only.has(ChartSection::SubTable)) {
        json.key("kpSubTable");
        json.raw(kpSubTableJson());
    }
    if (only.has(ChartSection::Ruling))
        writeRuling(json, doc,
                    context.currentRulingPlanets ? *context.currentRulingPlanets
                                                 : doc.currentRulingPlanets());
    if (only.has(ChartSection::Vargas))
        writeVargas(json, chart);
    if (only.has(ChartSection::Particulars))
        writeParticulars(json, chart.birthParticulars);
    if (only.has(ChartSection::Strength))
        writeStrength(json, chart);
    if (only.has(ChartSection::Dasha))
        writeDasha(json, doc.presentation());
    if (only.has(ChartSection::Display))
        writeDisplay(json, doc);
    json.endObject();
}

std::string chartJson(const document::CVerokantDoc& doc, const ChartJsonContext& context)
{
    JsonWriter json;
    json.reserve(256 * 1024); // a chart with its dasha of depth 3 runs to some 160 KB
    writeChartJson(json, doc, context);
    return json.text();
}

} // namespace lumikan::cli
