// lumikan-report: the printed reports as PDF files. `lumikan-cli report` and
// `lumikan-cli match --pdf` run it with their command and arguments.
#include "cli/commands.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    using namespace lumikan::cli;
    const std::string command = argc > 1 ? argv[1] : "";
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    if (command == "report")
        return runReportCommand(args);
    if (command == "match")
        return runMatchPdfCommand(args);
    std::fputs("lumikan-report: run it as lumikan-cli report or lumikan-cli match --pdf\n", stderr);
    return kExitBadArguments;
}
