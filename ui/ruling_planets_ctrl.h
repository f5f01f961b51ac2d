#pragma once

#include "engine/ruling_planets.h"
#include "render/color_theme.h"

#include <QColor>
#include <QRect>
#include <QString>
#include <QFontMetrics>
#include <QWidget>

#include <array>
#include <vector>

namespace lumikan::ui {

// One ranked ruling planet as the panel shows it.
struct RulingPlanetRow {
    int rank = 1;
    QString category;
    QString planetName;
    QColor background;
    QColor text;
};

// The panel's rows for the ranked planets, strongest first, named in the
// planet-name form; colours go by position in the list.
std::vector<RulingPlanetRow>
rulingPlanetRows(const std::array<engine::RankedRulingPlanet, 7>& ranked, int planetNameForm);

// The ruling-planet place of the settings. No place is set when the city is
// empty and both coordinates are 0: the birth place stands in.
struct RulingPlanetPlace {
    QString city, state, country;
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    double timeZoneHours = 0.0;
};

// "Pune, Maharashtra, India  |  Lat: 18.5204  Long: 73.8567  TZ: +5.50", or
// "Location: Birth place (set RP in Settings)" when no place is set.
QString rulingPlanetPlaceLine(const RulingPlanetPlace& place);

// The panel's geometry for a client size: the header, the place line and the
// rows that fit (none end below height - 8).
struct RulingPlanetsLayout {
    QRect header;    // filled behind the titles
    QRect title;     // "Ruling Planets", top-left aligned
    QRect caption;   // the order caption, top-left aligned
    QRect placeLine; // one line, vertically centred, cut with an ellipsis
    int separatorY = 77;
    struct Row {
        QRect box; // rounded, in the row's background
        QRect rank, category, planet;
    };
    std::vector<Row> rows;
};
RulingPlanetsLayout layoutRulingPlanets(QSize client, int rowCount);

// The panel's own colours in a theme: its light surfaces, turned dark with a
// dark theme, and the texts on them made readable.
struct RulingPanelColors {
    QColor background, header, title, caption, place, separator, rowOutline;
};
RulingPanelColors rulingPanelColors(const render::ColorTheme& theme);

// The ruling planets of the chosen moment and place as ranked coloured bars.
class CRulingPlanetsCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CRulingPlanetsCtrl(QWidget* parent = nullptr);

    void setRows(std::vector<RulingPlanetRow> rows);
    void setPlace(const RulingPlanetPlace& place);
    // The panel's title, naming the moment and place the planets are for.
    void setTitle(const QString& title);
    // The title as it fits `width`: whole, its moment and place alone, or cut with "…".
    QString fittedTitle(const QFontMetrics& metrics, int width) const;
    QString title() const { return title_; }
    const std::vector<RulingPlanetRow>& rows() const { return rows_; }
    QString placeLine() const { return placeLine_; }

    // Paints the whole panel at the widget's size.
    void paintPanel(QPainter& painter) const;
    // The width at which the titles, the categories and the planets read whole.
    int contentWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<RulingPlanetRow> rows_;
    QString title_;
    QString placeLine_;
    QFont regular_, bold_;
};

} // namespace lumikan::ui
