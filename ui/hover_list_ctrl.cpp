#include "ui/hover_list_ctrl.h"

#include "render/chart_appearance.h"
#include "ui/chart_view_layout.h"

#include <QEvent>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

namespace lumikan::ui {

namespace {

constexpr int kTextPadding = 5;

// Paints a cell in the colours the table's styler chooses, with its grid lines.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(CHoverListCtrl& table) : QStyledItemDelegate(&table), table_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const CellStyle style = table_.cellStyle(index.row(), index.column(), selected);
        const QRect cell = option.rect;
        painter->save();
        painter->fillRect(cell, style.back);

        QFont font = table_.font();
        font.setBold(style.bold);
        painter->setFont(font);
        painter->setPen(style.text);
        const QRect textRect = cell.adjusted(kTextPadding, 0, -kTextPadding, 0);
        const QString text = QFontMetrics(font).elidedText(index.data().toString(), Qt::ElideRight,
                                                           textRect.width());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);

        painter->setPen(tableGridColor(render::currentTheme()));
        painter->drawLine(cell.topRight(), cell.bottomRight());
        painter->drawLine(cell.bottomLeft(), cell.bottomRight());
        painter->restore();
    }

private:
    CHoverListCtrl& table_;
};

} // namespace

CHoverListCtrl::CHoverListCtrl(QWidget* parent) : QTableWidget(parent)
{
    setItemDelegate(new CellDelegate(*this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setShowGrid(false); // the delegate draws the grid in the theme's colour
    setWordWrap(false);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::ClickFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    viewport()->setMouseTracking(true);
    applyFontMetrics();
}

CellStyle CHoverListCtrl::cellStyle(int row, int column, bool selected) const
{
    const RowState state{row, row == hoveredRow_, selected};
    if (styler_)
        return styler_(row, column, state);
    return positionCellStyle(render::currentTheme(), state, false);
}

void CHoverListCtrl::setColumnWeights(std::vector<int> weights)
{
    weights_ = std::move(weights);
    applyColumnWidths();
}

void CHoverListCtrl::setRows(const std::vector<QStringList>& rows)
{
    setUpdatesEnabled(false);
    clearContents();
    setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rowCount(); ++r) {
        const QStringList& texts = rows[std::size_t(r)];
        for (int c = 0; c < columnCount(); ++c)
            setItem(r, c, new QTableWidgetItem(c < texts.size() ? texts[c] : QString()));
    }
    setHoveredRow(-1);
    setUpdatesEnabled(true);
}

void CHoverListCtrl::applyThemeColors()
{
    const render::ColorTheme& theme = render::currentTheme();
    QPalette colors = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, QColor::fromRgb(theme.rowLight));
        colors.setColor(group, QPalette::AlternateBase, QColor::fromRgb(theme.rowDark));
        colors.setColor(group, QPalette::Window, QColor::fromRgb(theme.rowDark));
        colors.setColor(group, QPalette::Button, QColor::fromRgb(theme.headerBack));
        colors.setColor(group, QPalette::ButtonText, QColor::fromRgb(theme.headerText));
        colors.setColor(group, QPalette::WindowText, QColor::fromRgb(theme.headerText));
        colors.setColor(group, QPalette::Text, QColor::fromRgb(theme.listText));
    }
    setPalette(colors);
}

int CHoverListCtrl::headerHeight() const
{
    return horizontalHeader()->isVisible() ? horizontalHeader()->height() : 0;
}

int CHoverListCtrl::rowHeight() const
{
    return verticalHeader()->defaultSectionSize();
}

void CHoverListCtrl::paintEvent(QPaintEvent* event)
{
    // Below the last row the table shows the theme's background.
    {
        QPainter painter(viewport());
        painter.fillRect(event->rect(), QColor::fromRgb(render::currentTheme().rowLight));
    }
    QTableWidget::paintEvent(event);
}

void CHoverListCtrl::mouseMoveEvent(QMouseEvent* event)
{
    setHoveredRow(rowAt(event->position().toPoint().y()));
    QTableWidget::mouseMoveEvent(event);
}

bool CHoverListCtrl::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Leave:
        setHoveredRow(-1);
        break;
    case QEvent::Resize:
        // A vertical scroll bar coming or going changes the client width.
        applyColumnWidths();
        break;
    default:
        break;
    }
    return QTableWidget::viewportEvent(event);
}

void CHoverListCtrl::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        applyFontMetrics();
    QTableWidget::changeEvent(event);
}

void CHoverListCtrl::setHoveredRow(int row)
{
    if (row == hoveredRow_)
        return;
    const int old = hoveredRow_;
    hoveredRow_ = row;
    updateRow(old);
    updateRow(row);
}

void CHoverListCtrl::updateRow(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    viewport()->update(QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight()));
}

void CHoverListCtrl::applyColumnWidths()
{
    if (weights_.empty())
        return;
    const std::vector<int> widths = proportionalColumnWidths(weights_, viewport()->width());
    const int columns = std::min(columnCount(), static_cast<int>(widths.size()));
    for (int c = 0; c < columns; ++c)
        setColumnWidth(c, widths[std::size_t(c)]);
}

void CHoverListCtrl::applyFontMetrics()
{
    const QFontMetrics metrics(font());
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    horizontalHeader()->setFont(font());
    horizontalHeader()->setFixedHeight(metrics.height() + 8);
}

} // namespace lumikan::ui
