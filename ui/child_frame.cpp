#include "ui/child_frame.h"

#include "document/verokant_doc.h"
#include "ui/shell_icons.h"
#include "ui/shell_style.h"
#include "ui/verokant_app.h"

#include <QCloseEvent>
#include <QScrollArea>

namespace lumikan::ui {

CChildFrame::CChildFrame(CVerokantApp& app, document::CVerokantDoc& doc, QWidget* view)
    : app_(app), doc_(doc), view_(dynamic_cast<document::CView*>(view)), viewWidget_(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setStyle(shellStyle());
    // A window smaller than the view's least size scrolls rather than cuts.
    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(view);
    setWidget(scroller);
    setWindowIcon(shellIcon(ShellIcon::Program));
    setMinimumSize(360, 260);
    if (view_)
        doc_.AddView(view_);
}

CChildFrame::~CChildFrame() { detachView(); }

void CChildFrame::closeWithoutAsking()
{
    skipQuestion_ = true;
    close();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    // Only the last window of a document asks whether to save it.
    if (!skipQuestion_ && app_.framesOf(doc_).size() <= 1 && !app_.canCloseDocument(doc_)) {
        event->ignore();
        return;
    }
    event->accept();
    detachView();
}

void CChildFrame::detachView()
{
    if (detached_)
        return;
    detached_ = true;
    if (view_)
        doc_.RemoveView(view_);
    app_.frameClosed(this, doc_);
}

}  // namespace lumikan::ui
