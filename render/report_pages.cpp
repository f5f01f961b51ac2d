#include "render/report_pages.h"

#include "document/atomic_file.h"
#include "document/chart_rows.h"
#include "document/name_forms.h"
#include "document/verokant_doc.h"
#include "engine/dignity_tables.h"
#include "render/chart_diagram.h"
#include "render/font_substitution.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <cmath>

namespace lumikan::render {

namespace {

constexpr QRgb kSectionColor = 0x1C4880;
constexpr QRgb kGridColor = 0xB4C8E6;
constexpr QRgb kCellText = 0x141428;
constexpr QRgb kCardHeaderText = 0x1E1E32;
constexpr QRgb kSubPeriodText = 0x50506E;
constexpr QRgb kSubPeriodBack = 0xFAFAFF;
constexpr QRgb kRunningBack = 0xFFEB78;
constexpr QRgb kRunningText = 0x503200;
constexpr QRgb kRunningSubBack = 0xFFF8B4;
constexpr QRgb kNowBadge = 0xFFC800;
constexpr QRgb kFooterText = 0x646478;

// The diagrams are drawn for a bitmap of this size and stretched onto the page.
constexpr int kDiagramWidth = 500;
constexpr int kDiagramHeight = 340;
// Sharper than the stretched bitmap, but never a huge image.
constexpr double kMaxDiagramScale = 4.0;

const QString kSubPeriodPrefix = QStringLiteral("  \u203A ");

// Windows' MulDiv: a x b / c rounded to the nearest integer.
int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

int bottomOf(const QRect& r)
{
    return r.y() + r.height();
}

QColor rgb(QRgb value)
{
    return QColor::fromRgb(value);
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Left edges and widths of weighted columns across `width`; the last column
// takes what the rounding leaves.
std::vector<std::pair<int, int>> columnSpans(int left, int width, const std::vector<int>& weights)
{
    int sum = 0;
    for (int w : weights)
        sum += w;
    std::vector<std::pair<int, int>> spans;
    int x = left;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const int w = i + 1 == weights.size() ? left + width - x : mulDiv(width, weights[i], sum);
        spans.emplace_back(x, w);
        x += w;
    }
    return spans;
}

void addText(ReportPage& page, const QRect& rect, const QString& text, QRgb color, ReportFont font,
             int alignment)
{
    page.items.push_back(ReportText{rect, text, rgb(color), font, alignment});
}

void addFill(ReportPage& page, const QRect& rect, QRgb color)
{
    page.items.push_back(ReportFill{rect, rgb(color)});
}

// One row of cells, text inset from the cell edges and centred vertically.
void addCells(ReportPage& page, const ReportMetrics& m, int y,
              const std::vector<std::pair<int, int>>& spans, const QStringList& texts,
              const std::vector<int>& alignments, QRgb color, ReportFont font)
{
    for (std::size_t c = 0; c < spans.size(); ++c) {
        const QString text = c < std::size_t(texts.size()) ? texts[qsizetype(c)] : QString();
        const QRect cell(spans[c].first + m.inset, y, std::max(0, spans[c].second - 2 * m.inset),
                         m.rowHeight);
        addText(page, cell, text, color, font, alignments[c] | Qt::AlignVCenter);
    }
}

QString joinHouses(const std::vector<int>& houses)
{
    if (houses.empty())
        return QStringLiteral("-");
    QStringList parts;
    for (int h : houses)
        parts.push_back(QString::number(h));
    return parts.join(QLatin1Char(','));
}

const std::vector<int>* housesOf(const std::vector<engine::PlanetHouses>& table,
                                 engine::BodyId body)
{
    for (const engine::PlanetHouses& entry : table)
        if (entry.body == body)
            return &entry.houses;
    return nullptr;
}

QString housesText(const std::vector<engine::PlanetHouses>& table, engine::BodyId body)
{
    const std::vector<int>* houses = housesOf(table, body);
    return houses ? joinHouses(*houses) : QStringLiteral("-");
}

QString bodyNames(const std::vector<engine::BodyId>& bodies, int form)
{
    if (bodies.empty())
        return QStringLiteral("-");
    QStringList names;
    for (engine::BodyId b : bodies)
        names.push_back(document::planetNameInForm(b, form));
    return names.join(QStringLiteral(", "));
}

QString lordNames(const std::vector<engine::LordIndex>& lords, int form)
{
    if (lords.empty())
        return QStringLiteral("-");
    QStringList names;
    for (engine::LordIndex l : lords)
        names.push_back(document::lordNameInForm(l, form));
    return names.join(QStringLiteral(", "));
}

ReportTable table(const QString& title, std::vector<ReportColumn> columns, QRgb header, QRgb stripe)
{
    ReportTable t;
    t.title = title;
    t.columns = std::move(columns);
    t.headerColor = header;
    t.stripeColor = stripe;
    return t;
}

int firstWithLord(const std::vector<engine::DashaPeriod>& periods, engine::LordIndex lord)
{
    if (lord < 0)
        return -1;
    for (std::size_t i = 0; i < periods.size(); ++i)
        if (periods[i].lord == lord)
            return int(i);
    return -1;
}

// --- Dasha cards ---------------------------------------------------------------

enum class CardStyle { Overview, FullDetail };

int cardLineCount(const engine::DashaPeriod& maha)
{
    int lines = 2 + int(maha.antardashas.size());
    for (const engine::DashaPeriod& antar : maha.antardashas)
        lines += int(antar.pratyantardashas.size());
    return lines;
}

QString yearOf(const std::string& date)
{
    return QString::fromStdString(date.substr(0, 4));
}

QString cardTitle(const engine::DashaPeriod& maha, CardStyle style, double birthJulianDayUt)
{
    const QString lord = QString::fromStdString(maha.lordName);
    if (style == CardStyle::Overview)
        return QStringLiteral("%1 Mahadasha (%2\u2013%3)")
            .arg(lord, yearOf(maha.start), yearOf(maha.end));
    // Ages in calendar years from the birth moment.
    const double from = (maha.startJulianDayUt - birthJulianDayUt) / 365.25;
    const double to = (maha.endJulianDayUt - birthJulianDayUt) / 365.25;
    return QStringLiteral("%1  (%2y\u2013%3y)")
        .arg(lord, QString::number(from, 'f', 0), QString::number(to, 'f', 0));
}

// One card at (x, y), `width` wide; its lines stop at the bottom of the page
// area. `running` holds the running antardasha and pratyantardasha positions
// when this is the running mahadasha.
void addDashaCard(ReportPage& page, const ReportMetrics& m, int x, int y, int width,
                  const engine::DashaPeriod& maha, CardStyle style, double birthJulianDayUt,
                  bool isRunning, const RunningDashaPosition& running)
{
    const int bottom = bottomOf(m.pageArea);
    const LordCardColors colors = lordCardColors(maha.lord);
    const auto spans = columnSpans(x, width, {34, 33, 33});
    const std::vector<int> left(3, Qt::AlignLeft);
    const bool detail = style == CardStyle::FullDetail;
    const int rowH = m.rowHeight;

    // Title bar, with the NOW badge at its right end for the running period.
    int badgeWidth = 0;
    if (detail && isRunning) {
        badgeWidth = 3 * m.bodyHeight;
        const int pad = std::max(1, rowH / 6);
        const QRect badge(x + width - m.inset - badgeWidth, y + pad, badgeWidth, rowH - 2 * pad);
        addFill(page, QRect(x, y, width, rowH), colors.dark);
        addFill(page, badge, kNowBadge);
        addText(page, badge, QStringLiteral("NOW"), kRunningText, ReportFont::Bold,
                Qt::AlignCenter);
    } else {
        addFill(page, QRect(x, y, width, rowH), colors.dark);
    }
    const int titleRight =
        badgeWidth > 0 ? x + width - 2 * m.inset - badgeWidth : x + width - m.inset;
    addText(page, QRect(x + m.inset, y, std::max(0, titleRight - x - m.inset), rowH),
            cardTitle(maha, style, birthJulianDayUt), 0xFFFFFF, ReportFont::Bold,
            Qt::AlignLeft | Qt::AlignVCenter);

    int lineY = y + rowH;
    std::vector<int> separators;
    if (lineY + rowH <= bottom) {
        addFill(page, QRect(x, lineY, width, rowH), colors.light);
        addCells(page, m, lineY, spans,
                 {detail ? QStringLiteral("AD / PD") : QStringLiteral("AD"),
                  QStringLiteral("Start"), QStringLiteral("End")},
                 left, kCardHeaderText, ReportFont::Bold);
        lineY += rowH;
        separators.push_back(lineY);
    }

    auto addLine = [&](const QStringList& texts, QRgb back, QRgb text, ReportFont font) {
        if (lineY + rowH > bottom)
            return false;
        addFill(page, QRect(x, lineY, width, rowH), back);
        addCells(page, m, lineY, spans, texts, left, text, font);
        lineY += rowH;
        separators.push_back(lineY);
        return true;
    };

    for (std::size_t a = 0; a < maha.antardashas.size(); ++a) {
        const engine::DashaPeriod& antar = maha.antardashas[a];
        const bool antarRunning = isRunning && int(a) == running.antardasha;
        QRgb back = 0xFFFFFF;
        QRgb text = kCellText;
        ReportFont font = ReportFont::Body;
        if (detail) {
            back = a % 2 == 0 ? 0xFFFFFF : colors.light;
            if (antarRunning) {
                back = kRunningBack;
                text = kRunningText;
                font = ReportFont::Bold;
            }
        }
        if (!addLine({QString::fromStdString(antar.lordName), QString::fromStdString(antar.start),
                      QString::fromStdString(antar.end)},
                     back, text, font))
            break;
        bool full = false;
        for (std::size_t p = 0; p < antar.pratyantardashas.size(); ++p) {
            const engine::DashaPeriod& pd = antar.pratyantardashas[p];
            const bool pdRunning = antarRunning && int(p) == running.pratyantardasha;
            const QRgb pdBack = !detail ? 0xFFFFFF : pdRunning ? kRunningSubBack : kSubPeriodBack;
            if (!addLine({kSubPeriodPrefix + QString::fromStdString(pd.lordName),
                          QString::fromStdString(pd.start), QString::fromStdString(pd.end)},
                         pdBack, kSubPeriodText, ReportFont::Body)) {
                full = true;
                break;
            }
        }
        if (full)
            break;
    }

    for (int sy : separators)
        addFill(page, QRect(x, sy - 1, width, 1), kGridColor);
    page.items.push_back(ReportFrame{QRect(x, y, width, lineY - y), rgb(colors.dark), 2});
}

// Three cards to a row, each row as tall as its tallest card. A row that would
// pass the page bottom is left out, except the first: a card taller than the
// page is cut at the bottom rather than never printed.
void addDashaCards(ReportPage& page, const ReportMetrics& m, int y, const ChartReportData& data,
                   CardStyle style)
{
    const int bottom = bottomOf(m.pageArea);
    const int width = (m.pageArea.width() - 2 * m.gap) / 3;
    const std::size_t count = data.dasha.size();
    for (std::size_t rowStart = 0; rowStart < count; rowStart += 3) {
        int tallest = 0;
        for (std::size_t k = rowStart; k < std::min(count, rowStart + 3); ++k)
            tallest = std::max(tallest, cardLineCount(data.dasha[k]) * m.rowHeight);
        if (rowStart > 0 && y + tallest > bottom)
            break;
        for (std::size_t k = rowStart; k < std::min(count, rowStart + 3); ++k) {
            const int x = m.pageArea.left() + int(k - rowStart) * (width + m.gap);
            addDashaCard(page, m, x, y, width, data.dasha[k], style, data.birthJulianDayUt,
                         int(k) == data.running.mahadasha, data.running);
        }
        y += tallest + m.gap;
        if (y >= bottom)
            break;
    }
}

// --- Pages ------------------------------------------------------------------------

// The largest rectangle of the diagram's aspect inside `cell`, centred.
QRect fitDiagram(const QRect& cell)
{
    int w = cell.width();
    int h = mulDiv(w, kDiagramHeight, kDiagramWidth);
    if (h > cell.height()) {
        h = cell.height();
        w = mulDiv(h, kDiagramWidth, kDiagramHeight);
    }
    return QRect(cell.x() + (cell.width() - w) / 2, cell.y() + (cell.height() - h) / 2, w, h);
}

void layoutPositionsPage(ReportPage& page, const ChartReportData& data, const ReportMetrics& m)
{
    int y = m.pageArea.top();
    y = addReportTable(page, m, y, data.planetTable) + m.gap;
    y = addReportTable(page, m, y, data.cuspTable) + m.gap;
    addReportTable(page, m, y, data.planetSignificatorTable);
}

void layoutDiagramsPage(ReportPage& page, const ChartReportData& data, const ReportMetrics& m)
{
    const QRect& area = m.pageArea;
    const int half = area.width() / 2 - m.gap;
    const int height = std::min(area.height() * 60 / 100, half * kDiagramHeight / kDiagramWidth);
    const std::array<QRect, 2> cells = {
        QRect(area.left(), area.top(), half, height),
        QRect(area.left() + area.width() - half, area.top(), half, height)};
    const std::array<QString, 2> captions = {QString::fromLatin1(kRashiChartCaption),
                                             QString::fromLatin1(kBhavaChartCaption)};
    int captionBottom = area.top();
    for (std::size_t i = 0; i < 2; ++i) {
        const QRect target = fitDiagram(cells[i]);
        page.items.push_back(
            ReportDiagram{target, i == 0 ? ReportDiagramKind::Rashi : ReportDiagramKind::Bhava});
        const QRect caption(target.left(), bottomOf(target) + m.bodyHeight / 2, target.width(),
                            m.rowHeight);
        addText(page, caption, captions[i], kSectionColor, ReportFont::Bold,
                Qt::AlignHCenter | Qt::AlignTop);
        captionBottom = std::max(captionBottom, bottomOf(caption));
    }
    // The tables keep clear of the captions on fine-grained devices, where
    // 200 pixels is less than a caption's height.
    int y = std::max(area.top() + 200 + height, captionBottom + m.gap / 2);
    y = addReportTable(page, m, y, data.houseSignificatorTable) + m.gap;
    y = addReportTable(page, m, y, data.rulingPlanetTable) + m.gap;
    addReportTable(page, m, y, data.karakaTable);
}

void paintDiagram(QPainter& painter, const ReportDiagram& diagram, const ChartReportData& data)
{
    if (diagram.target.isEmpty())
        return;
    // The picture of a 500 x 340 bitmap, rendered at up to four times that
    // resolution so that it does not print blurred.
    const double scale =
        std::clamp(diagram.target.width() / double(kDiagramWidth), 1.0, kMaxDiagramScale);
    QImage image(int(std::lround(kDiagramWidth * scale)), int(std::lround(kDiagramHeight * scale)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 dots per inch, what the diagram's text sizes assume
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        const auto& planets =
            diagram.kind == ReportDiagramKind::Rashi ? data.rashiPlanets : data.bhavaPlanets;
        // Inset by a pixel so that the outline stays inside the bitmap.
        DrawChartDiagram(p, QRect(1, 1, kDiagramWidth - 3, kDiagramHeight - 3), &planets,
                         &data.cusps, nullptr);
    }
    painter.drawImage(diagram.target, image);
}

} // namespace

// --- Public ------------------------------------------------------------------------

ReportMetrics reportMetrics(const QRect& drawingRect, int dpiX, int dpiY)
{
    ReportMetrics m;
    m.dpiX = dpiX;
    m.dpiY = dpiY;
    m.pageArea = drawingRect.adjusted(dpiX / 2, dpiY / 2, -(dpiX / 2), -(dpiY / 2));
    m.bodyHeight = mulDiv(9, dpiY, 72);
    m.headingHeight = mulDiv(13, dpiY, 72);
    m.smallHeight = mulDiv(7, dpiY, 72);
    m.rowHeight = int(std::lround(1.55 * m.bodyHeight));
    m.gap = dpiY / 5;
    m.inset = m.bodyHeight / 3;
    return m;
}

QFont reportFont(ReportFont role, const ReportMetrics& metrics)
{
    QFont font;
    switch (role) {
    case ReportFont::Body:
        font = designFont(u"Segoe UI", 9);
        font.setPixelSize(std::max(1, metrics.bodyHeight));
        break;
    case ReportFont::Bold:
        font = designFont(u"Segoe UI", 9, QFont::Bold);
        font.setPixelSize(std::max(1, metrics.bodyHeight));
        break;
    case ReportFont::Heading:
        font = designFont(u"Segoe UI", 13, QFont::Bold);
        font.setPixelSize(std::max(1, metrics.headingHeight));
        break;
    case ReportFont::Small:
        font = designFont(u"Segoe UI", 7);
        font.setPixelSize(std::max(1, metrics.smallHeight));
        break;
    }
    return font;
}

std::vector<const ReportText*> ReportPage::texts() const
{
    std::vector<const ReportText*> found;
    for (const ReportItem& item : items)
        if (const auto* text = std::get_if<ReportText>(&item))
            found.push_back(text);
    return found;
}

const ReportText* ReportPage::findText(const QString& text) const
{
    for (const ReportItem& item : items)
        if (const auto* t = std::get_if<ReportText>(&item); t && t->text == text)
            return t;
    return nullptr;
}

int addSectionTitle(ReportPage& page, const ReportMetrics& m, int y, const QString& title)
{
    const int lineY = y + 2 + m.headingHeight;
    // The text stands on the rule, so descenders never cross it.
    const int textHeight = int(std::lround(1.5 * m.headingHeight));
    addText(page, QRect(m.pageArea.left(), lineY - textHeight, m.pageArea.width(), textHeight),
            title, kSectionColor, ReportFont::Heading, Qt::AlignLeft | Qt::AlignBottom);
    addFill(page, QRect(m.pageArea.left(), lineY, m.pageArea.width(), 2), kSectionColor);
    return lineY + 2 + m.headingHeight / 2;
}

int addReportTable(ReportPage& page, const ReportMetrics& m, int y, const ReportTable& table)
{
    const int bottom = bottomOf(m.pageArea);
    const int rowH = m.rowHeight;
    const int titleSpace = table.title.isEmpty() ? 0 : 4 + m.headingHeight + m.headingHeight / 2;
    if (table.columns.empty() || y + titleSpace + rowH > bottom)
        return y;
    if (!table.title.isEmpty())
        y = addSectionTitle(page, m, y, table.title);

    const int left = m.pageArea.left();
    const int width = m.pageArea.width();
    std::vector<int> weights, alignments;
    QStringList headers;
    for (const ReportColumn& c : table.columns) {
        weights.push_back(c.weight);
        alignments.push_back(c.alignment);
        headers.push_back(c.header);
    }
    const auto spans = columnSpans(left, width, weights);

    const int top = y;
    addFill(page, QRect(left, y, width, rowH), table.headerColor);
    addCells(page, m, y, spans, headers, alignments, 0xFFFFFF, ReportFont::Bold);
    y += rowH;

    std::vector<int> rowBottoms;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (y + rowH > bottom)
            break;
        addFill(page, QRect(left, y, width, rowH), r % 2 == 0 ? 0xFFFFFF : table.stripeColor);
        addCells(page, m, y, spans, table.rows[r], alignments, kCellText, ReportFont::Body);
        y += rowH;
        rowBottoms.push_back(y);
    }

    for (int rowBottom : rowBottoms)
        addFill(page, QRect(left, rowBottom - 1, width, 1), kGridColor);
    for (std::size_t c = 1; c < spans.size(); ++c)
        addFill(page, QRect(spans[c].first, top, 1, y - top), kGridColor);
    page.items.push_back(ReportFrame{QRect(left, top, width, y - top), rgb(table.headerColor), 2});
    addFill(page, QRect(left, top + rowH - 1, width, 2), table.headerColor);
    return y;
}

void addReportFooter(ReportPage& page, const ReportMetrics& m)
{
    const int bottom = bottomOf(m.pageArea);
    addFill(page, QRect(m.pageArea.left(), bottom, m.pageArea.width(), 1), kGridColor);
    addText(page,
            QRect(m.pageArea.left(), bottom + m.gap / 2, m.pageArea.width(), 2 * m.smallHeight),
            QStringLiteral("Page %1 of %2").arg(page.number).arg(kReportPageCount), kFooterText,
            ReportFont::Small, Qt::AlignHCenter | Qt::AlignTop);
}

LordCardColors lordCardColors(engine::LordIndex lord)
{
    namespace lord_ = engine::lord;
    switch (lord) {
    case lord_::Sun:
        return {0xB45000, 0xFFD2AA};
    case lord_::Moon:
        return {0x285AA0, 0xD2E4FF};
    case lord_::Mars:
        return {0xA01E1E, 0xFFD2D2};
    case lord_::Mercury:
        return {0x147832, 0xD2FFE1};
    case lord_::Jupiter:
        return {0x8C6400, 0xFFF8CD};
    case lord_::Venus:
        return {0x822882, 0xF8D2F8};
    case lord_::Saturn:
        return {0x32325A, 0xD7D7EB};
    case lord_::Rahu:
        return {0x373737, 0xD7D7D7};
    case lord_::Ketu:
        return {0x64320A, 0xEED7C3};
    default:
        return {0x283C64, 0xDCE4F5};
    }
}

ChartReportData collectChartReport(const document::CVerokantDoc& doc)
{
    ChartReportData data;
    data.planetTable = table(QStringLiteral("Planetary Positions"),
                             {{QStringLiteral("Planet"), 12},
                              {QStringLiteral("Degree"), 10},
                              {QStringLiteral("Sign"), 10},
                              {QStringLiteral("Nakshatra"), 14},
                              {QStringLiteral("Star Lord"), 12},
                              {QStringLiteral("Sub Lord"), 12},
                              {QStringLiteral("Sub-Sub"), 12},
                              {QStringLiteral("Significators"), 18}},
                             0x1C376E, 0xF0F5FF);
    data.cuspTable = table(QStringLiteral("Cuspal Positions"),
                           {{QStringLiteral("Cusp"), 8},
                            {QStringLiteral("Degree"), 12},
                            {QStringLiteral("Sign Lord"), 14},
                            {QStringLiteral("Star Lord"), 14},
                            {QStringLiteral("Sub Lord"), 14},
                            {QStringLiteral("Sub-Sub"), 14},
                            {QStringLiteral("Significators"), 24}},
                           0x5A2878, 0xF8EEFF);
    data.planetSignificatorTable = table(QStringLiteral("KP Planet Significators"),
                                         {{QStringLiteral("Planet"), 12},
                                          {QStringLiteral("Houses"), 13},
                                          {QStringLiteral("Star Lord"), 13},
                                          {QStringLiteral("Star H."), 13},
                                          {QStringLiteral("Sub Lord"), 13},
                                          {QStringLiteral("Sub H."), 13},
                                          {QStringLiteral("Sub-Sub"), 12},
                                          {QStringLiteral("SS H."), 11}},
                                         0x006478, 0xE8F8FC);
    data.houseSignificatorTable = table(QStringLiteral("KP Significators"),
                                        {{QStringLiteral("House"), 8},
                                         {QStringLiteral("Star of Occ."), 23},
                                         {QStringLiteral("Occupants"), 23},
                                         {QStringLiteral("Star of Owner"), 23},
                                         {QStringLiteral("Owners"), 23}},
                                        0x145A3C, 0xEBFCF2);
    data.rulingPlanetTable = table(
        QStringLiteral("Ruling Planets"),
        {{QStringLiteral("Category"), 50}, {QStringLiteral("Planet"), 50}}, 0x3C3C6E, 0xEEEEFF);
    data.karakaTable =
        table(QStringLiteral("Chara Karakas"),
              {{QStringLiteral("Karaka"), 30}, {QStringLiteral("Planet"), 70}}, 0x8C4600, 0xFFF2E1);
    if (!doc.hasChart())
        return data;

    const engine::Chart& chart = doc.chart();
    const document::NameForms forms = doc.nameForms();
    const int pf = forms.planet;

    const document::ChartPresentation& shown = doc.presentation();
    for (const document::PlanetTableRow& r : shown.planets)
        data.planetTable.rows.push_back({r.planet, r.degree, r.sign, r.nakshatra, r.starLord,
                                         r.subLord, r.subSubLord, r.significators.trimmed()});
    // The cusp table shows the sign's lord rather than the sign.
    for (const document::CuspTableRow& r : shown.cusps)
        data.cuspTable.rows.push_back(
            {r.cusp, r.degree, r.signLord, r.starLord, r.subLord, r.subSubLord, r.significators});

    for (const engine::PlanetPosition& p : chart.planets) {
        auto lordHouses = [&](engine::LordIndex lord) {
            return housesText(chart.planetOwnSignificators, engine::lordToBody(lord));
        };
        data.planetSignificatorTable.rows.push_back(
            {document::planetNameInForm(p.body, pf), housesText(chart.planetSignificators, p.body),
             document::lordNameInForm(p.starLord, pf), lordHouses(p.starLord),
             document::lordNameInForm(p.subLord, pf), lordHouses(p.subLord),
             document::lordNameInForm(p.subSubLord, pf), lordHouses(p.subSubLord)});
    }

    for (const engine::HouseSignificators& h : chart.houseSignificators)
        data.houseSignificatorTable.rows.push_back(
            {QString::number(h.house), bodyNames(h.inStarOfOccupants, pf),
             bodyNames(h.occupants, pf), bodyNames(h.inStarOfOwner, pf), lordNames(h.owners, pf)});

    const std::array<std::pair<const char*, engine::LordIndex>, 6> lords = {{
        {"Moon Sign Lord", chart.moonSignLord},
        {"Moon Star Lord", chart.moonStarLord},
        {"Moon Sub Lord", chart.moonSubLord},
        {"Asc Sign Lord", chart.ascSignLord},
        {"Asc Star Lord", chart.ascStarLord},
        {"Asc Sub Lord", chart.ascSubLord},
    }};
    data.rulingPlanetTable.rows.push_back(
        {QStringLiteral("Day Lord"), document::planetNameInForm(chart.dayLord, pf)});
    for (const auto& [category, lord] : lords)
        data.rulingPlanetTable.rows.push_back(
            {QString::fromLatin1(category), document::lordNameInForm(lord, pf)});

    for (int rank = 0; rank < engine::kCharaKarakaCount; ++rank) {
        const auto found = std::find_if(
            chart.planets.begin(), chart.planets.end(),
            [rank](const engine::PlanetPosition& p) { return p.charaKarakaRank == rank; });
        if (found != chart.planets.end())
            data.karakaTable.rows.push_back({latin1(engine::charaKarakaLabel(rank)),
                                             document::planetNameInForm(found->body, pf)});
    }

    data.rashiPlanets = chart.rashiChartPlanets;
    data.bhavaPlanets = chart.bhavaChartPlanets;
    data.cusps = chart.cusps;
    data.dasha = engine::dashaPeriodsOf(chart.dasha, 3, chart.options.planetNameForm);
    data.birthJulianDayUt = chart.julianDayUt;

    if (doc.environment().clock) {
        const engine::RunningDasha running =
            engine::runningDasha(data.dasha, doc.environment().clock());
        data.running.mahadasha = firstWithLord(data.dasha, running.mahadasha);
        if (data.running.mahadasha >= 0) {
            const auto& antars = data.dasha[std::size_t(data.running.mahadasha)].antardashas;
            data.running.antardasha = firstWithLord(antars, running.antardasha);
            if (data.running.antardasha >= 0)
                data.running.pratyantardasha =
                    firstWithLord(antars[std::size_t(data.running.antardasha)].pratyantardashas,
                                  running.pratyantardasha);
        }
    }
    return data;
}

ReportPage layoutReportPage(const ChartReportData& data, int pageNumber, const ReportMetrics& m)
{
    ReportPage page;
    page.number = pageNumber;
    switch (pageNumber) {
    case 1:
        layoutPositionsPage(page, data, m);
        break;
    case 2:
        layoutDiagramsPage(page, data, m);
        break;
    case 3:
        addDashaCards(page, m, m.pageArea.top(), data, CardStyle::Overview);
        break;
    case 4: {
        const int y = addSectionTitle(
            page, m, m.pageArea.top(),
            QStringLiteral("Vimshottari Dasha \u2014 Full Detail (MD \u00B7 AD \u00B7 PD)"));
        addDashaCards(page, m, y, data, CardStyle::FullDetail);
        break;
    }
    default:
        break;
    }
    addReportFooter(page, m);
    return page;
}

void paintReportPage(QPainter& painter, const ReportPage& page, const ChartReportData& data,
                     const ReportMetrics& metrics)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const std::array<QFont, 4> fonts = {
        reportFont(ReportFont::Body, metrics), reportFont(ReportFont::Bold, metrics),
        reportFont(ReportFont::Heading, metrics), reportFont(ReportFont::Small, metrics)};
    for (const ReportItem& item : page.items) {
        if (const auto* fill = std::get_if<ReportFill>(&item)) {
            painter.fillRect(fill->rect, fill->color);
        } else if (const auto* frame = std::get_if<ReportFrame>(&item)) {
            const QRect& r = frame->rect;
            const int w = std::min({frame->width, r.width(), r.height()});
            painter.fillRect(QRect(r.left(), r.top(), r.width(), w), frame->color);
            painter.fillRect(QRect(r.left(), r.top() + r.height() - w, r.width(), w), frame->color);
            painter.fillRect(QRect(r.left(), r.top(), w, r.height()), frame->color);
            painter.fillRect(QRect(r.left() + r.width() - w, r.top(), w, r.height()), frame->color);
        } else if (const auto* text = std::get_if<ReportText>(&item)) {
            const QFont& font = fonts[std::size_t(text->font)];
            painter.setFont(font);
            painter.setPen(text->color);
            const QFontMetrics fm(font, painter.device());
            painter.drawText(text->rect, text->alignment | Qt::TextSingleLine,
                             fm.elidedText(text->text, Qt::ElideRight, text->rect.width()));
        } else if (const auto* diagram = std::get_if<ReportDiagram>(&item)) {
            paintDiagram(painter, *diagram, data);
        }
    }
    painter.restore();
}

bool renderChartReport(const ChartReportData& data, QPagedPaintDevice& device, int fromPage,
                       int toPage)
{
    if (fromPage <= 0 && toPage <= 0) {
        fromPage = 1;
        toPage = kReportPageCount;
    }
    fromPage = std::clamp(fromPage, 1, kReportPageCount);
    toPage = std::clamp(toPage <= 0 ? kReportPageCount : toPage, fromPage, kReportPageCount);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int number = fromPage; number <= toPage; ++number) {
        if (number > fromPage && !device.newPage())
            return false;
        const ReportMetrics metrics = reportMetrics(QRect(0, 0, device.width(), device.height()),
                                                    device.logicalDpiX(), device.logicalDpiY());
        paintReportPage(painter, layoutReportPage(data, number, metrics), data, metrics);
    }
    return painter.end();
}

bool exportChartReportPdf(const document::CVerokantDoc& doc, const QString& path, QString* error)
{
    // The PDF writer does not report failed writes, so the document is made
    // in memory and written like any other file: whole, or not at all.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        // A printer's resolution: fine lines stay thin and the page layout is
        // the one a printed copy gets.
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(doc.GetTitle());
        writer.setCreator(QStringLiteral("Lumikan Astrology"));
        if (!renderChartReport(collectChartReport(doc), writer)) {
            if (error)
                *error = QStringLiteral("The report could not be drawn.");
            return false;
        }
    }
    return document::writeFileAtomically(path, pdf.data(), error);
}

} // namespace lumikan::render
