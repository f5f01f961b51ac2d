#pragma once

#include <string>
#include <string_view>

namespace lumikan::engine {

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

// Coded errors of the chart computation.
namespace error_code {
inline constexpr std::string_view kInvalidBirthData = "USERIN - 0x000010A";
inline constexpr std::string_view kNoEphemeris = "SWEPH - 0x0000301";
inline constexpr std::string_view kNoHouses = "SWEPH - 0x0000302";
inline constexpr std::string_view kGeneral = "GENER - 0xFFFFFFF";
}  // namespace error_code

inline constexpr std::string_view kNoEphemerisMessage =
    "Unable to access the Swiss Ephemeris data files.\n\nPlease ensure that the Swiss Ephemeris "
    "files are present and correctly installed.";
inline constexpr std::string_view kNoHousesMessage =
    "Unable to calculate house positions.\n\nPlease verify the date, time, and location details "
    "and try again.";

}  // namespace lumikan::engine
