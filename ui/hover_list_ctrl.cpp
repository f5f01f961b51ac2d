#include "ui/hover_list_ctrl.h"

#include "render/chart_appearance.h"
#include "ui/chart_view_layout.h"

#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>
#include <numeric>

namespace lumikan::ui {

namespace {

constexpr int kTextPadding = CHoverListCtrl::kTextPadding;
// The header draws its titles this far in from each side.
constexpr int kHeaderPadding = 6;
// The column that may be cut keeps at least this much.
constexpr int kLeastElidedColumn = 64;

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
        QString text = index.data().toString();
        if (table_.elidesColumn(index.column()))
            text = QFontMetrics(font).elidedText(text, Qt::ElideRight, textRect.width());
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
    setTabKeyNavigation(false); // Tab moves on to the next panel
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
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

void CHoverListCtrl::setColumnFit(ColumnFit fit)
{
    fit_ = fit;
    applyColumnWidths();
}

void CHoverListCtrl::setColumnWeights(std::vector<int> weights)
{
    weights_ = std::move(weights);
    applyColumnWidths();
}

void CHoverListCtrl::setElidedColumn(int column)
{
    elidedColumn_ = column;
    applyColumnWidths();
}

bool CHoverListCtrl::elidesColumn(int column) const
{
    return column == (elidedColumn_ >= 0 ? elidedColumn_ : columnCount() - 1);
}

int CHoverListCtrl::cellTextWidth(int row, int column) const
{
    const QTableWidgetItem* cell = item(row, column);
    if (!cell)
        return 0;
    QFont cellFont = font();
    cellFont.setBold(cellStyle(row, column, false).bold);
    return QFontMetrics(cellFont).horizontalAdvance(cell->text());
}

std::vector<int> CHoverListCtrl::contentColumnWidths() const
{
    std::vector<int> widths(std::size_t(columnCount()), 0);
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    for (int c = 0; c < columnCount(); ++c) {
        const QTableWidgetItem* title = horizontalHeaderItem(c);
        int width = title ? headerMetrics.horizontalAdvance(title->text()) + 2 * kHeaderPadding : 0;
        // The column that may be cut may cut its header too (the header's tooltip names it).
        if (elidesColumn(c))
            width = std::min(width, kLeastElidedColumn);
        else
            for (int r = 0; r < rowCount(); ++r)
                width = std::max(width, cellTextWidth(r, c) + 2 * kTextPadding);
        // One pixel for the grid line at the cell's right edge.
        widths[std::size_t(c)] = width + 1;
    }
    return widths;
}

int CHoverListCtrl::contentWidth() const
{
    const std::vector<int> widths = contentColumnWidths();
    return std::accumulate(widths.begin(), widths.end(), 0) + 2 * frameWidth();
}

bool CHoverListCtrl::cellShownWhole(int row, int column) const
{
    return cellTextWidth(row, column) <= columnWidth(column) - 2 * kTextPadding;
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
    applyColumnWidths();
    setUpdatesEnabled(true);
    emit contentNeedsChanged();
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
    case QEvent::ToolTip: {
        // A cell cut short shows its whole text.
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid() && !cellShownWhole(index.row(), index.column())) {
            QToolTip::showText(help->globalPos(), index.data().toString(), viewport(),
                               visualRect(index));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
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
    if (event->type() == QEvent::FontChange) {
        applyFontMetrics();
        applyColumnWidths();
        emit contentNeedsChanged();
    }
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
    if (columnCount() == 0)
        return;
    std::vector<int> widths = contentColumnWidths();
    const int client = viewport()->width();
    const int used = std::accumulate(widths.begin(), widths.end(), 0);
    int spare = std::max(client - used, 0);
    if (fit_ == ColumnFit::LastTakesRest || weights_.size() != widths.size()) {
        widths.back() += spare;
    } else {
        // The cut column is made whole first, as far as the room goes.
        const int elided = elidedColumn_ >= 0 ? elidedColumn_ : columnCount() - 1;
        int whole = widths[std::size_t(elided)];
        for (int r = 0; r < rowCount(); ++r)
            whole = std::max(whole, cellTextWidth(r, elided) + 2 * kTextPadding + 1);
        const int grown = std::min(spare, whole - widths[std::size_t(elided)]);
        widths[std::size_t(elided)] += grown;
        spare -= grown;
        const std::vector<int> shares = proportionalColumnWidths(weights_, spare);
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] += shares[c];
    }
    for (int c = 0; c < columnCount(); ++c)
        setColumnWidth(c, widths[std::size_t(c)]);
}

void CHoverListCtrl::applyFontMetrics()
{
    const QFontMetrics metrics(font());
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(metrics.height() + 4);
    horizontalHeader()->setFont(font());
    horizontalHeader()->setFixedHeight(metrics.height() + 8);
    // The columns are as wide as their texts say, however narrow.
    horizontalHeader()->setMinimumSectionSize(1);
}

} // namespace lumikan::ui
