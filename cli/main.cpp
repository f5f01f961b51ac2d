#include "cli/command_help.h"
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
        "usage: lumikan-cli COMMAND [options]     lumikan-cli COMMAND --help tells its options\n"
        "\n"
        "commands:\n"
        "  chart    cast a chart from birth data, or open a chart file, and print it\n"
        "           (--json, --only SECTIONS, --batch FILE for many births)\n"
        "  save     cast a chart and write it as a chart file (--batch FILE --dir DIR)\n"
        "  match    match two charts through the 27 rules (totals out of 252)\n"
        "  report   write the printed report of a chart as a PDF\n"
        "  transit  the sky of a moment against a chart\n"
        "  timing   when an event may come: promise, ranked dasha periods, Sun windows\n"
        "  subs     the ascendant's or the Moon's sub-lord changes of a day at a place\n"
        "  atlas    the countries, states and cities of the atlas\n"
        "  export   chart files as JSON Lines, CSV or AAF\n"
        "  import   chart files from JSON Lines, CSV or AAF\n"
        "\n"
        "  --version  the program's version, the Swiss Ephemeris version and its data\n"
        "\n"
        "Messages go to standard error, one line each. Exit status: 0 success, 1 a chart or\n"
        "file that failed (or a batch with a failed line), 2 bad arguments.\n",
        stdout);
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
        std::fputs("lumikan-cli: give a command (lumikan-cli --help lists them)\n", stderr);
        return kExitBadArguments;
    }
    const std::string command = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    // The report program may be missing; its help is this program's.
    if (command == "report" && wantsHelpFor(args)) {
        std::fputs(commandHelp("report").c_str(), stdout);
        return kExitOk;
    }
    if (command == "chart")
        return runChartCommand(args);
    if (command == "save")
        return runSaveCommand(args);
    if (command == "match")
        return runMatchCommand(args);
    if (command == "atlas")
        return runAtlasCommand(args);
    if (command == "export")
        return runExportCommand(args);
    if (command == "import")
        return runImportCommand(args);
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
    if (command == "--help" || command == "-h" || (command == "help" && args.empty())) {
        printUsage();
        return kExitOk;
    }
    if (command == "help" && args.size() == 1) {
        if (const std::string help = commandHelp(args[0]); !help.empty()) {
            std::fputs(help.c_str(), stdout);
            return kExitOk;
        }
        // The commands that keep their help with themselves.
        if (args[0] == "transit")
            return runTransitCommand({"--help"});
        if (args[0] == "timing")
            return runTimingCommand({"--help"});
        if (args[0] == "subs")
            return runSubsCommand({"--help"});
    }
    std::fprintf(stderr, "lumikan-cli: unknown command \"%s\" (lumikan-cli --help lists them)\n",
                 terminalField(command).c_str());
    return kExitBadArguments;
}
