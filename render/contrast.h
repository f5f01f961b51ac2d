#pragma once

#include <QColor>

namespace lumikan::render {

// WCAG 2.x: text must reach this ratio against what it is drawn on.
inline constexpr double kMinimumTextContrast = 4.5;

// Relative luminance of an sRGB colour (WCAG 2.x), 0 black .. 1 white.
double relativeLuminance(const QColor& color);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 (same) .. 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `text` itself when it reaches `minimum` against `background`; otherwise the
// colour of the same hue and saturation nearest in lightness that does
// (darker on a light background, lighter on a dark one).
QColor readableOn(const QColor& text, const QColor& background,
                  double minimum = kMinimumTextContrast);

}  // namespace lumikan::render
