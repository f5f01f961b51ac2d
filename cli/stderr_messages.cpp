#include "cli/stderr_messages.h"

#include "cli/terminal_text.h"

#include <cstdio>
#include <string>

namespace lumikan::cli {

std::string oneLineMessage(std::string_view text)
{
    std::string line;
    bool pendingBreak = false, paragraphBreak = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == '\r') {
            if (c == '\n' && pendingBreak)
                paragraphBreak = true;
            pendingBreak = pendingBreak || c == '\n';
            continue;
        }
        if (pendingBreak && !line.empty()) {
            while (!line.empty() && line.back() == ' ')
                line.pop_back();
            const char last = line.empty() ? ':' : line.back();
            if (paragraphBreak && last != ':' && last != '.' && last != '!' && last != '?')
                line += '.';
            line += ' ';
        }
        pendingBreak = paragraphBreak = false;
        line += c;
    }
    return terminalField(line);
}

void StderrMessages::say(std::string_view message)
{
    const std::string line = oneLineMessage(message);
    if (kept_) {
        kept_->push_back(line);
        return;
    }
    std::fprintf(stderr, "lumikan-cli: %s\n", line.c_str());
}

void StderrMessages::error(std::string_view code, std::string_view message)
{
    say(std::string(message) + " (error code " + std::string(code) + ")");
}
void StderrMessages::plain(std::string_view message)
{
    say(message);
}
void StderrMessages::warning(std::string_view message)
{
    say(message);
}
void StderrMessages::information(std::string_view message)
{
    say(message);
}
document::Messages::Answer StderrMessages::question(std::string_view message)
{
    say(message);
    return Answer::No;
}

} // namespace lumikan::cli
