#include "cli/commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace lumikan::cli {

int launchReportProgram(const std::string& command, const std::vector<std::string>& args)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        std::fprintf(stderr, "lumikan-cli: cannot find the report program: %s\n",
                     error.message().c_str());
        return kExitCodedError;
    }
    const std::string program = (self.parent_path() / kReportProgramName).string();

    std::vector<char*> argv;
    argv.reserve(args.size() + 3);
    argv.push_back(const_cast<char*>(program.c_str()));
    argv.push_back(const_cast<char*>(command.c_str()));
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    std::fflush(nullptr);
    execv(program.c_str(), argv.data());
    // Only reached when the program could not be started.
    if (errno == ENOENT || errno == ENOTDIR)
        std::fputs("lumikan-cli: the report program is not installed\n", stderr);
    else
        std::fprintf(stderr, "lumikan-cli: cannot start the report program %s: %s\n",
                     program.c_str(), std::strerror(errno));
    return kExitCodedError;
}

} // namespace lumikan::cli
