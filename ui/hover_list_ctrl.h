#pragma once

#include "ui/table_cell_style.h"

#include <QTableWidget>

#include <functional>
#include <vector>

namespace lumikan::ui {

// A read-only report table that knows the row under the mouse and lets its
// owner choose every cell's colours. Columns share the client width by weight.
class CHoverListCtrl : public QTableWidget {
    Q_OBJECT

public:
    using CellStyler = std::function<CellStyle(int row, int column, const RowState& state)>;

    explicit CHoverListCtrl(QWidget* parent = nullptr);

    // The row under the mouse, -1 when there is none.
    int hoveredRow() const { return hoveredRow_; }

    void setCellStyler(CellStyler styler) { styler_ = std::move(styler); }
    CellStyle cellStyle(int row, int column, bool selected) const;

    // Column weights over the client width; the last column takes the rest.
    void setColumnWeights(std::vector<int> weights);

    // Replaces every row's texts; the table's font and row height stay.
    void setRows(const std::vector<QStringList>& rows);

    // Row and header heights from the table font; again after a header change.
    void applyFontMetrics();

    // Height of the header and of one row as laid out.
    int headerHeight() const;
    int rowHeight() const;

    // Scroll bars and the empty client area in the colours of the theme in force.
    void applyThemeColors();

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
    std::vector<int> weights_;
};

} // namespace lumikan::ui
