#pragma once

#include "ui/match_chooser_dlg.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QMdiArea;

namespace lumikan::document {
class CDocument;
class CVerokantDoc;
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

// The 27 rules for `boy` and `girl`, and the report in a new window.
CMatchResultView* runMatch(document::CVerokantDoc& boy, document::CVerokantDoc& girl,
                           document::Messages& messages, const OpenMatchReportWindow& openWindow);

// Asks which two of the charts to match, the boy's first; nothing on Cancel.
using ChooseMatchCharts =
    std::function<std::optional<MatchChoice>(const std::vector<document::CVerokantDoc*>& charts)>;

// The command in the program. With fewer than two named charts open it says
// why nothing can be matched; with two or more it asks which two and whose
// is the boy's (`choose`, or the chooser dialog when it is empty), then opens
// the report in a new window of the main frame.
CMatchResultView* runMatchmakingCommand(CVerokantApp& app, const ChooseMatchCharts& choose = {});

// "Match Report - <boy> & <girl>"
QString matchReportTitle(const QString& boyName, const QString& girlName);

// Opens each report in a window of its own in `area`, in front, deleted when closed.
OpenMatchReportWindow matchReportWindowsIn(QMdiArea* area);

} // namespace lumikan::ui
