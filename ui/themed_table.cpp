#include "ui/themed_table.h"

#include "render/chart_appearance.h"
#include "render/color_theme.h"
#include "render/contrast.h"

#include <QHeaderView>
#include <QPalette>
#include <QTableWidget>
#include <QTreeWidget>

namespace lumikan::ui {

namespace {

// The darker of the two row colours decides, so text reads on both.
QColor harderRow()
{
    const render::ColorTheme& t = render::currentTheme();
    const QColor light = QColor::fromRgb(t.rowLight), dark = QColor::fromRgb(t.rowDark);
    const double lightLum = render::relativeLuminance(light);
    // On light rows the darker row is the harder one; on dark rows the lighter.
    return lightLum > 0.5 ? (render::relativeLuminance(dark) < lightLum ? dark : light)
                          : (render::relativeLuminance(dark) > lightLum ? dark : light);
}

QColor readableOnRows(const QColor& text)
{
    const render::ColorTheme& t = render::currentTheme();
    return render::readableOn(render::readableOn(text, harderRow()), QColor::fromRgb(t.rowLight));
}

} // namespace

QColor readablePlanetColor(int body)
{
    return readableOnRows(render::planetColor(body));
}

QColor readableListText()
{
    return readableOnRows(QColor::fromRgb(render::currentTheme().listText));
}

void applyThemeToView(QWidget* view)
{
    const render::ColorTheme& t = render::currentTheme();
    QPalette p = view->palette();
    p.setColor(QPalette::Base, QColor::fromRgb(t.rowLight));
    p.setColor(QPalette::AlternateBase, QColor::fromRgb(t.rowDark));
    p.setColor(QPalette::Text, readableListText());
    p.setColor(QPalette::Highlight, QColor::fromRgb(t.selectedBack));
    p.setColor(QPalette::HighlightedText, render::readableOn(QColor::fromRgb(t.selectedText),
                                                             QColor::fromRgb(t.selectedBack)));
    p.setColor(QPalette::Button, QColor::fromRgb(t.headerBack));
    p.setColor(QPalette::ButtonText,
               render::readableOn(QColor::fromRgb(t.headerText), QColor::fromRgb(t.headerBack)));
    p.setColor(QPalette::Window, QColor::fromRgb(t.panelBody));
    p.setColor(QPalette::WindowText,
               render::readableOn(QColor::fromRgb(t.listText), QColor::fromRgb(t.panelBody)));
    view->setPalette(p);
    const QString header =
        QStringLiteral("QHeaderView::section { background: %1; color: %2; padding: 3px; border: 0; "
                       "border-right: 1px solid %3; }")
            .arg(QColor::fromRgb(t.headerBack).name(), p.color(QPalette::ButtonText).name(),
                 QColor::fromRgb(t.headerSeparator).name());
    view->setStyleSheet(header);
    if (auto* table = qobject_cast<QTableWidget*>(view))
        table->setAlternatingRowColors(true);
    if (auto* tree = qobject_cast<QTreeWidget*>(view))
        tree->setAlternatingRowColors(true);
}

} // namespace lumikan::ui
