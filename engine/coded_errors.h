#pragma once

#include <optional>
#include <string_view>

namespace lumikan::engine {

enum class ChartStatus;

// Coded errors the user sees, as "Error Code: <code>" and a message.
namespace error_code {
inline constexpr std::string_view kInvalidBirthData = "USERIN - 0x000010A";
inline constexpr std::string_view kNoEphemeris = "SWEPH - 0x0000301";
inline constexpr std::string_view kNoHouses = "SWEPH - 0x0000302";
inline constexpr std::string_view kGeneral = "GENER - 0xFFFFFFF";
} // namespace error_code

inline constexpr std::string_view kNoEphemerisMessage =
    "Unable to access the Swiss Ephemeris data files.\n\nPlease ensure that the Swiss Ephemeris "
    "files are present and correctly installed.";
inline constexpr std::string_view kNoHousesMessage =
    "Unable to calculate house positions.\n\nPlease verify the date, time, and location details "
    "and try again.";

struct CodedError {
    std::string_view code;
    std::string_view message;
};

// The coded error for a failed computation; empty for Ok.
std::optional<CodedError> codedErrorFor(ChartStatus status);

} // namespace lumikan::engine
