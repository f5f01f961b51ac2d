#include "render/match_report_layout.h"

#include "render/font_substitution.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace lumikan::render {

using namespace match_sheet;

namespace {

constexpr qreal kTableRight = kTableLeft + kTableWidth;
constexpr qreal kTableMiddle = kTableLeft + kTableWidth / 2;

const std::array<QString, kColumnCount> kHeadings = {QStringLiteral("Koot"),
                                                     QStringLiteral("Subject"),
                                                     QStringLiteral("Male"),
                                                     QStringLiteral("Female"),
                                                     QStringLiteral("Max"),
                                                     QStringLiteral("Marks"),
                                                     QString(),
                                                     QStringLiteral("Compatibility")};

QFont sheetFont(QStringView family, qreal points, QFont::Weight weight = QFont::Normal,
                bool italic = false)
{
    QFont font = designFont(family, points, weight);
    font.setItalic(italic);
    return font;
}

QColor argb(QRgb value)
{
    return QColor::fromRgba(value);
}

SheetText centredText(const QString& text, const QRectF& rect, const QFont& font, QRgb color)
{
    return {text, rect, font, argb(color), Qt::AlignCenter, false};
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

SheetLine divider(qreal y)
{
    return {QLineF(kTableLeft, y, kTableRight, y), kDividerWidth, argb(kPageTop), argb(kGold)};
}

QString oneDecimal(double value)
{
    return QString::asprintf("%.1f", value);
}

QString valueCell(const std::string& value, double points)
{
    return QString::fromStdString(value) + QLatin1Char('(') + oneDecimal(points) + QLatin1Char(')');
}

// Rows judge at 75 % and 50 %.
QRgb rowBandColor(double percent)
{
    return percent >= 75 ? kGood : percent >= 50 ? kMiddling : kPoor;
}

SheetGauge gauge(QPointF centre, qreal radius, double score, double maximum, QRgb color)
{
    SheetGauge g;
    g.centre = centre;
    g.radius = radius;
    g.color = argb(color);
    if (maximum > 0)
        g.sweepDeg = 270.0 * std::clamp(score / maximum, 0.0, 1.0);
    const QString figures =
        QString::asprintf("%.1f/%d", score, static_cast<int>(std::clamp(maximum, -1e9, 1e9)));
    // Figures wider than the inside of the ring ("216.0/216" in a section
    // gauge) are set smaller rather than drawn over it.
    QFont figuresFont = sheetFont(u"Georgia", 10, QFont::Bold);
    const qreal room = 2 * radius - kGaugePenWidth - 4;
    const qreal width = QFontMetricsF(figuresFont).horizontalAdvance(figures);
    if (width > room)
        figuresFont.setPointSizeF(std::max(6.0, std::floor(40 * room / width) / 4));
    g.figures = centredText(figures, QRectF(centre.x() - radius, centre.y() - 22, 2 * radius, 22),
                            figuresFont, kInk);
    g.caption = centredText(QStringLiteral("Score"),
                            QRectF(centre.x() - radius, centre.y() + 4, 2 * radius, 14),
                            sheetFont(u"Segoe UI", 6), kCaption);
    return g;
}

SheetRow layoutRow(const match::MatchRow& row, int index, qreal y)
{
    SheetRow out;
    out.percent = matchPercent(row.score, row.maxScore);
    const QRgb background = index % 2 == 0 ? kRowEven : kRowOdd;
    const QFont textFont = sheetFont(u"Palatino Linotype", 7.5);

    std::array<QString, kColumnCount> texts;
    texts[Koot] = QString::fromStdString(row.name);
    texts[Subject] = QString::fromStdString(row.subject.empty() ? row.name : row.subject);
    texts[Male] = valueCell(row.maleValue, row.score);
    // The girl's cell carries the points not obtained.
    texts[Female] = valueCell(row.femaleValue, row.maxScore - row.score);
    texts[Max] = oneDecimal(row.maxScore);
    texts[Marks] = oneDecimal(row.score);
    texts[Symbol] = out.percent >= 50 ? QStringLiteral("\u2714") : QStringLiteral("\u2718");
    texts[Compatibility] = out.percent >= 75   ? QStringLiteral("Excellent harmony")
                           : out.percent >= 50 ? QStringLiteral("Moderate compatibility")
                                               : QStringLiteral("Needs attention");

    qreal x = kTableLeft;
    for (int c = 0; c < kColumnCount; ++c) {
        const qreal width = kColumnWidths[std::size_t(c)];
        const QRectF rect(x, y, width, kRowHeight);
        SheetCell& cell = out.cells[std::size_t(c)];
        QRgb fill = background;
        if (c == Compatibility)
            fill = out.percent >= 75   ? kCellExcellent
                   : out.percent >= 50 ? kCellModerate
                                       : kCellAttention;
        cell.fill = solid(rect, fill);
        const bool leftAligned = c == Koot || c == Subject || c == Compatibility;
        cell.text.text = texts[std::size_t(c)];
        cell.text.rect = rect.adjusted(4, 3, -4, -3);
        cell.text.font = textFont;
        cell.text.color = argb(kInk);
        cell.text.alignment = (leftAligned ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignTop;
        cell.text.cellText = true;
        if (c == Symbol) {
            cell.text.font = sheetFont(u"Segoe UI Symbol", 9, QFont::Bold);
            cell.text.color = argb(out.percent >= 50 ? kGood : kPoor);
        }
        if (c == Marks) {
            out.bar.track = QRectF(x + 5, y + kRowHeight - 9, width - 10, 5);
            out.bar.filledWidth = out.bar.track.width() * std::clamp(out.percent, 0.0, 100.0) / 100;
            out.bar.color = argb(rowBandColor(out.percent));
        }
        x += width;
    }
    return out;
}

SheetSection layoutSection(const QString& title, std::vector<match::MatchRow>::const_iterator first,
                           std::vector<match::MatchRow>::const_iterator last, qreal& y)
{
    SheetSection section;
    section.band = horizontalGradient(QRectF(18, y, 830, kBandHeight), kTitle, kBandEnd);
    section.title = centredText(title, QRectF(kTableLeft, y, kTableWidth, kBandHeight),
                                sheetFont(u"Georgia", 9, QFont::Bold), kSectionTitle);
    y += 30;

    const QFont headingFont = sheetFont(u"Georgia", 8, QFont::Bold);
    qreal x = kTableLeft;
    for (int c = 0; c < kColumnCount; ++c) {
        const QRectF rect(x, y, kColumnWidths[std::size_t(c)], kHeaderRowHeight);
        SheetCell& cell = section.headings[std::size_t(c)];
        cell.fill = verticalGradient(QRectF(kTableLeft, y, kTableWidth, kHeaderRowHeight),
                                     kHeaderRowTop, kHeaderRowBottom);
        cell.fill.rect = rect;
        cell.text = centredText(kHeadings[std::size_t(c)], rect, headingFont, kSectionTitle);
        x += rect.width();
    }
    y += kHeaderRowHeight;

    int index = 0;
    for (auto it = first; it != last; ++it, ++index) {
        section.rows.push_back(layoutRow(*it, index, y));
        section.score += it->score;
        section.maximum += it->maxScore;
        y += kRowHeight;
    }

    const double percent = matchPercent(section.score, section.maximum);
    const qreal middle = y - qreal(section.rows.size()) * kRowHeight / 2;
    section.gauge = gauge(QPointF(63, middle), 32, section.score, section.maximum,
                          percent >= 55 ? kSectionGaugeGood : kPoor);
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
    if (text.text.isEmpty())
        return;
    painter.setFont(text.font);
    painter.setPen(text.color);
    if (!text.cellText) {
        painter.drawText(text.rect, int(text.alignment) | Qt::TextWordWrap, text.text);
        return;
    }
    const QStringList lines = fitCellText(text.text, text.font, text.rect.size(), painter.device());
    const qreal lineHeight = QFontMetricsF(text.font, painter.device()).lineSpacing();
    const Qt::Alignment horizontal = text.alignment & Qt::AlignHorizontal_Mask;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QRectF lineRect(text.rect.x(), text.rect.y() + qreal(i) * lineHeight,
                              text.rect.width(), lineHeight);
        painter.drawText(lineRect, int(horizontal | Qt::AlignTop) | Qt::TextSingleLine, lines[i]);
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
    for (const SheetText* text : {&g.figures, &g.caption}) {
        painter.setFont(text->font);
        painter.setPen(text->color);
        painter.drawText(text->rect, Qt::AlignCenter | Qt::TextDontClip, text->text);
    }
}

} // namespace

QSize matchReportScrollSize(std::size_t rowCount)
{
    const int n = static_cast<int>(std::min<std::size_t>(rowCount, 1'000'000));
    const int header = n > 0 ? std::min(n, 8) * 27 + 284 : 216;
    const int footer = n > 8 ? (n - 8) * 27 + 310 : 242;
    return {kSheetWidth, header + footer};
}

double matchPercent(double score, double maximum)
{
    return maximum > 0 ? score * 100 / maximum : 0;
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

MatchReportLayout layoutMatchReport(const MatchReportContent& content, QSize visibleExtent)
{
    MatchReportLayout layout;
    const QRectF page(0, 0, std::max(visibleExtent.width(), kSheetWidth),
                      std::max(visibleExtent.height(), kPageGradientHeight));
    layout.page = {page, argb(kPageTop), argb(kPageBottom), QPointF(0, 0),
                   QPointF(0, kPageGradientHeight)};

    const QColor gold = argb(kGold);
    for (const QLineF& l : {QLineF(14, 14, 46, 14), QLineF(14, 14, 14, 46),
                            QLineF(1386, 14, 1354, 14), QLineF(1386, 14, 1386, 46)})
        layout.ornaments.push_back({l, kOrnamentWidth, gold, QColor()});

    qreal y = 10;
    layout.om = centredText(QStringLiteral("\u0950"), QRectF(kTableMiddle - 52, y + 8, 104, 52),
                            sheetFont(u"Arial Unicode MS", 26, QFont::Bold), kGold);
    y += 74;
    layout.dividers.push_back(divider(y));
    y += 10;
    layout.title = centredText(QStringLiteral("Kundli Milan \u2014 Ashtakoota Matching"),
                               QRectF(kTableLeft, y, kTableWidth, 34),
                               sheetFont(u"Palatino Linotype", 17, QFont::Bold), kTitle);
    y += 38;
    layout.subtitle = centredText(QStringLiteral("Vedic Horoscope Compatibility Analysis"),
                                  QRectF(kTableLeft, y, kTableWidth, 18),
                                  sheetFont(u"Georgia", 9, QFont::Normal, true), kGold);
    y += 24;
    layout.dividers.push_back(divider(y));
    y += 10;
    layout.names = centredText(content.boyName + QStringLiteral("  \u2665  ") + content.girlName,
                               QRectF(kTableLeft, y, kTableWidth, 28),
                               sheetFont(u"Georgia", 12, QFont::Bold), kInk);
    y += 34;
    layout.dividers.push_back(divider(y));
    y += 16;

    // An empty first section is left out like an empty second one, so that
    // the footer of an empty report lies inside its scroll height.
    const auto& rows = content.rows;
    const auto split = rows.begin() + std::min<std::ptrdiff_t>(std::ptrdiff_t(rows.size()),
                                                               match::kAshtakootaRowCount);
    if (rows.begin() != split)
        layout.sections.push_back(
            layoutSection(QStringLiteral("\u263D  Ashtakoota \u2014 36-Point Traditional Matching"),
                          rows.begin(), split, y));
    if (split != rows.end())
        layout.sections.push_back(
            layoutSection(QStringLiteral("\u2605  Extended KP & Modern Compatibility Analysis"),
                          split, rows.end(), y));

    y += 24;
    const double percent = matchPercent(content.totalScore, content.totalMax);
    const QRgb overallColor = content.totalMax > 0 && percent >= 65   ? kGood
                              : content.totalMax > 0 && percent >= 40 ? kMiddling
                                                                      : kPoor;
    layout.overall = gauge(QPointF(kTableMiddle, y + 64), 52, content.totalScore, content.totalMax,
                           overallColor);
    layout.dividers.push_back(divider(y + 132));
    layout.verdict = centredText(matchVerdict(percent, content.boyName, content.girlName),
                                 QRectF(kTableLeft, y + 142, kTableWidth, 64),
                                 sheetFont(u"Palatino Linotype", 9, QFont::Normal, true), kInk);
    layout.dividers.push_back(divider(y + 214));
    return layout;
}

QStringList fitCellText(const QString& text, const QFont& font, QSizeF box, QPaintDevice* device)
{
    QTextLayout textLayout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    textLayout.setTextOption(option);
    const QFontMetricsF metrics(font, device);
    const int maxLines = std::max(1, int(std::floor(box.height() / metrics.lineSpacing())));

    QStringList lines;
    textLayout.beginLayout();
    for (QTextLine line = textLayout.createLine(); line.isValid(); line = textLayout.createLine()) {
        line.setLineWidth(box.width());
        if (lines.size() + 1 == maxLines) {
            // The last line that fits takes the rest of the text.
            const QString rest = text.mid(line.textStart()).simplified();
            lines << metrics.elidedText(rest, Qt::ElideRight, box.width());
            break;
        }
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    textLayout.endLayout();
    return lines;
}

void paintMatchReport(QPainter& painter, const MatchReportLayout& layout)
{
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    fillArea(painter, layout.page);
    for (const SheetLine& line : layout.ornaments)
        drawLine(painter, line);
    for (const SheetText* text : {&layout.om, &layout.title, &layout.subtitle, &layout.names})
        drawText(painter, *text);
    for (const SheetLine& line : layout.dividers)
        drawLine(painter, line);

    for (const SheetSection& section : layout.sections) {
        fillArea(painter, section.band);
        drawText(painter, section.title);
        for (const SheetCell& cell : section.headings)
            drawCell(painter, cell);
        for (const SheetRow& row : section.rows) {
            for (const SheetCell& cell : row.cells)
                drawCell(painter, cell);
            painter.fillRect(row.bar.track, argb(kBarTrack));
            if (row.bar.filledWidth > 0) {
                QRectF filled = row.bar.track;
                filled.setWidth(row.bar.filledWidth);
                painter.fillRect(filled, row.bar.color);
            }
        }
        drawGauge(painter, section.gauge);
    }

    drawGauge(painter, layout.overall);
    drawText(painter, layout.verdict);
    painter.restore();
}

} // namespace lumikan::render
