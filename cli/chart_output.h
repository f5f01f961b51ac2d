#pragma once

#include "cli/chart_request.h"

#include <string>

namespace lumikan::cli {

// The chart as tables an astrologer reads.
std::string chartText(const ChartRun& run);

// The chart as one JSON object whose keys are the chart model's field names.
std::string chartJson(const ChartRun& run);

// "12°05′09″": a degree within a sign, truncated to whole seconds.
std::string degreeMinuteSecond(double degrees);

}  // namespace lumikan::cli
