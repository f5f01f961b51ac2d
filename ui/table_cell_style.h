#pragma once

#include "document/significator_table.h"
#include "render/color_theme.h"

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
CellStyle positionCellStyle(const render::ColorTheme& theme, const RowState& state,
                            bool accentColumn);

// Text colours of the significator table: trikona and kendra planet rows
// stand out; lord rows are grey.
inline constexpr QRgb kTrikonaRowText = 0x008200;
inline constexpr QRgb kKendraRowText = 0x0046A0;
inline constexpr QRgb kLordsRowText = 0x8C8C8C;

// The fixed colour of a significator row; invalid for the theme's text.
QColor significatorRowColor(document::SignificatorEmphasis emphasis);

// Significator table: the row's own text colour and weight, the background
// as in the position tables.
CellStyle significatorCellStyle(const render::ColorTheme& theme, const RowState& state,
                                const document::SignificatorRow& row);

// The lines between cells.
QColor tableGridColor(const render::ColorTheme& theme);

} // namespace lumikan::ui
