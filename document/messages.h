#pragma once

#include <string>
#include <string_view>

namespace lumikan::document {

// Where messages meant for the user go: message boxes in the desktop program,
// standard error in the command-line program, a recorder in tests.
class Messages {
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Messages() = default;
    // A coded error, shown as "Error Code: <code>\n\n<message>".
    virtual void error(std::string_view code, std::string_view message) = 0;
    // A plain message box without a code (for example the ephemeris's own text).
    virtual void plain(std::string_view message) = 0;
    virtual void warning(std::string_view message) = 0;
    virtual void information(std::string_view message) = 0;
    // Yes / No / Cancel question.
    virtual Answer question(std::string_view message) = 0;
};

// The text of a coded error box.
std::string formatCodedError(std::string_view code, std::string_view message);

} // namespace lumikan::document
