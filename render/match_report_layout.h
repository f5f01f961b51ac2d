#pragma once

#include "match/match_report.h"

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <vector>

class QPaintDevice;
class QPainter;

namespace lumikan::render {

// The match report sheet: a fixed layout in device pixels, 1400 wide, with the
// table 740 wide from x = 108.

namespace match_sheet {

inline constexpr int kSheetWidth = 1400;
inline constexpr int kPageGradientHeight = 4000;
inline constexpr qreal kTableLeft = 108;
inline constexpr qreal kTableWidth = 740;
inline constexpr qreal kHeaderRowHeight = 24;
inline constexpr qreal kRowHeight = 27;
inline constexpr qreal kBandHeight = 28;
inline constexpr int kColumnCount = 8;
inline constexpr std::array<qreal, kColumnCount> kColumnWidths = {100, 160, 68, 68,
                                                                  42,  56,  36, 210};

enum Column { Koot, Subject, Male, Female, Max, Marks, Symbol, Compatibility };

// Colours, ARGB.
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

// A text set in a box. Cell texts wrap at words, show whole lines only and
// end the last shown line in an ellipsis when the rest does not fit; other
// texts wrap and are clipped to nothing.
struct SheetText {
    QString text;
    QRectF rect;
    QFont font;
    QColor color;
    Qt::Alignment alignment = Qt::AlignCenter;
    bool cellText = false;
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
    SheetText figures; // "%.1f/%d"
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
};

// The scrolling extent of a report with `rowCount` rows: 1400 wide; the height
// is the header and the sections (216 without rows) plus the footer.
QSize matchReportScrollSize(std::size_t rowCount);

// The sheet of `content`. `visibleExtent` is the bottom-right corner of what
// the window shows, in sheet pixels; the page is painted at least that far.
MatchReportLayout layoutMatchReport(const MatchReportContent& content,
                                    QSize visibleExtent = QSize());

// score × 100 / maximum, or 0 when the maximum is not positive.
double matchPercent(double score, double maximum);

// The verdict paragraph for an overall percentage.
QString matchVerdict(double percent, const QString& boyName, const QString& girlName);

// The lines of a cell text that fit `box`: wrapped at words (inside a word
// only when it is wider than the box), whole lines only but at least one, the
// last ending in "…" when text is left over.
// Measured as on `device` (the screen when null).
QStringList fitCellText(const QString& text, const QFont& font, QSizeF box,
                        QPaintDevice* device = nullptr);

// Antialiased painting of a computed sheet.
void paintMatchReport(QPainter& painter, const MatchReportLayout& layout);

} // namespace lumikan::render
