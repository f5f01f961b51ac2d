#include "ui/match_result_view.h"

#include "ui/match_report_output.h"

#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <utility>

namespace lumikan::ui {

CMatchResultView::CMatchResultView(QWidget* parent) : QAbstractScrollArea(parent)
{
    // The sheet and its page colour cover every pixel: nothing is erased first.
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
    layout_ = render::layoutMatchReport(content_, viewport());
    scrollSize_ =
        QSize(int(std::ceil(layout_.size.width())), int(std::ceil(layout_.size.height())));
    updateScrollBars();
}

QPoint CMatchResultView::sheetOrigin() const
{
    const int spare = viewport()->width() - scrollSize_.width();
    return {spare > 0 ? spare / 2 : -horizontalScrollBar()->value(), -verticalScrollBar()->value()};
}

void CMatchResultView::OnDraw(QPainter& painter) const
{
    render::paintMatchReport(painter, layout_);
}

void CMatchResultView::print()
{
    printMatchReportWithDialog(content_, this);
}

void CMatchResultView::printPreview()
{
    previewMatchReport(content_, this);
}

QString CMatchResultView::exportPdf()
{
    return exportMatchReportPdfWithDialog(content_, this);
}

QSize CMatchResultView::sizeHint() const
{
    // Room for the whole width of the sheet; it scrolls for the rest.
    const int bar = verticalScrollBar()->sizeHint().width();
    return {scrollSize_.width() + bar, std::min(scrollSize_.height(), 760)};
}

void CMatchResultView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint origin = sheetOrigin();
    painter.translate(origin);
    const QRectF area = QRectF(event->rect()).translated(-origin);
    // The page colour runs on beside and below the sheet.
    const render::SheetFill page = render::matchPageFill(area);
    QLinearGradient gradient(page.from, page.to);
    gradient.setColorAt(0, page.start);
    gradient.setColorAt(1, page.end);
    painter.fillRect(page.rect, gradient);
    render::paintMatchReport(painter, layout_, area);
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
