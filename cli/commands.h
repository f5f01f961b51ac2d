#pragma once

#include <string>
#include <vector>

namespace lumikan::cli {

// Exit statuses shared by every subcommand.
inline constexpr int kExitOk = 0;
inline constexpr int kExitCodedError = 1;
inline constexpr int kExitBadArguments = 2;

// Each subcommand receives the arguments after its own name.
int runChartCommand(const std::vector<std::string>& args);
int runAtlasCommand(const std::vector<std::string>& args);
int runSaveCommand(const std::vector<std::string>& args);
int runMatchCommand(const std::vector<std::string>& args);
int runExportCommand(const std::vector<std::string>& args);
int runImportCommand(const std::vector<std::string>& args);
int runTransitCommand(const std::vector<std::string>& args);
int runTimingCommand(const std::vector<std::string>& args);
int runSubsCommand(const std::vector<std::string>& args);

// The report draws with QtGui, so it is a program of its own beside
// lumikan-cli; the other commands then start without loading the drawing
// libraries. Runs it in place of this process with `command` ("report" or
// "match") and `args`; returns only when it cannot be started.
inline constexpr const char* kReportProgramName = "lumikan-report";
int launchReportProgram(const std::string& command, const std::vector<std::string>& args);
// The report program's commands (not in the core-only build): the chart
// report, and the match sheet, each as a PDF.
int runReportCommand(const std::vector<std::string>& args);
int runMatchPdfCommand(const std::vector<std::string>& args);

void printUsage();
void printVersion();

} // namespace lumikan::cli
