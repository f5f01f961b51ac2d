#include "render/match_report_layout.h"

#include "render/column_widths.h"
#include "render/contrast.h"
#include "render/font_substitution.h"
#include "render/text_wrap.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace lumikan::render {

using namespace match_sheet;

namespace {

const std::array<QString, kColumnCount> kHeadings = {QStringLiteral("Koot"),
                                                     QStringLiteral("Subject"),
                                                     QStringLiteral("Male"),
                                                     QStringLiteral("Female"),
                                                     QStringLiteral("Max"),
                                                     QStringLiteral("Marks"),
                                                     QString(),
                                                     QStringLiteral("Compatibility")};

constexpr qreal kLongestUnwrappedName = 200;

QColor argb(QRgb value)
{
    return QColor::fromRgba(value);
}

// `text` made readable on both ends of the gradient it is drawn on.
QColor readable(QRgb text, QRgb background, QRgb backgroundEnd = 0)
{
    QColor colour = readableOn(argb(text), argb(background));
    if (backgroundEnd)
        colour = readableOn(colour, argb(backgroundEnd));
    return colour;
}

// The sheet is laid out in pixels of a 96-dots-per-inch page. Fonts are sized
// so that they measure and paint in those pixels on `device`, whatever its
// resolution; a printer then scales the whole sheet onto its paper.
struct SheetFonts {
    const QPaintDevice* device = nullptr;
    qreal scale = 1;

    explicit SheetFonts(const QPaintDevice* d) : device(d)
    {
        int dpi = 96;
        if (d)
            dpi = d->logicalDpiY();
        else if (const QScreen* screen = QGuiApplication::primaryScreen())
            dpi = int(std::lround(screen->logicalDotsPerInchY()));
        scale = dpi > 0 ? 96.0 / dpi : 1.0;
    }

    QFont font(QStringView family, qreal points, QFont::Weight weight = QFont::Normal,
               bool italic = false) const
    {
        QFont f = designFont(family, points * scale, weight);
        f.setItalic(italic);
        return f;
    }

    QFontMetricsF metrics(const QFont& f) const { return QFontMetricsF(f, device); }
};

// A text wrapped to the width of its box; the box grows to hold every line.
SheetText setText(const QString& text, const QRectF& rect, const QFont& font, QColor color,
                  Qt::Alignment alignment, const SheetFonts& fonts)
{
    SheetText t{text, rect, font, color, alignment, {}, fonts.metrics(font).lineSpacing()};
    t.lines = wrapText(text, font, rect.width(), fonts.device);
    t.rect.setHeight(std::max(rect.height(), qreal(t.lines.size()) * t.lineHeight));
    return t;
}

SheetFill solid(const QRectF& rect, QRgb color)
{
    return {rect, argb(color), QColor(), {}, {}};
}

SheetFill verticalGradient(const QRectF& rect, QRgb top, QRgb bottom)
{
    return {rect, argb(top), argb(bottom), rect.topLeft(), rect.bottomLeft()};
}

SheetFill horizontalGradient(const QRectF& rect, QRgb left, QRgb right)
{
    return {rect, argb(left), argb(right), rect.topLeft(), rect.topRight()};
}

QString oneDecimal(double value)
{
    return QString::asprintf("%.1f", value);
}

QString labelledValue(const std::string& value, const QString& points)
{
    const QString shown = QString::fromStdString(value).trimmed();
    return shown.isEmpty() ? points : shown + QStringLiteral(" (") + points + QLatin1Char(')');
}

// Rows judge at 75 % and 50 %.
QRgb rowBandColor(double percent)
{
    return percent >= 75 ? kGood : percent >= 50 ? kMiddling : kPoor;
}

QRgb compatibilityColor(double percent)
{
    return percent >= 75 ? kCellExcellent : percent >= 50 ? kCellModerate : kCellAttention;
}

QString compatibilityText(double percent)
{
    return percent >= 75   ? QStringLiteral("Excellent harmony")
           : percent >= 50 ? QStringLiteral("Moderate compatibility")
                           : QStringLiteral("Needs attention");
}

std::array<QString, kColumnCount> rowTexts(const match::MatchRow& row)
{
    const double percent = matchPercent(row.score, row.maxScore);
    std::array<QString, kColumnCount> texts;
    texts[Koot] = QString::fromStdString(row.name);
    texts[Subject] = QString::fromStdString(row.subject.empty() ? row.name : row.subject);
    texts[Male] = maleCellText(row);
    texts[Female] = femaleCellText(row);
    texts[Max] = oneDecimal(row.maxScore);
    texts[Marks] = oneDecimal(row.score);
    texts[Symbol] = percent >= 50 ? QStringLiteral("\u2714") : QStringLiteral("\u2718");
    texts[Compatibility] = compatibilityText(percent);
    return texts;
}

struct SheetStyle {
    SheetFonts fonts;
    QFont cell, symbol, heading;
    std::array<qreal, kColumnCount> widths{};
    qreal tableWidth = 0;

    QFont cellFont(int column) const { return column == Symbol ? symbol : cell; }
    qreal tableRight() const { return kTableLeft + tableWidth; }
    // The heading, dividers and footer span the sheet's content: the section
    // bands, from the gauges' gutter to the table's right edge.
    qreal contentWidth() const { return tableRight() - kBandLeft; }
    qreal contentMiddle() const { return kBandLeft + contentWidth() / 2; }
};

// Each column as wide as its texts, within the table's budget.
void fitColumns(SheetStyle& style, const std::vector<match::MatchRow>& rows)
{
    std::vector<ColumnNeed> needs(kColumnCount);
    for (int c = 0; c < kColumnCount; ++c) {
        const qreal least = kMinimumColumnWidths[std::size_t(c)];
        needs[std::size_t(c)] = {least, least};
    }
    auto need = [&](int column, const QString& text, const QFont& font) {
        const TextExtent e = textExtent(text, font, style.fonts.device);
        ColumnNeed& n = needs[std::size_t(column)];
        n.minimum = std::max(n.minimum, std::ceil(e.widestWord) + 2 * kCellInsetX + 1);
        n.natural = std::max(n.natural, std::ceil(e.singleLine) + 2 * kCellInsetX + 1);
    };
    for (int c = 0; c < kColumnCount; ++c)
        need(c, kHeadings[std::size_t(c)], style.heading);
    for (const match::MatchRow& row : rows) {
        const auto texts = rowTexts(row);
        for (int c = 0; c < kColumnCount; ++c)
            need(c, texts[std::size_t(c)], style.cellFont(c));
    }
    // A rule's name stays on one line unless it is unusually long.
    ColumnNeed& names = needs[Koot];
    names.minimum = std::max(names.minimum, std::min(names.natural, kLongestUnwrappedName));
    const std::vector<qreal> widths = fitColumnWidths(needs, kTableBudget);
    style.tableWidth = 0;
    for (int c = 0; c < kColumnCount; ++c) {
        style.widths[std::size_t(c)] = std::floor(widths[std::size_t(c)]);
        style.tableWidth += style.widths[std::size_t(c)];
    }
}

SheetLine divider(const SheetStyle& style, qreal y)
{
    return {QLineF(kBandLeft, y, style.tableRight(), y), kDividerWidth, argb(kPageTop),
            argb(kGold)};
}

// Whether a text's ink, centred in `box`, lies inside a circle.
bool insideCircle(const QString& text, const QFont& font, const QRectF& box, QPointF centre,
                  qreal radius, const SheetFonts& fonts)
{
    const QFontMetricsF m = fonts.metrics(font);
    const QRectF ink = m.tightBoundingRect(text);
    const qreal baseline = box.top() + (box.height() - (m.ascent() + m.descent())) / 2 + m.ascent();
    const qreal left = box.center().x() - m.horizontalAdvance(text) / 2;
    const QRectF placed(left + ink.left(), baseline + ink.top(), ink.width(), ink.height());
    for (const QPointF& corner :
         {placed.topLeft(), placed.topRight(), placed.bottomLeft(), placed.bottomRight()})
        if (std::hypot(corner.x() - centre.x(), corner.y() - centre.y()) > radius)
            return false;
    return true;
}

SheetGauge gauge(QPointF centre, qreal radius, double score, double maximum, QRgb color,
                 const SheetFonts& fonts)
{
    SheetGauge g;
    g.centre = centre;
    g.radius = radius;
    g.color = argb(color);
    if (maximum > 0)
        g.sweepDeg = 270.0 * std::clamp(score / maximum, 0.0, 1.0);
    const QString figures =
        QString::asprintf("%.1f/%d", score, static_cast<int>(std::clamp(maximum, -1e9, 1e9)));
    // Figures too wide for the inside of the ring ("216.0/216" in a section
    // gauge) are set smaller rather than drawn over it.
    const QRectF box(centre.x() - radius, centre.y() - 22, 2 * radius, 22);
    const qreal inside = radius - kGaugePenWidth / 2 - 1;
    qreal points = 10;
    while (points > 5 && !insideCircle(figures, fonts.font(u"Georgia", points, QFont::Bold), box,
                                       centre, inside, fonts))
        points -= 0.25;
    g.figures = setText(figures, box, fonts.font(u"Georgia", points, QFont::Bold),
                        readable(kInk, kPageTop, kPageBottom), Qt::AlignCenter, fonts);
    g.caption = setText(QStringLiteral("Score"),
                        QRectF(centre.x() - radius, centre.y() + 4, 2 * radius, 14),
                        fonts.font(u"Segoe UI", 6), readable(kCaption, kPageTop, kPageBottom),
                        Qt::AlignCenter, fonts);
    return g;
}

SheetRow layoutRow(const match::MatchRow& row, int index, qreal y, const SheetStyle& style)
{
    SheetRow out;
    out.percent = matchPercent(row.score, row.maxScore);
    const QRgb background = index % 2 == 0 ? kRowEven : kRowOdd;
    const auto texts = rowTexts(row);

    // The row is as tall as its tallest cell.
    qreal height = kRowHeight;
    std::array<SheetText, kColumnCount> cellTexts;
    qreal x = kTableLeft;
    for (int c = 0; c < kColumnCount; ++c) {
        const qreal width = style.widths[std::size_t(c)];
        const QRgb fill = c == Compatibility ? compatibilityColor(out.percent) : background;
        const bool leftAligned = c == Koot || c == Subject || c == Compatibility;
        QRgb ink = kInk;
        if (c == Symbol)
            ink = out.percent >= 50 ? kGood : kPoor;
        cellTexts[std::size_t(c)] =
            setText(texts[std::size_t(c)],
                    QRectF(x + kCellInsetX, y + kCellInsetY, width - 2 * kCellInsetX, 0),
                    style.cellFont(c), readable(ink, fill),
                    (leftAligned ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop, style.fonts);
        height = std::max(height, cellTexts[std::size_t(c)].rect.height() + 2 * kCellInsetY);
        x += width;
    }

    x = kTableLeft;
    for (int c = 0; c < kColumnCount; ++c) {
        const qreal width = style.widths[std::size_t(c)];
        SheetCell& cell = out.cells[std::size_t(c)];
        cell.fill = solid(QRectF(x, y, width, height),
                          c == Compatibility ? compatibilityColor(out.percent) : background);
        cell.text = cellTexts[std::size_t(c)];
        cell.text.rect.setHeight(height - 2 * kCellInsetY);
        if (c == Marks) {
            out.bar.track = QRectF(x + 5, y + height - 9, width - 10, 5);
            out.bar.filledWidth = out.bar.track.width() * std::clamp(out.percent, 0.0, 100.0) / 100;
            out.bar.color = argb(rowBandColor(out.percent));
        }
        x += width;
    }
    return out;
}

SheetSection layoutSection(const QString& title, std::vector<match::MatchRow>::const_iterator first,
                           std::vector<match::MatchRow>::const_iterator last, qreal& y,
                           const SheetStyle& style, std::vector<SheetBreak>& breaks)
{
    SheetSection section;
    breaks.push_back({y, true});
    section.band = horizontalGradient(
        QRectF(kBandLeft, y, style.tableRight() - kBandLeft, kBandHeight), kTitle, kBandEnd);
    section.title =
        setText(title, QRectF(kTableLeft, y, style.tableWidth, kBandHeight),
                style.fonts.font(u"Georgia", 9, QFont::Bold),
                readable(kSectionTitle, kTitle, kBandEnd), Qt::AlignCenter, style.fonts);
    y += 30;

    qreal x = kTableLeft;
    for (int c = 0; c < kColumnCount; ++c) {
        const QRectF rect(x, y, style.widths[std::size_t(c)], kHeaderRowHeight);
        SheetCell& cell = section.headings[std::size_t(c)];
        cell.fill = verticalGradient(QRectF(kTableLeft, y, style.tableWidth, kHeaderRowHeight),
                                     kHeaderRowTop, kHeaderRowBottom);
        cell.fill.rect = rect;
        cell.text = setText(kHeadings[std::size_t(c)], rect, style.heading,
                            readable(kSectionTitle, kHeaderRowTop, kHeaderRowBottom),
                            Qt::AlignCenter, style.fonts);
        x += rect.width();
    }
    y += kHeaderRowHeight;

    const qreal rowsTop = y;
    std::vector<qreal> rowTops;
    int index = 0;
    for (auto it = first; it != last; ++it, ++index) {
        rowTops.push_back(y);
        section.rows.push_back(layoutRow(*it, index, y, style));
        section.score += it->score;
        section.maximum += it->maxScore;
        y += section.rows.back().cells[0].fill.rect.height();
    }

    const double percent = matchPercent(section.score, section.maximum);
    const qreal middle = (rowsTop + y) / 2;
    section.gauge = gauge(QPointF(kBandLeft + 45, middle), kSectionGaugeRadius, section.score,
                          section.maximum, percent >= 55 ? kSectionGaugeGood : kPoor, style.fonts);
    // A page may end between rows, but not under the heading row alone nor
    // through the section's gauge.
    const qreal reach = kSectionGaugeRadius + kGaugePenWidth / 2 + 1;
    for (std::size_t i = 1; i < rowTops.size(); ++i)
        if (std::fabs(rowTops[i] - middle) > reach)
            breaks.push_back({rowTops[i], false});
    y += 14;
    return section;
}

void fillArea(QPainter& painter, const SheetFill& fill)
{
    if (!fill.end.isValid()) {
        painter.fillRect(fill.rect, fill.start);
        return;
    }
    QLinearGradient gradient(fill.from, fill.to);
    gradient.setColorAt(0, fill.start);
    gradient.setColorAt(1, fill.end);
    painter.fillRect(fill.rect, gradient);
}

void drawLine(QPainter& painter, const SheetLine& line)
{
    QPen pen;
    pen.setWidthF(line.width);
    pen.setCapStyle(Qt::FlatCap);
    if (line.end.isValid()) {
        QLinearGradient gradient(line.line.p1(), line.line.p2());
        gradient.setColorAt(0, line.start);
        gradient.setColorAt(1, line.end);
        pen.setBrush(gradient);
    } else {
        pen.setColor(line.start);
    }
    painter.setPen(pen);
    painter.drawLine(line.line);
}

void drawText(QPainter& painter, const SheetText& text)
{
    if (text.lines.isEmpty())
        return;
    painter.setFont(text.font);
    painter.setPen(text.color);
    const qreal block = qreal(text.lines.size()) * text.lineHeight;
    qreal top = text.rect.top();
    if (text.alignment & Qt::AlignVCenter)
        top += (text.rect.height() - block) / 2;
    else if (text.alignment & Qt::AlignBottom)
        top += text.rect.height() - block;
    const Qt::Alignment horizontal = text.alignment & Qt::AlignHorizontal_Mask;
    for (qsizetype i = 0; i < text.lines.size(); ++i) {
        const QRectF line(text.rect.x(), top + qreal(i) * text.lineHeight, text.rect.width(),
                          text.lineHeight);
        painter.drawText(line,
                         int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine | Qt::TextDontClip,
                         text.lines[i]);
    }
}

void drawCell(QPainter& painter, const SheetCell& cell)
{
    fillArea(painter, cell.fill);
    QPen border(argb(kCellBorder));
    border.setWidthF(kCellBorderWidth);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(cell.fill.rect);
    drawText(painter, cell.text);
}

void drawGauge(QPainter& painter, const SheetGauge& g)
{
    QPen pen(argb(kGaugeTrack));
    pen.setWidthF(kGaugePenWidth);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(g.centre, g.radius, g.radius);
    if (g.hasArc()) {
        // Qt counts angles anticlockwise: −225° clockwise is 225° here.
        const QRectF box(g.centre.x() - g.radius, g.centre.y() - g.radius, 2 * g.radius,
                         2 * g.radius);
        QPainterPath arc;
        arc.arcMoveTo(box, 225);
        arc.arcTo(box, 225, -g.sweepDeg);
        pen.setColor(g.color);
        painter.setPen(pen);
        painter.drawPath(arc);
    }
    drawText(painter, g.figures);
    drawText(painter, g.caption);
}

} // namespace

double matchPercent(double score, double maximum)
{
    return maximum > 0 ? score * 100 / maximum : 0;
}

QString maleCellText(const match::MatchRow& row)
{
    return labelledValue(row.maleValue, oneDecimal(row.score) + QStringLiteral(" pts"));
}

QString femaleCellText(const match::MatchRow& row)
{
    return labelledValue(row.femaleValue,
                         oneDecimal(row.maxScore - row.score) + QStringLiteral(" pts short"));
}

QString matchVerdict(double percent, const QString& boyName, const QString& girlName)
{
    const char* text =
        percent >= 75 ? "The stars shine brightly upon %1 and %2. Their charts reveal a profound "
                        "cosmic alignment - a union blessed by the planets and destined for "
                        "lasting harmony."
        : percent >= 55
            ? "The horoscopes of %1 and %2 reflect a bond of moderate compatibility. With mutual "
              "understanding and respect, this union holds good promise across the key pillars of "
              "Vedic matching."
        : percent >= 40
            ? "The charts of %1 and %2 indicate certain planetary differences that call for "
              "awareness and conscious effort. Remedies and open communication can bridge the gaps "
              "revealed here."
            : "The planetary positions of %1 and %2 present notable challenges. Consulting an "
              "experienced Jyotishi for personalised remedies is strongly recommended before "
              "proceeding.";
    // One pass, so a name holding "%2" stays as typed.
    return QString::fromLatin1(text).arg(boyName, girlName);
}

SheetFill matchPageFill(const QRectF& area)
{
    return {area, argb(kPageTop), argb(kPageBottom), QPointF(0, 0),
            QPointF(0, kPageGradientHeight)};
}

MatchReportLayout layoutMatchReport(const MatchReportContent& content, const QPaintDevice* device)
{
    SheetStyle style{SheetFonts(device), {}, {}, {}, {}, 0};
    style.cell = style.fonts.font(u"Palatino Linotype", 7.5);
    style.symbol = style.fonts.font(u"Segoe UI Symbol", 9, QFont::Bold);
    style.heading = style.fonts.font(u"Georgia", 8, QFont::Bold);
    fitColumns(style, content.rows);
    const SheetFonts& fonts = style.fonts;

    MatchReportLayout layout;
    layout.tableWidth = style.tableWidth;
    const qreal sheetWidth = style.tableRight() + kRightMargin;

    const QColor gold = argb(kGold);
    for (const QLineF& l : {QLineF(14, 14, 46, 14), QLineF(14, 14, 14, 46),
                            QLineF(sheetWidth - 14, 14, sheetWidth - 46, 14),
                            QLineF(sheetWidth - 14, 14, sheetWidth - 14, 46)})
        layout.ornaments.push_back({l, kOrnamentWidth, gold, QColor()});

    const qreal middle = style.contentMiddle();
    const qreal wide = style.contentWidth();
    qreal y = 10;
    layout.om = setText(QStringLiteral("\u0950"), QRectF(middle - 52, y + 8, 104, 52),
                        fonts.font(u"Arial Unicode MS", 26, QFont::Bold),
                        readable(kGold, kPageTop, kPageBottom), Qt::AlignCenter, fonts);
    y += 74;
    layout.dividers.push_back(divider(style, y));
    y += 10;
    layout.title =
        setText(QStringLiteral("Kundli Milan \u2014 Ashtakoota Matching"),
                QRectF(kBandLeft, y, wide, 34), fonts.font(u"Palatino Linotype", 17, QFont::Bold),
                readable(kTitle, kPageTop, kPageBottom), Qt::AlignCenter, fonts);
    y += layout.title.rect.height() + 4;
    layout.subtitle =
        setText(QStringLiteral("Vedic Horoscope Compatibility Analysis"),
                QRectF(kBandLeft, y, wide, 18), fonts.font(u"Georgia", 9, QFont::Normal, true),
                readable(kGold, kPageTop, kPageBottom), Qt::AlignCenter, fonts);
    y += layout.subtitle.rect.height() + 6;
    layout.dividers.push_back(divider(style, y));
    y += 10;
    layout.names = setText(content.boyName + QStringLiteral("  \u2665  ") + content.girlName,
                           QRectF(kBandLeft, y, wide, 28), fonts.font(u"Georgia", 12, QFont::Bold),
                           readable(kInk, kPageTop, kPageBottom), Qt::AlignCenter, fonts);
    y += layout.names.rect.height() + 6;
    layout.dividers.push_back(divider(style, y));
    y += 16;

    // An empty first section is left out like an empty second one, so that
    // the footer of an empty report lies inside the sheet.
    const auto& rows = content.rows;
    const auto split = rows.begin() + std::min<std::ptrdiff_t>(std::ptrdiff_t(rows.size()),
                                                               match::kAshtakootaRowCount);
    if (rows.begin() != split)
        layout.sections.push_back(
            layoutSection(QStringLiteral("\u263D  Ashtakoota \u2014 36-Point Traditional Matching"),
                          rows.begin(), split, y, style, layout.breaks));
    if (split != rows.end())
        layout.sections.push_back(
            layoutSection(QStringLiteral("\u2605  Extended KP & Modern Compatibility Analysis"),
                          split, rows.end(), y, style, layout.breaks));

    y += 24;
    layout.breaks.push_back({y, true});
    const double percent = matchPercent(content.totalScore, content.totalMax);
    const QRgb overallColor = content.totalMax > 0 && percent >= 65   ? kGood
                              : content.totalMax > 0 && percent >= 40 ? kMiddling
                                                                      : kPoor;
    layout.overall = gauge(QPointF(middle, y + 64), kOverallGaugeRadius, content.totalScore,
                           content.totalMax, overallColor, fonts);
    layout.dividers.push_back(divider(style, y + 132));
    layout.verdict = setText(matchVerdict(percent, content.boyName, content.girlName),
                             QRectF(kBandLeft, y + 142, wide, 64),
                             fonts.font(u"Palatino Linotype", 9, QFont::Normal, true),
                             readable(kInk, kPageTop, kPageBottom), Qt::AlignCenter, fonts);
    const qreal closing = layout.verdict.rect.bottom() + 8;
    layout.dividers.push_back(divider(style, closing));
    layout.size = QSizeF(sheetWidth, closing + 4);

    layout.page = matchPageFill(QRectF(QPointF(0, 0), layout.size));
    return layout;
}

void paintMatchReport(QPainter& painter, const MatchReportLayout& layout, const QRectF& area)
{
    // What lies wholly outside `area` is not painted at all, so that a page
    // holds only the texts it shows.
    auto shows = [&area](const QRectF& r) { return !area.isValid() || r.intersects(area); };
    auto gaugeBox = [](const SheetGauge& g) {
        const qreal reach = g.radius + kGaugePenWidth;
        return QRectF(g.centre.x() - reach, g.centre.y() - reach, 2 * reach, 2 * reach);
    };
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    if (area.isValid())
        painter.setClipRect(area, Qt::IntersectClip);
    fillArea(painter, layout.page);
    for (const SheetLine& line : layout.ornaments)
        if (shows(QRectF(line.line.p1(), line.line.p2()).normalized().adjusted(-1, -1, 1, 1)))
            drawLine(painter, line);
    for (const SheetText* text : {&layout.om, &layout.title, &layout.subtitle, &layout.names})
        if (shows(text->rect))
            drawText(painter, *text);
    for (const SheetLine& line : layout.dividers)
        if (shows(QRectF(line.line.p1(), line.line.p2()).normalized().adjusted(-1, -1, 1, 1)))
            drawLine(painter, line);

    for (const SheetSection& section : layout.sections) {
        if (shows(section.band.rect)) {
            fillArea(painter, section.band);
            drawText(painter, section.title);
        }
        for (const SheetCell& cell : section.headings)
            if (shows(cell.fill.rect))
                drawCell(painter, cell);
        for (const SheetRow& row : section.rows) {
            if (!shows(row.cells[0].fill.rect))
                continue;
            for (const SheetCell& cell : row.cells)
                drawCell(painter, cell);
            painter.fillRect(row.bar.track, argb(kBarTrack));
            if (row.bar.filledWidth > 0) {
                QRectF filled = row.bar.track;
                filled.setWidth(row.bar.filledWidth);
                painter.fillRect(filled, row.bar.color);
            }
        }
        if (shows(gaugeBox(section.gauge)))
            drawGauge(painter, section.gauge);
    }

    if (shows(gaugeBox(layout.overall)))
        drawGauge(painter, layout.overall);
    if (shows(layout.verdict.rect))
        drawText(painter, layout.verdict);
    painter.restore();
}

} // namespace lumikan::render
