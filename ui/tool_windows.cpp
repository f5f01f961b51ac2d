#include "ui/tool_windows.h"

#include "document/verokant_doc.h"
#include "ui/child_frame.h"
#include "ui/event_timing_window.h"
#include "ui/transit_window.h"

#include <QDateTime>
#include <QScreen>

namespace lumikan::ui {

namespace {

template <typename Window> void openFor(CChildFrame* frame)
{
    if (!frame || !frame->chartDocument().hasChart())
        return;
    // One window of each kind per chart: the frame owns it, so it closes with the chart.
    Window* window = frame->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new Window(
            frame->chartDocument(), [] { return QDateTime::currentDateTimeUtc(); }, frame);
        window->setAttribute(Qt::WA_DeleteOnClose);
        // As large as a table and a diagram side by side want, on screens that have the room.
        if (const QScreen* screen = frame->screen()) {
            const QSize room = screen->availableGeometry().size() * 0.85;
            window->resize(window->size().expandedTo(room.boundedTo(QSize(1600, 1000))));
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void openTransitWindow(CChildFrame* frame)
{
    openFor<CTransitWindow>(frame);
}
void openEventTimingWindow(CChildFrame* frame)
{
    openFor<CEventTimingWindow>(frame);
}

} // namespace lumikan::ui
