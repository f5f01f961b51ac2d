#pragma once

#include "document/document_view.h"
#include "document/verokant_doc.h"
#include "match/match_charts.h"
#include "match/match_subject.h"

#include <string>
#include <vector>

namespace lumikan::document {

// The two charts the Matchmaking command compares: the first two open chart
// documents that have a name, in the order given (templates in registration
// order, each template's documents in its order).
struct MatchChartSearch {
    CVerokantDoc* first = nullptr;
    CVerokantDoc* second = nullptr;
    match::MatchChartOutcome outcome = match::MatchChartOutcome::NoChart;
};

MatchChartSearch FindMatchCharts(const std::vector<CDocument*>& openDocuments);

// The information message for a search that is not ready; empty when it is.
std::string DescribeMatchProblem(const MatchChartSearch& search);

// The read-only match view of a chart document, for the clock's today.
match::MatchSubject BuildMatchSubject(const CVerokantDoc& doc);

// The names the report shows: the display name, or "Chart 1" / "Chart 2".
QString matchReportName(const CVerokantDoc& doc, int position);

}  // namespace lumikan::document
