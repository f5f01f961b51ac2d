#include "cli/stderr_messages.h"

#include "cli/terminal_text.h"

#include <cstdio>
#include <string>

namespace lumikan::cli {

namespace {
void print(std::string_view text)
{
    const std::string safe = terminalText(text);
    std::fwrite(safe.data(), 1, safe.size(), stderr);
    std::fputc('\n', stderr);
}
}  // namespace

void StderrMessages::error(std::string_view code, std::string_view message)
{
    print(document::formatCodedError(code, message));
}
void StderrMessages::plain(std::string_view message) { print(message); }
void StderrMessages::warning(std::string_view message) { print(message); }
void StderrMessages::information(std::string_view message) { print(message); }
document::Messages::Answer StderrMessages::question(std::string_view message)
{
    print(message);
    return Answer::No;
}

}  // namespace lumikan::cli
