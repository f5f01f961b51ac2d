#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "engine/ephemeris.h"

#include <cstdio>
#include <string>
#include <vector>

namespace lumikan::cli {

void printUsage()
{
    std::fputs(
        "usage: lumikan-cli <command> [options]\n"
        "\n"
        "commands:\n"
        "  chart   cast a chart from birth data, or open a chart file, and print it\n"
        "          FILE.lmk | --name N --date YYYY-MM-DD --time HH:MM:SS\n"
        "          --place \"City[, State], Country\"\n"
        "          | --lat D --lon D [--city C --state S --country K]\n"
        "          [--zone Area/City | --tz +05:30 | --lmt] [--fold earlier|later]\n"
        "          [--gender 0..3]\n"
        "          [--ayanamsa lahiri|sayana|raman|kp|custom:V] [--horary N]\n"
        "          [--no-uranus --no-neptune --no-pluto --no-fortuna] [--json]\n"
        "  save    cast a chart from the same birth options and write FILE.lmk\n"
        "          FILE.lmk --date ... [--notes TEXT]\n"
        "          [--depth 1..4] [--dasha-year 0|1|2] [--rp-lat D --rp-lon D --rp-tz H]\n"
        "          [--day-lord sunrise|ut]\n"
        "  match   match two charts through the 27 rules (totals out of 252)\n"
        "          BOY.lmk GIRL.lmk [--json | --pdf OUT.pdf [--paper a4|letter]]\n"
        "  transit the sky of a moment against a chart (--help for its options)\n"
        "          FILE.lmk [--at YYYY-MM-DDTHH:MM:SS] [--place P | --lat D --lon D --tz H] [--json]\n"
        "  timing  when an event may come: promise, ranked dasha periods, Sun windows\n"
        "          FILE.lmk --event KEY | --houses H,H,.. [--from D --to D] [--depth 3|4]\n"
        "  subs    the ascendant's or the Moon's sub-lord changes of a day at a place\n"
        "          --date YYYY-MM-DD --place P | --lat D --lon D --tz H [--body asc|moon] [--json]\n"
        "common:   [--settings FILE | --defaults] [--today YYYY-MM-DD] [--now HH:MM:SS]\n"
        "  atlas   list countries, states and cities of the atlas\n"
        "          [COUNTRY [STATE [CITY]]] [--find TEXT] [--json]\n"
        "  report  write the printed report of a chart as a PDF\n"
        "          FILE.lmk | --date ... --pdf OUT.pdf [--paper a4|letter]\n"
        "  --version  the program's version and the ephemeris data it uses\n",
        stderr);
}

void printVersion()
{
    std::printf("lumikan-cli %s\nSwiss Ephemeris %s\nEphemeris data: %s\n", LUMIKAN_VERSION,
                lumikan::engine::libraryVersion().c_str(),
                terminalField(lumikan::engine::ephemerisDataDescription()).c_str());
}

} // namespace lumikan::cli

int main(int argc, char** argv)
{
    using namespace lumikan::cli;
    if (argc < 2) {
        printUsage();
        return kExitBadArguments;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    if (command == "chart")
        return runChartCommand(args);
    if (command == "save")
        return runSaveCommand(args);
    if (command == "match")
        return runMatchCommand(args);
    if (command == "atlas")
        return runAtlasCommand(args);
    if (command == "transit")
        return runTransitCommand(args);
    if (command == "timing")
        return runTimingCommand(args);
    if (command == "subs")
        return runSubsCommand(args);
    if (command == "report")
        return launchReportProgram("report", args);
    if (command == "--version") {
        printVersion();
        return kExitOk;
    }
    if (command == "--help" || command == "-h" || command == "help") {
        printUsage();
        return kExitOk;
    }
    std::fprintf(stderr, "lumikan-cli: unknown command \"%s\" (lumikan-cli --help lists them)\n",
                 terminalField(command).c_str());
    return kExitBadArguments;
}
