#pragma once

#include <QColor>

class QTableWidget;
class QTreeWidget;
class QWidget;

namespace lumikan::ui {

// Gives a table or tree of a tool window the current theme's rows, header and
// text colours, each text colour raised to a readable contrast on its row.
void applyThemeToView(QWidget* view);

// A planet's label colour made readable on the theme's rows.
QColor readablePlanetColor(int body);

// The theme's list text, readable on its rows.
QColor readableListText();

} // namespace lumikan::ui
