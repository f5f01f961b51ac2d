#include "ui/matchmaking_command.h"

#include "document/match_documents.h"
#include "document/messages.h"
#include "engine/coded_errors.h"
#include "match/match_report.h"
#include "ui/main_frame.h"
#include "ui/match_chooser_dlg.h"
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
    return runMatch(*search.first, *search.second, messages, openWindow);
}

CMatchResultView* runMatch(document::CVerokantDoc& boy, document::CVerokantDoc& girl,
                           document::Messages& messages, const OpenMatchReportWindow& openWindow)
{
    match::MatchReport report;
    {
        // The rules keep nothing between runs.
        const match::MatchRules rules = match::CreateMatchRules();
        report = match::RunMatch(rules, document::BuildMatchSubject(boy),
                                 document::BuildMatchSubject(girl));
    }
    const QString boyName = document::matchReportName(boy, 1);
    const QString girlName = document::matchReportName(girl, 2);

    if (!openWindow) {
        messages.plain(kMatchTemplateMissingMessage);
        return nullptr;
    }
    auto* view = new CMatchResultView;
    view->setReport(report.totalScore, report.totalMax, std::move(report.rows), boyName, girlName);
    openWindow(view, matchReportTitle(boyName, girlName));
    return view;
}

CMatchResultView* runMatchmakingCommand(CVerokantApp& app, const ChooseMatchCharts& choose)
{
    // Only named chart documents take part, in the order they were made or opened.
    std::vector<document::CVerokantDoc*> named;
    for (document::CVerokantDoc* doc : app.documents())
        if (!doc->displayName().isEmpty() && doc->hasChart())
            named.push_back(doc);
    CMainFrame* frame = app.mainFrame();
    const OpenMatchReportWindow openWindow =
        frame ? matchReportWindowsIn(frame->mdiArea()) : OpenMatchReportWindow();
    if (named.size() < 2) {
        const std::vector<document::CDocument*> documents(named.begin(), named.end());
        return runMatchmakingCommand(documents, app.messages(), openWindow);
    }
    // Two or more: the user says which two, and whose chart is the boy's.
    std::optional<MatchChoice> chosen;
    if (choose) {
        chosen = choose(named);
    } else {
        CMatchChooserDlg dialog(named, frame);
        if (dialog.exec() == QDialog::Accepted)
            chosen = dialog.choice();
    }
    if (!chosen || !chosen->boy || !chosen->girl || chosen->boy == chosen->girl)
        return nullptr;
    return runMatch(*chosen->boy, *chosen->girl, app.messages(), openWindow);
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
