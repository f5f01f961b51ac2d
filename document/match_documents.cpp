#include "document/match_documents.h"
#include "document/local_clock.h"

#include "document/text_encoding.h"

namespace lumikan::document {

MatchChartSearch FindMatchCharts(const std::vector<CDocument*>& openDocuments)
{
    MatchChartSearch search;
    std::size_t count = 0;
    for (CDocument* d : openDocuments) {
        auto* chart = dynamic_cast<CVerokantDoc*>(d);
        if (!chart || chart->displayName().isEmpty())
            continue;
        if (count == 0)
            search.first = chart;
        else if (count == 1)
            search.second = chart;
        ++count;
    }
    search.outcome = match::matchChartOutcome(count);
    return search;
}

std::string DescribeMatchProblem(const MatchChartSearch& search)
{
    return match::DescribeMatchProblem(
        search.outcome, search.first ? toUtf8(search.first->displayName()) : std::string());
}

match::MatchSubject BuildMatchSubject(const CVerokantDoc& doc)
{
    match::SubjectInputs inputs;
    inputs.displayName = toUtf8(doc.displayName());
    inputs.planetNameFormat = doc.settings().planetNameFormat;
    inputs.signNameFormat = doc.settings().signNameFormat;
    inputs.today = readClock(doc.environment().clock);
    match::MatchSubject subject = match::makeMatchSubject(doc.chart(), inputs);
    subject.gender = doc.birthDetails().gender;
    return subject;
}

QString matchReportName(const CVerokantDoc& doc, int position)
{
    if (!doc.displayName().isEmpty())
        return doc.displayName();
    return QStringLiteral("Chart %1").arg(position);
}

}  // namespace lumikan::document
