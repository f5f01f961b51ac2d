#include "ui/color_header_ctrl.h"

#include "render/chart_appearance.h"
#include "ui/screen_colors.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace lumikan::ui {

CColorHeaderCtrl::CColorHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsClickable(false);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

void CColorHeaderCtrl::setColumnTooltips(std::map<int, QString> tooltips)
{
    tooltips_ = std::move(tooltips);
}

QString CColorHeaderCtrl::columnTooltip(int column) const
{
    const auto found = tooltips_.find(column);
    return found == tooltips_.end() ? QString() : found->second;
}

void CColorHeaderCtrl::paintEvent(QPaintEvent* event)
{
    // The strip right of the last column, if any, in the header colour too.
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), headerColors(render::currentTheme()).back);
    painter.end();
    QHeaderView::paintEvent(event);
}

void CColorHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    const render::ColorTheme& theme = render::currentTheme();
    const TextOnSurface colors = headerColors(theme);
    painter->save();
    painter->fillRect(rect, colors.back);

    const QVariant alignment =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole)
                : QVariant();
    const bool rightAligned =
        alignment.isValid() && (alignment.toInt() & Qt::AlignRight) == Qt::AlignRight;
    const QString text =
        model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                : QString();
    const QRect textRect = rect.adjusted(kTextPadding, 0, -kTextPadding, 0);
    painter->setFont(font());
    painter->setPen(colors.text);
    painter->drawText(textRect,
                      (rightAligned ? Qt::AlignRight : Qt::AlignHCenter) | Qt::AlignVCenter |
                          Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));

    painter->setPen(QColor::fromRgb(theme.headerSeparator));
    painter->drawLine(rect.right(), rect.top() + 4, rect.right(), rect.bottom() - 4);
    painter->restore();
}

bool CColorHeaderCtrl::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int column = logicalIndexAt(help->pos());
        const QString tip = columnTooltip(column);
        if (column < 0 || tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
        const QRect section(sectionViewportPosition(column), 0, sectionSize(column), height());
        QToolTip::showText(help->globalPos(), tip, this, section, kTooltipMillis);
        return true;
    }
    return QHeaderView::event(event);
}

} // namespace lumikan::ui
