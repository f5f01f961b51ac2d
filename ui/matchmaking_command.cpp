#include "ui/matchmaking_command.h"

#include "document/match_documents.h"
#include "document/messages.h"
#include "engine/coded_errors.h"
#include "match/match_report.h"
#include "ui/main_frame.h"
#include "ui/match_result_view.h"
#include "ui/shell_icons.h"
#include "ui/verokant_app.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace lumikan::ui {

CMatchResultView* runMatchmakingCommand(const std::vector<document::CDocument*>& openDocuments,
                                        document::Messages& messages,
                                        const OpenMatchReportWindow& openWindow)
{
    const document::MatchChartSearch search = document::FindMatchCharts(openDocuments);
    if (search.outcome != match::MatchChartOutcome::Ready) {
        messages.information(document::DescribeMatchProblem(search));
        return nullptr;
    }

    match::MatchReport report;
    {
        // The rules keep nothing between runs.
        const match::MatchRules rules = match::CreateMatchRules();
        report = match::RunMatch(rules, document::BuildMatchSubject(*search.first),
                                 document::BuildMatchSubject(*search.second));
    }
    const QString boyName = document::matchReportName(*search.first, 1);
    const QString girlName = document::matchReportName(*search.second, 2);

    if (!openWindow) {
        messages.plain(kMatchTemplateMissingMessage);
        return nullptr;
    }
    auto* view = new CMatchResultView;
    view->setReport(report.totalScore, report.totalMax, std::move(report.rows), boyName, girlName);
    openWindow(view, matchReportTitle(boyName, girlName));
    return view;
}

CMatchResultView* runMatchmakingCommand(CVerokantApp& app)
{
    // Only chart documents can take part; they come in the order they were made or opened.
    const std::vector<document::CVerokantDoc*> charts = app.documents();
    const std::vector<document::CDocument*> documents(charts.begin(), charts.end());
    CMainFrame* frame = app.mainFrame();
    return runMatchmakingCommand(documents, app.messages(),
                                 frame ? matchReportWindowsIn(frame->mdiArea())
                                       : OpenMatchReportWindow());
}

QString matchReportTitle(const QString& boyName, const QString& girlName)
{
    return QStringLiteral("Match Report - %1 & %2").arg(boyName, girlName);
}

OpenMatchReportWindow matchReportWindowsIn(QMdiArea* area)
{
    return [area = QPointer<QMdiArea>(area)](CMatchResultView* view, const QString& title) {
        if (!area) {
            delete view;
            return;
        }
        auto* window = new QMdiSubWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWidget(view);
        window->setWindowTitle(title);
        window->setWindowIcon(shellIcon(ShellIcon::Program));
        area->addSubWindow(window);
        window->resize(window->sizeHint().boundedTo(area->viewport()->size()));
        window->show();
        area->setActiveSubWindow(window);
    };
}

} // namespace lumikan::ui
