#pragma once

#include "render/color_theme.h"

#include <functional>

namespace lumikan::render {

// The process-wide look of charts: the colour theme in force and the size of
// diagram text. Read by every themed drawing routine at the moment it draws;
// user-interface thread only.

// The theme in force; "Classic Gold" until another is selected.
const ColorTheme& currentTheme();

// Makes the theme of a colorTheme setting the one in force (outside 0..15: 0).
// What start-up does.
void selectColorTheme(int colorThemeSetting);

// Selects the theme, then lets the caller repaint every open document's views
// and recompute every chart (the shell owns the documents, so it passes that
// walk in). What accepting the settings does.
void applyColorTheme(int colorThemeSetting, const std::function<void()>& refreshOpenDocuments);

// Size of all diagram text in tenths of a point.
inline constexpr int kInitialChartTextSize = 72;
// Set when a main chart view is first set up.
inline constexpr int kChartViewInitialTextSize = 102;

int chartTextSize();
void setChartTextSize(int tenthsOfPoint);

} // namespace lumikan::render
