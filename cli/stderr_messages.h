#pragma once

#include "document/messages.h"
#include "engine/coded_errors.h"

namespace lumikan::cli {

// Messages of a headless run go to standard error; questions are answered No.
class StderrMessages : public document::Messages {
public:
    void error(std::string_view code, std::string_view message) override;
    void plain(std::string_view message) override;
    void warning(std::string_view message) override;
    void information(std::string_view message) override;
    Answer question(std::string_view message) override;
};

}  // namespace lumikan::cli
