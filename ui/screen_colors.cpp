#include "ui/screen_colors.h"

#include "render/contrast.h"

#include <QApplication>
#include <QStyle>
#include <QWidget>

#include <algorithm>

namespace lumikan::ui {

namespace {

QColor rgb(QRgb value)
{
    return QColor::fromRgb(value);
}

// Below this the view background counts as dark.
constexpr double kDarkLuminance = 0.18;

} // namespace

bool isDarkTheme(const render::ColorTheme& theme)
{
    return render::relativeLuminance(rgb(theme.rowLight)) < kDarkLuminance;
}

QColor themedSurface(const QColor& light, const render::ColorTheme& theme)
{
    if (!isDarkTheme(theme))
        return light;
    const QColor body = rgb(theme.panelBody).toHsl();
    const QColor hsl = light.toHsl();
    // White lands just above the panel body; tinted surfaces a little higher,
    // so neighbouring cells stay apart as they do on a light theme.
    const double lightness =
        std::clamp(double(body.lightnessF()) + 0.03 + (1.0 - hsl.lightnessF()) * 0.8, 0.0, 0.45);
    // How far from white the light colour is tinted (its HSV saturation), not
    // its HSL saturation, which calls an off-white fully saturated.
    const double saturation = std::min(double(light.toHsv().hsvSaturationF()) * 1.6, 0.5);
    // In whole 8-bit channels, as it is painted.
    return QColor::fromRgb(
        QColor::fromHslF(std::max(hsl.hslHueF(), 0.0f), float(saturation), float(lightness)).rgb());
}

TextOnSurface readablePair(const QColor& text, const QColor& back)
{
    if (render::contrastRatio(text, back) >= render::kMinimumTextContrast)
        return {text, back};
    const double textLuminance = render::relativeLuminance(text);
    if (textLuminance > render::relativeLuminance(back) && textLuminance > 0.4)
        return {text, render::readableOn(back, text)};
    return {render::readableOn(text, back), back};
}

TextOnSurface themedText(const QColor& text, const QColor& lightBack,
                         const render::ColorTheme& theme)
{
    return readablePair(text, themedSurface(lightBack, theme));
}

TextOnSurface headerColors(const render::ColorTheme& theme)
{
    return readablePair(rgb(theme.headerText), rgb(theme.headerBack));
}

QPalette chromePalette(const render::ColorTheme& theme, const QPalette& standard)
{
    if (!isDarkTheme(theme)) {
        // The style's own colours, but for a selection too light for its text.
        QPalette p(standard);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const TextOnSurface selection = readablePair(p.color(group, QPalette::HighlightedText),
                                                         p.color(group, QPalette::Highlight));
            p.setColor(group, QPalette::Highlight, selection.back);
            p.setColor(group, QPalette::HighlightedText, selection.text);
        }
        return p;
    }
    const QColor window = rgb(theme.rowLight);
    const QColor base = rgb(theme.panelBody);
    const QColor button = rgb(theme.hoverBack);
    const QColor text = render::readableOn(rgb(theme.listText), base);
    const TextOnSurface selection = readablePair(rgb(theme.selectedText), rgb(theme.selectedBack));
    const TextOnSurface tip = headerColors(theme);

    QPalette p(standard);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, rgb(theme.rowDark));
        p.setColor(group, QPalette::Button, button);
        p.setColor(group, QPalette::Light, button.lighter(150));
        p.setColor(group, QPalette::Midlight, button.lighter(125));
        p.setColor(group, QPalette::Mid, button.darker(125));
        p.setColor(group, QPalette::Dark, button.darker(150));
        p.setColor(group, QPalette::Shadow, rgb(theme.shadow));
        p.setColor(group, QPalette::Highlight, selection.back);
        p.setColor(group, QPalette::HighlightedText, selection.text);
        p.setColor(group, QPalette::ToolTipBase, tip.back);
        p.setColor(group, QPalette::ToolTipText, tip.text);
        p.setColor(group, QPalette::Link, render::readableOn(QColor(0x4C, 0x9A, 0xFF), base));
        p.setColor(group, QPalette::LinkVisited,
                   render::readableOn(QColor(0xB4, 0x8C, 0xF0), base));
        p.setColor(group, QPalette::BrightText, Qt::white);
        const bool disabled = group == QPalette::Disabled;
        // Disabled controls are meant to recede; they stay legible but dimmer.
        const auto shown = [&](const QColor& on) {
            const QColor c = render::readableOn(rgb(theme.listText), on);
            return disabled ? render::readableOn(c.darker(170), on, 2.5) : c;
        };
        p.setColor(group, QPalette::WindowText, shown(window));
        p.setColor(group, QPalette::Text, shown(base));
        p.setColor(group, QPalette::ButtonText, shown(button));
        p.setColor(group, QPalette::PlaceholderText,
                   render::readableOn(text.darker(140), base, disabled ? 2.5 : 4.5));
    }
    return p;
}

void setReadableTextColor(QWidget* label, const QColor& color)
{
    QPalette colors = label->palette();
    colors.setColor(QPalette::WindowText,
                    render::readableOn(color, colors.color(QPalette::Window)));
    label->setPalette(colors);
}

void applyChromePalette(const render::ColorTheme& theme)
{
    QApplication::setPalette(chromePalette(theme, QApplication::style()->standardPalette()));
}

} // namespace lumikan::ui
