#include "ui/match_result_view.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <utility>

namespace lumikan::ui {

CMatchResultView::CMatchResultView(QWidget* parent) : QAbstractScrollArea(parent)
{
    // The sheet covers every pixel: nothing is erased first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    OnInitialUpdate();
}

void CMatchResultView::setReport(double totalScore, double totalMax,
                                 std::vector<match::MatchRow> rows, const QString& boyName,
                                 const QString& girlName)
{
    content_.totalScore = totalScore;
    content_.totalMax = totalMax;
    content_.rows = std::move(rows);
    content_.boyName = boyName;
    content_.girlName = girlName;
    OnInitialUpdate();
    viewport()->update();
}

void CMatchResultView::OnInitialUpdate()
{
    scrollSize_ = render::matchReportScrollSize(content_.rows.size());
    updateScrollBars();
}

QPoint CMatchResultView::scrollOffset() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

render::MatchReportLayout CMatchResultView::sheetLayout() const
{
    const QPoint offset = scrollOffset();
    const QSize visible = viewport()->size();
    return render::layoutMatchReport(
        content_, QSize(offset.x() + visible.width(), offset.y() + visible.height()));
}

void CMatchResultView::OnDraw(QPainter& painter) const
{
    render::paintMatchReport(painter, sheetLayout());
}

QString CMatchResultView::cutTextAt(QPoint viewportPos) const
{
    const QPointF at = viewportPos + scrollOffset();
    for (const render::SheetSection& section : sheetLayout().sections)
        for (const render::SheetRow& row : section.rows)
            for (const render::SheetCell& cell : row.cells) {
                if (!cell.fill.rect.contains(at))
                    continue;
                const render::SheetText& t = cell.text;
                const QStringList lines =
                    render::fitCellText(t.text, t.font, t.rect.size(), viewport());
                const QChar ellipsis(0x2026);
                const bool cut = !lines.isEmpty() && lines.last().endsWith(ellipsis) &&
                                 !t.text.endsWith(ellipsis);
                return cut ? t.text : QString();
            }
    return {};
}

bool CMatchResultView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = cutTextAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport());
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

QSize CMatchResultView::sizeHint() const
{
    // Room for the table and its gauges; the sheet scrolls for the rest.
    const int bar = verticalScrollBar()->sizeHint().width();
    return {std::min(scrollSize_.width(), 880) + bar, std::min(scrollSize_.height(), 760)};
}

void CMatchResultView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint offset = scrollOffset();
    painter.translate(-offset);
    painter.setClipRect(event->rect().translated(offset));
    OnDraw(painter);
}

void CMatchResultView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CMatchResultView::updateScrollBars()
{
    const QSize visible = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, scrollSize_.width() - visible.width()));
    h->setPageStep(std::max(1, visible.width()));
    v->setRange(0, std::max(0, scrollSize_.height() - visible.height()));
    v->setPageStep(std::max(1, visible.height()));
}

} // namespace lumikan::ui
