#pragma once

#include "ui/table_cell_style.h"

#include <QTableWidget>

#include <functional>
#include <vector>

namespace lumikan::ui {

// A read-only report table that knows the row under the mouse and lets its
// owner choose every cell's colours. Columns are as wide as their header and
// cells at the table's font, so names, degrees and lords are never cut; the
// width left over goes as the fit says. A cell that does not fit whole shows
// its text as a tooltip.
class CHoverListCtrl : public QTableWidget {
    Q_OBJECT

public:
    using CellStyler = std::function<CellStyle(int row, int column, const RowState& state)>;

    // Where the width beyond the texts goes. Either way one column, the
    // elided one (the last unless set), may be cut (with an ellipsis) down to
    // its header; every other column shows its texts whole.
    enum class ColumnFit {
        LastTakesRest,  // all of it to the last column
        ShareByWeights, // shared by the column weights
    };

    explicit CHoverListCtrl(QWidget* parent = nullptr);

    // The row under the mouse, -1 when there is none.
    int hoveredRow() const { return hoveredRow_; }

    void setCellStyler(CellStyler styler) { styler_ = std::move(styler); }
    CellStyle cellStyle(int row, int column, bool selected) const;

    void setColumnFit(ColumnFit fit);
    // The one column that may be cut; -1: the last.
    void setElidedColumn(int column);
    // Column weights over the client width (ShareByWeights).
    void setColumnWeights(std::vector<int> weights);

    // Per column, the width that shows the header and every cell whole.
    std::vector<int> contentColumnWidths() const;
    // The least width of the whole table at which no cell is cut (the elided
    // column only down to its header).
    int contentWidth() const;
    // Whether the text of a cell is shown whole.
    bool cellShownWhole(int row, int column) const;

    // Replaces every row's texts; the table's font and row height stay.
    void setRows(const std::vector<QStringList>& rows);

    // Row and header heights from the table font; again after a header change.
    void applyFontMetrics();

    // Height of the header and of one row as laid out.
    int headerHeight() const;
    int rowHeight() const;

    // Scroll bars and the empty client area in the colours of the theme in force.
    void applyThemeColors();

    // The width a cell's text takes in the font it is drawn in.
    int cellTextWidth(int row, int column) const;
    bool elidesColumn(int column) const;
    static constexpr int kTextPadding = 4;

signals:
    // The width or height the table needs changed (new rows, another font).
    void contentNeedsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHoveredRow(int row);
    void updateRow(int row);
    void applyColumnWidths();

    int hoveredRow_ = -1;
    CellStyler styler_;
    ColumnFit fit_ = ColumnFit::LastTakesRest;
    int elidedColumn_ = -1;
    std::vector<int> weights_;
};

} // namespace lumikan::ui
