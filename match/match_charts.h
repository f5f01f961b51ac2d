#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumikan::match {

// How many named charts the Matchmaking command found among the open documents.
enum class MatchChartOutcome { Ready = 0, OneChart = 1, NoChart = 2, TooMany = 3 };

MatchChartOutcome matchChartOutcome(std::size_t namedChartCount);

// The message for an outcome other than Ready (empty for Ready).
// `firstDisplayName` names the chart found when exactly one is open.
std::string DescribeMatchProblem(MatchChartOutcome outcome, std::string_view firstDisplayName);

} // namespace lumikan::match
