#include "render/contrast.h"

#include <algorithm>
#include <cmath>

namespace lumikan::render {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(const QColor& color)
{
    const QColor c = color.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& text, const QColor& background, double minimum)
{
    if (contrastRatio(text, background) >= minimum)
        return text;
    // Move the HSL lightness towards black or white, whichever side the
    // background leaves room on, and take the first step that is readable.
    const QColor hsl = text.toHsl();
    const bool darken = relativeLuminance(background) > 0.18;
    const double start = hsl.lightnessF();
    constexpr int kSteps = 200;
    for (int i = 1; i <= kSteps; ++i) {
        const double l = darken ? start * (1.0 - double(i) / kSteps)
                                : start + (1.0 - start) * double(i) / kSteps;
        const QColor candidate =
            QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), std::clamp(l, 0.0, 1.0));
        if (contrastRatio(candidate, background) >= minimum)
            return candidate.toRgb();
    }
    return darken ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace lumikan::render
