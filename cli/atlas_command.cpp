#include "cli/commands.h"

#include <cstdio>

namespace lumikan::cli {

int runAtlasCommand(const std::vector<std::string>&)
{
    std::fputs("lumikan-cli: the atlas is not available yet\n", stderr);
    return kExitCodedError;
}

}  // namespace lumikan::cli
