#include "ui/table_cell_style.h"

#include "ui/screen_colors.h"

namespace lumikan::ui {

namespace {

QColor rgb(QRgb value)
{
    return QColor::fromRgb(value);
}

// The theme's colours as the table shows them: every text readable on its cell.
CellStyle readable(CellStyle style)
{
    const TextOnSurface pair = readablePair(style.text, style.back);
    style.text = pair.text;
    style.back = pair.back;
    return style;
}

QColor zebraBack(const render::ColorTheme& theme, const RowState& state)
{
    if (state.hovered)
        return rgb(theme.hoverBack);
    return rgb(state.row % 2 == 0 ? theme.rowLight : theme.rowDark);
}

} // namespace

CellStyle positionCellStyle(const render::ColorTheme& theme, const RowState& state,
                            bool accentColumn)
{
    CellStyle style{rgb(theme.listText), rgb(state.row % 2 == 0 ? theme.rowLight : theme.rowDark)};
    if (accentColumn) {
        style.text = rgb(theme.accentColumnText);
        style.back = rgb(theme.accentColumnBack);
    }
    if (state.hovered)
        style.back = rgb(theme.hoverBack);
    if (state.selected) {
        style.text = rgb(theme.selectedText);
        style.back = rgb(theme.selectedBack);
    }
    return readable(style);
}

QColor significatorRowColor(document::SignificatorEmphasis emphasis)
{
    switch (emphasis) {
    case document::SignificatorEmphasis::Trikona:
        return rgb(kTrikonaRowText);
    case document::SignificatorEmphasis::Kendra:
        return rgb(kKendraRowText);
    case document::SignificatorEmphasis::Lords:
        return rgb(kLordsRowText);
    case document::SignificatorEmphasis::None:
        break;
    }
    return {};
}

CellStyle significatorCellStyle(const render::ColorTheme& theme, const RowState& state,
                                const document::SignificatorRow& row)
{
    CellStyle style;
    style.bold = row.kind == document::SignificatorRowKind::Planet;
    const QColor rowText = significatorRowColor(row.emphasis);
    style.text = rowText.isValid() ? rowText : rgb(theme.listText);
    style.back = zebraBack(theme, state);
    if (state.selected) {
        style.text = rgb(theme.selectedText);
        style.back = rgb(theme.selectedBack);
    }
    return readable(style);
}

QColor tableGridColor(const render::ColorTheme& theme)
{
    return rgb(theme.panelBorder);
}

} // namespace lumikan::ui
