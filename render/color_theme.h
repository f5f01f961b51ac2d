#pragma once

#include "engine/bodies.h"

#include <QColor>
#include <QRgb>

#include <array>
#include <string_view>

namespace lumikan::render {

// The named colours every themed surface takes its colours from (24-bit RGB).
struct ColorTheme {
    QRgb rowLight;     // even table rows; background of the chart view
    QRgb rowDark;      // odd table rows
    QRgb hoverBack;    // table row under the mouse
    QRgb selectedBack; // selected rows
    QRgb selectedText;
    QRgb accentColumnBack; // emphasised lord columns
    QRgb accentColumnText;
    QRgb headerBack; // table headers, title bars of section panels
    QRgb headerText;
    QRgb headerSeparator;
    QRgb listText;
    QRgb panelBorder;
    QRgb panelBody;
    QRgb chartPanelBody; // body of the "Charts" panel
    QRgb shadow;         // one-pixel shadow of framed controls
    QRgb chartLine;
    QRgb chartFill;
    QRgb chartAccent; // corner tabs of the chart diagram
    QRgb chartText;   // sign numbers
    QRgb vargaBack;
    QRgb vargaGroupAccent;
    QRgb vargaGroupTitle;
    QRgb vargaGroupText;
    QRgb vargaCardTitle;
    QRgb vargaNoData;
    QRgb vargaSeparator;
};

struct NamedColorTheme {
    std::string_view name;
    ColorTheme colors;
};

inline constexpr int kColorThemeCount = 16;

// The built-in themes by the colorTheme setting. The values are data, pure
// reds of "Dark Charcoal" included, but for its table text (light grey).
extern const std::array<NamedColorTheme, kColorThemeCount> COLOR_THEMES;

// The theme of a colorTheme setting; an index outside 0..15 gives theme 0.
const NamedColorTheme& colorThemeAt(int colorThemeSetting);

// Planet label colours in the chart diagram; they do not follow the theme.
struct PlanetColor {
    engine::BodyId body;
    QRgb color;
};
extern const std::array<PlanetColor, 14> PLANET_COLORS;

// The label colour of a body; the Sun's for bodies outside the table.
QColor planetColor(engine::BodyId body);

} // namespace lumikan::render
