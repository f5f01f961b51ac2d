#include "cli/chart_output.h"

#include "cli/terminal_text.h"

#include "document/birth_time_zone.h"
#include "document/utc_offset_text.h"
#include "engine/dasha.h"
#include "engine/dignity_tables.h"
#include "engine/kp_sub_table.h"
#include "engine/ruling_planets.h"
#include "engine/shadbala.h"
#include "engine/vargas.h"
#include "engine/zodiac.h"

#include <algorithm>
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
    out += "\nHouse  Star of Occ.                      Occupants                 Star of Owner     "
           "        Owners\n";
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
    // A typed offset and local mean time say where they came from already.
    if (d.offsetSource == document::OffsetSource::HandTyped ||
        d.offsetSource == document::OffsetSource::LocalMeanTime)
        return text;
    return text + "; source: " + std::string(source);
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

// The periods to `depth` levels (1: the mahadashas only).
void writeDashaText(std::string& out, const std::vector<DashaPeriod>& periods, int level, int depth)
{
    if (level >= depth)
        return;
    for (const DashaPeriod& d : periods) {
        out.append(static_cast<std::size_t>(level) * 4, ' ');
        appendf(out, "%-8s %s  %s  (%dy %dm %dd)\n", d.lordName.c_str(), d.start.c_str(),
                d.end.c_str(), d.years, d.months, d.days);
        writeDashaText(out, d.antardashas, level + 1, depth);
        writeDashaText(out, d.pratyantardashas, level + 1, depth);
        writeDashaText(out, d.sookshmas, level + 1, depth);
    }
}

void writeRankedText(std::string& out, const RulingPlanets& rp, int form)
{
    for (const RankedRulingPlanet& row : rankedRulingPlanets(rp))
        appendf(out, "  %d. %-28s %s\n", row.rank, std::string(row.category).c_str(),
                std::string(bodyName(row.body, form)).c_str());
}

void writeDasha(std::string& out, const document::CVerokantDoc& doc, int depth)
{
    out += "\nVIMSHOTTARI DASHA";
    if (depth < doc.chart().options.dashaDepth)
        appendf(out, " (to depth %d; --depth 1..4 shows more)", depth);
    out += "\n";
    writeDashaText(out, doc.presentation().dasha, 0, depth);
    appendf(out, "Running now: %s\n", doc.presentation().runningDashaCaption.toStdString().c_str());
}

void writeRuling(std::string& out, const document::CVerokantDoc& doc)
{
    const Chart& chart = doc.chart();
    const int form = doc.settings().planetNameFormat;
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
}

void writeKarakas(std::string& out, const Chart& chart)
{
    out += "\nCHARA KARAKAS\n";
    for (int rank = 0; rank < kCharaKarakaCount; ++rank)
        for (const auto& [b, r] : chart.charaKarakaRanks)
            if (r == rank)
                appendf(out, "  %-4s %s\n", std::string(charaKarakaLabel(rank)).c_str(),
                        std::string(bodyName(b, 2)).c_str());
}

void writeStrength(std::string& out, const Chart& chart)
{
    out += "\nSTRENGTH (virupas)\nPlanet    Sthana Bala  Dig Bala  Kala Bala  Cheshta Bala  "
           "Naisargika Bala  Drik Bala      Total\n";
    for (const auto& [b, r] : strengthOf(chart)) {
        out += padded(bodyName(b, 2), 10);
        appendf(out, "%11.2f %9.2f %10.2f %13.2f %16.2f %10.2f  %9s\n", r.sthana, r.dig, r.kala,
                r.cheshta, r.naisargika, r.drik,
                (std::to_string(static_cast<int>(r.total)) + " / 700").c_str());
    }
}

void writeParticulars(std::string& out, const Chart& chart)
{
    const BirthParticulars& bp = chart.birthParticulars;
    out += "\nBIRTH PARTICULARS\n";
    appendf(out, "  Tithi        %s\n  Yoga         %s\n  Karana       %s\n", bp.tithi.c_str(),
            bp.yoga.c_str(), bp.karana.c_str());
    appendf(out, "  Rashi        %s (lord %s)\n  Nakshatra    %s, %.1f%% remaining\n",
            bp.rashi.c_str(), bp.moonSignLordName.c_str(), bp.nakshatra.c_str(),
            bp.nakshatraRemaining * 100.0);
    appendf(out, "  Syllables    %s\n  Yoni/Gana/Nadi  %s / %s / %s\n", bp.syllables.c_str(),
            bp.yoni.c_str(), bp.gana.c_str(), bp.nadi.c_str());
    appendf(out, "  Varna        %s\n  Vashya       %s\n  Since sunrise %.2f h\n", bp.varna.c_str(),
            bp.vashya.c_str(), bp.hoursSinceSunrise);
}

void writeVargas(std::string& out, const Chart& chart)
{
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

void writeSubTable(std::string& out)
{
    out += "\nKP HORARY NUMBERS (star lord, sub lord, from, to)\n";
    for (const KpSubTableEntry& e : buildKpSubTable())
        appendf(out, "  %3d  %-8s %-8s %s  %s\n", e.number,
                std::string(lordName(e.starLord)).c_str(), std::string(lordName(e.subLord)).c_str(),
                degreeMinuteSecond(e.start).c_str(), degreeMinuteSecond(e.end).c_str());
}

} // namespace

std::string degreeMinuteSecond(double degrees)
{
    const double total = std::floor(degrees * 3600.0 + 1e-7);
    const long seconds = static_cast<long>(total);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02ld\u00b0%02ld\u2032%02ld\u2033", seconds / 3600,
                  (seconds / 60) % 60, seconds % 60);
    return buf;
}

std::string chartText(const document::CVerokantDoc& doc, const ChartTextOptions& options)
{
    const Chart& chart = doc.chart();
    const BirthDetails& b = chart.birth;
    const ChartSections& only = options.sections;
    std::string out;
    appendf(out, "%s\n", terminalField(doc.GetTitle().toStdString()).c_str());
    appendf(out, "%04d-%02d-%02d %02d:%02d:%02d  UTC%+.2f  %.4f %c  %.4f %c", b.year, b.month,
            b.day, b.hour, b.minute, b.second, b.timeZone, std::fabs(b.latitude),
            b.latitude < 0 ? 'S' : 'N', std::fabs(b.longitude), b.longitude < 0 ? 'W' : 'E');
    if (!b.city.empty())
        appendf(out, "  %s", terminalField(b.city).c_str());
    out += '\n';
    out += "Time zone: " + terminalField(offsetLine(doc)) + "\n";
    if (options.file) {
        std::string given;
        for (const auto& [name, value] : options.appliedOptions)
            given += " --" + name + (value == "true" ? "" : " " + terminalField(value));
        out += "Chart file " + terminalField(*options.file) + ", cast with the settings in force" +
               (given.empty() ? "" : " and" + given) + "\n";
    }
    appendf(out, "Julian day (UT) %.6f   %s   Ascendant %s\n", chart.julianDayUt,
            doc.presentation().ayanamsaCaption.toStdString().c_str(),
            doc.presentation().ascendantText.toStdString().c_str());
    if (chart.isHorary)
        appendf(out, "Horary ascendant %.6f\n", chart.horaryAscendant);
    if (only.has(ChartSection::Planets)) {
        out += "\nPLANETS  (flags: R retrograde, C combust, E exalted, D debilitated, "
               "M moolatrikona, O own sign)\n";
        writePlanetTable(out, chart);
    }
    if (only.has(ChartSection::Cusps)) {
        out += "\nCUSPS (Placidus)\n";
        writeCuspTable(out, chart);
    }
    if (only.has(ChartSection::Significators)) {
        out += "\nSIGNIFICATORS\n";
        writeSignificators(out, chart);
    }
    if (only.has(ChartSection::Dasha))
        writeDasha(out, doc, std::min(options.dashaDepth, chart.options.dashaDepth));
    if (only.has(ChartSection::Ruling))
        writeRuling(out, doc);
    if (only.has(ChartSection::Karakas))
        writeKarakas(out, chart);
    if (only.has(ChartSection::Strength))
        writeStrength(out, chart);
    if (only.has(ChartSection::Particulars))
        writeParticulars(out, chart);
    if (only.has(ChartSection::Vargas))
        writeVargas(out, chart);
    if (only.has(ChartSection::SubTable))
        writeSubTable(out);
    return out;
}

} // namespace lumikan::cli
