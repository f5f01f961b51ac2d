#pragma once

#include "engine/chart.h"
#include "engine/shadbala.h"

#include <QColor>
#include <QFont>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <utility>
#include <vector>

namespace lumikan::ui {

// What the card tells about one hovered planet.
struct PlanetDetail {
    QString title; // the planet's name in the planet-name form
    QString glyph; // "☉" .. "♇", "☊", "☋"; empty for other bodies
    QString signName;
    QString signGlyph; // "♈" .. "♓"
    QString house;
    QString nakshatra; // long form; "-" out of range
    QString starLord, subLord, subSubLord;
    int pada = 1;
    bool retrograde = false;
    bool combust = false;
    QString dignity; // "Exalted", "Debilitated", "Moolatrikona", "Own Sign" or empty
    QString karaka;  // "AK" .. "DK", empty for bodies without a rank
    double longitudeDeg = 0.0;
    double degreeInSign = 0.0;
    double speedDegPerDay = 0.0;
    int shadbala = 0; // total strength, virupas
    std::vector<std::pair<QString, QString>> extraPairs;
};

// The record for `planet` (from the list of the diagram that was hovered);
// `strength` is the planet's six-fold strength.
PlanetDetail planetDetail(const engine::PlanetPosition& planet,
                          const engine::ShadbalaResult& strength, int planetNameForm);

// "☉" for the Sun .. "☋" for Ketu; empty for any other body.
QString planetGlyph(engine::BodyId body);
// "♈" .. "♓"; empty outside 0..11.
QString signGlyph(int sign);

// The card's drawing, computed apart from painting. Rectangles are in card
// pixels, right and bottom exclusive.
struct PlanetTooltipLayout {
    enum class FontRole { Title, Subtitle, Label, Value, Glyph };
    struct Text {
        QString text;
        QRect rect;
        QColor color;
        FontRole font = FontRole::Value;
        int alignment = 0; // Qt::Alignment flags
        bool elide = false;
    };
    struct Line {
        QLine line;
        QColor color;
    };
    struct Bar {
        QRect track;
        int fillWidth = 0;
        QColor fill;
    };

    int width = 370;
    int height = 0;
    std::vector<Text> texts;
    std::vector<Line> lines;
    Bar bar;
};

PlanetTooltipLayout layoutPlanetTooltip(const PlanetDetail& detail);

// The strength bar's filled width and colour for a total strength.
int strengthBarFill(double shadbala);
QColor strengthBarColor(double shadbala);
// The dignity text's colour.
QColor dignityColor(const QString& dignity, bool combust);

// Where the card goes for a cursor position: below right of the cursor,
// flipped left or above when it would leave the work area.
QPoint planetTooltipPosition(QPoint cursor, QSize card, const QRect& workArea);

// The planet information card that follows the mouse over a chart diagram.
// Never takes the focus; hides itself after nine seconds.
class CPlanetTooltip : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 370;
    static constexpr int kShowMillis = 9000;

    explicit CPlanetTooltip(QWidget* parent = nullptr);

    // Shows the card for `detail` near the cursor's global position.
    void showFor(const PlanetDetail& detail, QPoint cursorGlobal);
    const PlanetTooltipLayout& cardLayout() const { return layout_; }

    void paintCard(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont fontFor(PlanetTooltipLayout::FontRole role) const;

    PlanetTooltipLayout layout_;
    QTimer hideTimer_;
    QFont title_, subtitle_, label_, value_, glyph_;
};

} // namespace lumikan::ui
