// lumikan-report: the printed report as a PDF. `lumikan-cli report` runs it
// with its own arguments.
#include "cli/commands.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return lumikan::cli::runReportCommand(std::vector<std::string>(argv + 1, argv + argc));
}
