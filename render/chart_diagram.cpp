#include "render/chart_diagram.h"

#include "engine/zodiac.h"
#include "render/chart_appearance.h"
#include "render/contrast.h"
#include "render/font_substitution.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace lumikan::render {

namespace {

using engine::CuspPosition;
using engine::PlanetPosition;

// Where house h's sign number stands: percent of the half width and half
// height from the centre, x to the right, y downwards.
struct HouseAnchor {
    int xPercent, yPercent;
};
constexpr std::array<HouseAnchor, 12> HOUSE_ANCHORS = {{
    {0, -5},
    {-52, -58},
    {-60, -40},
    {-18, 10},
    {-60, 59},
    {-52, 72},
    {0, 22},
    {50, 70},
    {64, 55},
    {18, 10},
    {64, -40},
    {50, -58},
}};

// Where house h's planet labels start relative to its anchor (x in 1/180 of
// the half width, y in 1/95 of the half height) and how many share a row.
struct HousePlanetLayout {
    int xOffset, yOffset, labelsPerRow;
};
constexpr std::array<HousePlanetLayout, 12> HOUSE_PLANET_LAYOUT = {{
    {130, -60, 4},
    {-20, -45, 3},
    {-80, -30, 2},
    {-50, -20, 4},
    {-80, -35, 2},
    {-35, 0, 3},
    {0, 10, 4},
    {-35, 0, 3},
    {20, -35, 2},
    {20, -20, 4},
    {10, -30, 3},
    {-20, -45, 4},
}};

constexpr int kOutlineCorner = 24; // square holding each rounded corner's arc
constexpr int kTabSize = 20;
constexpr int kTabCorner = 16;
constexpr int kDiamondInset = 15;
constexpr int kLabelGap = 6;    // between labels in a row
constexpr int kLabelRowGap = 4; // between rows

// Adds an arc given as the drawing code states it: start angle clockwise from
// the x axis (y downwards), sweeping 90 degrees clockwise.
void addClockwiseQuarterArc(QPainterPath& path, int x, int y, int size, int startDeg)
{
    const QRectF box(x, y, size, size);
    if (path.elementCount() == 0)
        path.arcMoveTo(box, -startDeg);
    path.arcTo(box, -startDeg, -90);
}

QPainterPath tabPath(int arcX, int arcY, int startDeg, std::initializer_list<QPoint> points)
{
    QPainterPath path;
    addClockwiseQuarterArc(path, arcX, arcY, kTabCorner, startDeg);
    for (const QPoint& p : points)
        path.lineTo(p);
    path.closeSubpath();
    return path;
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString lordNameOrDash(engine::LordIndex lord)
{
    return engine::isValidLord(lord) ? latin1(engine::lordName(lord)) : QStringLiteral("-");
}

void layoutFrame(ChartDiagramLayout& layout, int L, int T, int R, int B)
{
    const int cx = L + (R - L) / 2;
    const int cy = T + (B - T) / 2;

    QPainterPath outline;
    addClockwiseQuarterArc(outline, L, T, kOutlineCorner, 180);
    addClockwiseQuarterArc(outline, R - kOutlineCorner, T, kOutlineCorner, 270);
    addClockwiseQuarterArc(outline, R - kOutlineCorner, B - kOutlineCorner, kOutlineCorner, 0);
    addClockwiseQuarterArc(outline, L, B - kOutlineCorner, kOutlineCorner, 90);
    outline.closeSubpath();
    layout.outline = outline;

    const int d = kDiamondInset;
    layout.diamond = QPolygon({QPoint(cx, T + d), QPoint(R - d, cy), QPoint(cx, B - d),
                               QPoint(L + d, cy), QPoint(cx, T + d)});

    const int s = kTabSize;
    const int c = kTabCorner;
    layout.cornerTabs = {
        tabPath(L, T, 180, {{L + c, T}, {L + s, T}, {L + s, T + s}, {L, T + s}}),
        tabPath(R - c, T, 270, {{R, T + c}, {R, T + s}, {R - s, T + s}, {R - s, T}}),
        tabPath(R - c, B - c, 0, {{R - c, B}, {R - s, B}, {R - s, B - s}, {R, B - s}}),
        tabPath(L, B - c, 90, {{L, B - c}, {L, B - s}, {L + s, B - s}, {L + s, B}}),
    };

    layout.diagonals = {QLine(L + s, T + s, R - s, B - s), QLine(R - s, T + s, L + s, B - s)};
    layout.ticks = {QLine(L + d, cy, L, cy), QLine(R - d, cy, R, cy), QLine(cx, T + d, cx, T),
                    QLine(cx, B - d, cx, B)};
}

} // namespace

std::vector<ChartHitRegion> ChartDiagramLayout::regions() const
{
    std::vector<ChartHitRegion> result;
    result.reserve(labels.size());
    for (const ChartPlanetLabel& label : labels)
        result.push_back({label.label.rect, label.tooltipText, label.body});
    return result;
}

QString chartDegreeText(double longitudeDeg)
{
    const double inSign = std::fmod(longitudeDeg, 30.0);
    const int degrees = static_cast<int>(inSign);
    const int minutes = static_cast<int>((inSign - degrees) * 60.0);
    const int sign = static_cast<int>(longitudeDeg / 30.0);
    return QStringLiteral("%1°%2' %3")
        .arg(degrees, 2, 10, QLatin1Char('0'))
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(latin1(engine::signName(sign)));
}

QString chartTooltipText(const PlanetPosition& planet, int houseSignNumber)
{
    return QStringLiteral("%1\r\nSign: %2 (%3)\r\nDegree: %4\r\nStar Lord: %5\r\nSub Lord: %6")
        .arg(latin1(engine::bodyName(planet.body, 2)), latin1(engine::signName(planet.sign)))
        .arg(houseSignNumber)
        .arg(chartDegreeText(planet.longitude), lordNameOrDash(planet.starLord),
             lordNameOrDash(planet.subLord));
}

QString chartPlanetLabelText(const PlanetPosition& planet)
{
    QString text = latin1(engine::bodyCode(planet.body));
    if (planet.dignity.retrograde && !engine::isNode(planet.body))
        text += QLatin1Char('R');
    return text;
}

ChartDiagramLayout layoutChartDiagram(const QRect& bounds,
                                      const std::vector<PlanetPosition>* planets,
                                      const std::vector<CuspPosition>* cusps,
                                      const ColorTheme& theme, const QFont& font,
                                      const TextMeasure& measure,
                                      const std::vector<PlanetPosition>* secondSet)
{
    const int L = bounds.x();
    const int T = bounds.y();
    const int R = bounds.x() + bounds.width();
    const int B = bounds.y() + bounds.height();

    ChartDiagramLayout layout;
    layout.lineColor = QColor::fromRgb(theme.chartLine);
    layout.fillColor = QColor::fromRgb(theme.chartFill);
    layout.accentColor = QColor::fromRgb(theme.chartAccent);
    layoutFrame(layout, L, T, R, B);

    if (!planets || !cusps || cusps->empty())
        return layout;
    layout.hasContent = true;
    layout.font = font;

    const int cx = L + (R - L) / 2;
    const int cy = T + (B - T) / 2;
    const int ascendantSign = cusps->front().sign;
    const int hw = (R - 30 - L) / 2;
    const int hh = (B - T - 30) / 2;
    const int lift = (hh * 8) / 95;

    std::array<std::vector<const PlanetPosition*>, 12> buckets;
    for (const PlanetPosition& planet : *planets)
        if (planet.house >= 1 && planet.house <= 12)
            buckets[static_cast<std::size_t>(planet.house - 1)].push_back(&planet);
    auto inSecondSet = [secondSet](const PlanetPosition* p) {
        return secondSet && !secondSet->empty() && p >= secondSet->data() &&
               p < secondSet->data() + secondSet->size();
    };
    if (secondSet)
        for (const PlanetPosition& planet : *secondSet)
            if (planet.house >= 1 && planet.house <= 12)
                buckets[static_cast<std::size_t>(planet.house - 1)].push_back(&planet);
    for (auto& bucket : buckets)
        std::stable_sort(bucket.begin(), bucket.end(),
                         [](const PlanetPosition* a, const PlanetPosition* b) {
                             return a->longitude < b->longitude;
                         });

    // The label colours are the planets' own wherever the fill lets them read.
    const QColor signColor = readableOn(QColor::fromRgb(theme.chartText), layout.fillColor);
    for (int house = 1; house <= 12; ++house) {
        const std::size_t index = static_cast<std::size_t>(house - 1);
        // ((h + a - 1) mod 12) + 1, kept non-negative for a damaged cusp sign.
        const int signNumber = (((house + ascendantSign - 1) % 12) + 12) % 12 + 1;
        const int ax = cx + (hw * HOUSE_ANCHORS[index].xPercent) / 100;
        const int ay = cy + (hh * HOUSE_ANCHORS[index].yPercent) / 100;

        const QString number = QString::number(signNumber);
        const QSize numberSize = measure(number);
        layout.signNumbers[index] = {number,
                                     QRect(ax - numberSize.width() / 2,
                                           ay - numberSize.height() / 2 - lift, numberSize.width(),
                                           numberSize.height()),
                                     signColor, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine};

        const auto& bucket = buckets[index];
        const HousePlanetLayout& place = HOUSE_PLANET_LAYOUT[index];
        const int n = static_cast<int>(bucket.size());
        if (n == 0)
            continue;
        const int perRow = place.labelsPerRow;
        std::vector<QString> texts;
        std::vector<QSize> sizes;
        for (const PlanetPosition* planet : bucket) {
            texts.push_back(chartPlanetLabelText(*planet));
            sizes.push_back(measure(texts.back()));
        }

        // Every row starts at the same x. Within a row each label follows the
        // previous one by that one's own width, so a wide label ("SaR") never
        // runs into the next.
        int ox = (hw * place.xOffset) / 180;
        if (house == 4)
            ox -= 2 * sizes[0].width() + 14;
        if (house == 1 || house == 7) { // centre the first row on the anchor
            int firstRowWidth = 0;
            for (int k = 0; k < std::min(n, perRow); ++k)
                firstRowWidth += sizes[std::size_t(k)].width() + kLabelGap;
            ox = -(firstRowWidth / 2);
        }

        int x = ax + ox;
        for (int k = 0; k < n; ++k) {
            const std::size_t i = static_cast<std::size_t>(k);
            const PlanetPosition& planet = *bucket[i];
            const int w = sizes[i].width();
            const int t = sizes[i].height();
            if (k % perRow == 0)
                x = ax + ox;
            else
                x += sizes[i - 1].width() + kLabelGap;
            const int y = ay + (hh * place.yOffset) / 95 + (k / perRow) * (t + kLabelRowGap);

            ChartPlanetLabel label;
            label.label = {texts[i], QRect(x, y, w + 4, t + 2),
                           readableOn(planetColor(planet.body), layout.fillColor),
                           Qt::AlignCenter | Qt::TextSingleLine};
            label.body = planet.body;
            label.house = house;
            label.secondSet = inSecondSet(&planet);
            label.tooltipText = (label.secondSet ? QStringLiteral("Transit ") : QString()) +
                                chartTooltipText(planet, signNumber);
            layout.labels.push_back(std::move(label));
        }
    }
    return layout;
}

void paintChartDiagram(QPainter& painter, const ChartDiagramLayout& layout)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // Shapes are given on pixel centres; text rectangles on pixel edges.
    painter.save();
    painter.translate(0.5, 0.5);
    painter.setPen(
        QPen(layout.lineColor, layout.lineWidthPx, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(layout.fillColor);
    painter.drawPath(layout.outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(layout.diamond);
    painter.setBrush(layout.accentColor);
    for (const QPainterPath& tab : layout.cornerTabs)
        painter.drawPath(tab);
    painter.setBrush(Qt::NoBrush);
    for (const QLine& line : layout.diagonals)
        painter.drawLine(line);
    for (const QLine& line : layout.ticks)
        painter.drawLine(line);
    painter.restore();

    if (layout.hasContent) {
        painter.setFont(layout.font);
        auto drawText = [&painter](const ChartDiagramText& text) {
            painter.setPen(text.color);
            painter.drawText(text.rect, text.alignment, text.text);
        };
        for (const ChartDiagramText& number : layout.signNumbers)
            drawText(number);
        QFont italic = layout.font;
        italic.setItalic(true);
        for (const ChartPlanetLabel& label : layout.labels) {
            if (!label.secondSet) {
                drawText(label.label);
                continue;
            }
            painter.setFont(italic);
            painter.setPen(QPen(label.label.color, 1.0, Qt::DotLine));
            painter.drawRoundedRect(QRectF(label.label.rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
            drawText(label.label);
            painter.setFont(layout.font);
        }
    }
    painter.restore();
}

QFont chartDiagramFont(int textSizeTenths)
{
    return designFont(u"Segoe UI", textSizeTenths / 10.0);
}

void DrawChartDiagram(QPainter& painter, const QRect& bounds,
                      const std::vector<PlanetPosition>* planets,
                      const std::vector<CuspPosition>* cusps, std::vector<ChartHitRegion>* regions)
{
    const QFont font = chartDiagramFont(chartTextSize());
    const QFontMetrics metrics(font, painter.device());
    const TextMeasure measure = [&metrics](const QString& text) {
        return QSize(metrics.horizontalAdvance(text), metrics.height());
    };
    const ChartDiagramLayout layout =
        layoutChartDiagram(bounds, planets, cusps, currentTheme(), font, measure);
    paintChartDiagram(painter, layout);
    if (regions && layout.hasContent)
        *regions = layout.regions();
}

int chartTextSizeForPanelWidth(int panelWidthPx)
{
    const int size = (95 * panelWidthPx - 3800) / 390;
    if (size < 50)
        return 50;
    if (size > 200)
        return 72;
    return size;
}

ChartsPanelPlacement placeChartsInPanel(const QRect& panel)
{
    const int PL = panel.x();
    const int PT = panel.y();
    const int PR = panel.x() + panel.width();
    const int PB = panel.y() + panel.height();
    const int W = PR - PL;

    const int hh = (PB - PT - 51) / 2;
    const int S = std::min(hh, (60 * W - 2400) / 100);
    const int left = PL + 20;
    const int width = (PR - 20) - left;
    const int M = PT + hh;

    ChartsPanelPlacement placement;
    placement.rashi = QRect(left, PT + 30 + (hh - S) / 2, width, S);
    placement.bhava = QRect(left, M + 46 + (PB - 20 - (M + 31) - S) / 2, width, S);
    placement.textSize = chartTextSizeForPanelWidth(W);
    placement.rashiCaptionTopLeft = QPoint(PL + (W - 100) / 2, PT + 2);
    placement.bhavaCaptionTopLeft = QPoint(PL + (W - 100) / 2 - 5, M + 27);
    return placement;
}

} // namespace lumikan::render
