#include "match/match_charts.h"

namespace lumikan::match {

MatchChartOutcome matchChartOutcome(std::size_t namedChartCount)
{
    switch (namedChartCount) {
    case 0:
        return MatchChartOutcome::NoChart;
    case 1:
        return MatchChartOutcome::OneChart;
    case 2:
        return MatchChartOutcome::Ready;
    default:
        return MatchChartOutcome::TooMany;
    }
}

std::string DescribeMatchProblem(MatchChartOutcome outcome, std::string_view firstDisplayName)
{
    switch (outcome) {
    case MatchChartOutcome::NoChart:
        return "Matchmaking requires two horoscopes.\n\n"
               "Please open or create both the Boy's and Girl's charts first,\n"
               "then try Matchmaking again.";
    case MatchChartOutcome::OneChart: {
        const std::string_view name =
            firstDisplayName.empty() ? std::string_view("the first chart") : firstDisplayName;
        return "One horoscope is open (" + std::string(name) +
               ").\n\nPlease open or create the second chart,\nthen try Matchmaking again.";
    }
    case MatchChartOutcome::TooMany:
        return "More than two horoscopes are open.\n\n"
               "Please close all charts except the two you want to match,\n"
               "then try Matchmaking again.";
    case MatchChartOutcome::Ready:
        break;
    }
    return {};
}

} // namespace lumikan::match
