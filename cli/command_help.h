#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumikan::cli {

// --help or -h among a command's arguments (before a "--").
bool wantsHelpFor(const std::vector<std::string>& args);

// What `lumikan-cli COMMAND --help` prints for the commands of this file's
// care (chart, save, match, report, atlas, export, import); empty for others.
std::string commandHelp(std::string_view command);

} // namespace lumikan::cli
