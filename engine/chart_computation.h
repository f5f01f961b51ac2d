#pragma once

#include "engine/chart.h"

#include <optional>
#include <string_view>

namespace lumikan::engine {

class Messages;

enum class ChartStatus {
    Ok,
    NoEphemeris,  // no EphemerisContext, or a body outside the ephemeris files
    NoHouses,     // Placidus cusps cannot be computed (beyond the polar circles)
};

struct CodedError {
    std::string_view code;
    std::string_view message;
};

// The coded error the user sees for a failed computation; empty for Ok.
std::optional<CodedError> codedErrorFor(ChartStatus status);

// Julian day (UT) of the birth moment; the local day is carried by one when
// the time zone pushes the UT hour past midnight either way.
double birthJulianDayUt(const BirthDetails& birth);

// Computes every member of the chart from chart.birth and the chart's
// settings, in place. Library messages go to `messages` (may be null). On a
// failure the chart is left incomplete and must not be shown.
ChartStatus computeChart(Chart& chart, Messages* messages = nullptr);

}  // namespace lumikan::engine
