#include "cli/command_help.h"

#include <cstdio>
#include <string>

namespace lumikan::cli {

namespace {

constexpr const char* kBirthHelp =
    "birth:\n"
    "  --name TEXT             the name, kept exactly as given\n"
    "  --date YYYY-MM-DD       1800-01-01 to 2100-12-31\n"
    "  --time HH:MM:SS         the local time on the 24-hour clock (HH:MM too)\n"
    "  --place \"City[, State], Country\"   the place from the atlas, with its zone\n"
    "  --lat D --lon D         or the coordinates: degrees north and east\n"
    "  --city C --state S --country K      the place's names beside --lat/--lon\n"
    "  --zone Area/City        the offset from this IANA zone at the birth time\n"
    "  --tz H | --tz +HH:MM    or an offset typed by hand (wins), or\n"
    "  --lmt                   the local mean time of the longitude\n"
    "  --fold earlier|later    which of the two offsets of a repeated local time\n"
    "  --gender male|female|other\n";

constexpr const char* kChartKindHelp =
    "chart:\n"
    "  --ayanamsa lahiri|sayana|raman|kp|custom:DEGREES\n"
    "  --horary N              a KP horary chart for number 1..249 (birth data only)\n"
    "  --no-uranus --no-neptune --no-pluto --no-fortuna\n";

constexpr const char* kCastHelp =
    "  --depth 1..4            dasha levels (text shows 1 unless asked)\n"
    "  --dasha-year 0|1|2      a dasha year of 360, 365.25 or 327.85 days\n"
    "  --rp-lat D --rp-lon D --rp-tz H     the place of the ruling planets of now\n"
    "  --day-lord sunrise|ut   the day lord from local sunrise or the UT date\n";

constexpr const char* kCommonHelp =
    "common:\n"
    "  --settings FILE | --defaults        another settings file, or none\n"
    "  --today YYYY-MM-DD --now HH:MM:SS   fix the clock\n"
    "  --help                  this text\n";

std::string chartHelp()
{
    return std::string("usage: lumikan-cli chart FILE.lmk | BIRTH [options]\n"
                       "       lumikan-cli chart --batch FILE|- [--jobs N] [options]\n"
                       "Casts a chart from birth data, or opens a chart file with today's "
                       "settings, and prints it.\n\n") +
           kBirthHelp + kChartKindHelp + kCastHelp +
           "output:\n"
           "  --json                  one JSON object (schema 2, docs/json.md)\n"
           "  --only SECTIONS         planets,cusps,significators,dasha,ruling,karakas,\n"
           "                          strength,particulars,vargas,subtable,display (JSON)\n"
           "batch:\n"
           "  --batch FILE|-          births from CSV or JSON Lines, one JSON line each\n"
           "  --jobs N                worker processes (default: the processors)\n" +
           kCommonHelp;
}

std::string saveHelp()
{
    return std::string("usage: lumikan-cli save FILE.lmk BIRTH [--notes TEXT] [options]\n"
                       "       lumikan-cli save --batch FILE|- --dir DIR [--jobs N]\n"
                       "Casts a chart and writes it as a chart file; an existing file is "
                       "replaced only when the new one is whole.\n\n") +
           kBirthHelp +
           "  --notes TEXT            the chart's notes\n"
           "  --ayanamsa ... --horary N --day-lord sunrise|ut  (the notes' signature line)\n"
           "  --batch FILE|- --dir DIR          one chart file per birth into DIR\n"
           "  --jobs N                worker processes (default: the processors)\n"
           "  --settings FILE | --defaults\n"
           "  --help                  this text\n";
}

constexpr const char* kMatchHelp =
    "usage: lumikan-cli match BOY.lmk GIRL.lmk [--json] [--debug]\n"
    "       lumikan-cli match BOY.lmk GIRL.lmk --pdf OUT.pdf|- [--paper a4|letter]\n"
    "       lumikan-cli match --batch PAIRS.csv|- [--jobs N] [--debug]\n"
    "Matches two charts through the 27 rules (totals out of 252).\n\n"
    "  --json                  one JSON object (schema 2)\n"
    "  --debug                 with the rules' working\n"
    "  --pdf OUT.pdf|-         the match sheet as a PDF (- is standard output)\n"
    "  --paper a4|letter       its paper (A4 when not given)\n"
    "  --batch FILE|-          pairs from CSV or JSON Lines with the fields boy and girl\n"
    "  --jobs N                worker processes (default: the processors)\n"
    "  --today YYYY-MM-DD      the day whose running dasha the rules compare\n"
    "  --dasha-year 0|1|2      the dasha year of both charts\n"
    "  --settings FILE | --defaults\n"
    "  --help                  this text\n";

std::string reportHelp()
{
    return std::string("usage: lumikan-cli report FILE.lmk | BIRTH --pdf OUT.pdf|- [options]\n"
                       "Writes the printed report of a chart as a PDF; - is standard output.\n\n"
                       "  --paper a4|letter       the paper (A4 when not given)\n") +
           kBirthHelp + kChartKindHelp + kCastHelp + kCommonHelp;
}

constexpr const char* kAtlasHelp =
    "usage: lumikan-cli atlas [COUNTRY [STATE [CITY]]] [--find TEXT] [--json]\n"
    "Lists the countries, a country's states, a state's cities, or one city's place "
    "and zone.\n\n"
    "  --find TEXT             the cities of COUNTRY [STATE] that start with or hold TEXT\n"
    "  --json                  one JSON object (schema 2)\n"
    "  --help                  this text\n";

constexpr const char* kExportHelp =
    "usage: lumikan-cli export FILE.lmk... --format json|csv|aaf\n"
    "Writes the birth data of chart files to standard output as JSON Lines, CSV or AAF.\n\n"
    "  --format json|csv|aaf\n"
    "  --help                  this text\n";

constexpr const char* kImportHelp =
    "usage: lumikan-cli import FILE|- --dir DIR [--format json|csv|aaf]\n"
    "Writes one chart file per birth of a JSON Lines, CSV or AAF file into DIR and\n"
    "prints their paths; no file is replaced.\n\n"
    "  --dir DIR               an existing folder\n"
    "  --format json|csv|aaf   when the file's extension does not tell (always for -)\n"
    "  --help                  this text\n";

} // namespace

bool wantsHelpFor(const std::vector<std::string>& args)
{
    for (const std::string& a : args) {
        if (a == "--")
            return false;
        if (a == "--help" || a == "-h")
            return true;
    }
    return false;
}

std::string commandHelp(std::string_view command)
{
    if (command == "chart")
        return chartHelp();
    if (command == "save")
        return saveHelp();
    if (command == "match")
        return kMatchHelp;
    if (command == "report")
        return reportHelp();
    if (command == "atlas")
        return kAtlasHelp;
    if (command == "export")
        return kExportHelp;
    if (command == "import")
        return kImportHelp;
    return {};
}

} // namespace lumikan::cli
