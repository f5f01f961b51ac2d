#pragma once

#include "render/color_theme.h"

#include <QColor>
#include <QPalette>

class QWidget;

namespace lumikan::ui {

// How the fixed colours of the panels, cards and status bar are shown in a
// colour theme, so that every text reaches render::kMinimumTextContrast
// against what it is drawn on and a dark theme stays dark everywhere.

// A theme whose view background is dark (Dark Charcoal, Midnight Navy, Carbon Dark).
bool isDarkTheme(const render::ColorTheme& theme);

// A light surface of fixed colour (a panel's own background, a karaka cell):
// itself in a light theme; in a dark one a dark tone of the same hue near the
// theme's panel body, lighter surfaces staying a little lighter.
QColor themedSurface(const QColor& light, const render::ColorTheme& theme);

struct TextOnSurface {
    QColor text;
    QColor back;
};

// `text` on `back`, made readable. Light text on a background too light for
// it (white on a mid-tone selection or header) keeps its colour and the
// background darkens; otherwise the text moves. Hues stay.
TextOnSurface readablePair(const QColor& text, const QColor& back);

// A fixed text on a fixed light surface as shown in `theme`.
TextOnSurface themedText(const QColor& text, const QColor& lightBack,
                         const render::ColorTheme& theme);

// Table headers and the panels' title bars.
TextOnSurface headerColors(const render::ColorTheme& theme);

// The palette of menus, toolbar, status bar, dialogs and message boxes in a
// dark theme; `standard` (the style's own) in a light one.
QPalette chromePalette(const render::ColorTheme& theme, const QPalette& standard);

// A label's text in `color`, made readable on the window it stands on.
void setReadableTextColor(QWidget* label, const QColor& color);

// Puts the chrome palette of `theme` on the whole application.
void applyChromePalette(const render::ColorTheme& theme);

} // namespace lumikan::ui
