#pragma once

#include "engine/chart.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

namespace lumikan::ui {

// One chara karaka: its label cell over its planet's name cell.
struct KarakaCell {
    int rank = 0;  // 0..6
    QString label; // "AK" .. "DK"
    QString planetName;
    QColor background;
    QColor text;
};

// One cell per rank 0..6 held by a planet, the first planet found for each,
// sorted by rank; planets named in the planet-name form.
std::vector<KarakaCell> karakaCells(const std::vector<engine::PlanetPosition>& planets,
                                    int planetNameForm);

// Where the cells of a grid of `cellCount` columns go in a client area.
struct KarakaGridLayout {
    struct Column {
        QRect labelCell;
        QRect nameCell;
    };
    std::vector<Column> columns;
};
KarakaGridLayout layoutKarakaGrid(QSize client, int cellCount);

// The seven chara karakas as a two-row grid of coloured cells.
class CKarakaGridCtrl : public QWidget {
    Q_OBJECT

public:
    static constexpr QRgb kDefaultBackground = 0xF5F5F5;
    static constexpr QRgb kDefaultText = 0x282828;
    static constexpr QRgb kBorder = 0xC8C8C8;

    explicit CKarakaGridCtrl(QWidget* parent = nullptr);

    void setCells(std::vector<KarakaCell> cells);
    const std::vector<KarakaCell>& cells() const { return cells_; }

    // The preferred cell size the view sets (55 x 28); the columns themselves
    // share the control's width.
    void setCellSize(QSize size) { cellSize_ = size; }
    QSize cellSize() const { return cellSize_; }

    void paintGrid(QPainter& painter) const;
    // The width at which every label and planet name reads whole.
    int contentWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<KarakaCell> cells_;
    QSize cellSize_{50, 25};
};

} // namespace lumikan::ui
