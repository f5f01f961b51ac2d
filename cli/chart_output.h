#pragma once

#include "cli/chart_sections.h"
#include "document/verokant_doc.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lumikan::cli {

struct ChartTextOptions {
    ChartSections sections = ChartSections::all();
    // Levels of the dasha shown; the whole tree is ~960 lines at depth 3.
    int dashaDepth = 1;
    std::optional<std::string> file; // the chart file it was opened from
    // The chart options given (name without dashes, text or "true").
    std::vector<std::pair<std::string, std::string>> appliedOptions;
};

// The chart as tables an astrologer reads.
std::string chartText(const document::CVerokantDoc& doc, const ChartTextOptions& options);

// "12°05′09″": a degree within a sign, truncated to whole seconds.
std::string degreeMinuteSecond(double degrees);

} // namespace lumikan::cli
