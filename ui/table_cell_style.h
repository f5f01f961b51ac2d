#pragma once

#include "ui/color_theme.h"
#include "ui/significator_table.h"

#include <QColor>

namespace lumikan::ui {

// How one cell of a chart table is drawn.
struct CellStyle {
    QColor text;
    QColor back;
    bool bold = false;
};

struct RowState {
    int row = 0;
    bool hovered = false;
    bool selected = false;
};

// Planet and cusp tables: zebra rows, the emphasised lord columns, then the
// row under the mouse, then the selection (later rules win).
CellStyle positionCellStyle(const ColorTheme& theme, const RowState& state, bool accentColumn);

// Significator table: the row's own text colour and weight, the background
// as in the position tables.
CellStyle significatorCellStyle(const ColorTheme& theme, const RowState& state,
                                SignificatorRowKind kind, const QColor& rowText);

// The lines between cells.
QColor tableGridColor(const ColorTheme& theme);

} // namespace lumikan::ui
