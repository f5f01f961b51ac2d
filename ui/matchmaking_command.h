#pragma once

#include <QString>

#include <functional>
#include <vector>

class QMdiArea;

namespace lumikan::document {
class CDocument;
}

namespace lumikan::document {
class Messages;
}

namespace lumikan::ui {

class CMatchResultView;
class CVerokantApp;

// Shows a new report view in a window titled `title`; the window takes the
// view over.
using OpenMatchReportWindow = std::function<void(CMatchResultView* view, const QString& title)>;

inline constexpr const char* kMatchTemplateMissingMessage = "Match template not initialized!";

// Tools > Matchmaking. Matches the first two named charts of `openDocuments`
// (templates in registration order, each template's documents in the order
// they were made or opened): the first is the boy, the second the girl. With
// fewer or more named charts the reason is shown as information and nothing
// is computed. Otherwise the 27 rules run and a new report window opens; no
// `openWindow` shows "Match template not initialized!" instead. Returns the
// new view, or null.
CMatchResultView* runMatchmakingCommand(const std::vector<document::CDocument*>& openDocuments,
                                        document::Messages& messages,
                                        const OpenMatchReportWindow& openWindow);

// The command in the program: the application's chart documents, its message
// boxes, and a new window in the main frame for the report.
CMatchResultView* runMatchmakingCommand(CVerokantApp& app);

// "Match Report - <boy> & <girl>"
QString matchReportTitle(const QString& boyName, const QString& girlName);

// Opens each report in a window of its own in `area`, in front, deleted when closed.
OpenMatchReportWindow matchReportWindowsIn(QMdiArea* area);

} // namespace lumikan::ui
