#pragma once

#include "match/match_report.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <vector>

class QPaintDevice;
class QPainter;

namespace lumikan::render {

// The match report sheet, in sheet pixels (a 96-dots-per-inch layout): the
// section gauges in a gutter left of the table, the table as wide as its
// texts need (740 at most, texts wrapping beyond that), the sheet as wide as
// its content.

namespace match_sheet {

inline constexpr int kPageGradientHeight = 4000;
inline constexpr qreal kBandLeft = 18;
inline constexpr qreal kTableLeft = 108;
inline constexpr qreal kTableBudget = 740;
inline constexpr qreal kRightMargin = 18; // beside the table, as the band's left margin
inline constexpr qreal kHeaderRowHeight = 24;
inline constexpr qreal kRowHeight = 27; // a row of one text line; taller rows grow
inline constexpr qreal kBandHeight = 28;
inline constexpr qreal kCellInsetX = 4;
inline constexpr qreal kCellInsetY = 3;
inline constexpr int kColumnCount = 8;
// The narrowest each column is; a column widens to its texts within the budget.
inline constexpr std::array<qreal, kColumnCount> kMinimumColumnWidths = {100, 150, 68, 68,
                                                                         42,  56,  36, 120};
inline constexpr qreal kSectionGaugeRadius = 36;
inline constexpr qreal kOverallGaugeRadius = 52;

enum Column { Koot, Subject, Male, Female, Max, Marks, Symbol, Compatibility };

// Colours, ARGB. Text colours are made readable on what they are drawn on.
inline constexpr QRgb kPageTop = 0xFFFCF8F0;
inline constexpr QRgb kPageBottom = 0xFFEEE4D0;
inline constexpr QRgb kGold = 0xFFCC9932;
inline constexpr QRgb kTitle = 0xFF552C0A; // also where the section band starts
inline constexpr QRgb kBandEnd = 0xFF944B12;
inline constexpr QRgb kSectionTitle = 0xFFF0C864;
inline constexpr QRgb kHeaderRowTop = 0xFF371C08;
inline constexpr QRgb kHeaderRowBottom = 0xFF69340D;
inline constexpr QRgb kRowEven = 0xFFFFFCF4;
inline constexpr QRgb kRowOdd = 0xFFF6EFDE;
inline constexpr QRgb kCellExcellent = 0xFFD0F2D0;
inline constexpr QRgb kCellModerate = 0xFFFFF4C8;
inline constexpr QRgb kCellAttention = 0xFFFFDCDA;
inline constexpr QRgb kGood = 0xFF228B22;
inline constexpr QRgb kMiddling = 0xFFD28700;
inline constexpr QRgb kPoor = 0xFFB92626;
inline constexpr QRgb kSectionGaugeGood = 0xFFC48812;
inline constexpr QRgb kInk = 0xFF261200; // names, gauge figures, verdict, cell text
inline constexpr QRgb kCaption = 0xFFAF7312;
inline constexpr QRgb kGaugeTrack = 0xFFD2C0A5;
inline constexpr QRgb kCellBorder = 0xFFC6A258;
inline constexpr QRgb kBarTrack = 0xFFDCD0B9;

inline constexpr qreal kCellBorderWidth = 0.5;
inline constexpr qreal kDividerWidth = 1.3;
inline constexpr qreal kOrnamentWidth = 1.4;
inline constexpr qreal kGaugePenWidth = 9;

} // namespace match_sheet

// A text set in a box as `lines`, each no wider than the box; the box holds
// them all.
struct SheetText {
    QString text;
    QRectF rect;
    QFont font;
    QColor color;
    Qt::Alignment alignment = Qt::AlignCenter;
    QStringList lines;
    qreal lineHeight = 0;
};

// A rectangle filled with a linear gradient from `start` to `end` over
// `from`–`to` (solid when `end` is invalid).
struct SheetFill {
    QRectF rect;
    QColor start;
    QColor end;
    QPointF from;
    QPointF to;
};

struct SheetLine {
    QLineF line;
    qreal width = 1;
    QColor start;
    QColor end; // invalid: solid in `start`
};

struct SheetCell {
    SheetFill fill; // outlined with the border pen after it is filled
    SheetText text;
};

// The bar under a row's marks: the track, then `filledWidth` of it in `color`.
struct SheetBar {
    QRectF track;
    qreal filledWidth = 0;
    QColor color;
};

struct SheetGauge {
    QPointF centre;
    qreal radius = 0;
    QColor color;
    // Degrees, clockwise on the screen from −225° (lower left); no arc below 0.5.
    double sweepDeg = 0;
    SheetText figures; // "%.1f/%d", set small enough to sit inside the ring
    SheetText caption; // "Score"

    bool hasArc() const { return sweepDeg > 0.5; }
};

struct SheetRow {
    double percent = 0;
    std::array<SheetCell, match_sheet::kColumnCount> cells;
    SheetBar bar;
};

struct SheetSection {
    SheetFill band;
    SheetText title;
    std::array<SheetCell, match_sheet::kColumnCount> headings;
    std::vector<SheetRow> rows;
    double score = 0;
    double maximum = 0;
    SheetGauge gauge;
};

// A place a printed page may end: `preferred` between sections and before the
// footer, otherwise between two rows.
struct SheetBreak {
    qreal y = 0;
    bool preferred = false;
};

// What the report view shows: a copy of one match report and the two names.
struct MatchReportContent {
    double totalScore = 0;
    double totalMax = 0;
    std::vector<match::MatchRow> rows;
    QString boyName;
    QString girlName;
};

// Everything the painter draws, in paint order by member.
struct MatchReportLayout {
    QSizeF size; // the sheet: its content and margins
    SheetFill page;
    std::vector<SheetLine> ornaments;
    SheetText om;
    SheetText title;
    SheetText subtitle;
    SheetText names;
    std::vector<SheetLine> dividers;
    std::vector<SheetSection> sections;
    SheetGauge overall;
    SheetText verdict;
    std::vector<SheetBreak> breaks; // top to bottom
    qreal tableWidth = 0;
};

// The sheet of `content`, its texts measured as `device` sets them (the
// screen when null).
MatchReportLayout layoutMatchReport(const MatchReportContent& content,
                                    const QPaintDevice* device = nullptr);

// The page colour over `area` (sheet pixels): it fills the sheet, and a
// window wider or taller than the sheet continues it.
SheetFill matchPageFill(const QRectF& area);

// score × 100 / maximum, or 0 when the maximum is not positive.
double matchPercent(double score, double maximum);

// The verdict paragraph for an overall percentage.
QString matchVerdict(double percent, const QString& boyName, const QString& girlName);

// The texts of a row's Male and Female cells: the chart's value with the
// points it stands for, labelled: the boy's the points obtained ("Brahmin
// (1.0 pts)"), the girl's those not obtained ("Brahmin (0.0 pts short)"); the
// labelled points alone when the rule shows no value.
QString maleCellText(const match::MatchRow& row);
QString femaleCellText(const match::MatchRow& row);

// Antialiased painting of a computed sheet; with a valid `area` (sheet
// pixels) only what lies in it.
void paintMatchReport(QPainter& painter, const MatchReportLayout& layout,
                      const QRectF& area = QRectF());

} // namespace lumikan::render
