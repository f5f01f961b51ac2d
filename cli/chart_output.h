#pragma once

#include "document/verokant_doc.h"

#include <string>

namespace lumikan::cli {

// The chart as tables an astrologer reads.
std::string chartText(const document::CVerokantDoc& doc);

// The chart as one JSON object whose keys are the chart model's field names.
std::string chartJson(const document::CVerokantDoc& doc);

// "12°05′09″": a degree within a sign, truncated to whole seconds.
std::string degreeMinuteSecond(double degrees);

}  // namespace lumikan::cli
