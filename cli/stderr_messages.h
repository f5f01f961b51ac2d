#pragma once

#include "document/messages.h"
#include "engine/coded_errors.h"

#include <string>
#include <string_view>
#include <vector>

namespace lumikan::cli {

// Messages of a headless run, each as one line "lumikan-cli: ..." on standard
// error (a batch keeps them for the record's error instead); questions are
// answered No.
class StderrMessages : public document::Messages {
public:
    // Keeps each message's line (without the prefix) in `lines` instead of
    // printing it; null prints again.
    void keepInstead(std::vector<std::string>* lines) { kept_ = lines; }

    void error(std::string_view code, std::string_view message) override;
    void plain(std::string_view message) override;
    void warning(std::string_view message) override;
    void information(std::string_view message) override;
    Answer question(std::string_view message) override;

    // A message already in words; shown or kept like the others.
    void say(std::string_view message);

private:
    std::vector<std::string>* kept_ = nullptr;
};

// Text written for a message box, with lines and paragraphs, as one line: the
// lines of a paragraph joined by spaces, paragraphs by ". " (or a space after
// a colon or full stop), control characters escaped.
std::string oneLineMessage(std::string_view text);

} // namespace lumikan::cli
