#include "cli/chart_output.h"

#include "cli/terminal_text.h"

#include "cli/json_writer.h"
#include "cli/reasons_json.h"
#include "document/birth_time_zone.h"
#include "document/utc_offset_text.h"
#include "engine/dasha.h"
#include "engine/dignity_tables.h"
#include "engine/kp_sub_table.h"
#include "engine/ruling_planets.h"
#include "engine/shadbala.h"
#include "engine/vargas.h"
#include "engine/zodiac.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace lumikan::cli {

using namespace engine;

namespace {

void appendf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void appendf(std::string& out, const char* format, ...)
{
    char buf[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    out += buf;
}

// Pads UTF-8 text to a width in characters (not bytes).
std::string padded(std::string_view text, std::size_t width)
{
    std::size_t chars = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++chars;
    std::string out(text);
    if (chars < width)
        out.append(width - chars, ' ');
    return out;
}

std::string flagLetters(const DignityFlags& f)
{
    std::string s;
    if (f.retrograde)
        s += 'R';
    if (f.combust)
        s += 'C';
    if (f.exalted)
        s += 'E';
    if (f.debilitated)
        s += 'D';
    if (f.moolatrikona)
        s += 'M';
    if (f.ownSign)
        s += 'O';
    return s;
}

std::string houseList(const std::vector<int>& houses)
{
    std::string s;
    for (int h : houses) {
        if (!s.empty())
            s += ' ';
        s += std::to_string(h);
    }
    return s;
}

std::string bodyList(const std::vector<BodyId>& bodies)
{
    std::string s;
    for (BodyId b : bodies) {
        if (!s.empty())
            s += ' ';
        s += bodyName(b, 1);
    }
    return s.empty() ? "-" : s;
}

void writePlanetTable(std::string& out, const Chart& chart)
{
    out += "Planet   House  Sign          Degree      Nakshatra          Pada  Sign  Star  Sub  "
           "S-Sub  Karaka  Flags   Speed\n";
    for (const PlanetPosition& p : chart.planets) {
        out += padded(bodyName(p.body, 2), 9);
        appendf(out, "%5d  ", p.house);
        out += padded(signName(p.sign), 14);
        out += padded(degreeMinuteSecond(std::fmod(p.longitude, 30.0)), 12);
        out += padded(nakshatraName(p.nakshatra), 19);
        appendf(out, "%4d  %-4s  %-4s  %-3s  %-5s  %-6s  %-6s %9.5f\n", p.pada,
                std::string(lordAbbreviation(p.signLord)).c_str(),
                std::string(lordAbbreviation(p.starLord)).c_str(),
                std::string(lordAbbreviation(p.subLord)).c_str(),
                std::string(lordAbbreviation(p.subSubLord)).c_str(),
                std::string(charaKarakaLabel(p.charaKarakaRank)).c_str(),
                flagLetters(p.dignity).c_str(), p.speed);
    }
}

void writeCuspTable(std::string& out, const Chart& chart)
{
    out += "Cusp  Sign          Degree      Nakshatra          Sign  Star  Sub  S-Sub\n";
    for (const CuspPosition& c : chart.cusps) {
        appendf(out, "%4d  ", c.number);
        out += padded(signName(c.sign), 14);
        out += padded(degreeMinuteSecond(std::fmod(c.longitude, 30.0)), 12);
        out += padded(nakshatraName(c.nakshatra), 19);
        appendf(out, "%-4s  %-4s  %-3s  %-5s\n", std::string(lordAbbreviation(c.signLord)).c_str(),
                std::string(lordAbbreviation(c.starLord)).c_str(),
                std::string(lordAbbreviation(c.subLord)).c_str(),
                std::string(lordAbbreviation(c.subSubLord)).c_str());
    }
}

void writeSignificators(std::string& out, const Chart& chart)
{
    out += "Planet   Signifies houses            Own houses\n";
    for (std::size_t i = 0; i < chart.planetSignificators.size(); ++i) {
        const PlanetHouses& all = chart.planetSignificators[i];
        out += padded(bodyName(all.body, 2), 9);
        out += padded(houseList(all.houses), 28);
        if (i < chart.planetOwnSignificators.size())
            out += houseList(chart.planetOwnSignificators[i].houses);
        out += '\n';
    }
    out += "\nHouse  Star of Occ.                      Occupants                 Star of Owner             Owners\n";
    for (const HouseSignificators& h : chart.houseSignificators) {
        appendf(out, "%5d  ", h.house);
        out += padded(bodyList(h.inStarOfOccupants), 34);
        out += padded(bodyList(h.occupants), 26);
        out += padded(bodyList(h.inStarOfOwner), 26);
        std::string owners;
        for (LordIndex l : h.owners)
            owners += std::string(owners.empty() ? "" : " ") + std::string(lordName(l));
        out += owners + '\n';
    }
}

void writePlanetJson(JsonWriter& json, const PlanetPosition& p)
{
    json.beginObject();
    json.field("house", p.house);
    json.field("body", p.body);
    json.field("longitude", p.longitude);
    json.field("latitude", p.latitude);
    json.field("sign", p.sign);
    json.field("signLord", p.signLord);
    json.field("nakshatra", p.nakshatra);
    json.field("starLord", p.starLord);
    json.field("subLord", p.subLord);
    json.field("subSubLord", p.subSubLord);
    json.field("charaKarakaRank", p.charaKarakaRank);
    json.field("pada", p.pada);
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

void writePlanetsJson(JsonWriter& json, std::string_view key, const std::vector<PlanetPosition>& planets)
{
    json.key(key);
    json.beginArray();
    for (const PlanetPosition& p : planets)
        writePlanetJson(json, p);
    json.endArray();
}

void writeIntList(JsonWriter& json, std::string_view key, const std::vector<int>& list)
{
    json.key(key);
    json.beginArray();
    for (int v : list)
        json.value(v);
    json.endArray();
}

void writePlanetHouses(JsonWriter& json, std::string_view key, const std::vector<PlanetHouses>& list)
{
    json.key(key);
    json.beginArray();
    for (const PlanetHouses& e : list) {
        json.beginObject();
        json.field("body", e.body);
        writeIntList(json, "houses", e.houses);
        json.endObject();
    }
    json.endArray();
}

// What the chart's offset is and where it came from.
std::string offsetLine(const document::CVerokantDoc& doc)
{
    const document::ChartDescription& d = doc.description();
    const std::string_view source = document::offsetSourceName(d.offsetSource);
    std::string text =
        d.offsetDescription.isEmpty()
            ? document::utcOffsetText(static_cast<int>(std::lround(d.birth.timeZone * 3600.0)))
                  .toStdString()
            : d.offsetDescription.toStdString();
    if (d.offsetSource == document::OffsetSource::ChartFile)
        return text + " (the offset stored in the chart file)";
    return text + "; source: " + std::string(source);
}

void writeOffsetJson(JsonWriter& json, const document::CVerokantDoc& doc)
{
    const document::ChartDescription& d = doc.description();
    json.key("timeZoneUsed");
    json.beginObject();
    json.field("offsetHours", d.birth.timeZone);
    json.field("source", document::offsetSourceName(d.offsetSource));
    json.field("zone", d.zone);
    json.field("description", d.offsetDescription.toStdString());
    json.endObject();
}

void writeBirthJson(JsonWriter& json, const BirthDetails& b)
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
    json.endObject();
}

template <typename Row>
void writeRowsJson(JsonWriter& json, std::string_view key, const std::vector<Row>& rows)
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

// Strength of every body but Fortuna, as the chart computation took it.
std::vector<std::pair<BodyId, ShadbalaResult>> strengthOf(const Chart& chart)
{
    std::vector<std::pair<BodyId, ShadbalaResult>> out;
    for (const PlanetPosition& p : chart.planets)
        if (p.body != body::Fortuna)
            out.emplace_back(p.body, p.strength);
    return out;
}

void writeDashaText(std::string& out, const std::vector<DashaPeriod>& periods, int level)
{
    for (const DashaPeriod& d : periods) {
        out.append(static_cast<std::size_t>(level) * 4, ' ');
        appendf(out, "%-8s %s  %s  (%dy %dm %dd)\n", d.lordName.c_str(), d.start.c_str(),
                d.end.c_str(), d.years, d.months, d.days);
        writeDashaText(out, d.antardashas, level + 1);
        writeDashaText(out, d.pratyantardashas, level + 1);
        writeDashaText(out, d.sookshmas, level + 1);
    }
}

void writeRankedText(std::string& out, const RulingPlanets& rp, int form)
{
    for (const RankedRulingPlanet& row : rankedRulingPlanets(rp))
        appendf(out, "  %d. %-28s %s\n", row.rank, std::string(row.category).c_str(),
                std::string(bodyName(row.body, form)).c_str());
}

void writeExtendedText(std::string& out, const document::CVerokantDoc& doc)
{
    const Chart& chart = doc.chart();
    const int form = doc.settings().planetNameFormat;

    out += "\nVIMSHOTTARI DASHA\n";
    writeDashaText(out, doc.presentation().dasha, 0);
    appendf(out, "Running now: %s\n", doc.presentation().runningDashaCaption.toStdString().c_str());

    out += "\nRULING PLANETS OF THE BIRTH MOMENT (";
    out += kRulingPlanetsOrderCaption;
    out += ")\n";
    out += chart.options.dayLordRule == DayLordRule::LocalSunrise
               ? "  Day lord from local sunrise (the KP day)\n"
               : "  Day lord from the UT date\n";
    writeRankedText(out, rulingPlanetsOf(chart), form);
    const RulingPlace& place = chart.options.rulingPlace;
    appendf(out, "\nRULING PLANETS NOW at %.4f, %.4f (UTC%+.2f)\n", place.latitudeDeg,
            place.longitudeDeg, place.timeZoneHours);
    writeRankedText(out, doc.currentRulingPlanets(), form);

    out += "\nCHARA KARAKAS\n";
    for (int rank = 0; rank < kCharaKarakaCount; ++rank)
        for (const auto& [b, r] : chart.charaKarakaRanks)
            if (r == rank)
                appendf(out, "  %-4s %s\n", std::string(charaKarakaLabel(rank)).c_str(),
                        std::string(bodyName(b, 2)).c_str());

    out += "\nSTRENGTH (virupas)\nPlanet    Sthana Bala  Dig Bala  Kala Bala  Cheshta Bala  "
           "Naisargika Bala  Drik Bala      Total\n";
    for (const auto& [b, r] : strengthOf(chart)) {
        out += padded(bodyName(b, 2), 10);
        appendf(out, "%11.2f %9.2f %10.2f %13.2f %16.2f %10.2f  %9s\n", r.sthana, r.dig, r.kala,
                r.cheshta, r.naisargika, r.drik,
                (std::to_string(static_cast<int>(r.total)) + " / 700").c_str());
    }

    const BirthParticulars& bp = chart.birthParticulars;
    out += "\nBIRTH PARTICULARS\n";
    appendf(out, "  Tithi        %s\n  Yoga         %s\n  Karana       %s\n", bp.tithi.c_str(),
            bp.yoga.c_str(), bp.karana.c_str());
    appendf(out, "  Rashi        %s (lord %s)\n  Nakshatra    %s, %.1f%% remaining\n",
            bp.rashi.c_str(), bp.moonSignLordName.c_str(), bp.nakshatra.c_str(),
            bp.nakshatraRemaining * 100.0);
    appendf(out, "  Syllables    %s\n  Yoni/Gana/Nadi  %s / %s / %s\n", bp.syllables.c_str(),
            bp.yoni.c_str(), bp.gana.c_str(), bp.nadi.c_str());
    appendf(out, "  Varna        %s\n  Vashya       %s\n  Since sunrise %.2f h\n",
            bp.varna.c_str(), bp.vashya.c_str(), bp.hoursSinceSunrise);

    out += "\nDIVISIONAL CHARTS (sign of each body; house from the varga ascendant)\n";
    for (const auto& [division, varga] : chart.vargas) {
        appendf(out, "  D%-2d %-15s Asc %s:", division, varga.name.c_str(),
                std::string(signNameShort(varga.ascendantSign)).c_str());
        for (const VargaPosition& v : varga.positions)
            appendf(out, " %s %s(%d)", std::string(bodyCode(v.body)).c_str(),
                    std::string(signNameShort(v.sign)).c_str(), v.house);
        out += '\n';
    }
}

void writeRulingFields(JsonWriter& json, const RulingPlanets& rp)
{
    json.field("dayLord", rp.dayLord);
    json.field("moonSignLord", rp.moonSignLord);
    json.field("moonStarLord", rp.moonStarLord);
    json.field("moonSubLord", rp.moonSubLord);
    json.field("moonSubSubLord", rp.moonSubSubLord);
    json.field("ascSignLord", rp.ascSignLord);
    json.field("ascStarLord", rp.ascStarLord);
    json.field("ascSubLord", rp.ascSubLord);
    json.field("ascSubSubLord", rp.ascSubSubLord);
}

void writeRulingJson(JsonWriter& json, std::string_view key, const RulingPlanets& rp)
{
    json.key(key);
    json.beginObject();
    writeRulingFields(json, rp);
    json.endObject();
}

void writeDashaJson(JsonWriter& json, std::string_view key, const std::vector<DashaPeriod>& periods)
{
    if (periods.empty())
        return;
    json.key(key);
    json.beginArray();
    for (const DashaPeriod& d : periods) {
        json.beginObject();
        json.field("lordName", d.lordName);
        json.field("lord", d.lord);
        json.field("start", d.start);
        json.field("end", d.end);
        json.field("years", d.years);
        json.field("months", d.months);
        json.field("days", d.days);
        writeDashaJson(json, "antardashas", d.antardashas);
        writeDashaJson(json, "pratyantardashas", d.pratyantardashas);
        writeDashaJson(json, "sookshmas", d.sookshmas);
        json.endObject();
    }
    json.endArray();
}

void writeExtendedJson(JsonWriter& json, const document::CVerokantDoc& doc)
{
    const Chart& chart = doc.chart();
    writeRulingFields(json, rulingPlanetsOf(chart));
    json.field("rpLatitude", chart.options.rulingPlace.latitudeDeg);
    json.field("rpLongitude", chart.options.rulingPlace.longitudeDeg);
    json.field("rpTimeZone", chart.options.rulingPlace.timeZoneHours);
    json.field("dayLordRule",
               chart.options.dayLordRule == DayLordRule::LocalSunrise ? "sunrise" : "ut");

    json.key("vargas");
    json.beginObject();
    for (const auto& [division, varga] : chart.vargas) {
        json.key(std::to_string(division));
        json.beginObject();
        json.field("division", varga.division);
        json.field("name", varga.name);
        json.field("ascendantSign", varga.ascendantSign);
        json.key("positions");
        json.beginArray();
        for (const VargaPosition& v : varga.positions) {
            json.beginObject();
            json.field("body", v.body);
            json.field("longitude", v.longitude);
            json.field("sign", v.sign);
            json.field("signLord", v.signLord);
            json.field("house", v.house);
            json.field("nakshatra", v.nakshatra);
            json.field("starLord", v.starLord);
            json.field("subLord", v.subLord);
            json.field("subSubLord", v.subSubLord);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endObject();

    const BirthParticulars& bp = chart.birthParticulars;
    json.key("birthParticulars");
    json.beginObject();
    json.field("tithi", bp.tithi);
    json.field("yoga", bp.yoga);
    json.field("karana", bp.karana);
    json.field("rashi", bp.rashi);
    json.field("moonSignLordName", bp.moonSignLordName);
    json.field("nakshatra", bp.nakshatra);
    json.field("syllables", bp.syllables);
    json.field("yoni", bp.yoni);
    json.field("gana", bp.gana);
    json.field("nadi", bp.nadi);
    json.field("varna", bp.varna);
    json.field("vashya", bp.vashya);
    json.field("hoursSinceSunrise", bp.hoursSinceSunrise);
    json.field("moonSignLord", bp.moonSignLord);
    json.field("nakshatraRemaining", bp.nakshatraRemaining);
    json.endObject();

    json.key("shadbalaResults");
    json.beginArray();
    for (const auto& [b, r] : strengthOf(chart)) {
        json.beginObject();
        json.field("body", b);
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

    writeDashaJson(json, "dasha", doc.presentation().dasha);
    const RunningDasha& running = doc.presentation().runningDasha;
    json.key("runningDasha");
    json.beginObject();
    json.field("mahadasha", running.mahadasha);
    json.field("antardasha", running.antardasha);
    json.field("pratyantardasha", running.pratyantardasha);
    json.endObject();
    json.field("runningDashaCaption", doc.presentation().runningDashaCaption.toStdString());
    writeRulingJson(json, "currentRulingPlanets", doc.currentRulingPlanets());
    json.key("rankedRulingPlanets");
    json.beginArray();
    for (const RankedRulingPlanet& row : rankedRulingPlanets(doc.currentRulingPlanets())) {
        json.beginObject();
        json.field("rank", row.rank);
        json.field("category", row.category);
        json.field("body", row.body);
        json.endObject();
    }
    json.endArray();
}

}  // namespace

std::string degreeMinuteSecond(double degrees)
{
    const double total = std::floor(degrees * 3600.0 + 1e-7);
    const long seconds = static_cast<long>(total);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02ld\u00b0%02ld\u2032%02ld\u2033", seconds / 3600,
                  (seconds / 60) % 60, seconds % 60);
    return buf;
}

std::string chartText(const document::CVerokantDoc& doc)
{
    const Chart& chart = doc.chart();
    const BirthDetails& b = chart.birth;
    std::string out;
    appendf(out, "%s\n", terminalField(doc.GetTitle().toStdString()).c_str());
    appendf(out, "%04d-%02d-%02d %02d:%02d:%02d  UTC%+.2f  %.4f %c  %.4f %c", b.year, b.month,
            b.day, b.hour, b.minute, b.second, b.timeZone, std::fabs(b.latitude),
            b.latitude < 0 ? 'S' : 'N', std::fabs(b.longitude), b.longitude < 0 ? 'W' : 'E');
    if (!b.city.empty())
        appendf(out, "  %s", terminalField(b.city).c_str());
    out += '\n';
    out += "Time zone: " + terminalField(offsetLine(doc)) + "\n";
    appendf(out, "Julian day (UT) %.6f   %s   Ascendant %s\n", chart.julianDayUt,
            doc.presentation().ayanamsaCaption.toStdString().c_str(),
            doc.presentation().ascendantText.toStdString().c_str());
    if (chart.isHorary)
        appendf(out, "Horary ascendant %.6f\n", chart.horaryAscendant);
    out += "\nPLANETS  (flags: R retrograde, C combust, E exalted, D debilitated, M moolatrikona, "
           "O own sign)\n";
    writePlanetTable(out, chart);
    out += "\nCUSPS (Placidus)\n";
    writeCuspTable(out, chart);
    out += "\nSIGNIFICATORS\n";
    writeSignificators(out, chart);
    writeExtendedText(out, doc);
    return out;
}

std::string chartJson(const document::CVerokantDoc& doc)
{
    const Chart& chart = doc.chart();
    JsonWriter json;
    json.reserve(256 * 1024);  // a chart with its dasha runs to some 160 KB
    json.beginObject();
    json.field("title", doc.GetTitle().toStdString());
    json.field("ascendantText", doc.presentation().ascendantText.toStdString());
    json.field("notes", doc.notes().toStdString());
    writeBirthJson(json, chart.birth);
    writeOffsetJson(json, doc);
    json.field("julianDayUt", chart.julianDayUt);
    json.field("ayanamsaCaption", doc.presentation().ayanamsaCaption.toStdString());
    json.field("isHorary", chart.isHorary);
    json.field("horaryAscendant", chart.horaryAscendant);
    json.field("includeUranus", chart.includeUranus);
    json.field("includeNeptune", chart.includeNeptune);
    json.field("includePluto", chart.includePluto);
    json.field("includeFortuna", chart.includeFortuna);
    writePlanetsJson(json, "planets", chart.planets);

    json.key("cusps");
    json.beginArray();
    for (const CuspPosition& c : chart.cusps) {
        json.beginObject();
        json.field("number", c.number);
        json.field("longitude", c.longitude);
        json.field("sign", c.sign);
        json.field("signLord", c.signLord);
        json.field("nakshatra", c.nakshatra);
        json.field("starLord", c.starLord);
        json.field("subLord", c.subLord);
        json.field("subSubLord", c.subSubLord);
        json.endObject();
    }
    json.endArray();

    writePlanetHouses(json, "planetSignificators", chart.planetSignificators);
    writePlanetHouses(json, "planetOwnSignificators", chart.planetOwnSignificators);

    // Why each planet signifies its houses, planets named.
    json.key("significatorReasons");
    json.beginArray();
    for (const PlanetSignificatorReasons& entry : chart.significatorReasons) {
        json.beginObject();
        json.field("planet", bodyName(entry.body, 2));
        writeReasonsJson(json, "reasons", entry.reasons);
        json.endObject();
    }
    json.endArray();

    json.key("houseSignificators");
    json.beginArray();
    for (const HouseSignificators& h : chart.houseSignificators) {
        json.beginObject();
        json.field("house", h.house);
        writeIntList(json, "occupants", h.occupants);
        writeIntList(json, "inStarOfOccupants", h.inStarOfOccupants);
        writeIntList(json, "owners", h.owners);
        writeIntList(json, "inStarOfOwner", h.inStarOfOwner);
        json.endObject();
    }
    json.endArray();

    writePlanetsJson(json, "rashiChartPlanets", chart.rashiChartPlanets);
    writePlanetsJson(json, "bhavaChartPlanets", chart.bhavaChartPlanets);

    json.key("charaKarakaRanks");
    json.beginObject();
    for (const auto& [bodyId, rank] : chart.charaKarakaRanks)
        json.field(std::to_string(bodyId), rank);
    json.endObject();

    json.key("kpSubTable");
    json.beginArray();
    for (const KpSubTableEntry& e : buildKpSubTable()) {
        json.beginObject();
        json.field("number", e.number);
        json.field("starLord", e.starLord);
        json.field("subLord", e.subLord);
        json.field("start", e.start);
        json.field("end", e.end);
        json.endObject();
    }
    json.endArray();

    writeExtendedJson(json, doc);

    json.key("rows");
    json.beginObject();
    writeRowsJson(json, "planets", doc.presentation().planets);
    writeRowsJson(json, "cusps", doc.presentation().cusps);
    json.endObject();
    json.endObject();
    return json.text();
}

}  // namespace lumikan::cli
