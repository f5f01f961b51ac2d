#include "render/report_table.h"

#include "render/column_widths.h"
#include "render/contrast.h"
#include "render/text_wrap.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace lumikan::render {

namespace {

constexpr QRgb kSectionColor = 0x1C4880;
constexpr QRgb kGridColor = 0xB4C8E6;
constexpr QRgb kBadgeBack = 0xFFC800;
constexpr QRgb kBadgeText = 0x503200;

QColor rgb(QRgb value)
{
    return QColor::fromRgb(value);
}

// `text` drawn on `background`, darkened or lightened until it reads.
QColor ink(QRgb text, QRgb background)
{
    return readableOn(rgb(text), rgb(background));
}

ReportFont cellFont(const ReportTable& table, std::size_t row, std::size_t column)
{
    if (row < table.rowStyles.size() && table.rowStyles[row] &&
        table.rowStyles[row]->font != ReportFont::Body)
        return table.rowStyles[row]->font;
    return table.columns[column].font;
}

QString cellText(const QStringList& row, std::size_t column)
{
    return column < std::size_t(row.size()) ? row[qsizetype(column)] : QString();
}

// Everything about a table that depends on its width: columns, wrapped lines
// and heights.
struct TableGeometry {
    std::vector<std::pair<int, int>> spans; // left edge and width of each column
    QStringList barLines;
    int barHeight = 0;
    int badgeWidth = 0;
    std::vector<QStringList> headerLines;
    int headerHeight = 0;
    std::vector<std::vector<QStringList>> rowLines;
    std::vector<int> rowHeights;
};

int linesHeight(const ReportMetrics& m, qsizetype lines)
{
    return m.rowHeight + int(std::max<qsizetype>(lines, 1) - 1) * m.lineHeight;
}

std::vector<int> integerWidths(const std::vector<qreal>& fitted, const ReportTable& table,
                               int width)
{
    std::vector<int> widths;
    int used = 0;
    for (qreal w : fitted) {
        widths.push_back(int(std::floor(w)));
        used += widths.back();
    }
    const int extra = width - used;
    if (extra > 0) {
        // Room to spare goes to the columns by weight.
        int weightSum = 0;
        for (const ReportColumn& c : table.columns)
            weightSum += std::max(0, c.weight);
        int given = 0;
        for (std::size_t i = 0; i < widths.size() && weightSum > 0; ++i) {
            const int share = extra * std::max(0, table.columns[i].weight) / weightSum;
            widths[i] += share;
            given += share;
        }
        widths.back() += extra - given;
    }
    return widths;
}

std::vector<std::pair<int, int>> columnSpans(const ReportTable& table, const ReportMetrics& m,
                                             int left, int width)
{
    std::vector<ColumnNeed> needs(table.columns.size());
    auto need = [&](std::size_t column, const QString& text, ReportFont font) {
        const TextExtent e = textExtent(text, reportFont(font, m), m.device);
        ColumnNeed& n = needs[column];
        n.minimum = std::max(n.minimum, std::ceil(e.widestWord) + 2 * m.inset + 1);
        n.natural = std::max(n.natural, std::ceil(e.singleLine) + 2 * m.inset + 1);
    };
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.showHeader)
            need(c, table.columns[c].header, ReportFont::Bold);
        for (std::size_t r = 0; r < table.rows.size(); ++r)
            need(c, cellText(table.rows[r], c), cellFont(table, r, c));
    }
    const std::vector<int> widths =
        integerWidths(fitColumnWidths(needs, qreal(width)), table, width);
    std::vector<std::pair<int, int>> spans;
    int x = left;
    for (int w : widths) {
        spans.emplace_back(x, w);
        x += w;
    }
    return spans;
}

TableGeometry measure(const ReportTable& table, const ReportMetrics& m, int width)
{
    TableGeometry g;
    if (table.columns.empty())
        return g;
    g.spans = columnSpans(table, m, 0, width);
    if (!table.barTitle.isEmpty()) {
        int room = width - 2 * m.inset;
        if (!table.badge.isEmpty()) {
            g.badgeWidth =
                int(std::ceil(
                    reportFontMetrics(ReportFont::Bold, m).horizontalAdvance(table.badge))) +
                2 * m.inset;
            room -= g.badgeWidth + m.inset;
        }
        g.barLines = wrapText(table.barTitle, reportFont(ReportFont::Bold, m), room, m.device);
        g.barHeight = linesHeight(m, g.barLines.size());
    }
    auto wrapRow = [&](const QStringList& texts, auto fontOf) {
        std::vector<QStringList> lines;
        qsizetype most = 1;
        for (std::size_t c = 0; c < g.spans.size(); ++c) {
            lines.push_back(wrapText(cellText(texts, c), reportFont(fontOf(c), m),
                                     g.spans[c].second - 2 * m.inset, m.device));
            most = std::max(most, lines.back().size());
        }
        return std::make_pair(lines, linesHeight(m, most));
    };
    if (table.showHeader) {
        QStringList headers;
        for (const ReportColumn& c : table.columns)
            headers << c.header;
        auto [lines, height] = wrapRow(headers, [](std::size_t) { return ReportFont::Bold; });
        g.headerLines = std::move(lines);
        g.headerHeight = height;
    }
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        auto [lines, height] =
            wrapRow(table.rows[r], [&](std::size_t c) { return cellFont(table, r, c); });
        g.rowLines.push_back(std::move(lines));
        g.rowHeights.push_back(height);
    }
    return g;
}

void addFill(ReportPage& page, const QRect& rect, QRgb color)
{
    page.items.push_back(ReportFill{rect, rgb(color)});
}

// One row of cells at `y`, their lines from the top of a one-line row.
void addCells(ReportPage& page, const ReportMetrics& m, int x, int y,
              const std::vector<std::pair<int, int>>& spans, const QStringList& texts,
              const std::vector<QStringList>& lines, const ReportTable& table,
              const std::function<ReportFont(std::size_t)>& fontOf, QColor color)
{
    const int top = y + (m.rowHeight - m.lineHeight) / 2;
    for (std::size_t c = 0; c < spans.size(); ++c) {
        ReportText t;
        t.text = cellText(texts, c);
        t.lines = lines[c];
        t.color = color;
        t.font = fontOf(c);
        t.alignment = table.columns[c].alignment | Qt::AlignTop;
        t.lineHeight = m.lineHeight;
        t.rect =
            QRect(x + spans[c].first + m.inset, top, std::max(0, spans[c].second - 2 * m.inset),
                  int(std::max<qsizetype>(1, t.lines.size())) * m.lineHeight);
        page.items.push_back(std::move(t));
    }
}

QRgb rowBackground(const ReportTable& table, std::size_t row)
{
    if (row < table.rowStyles.size() && table.rowStyles[row])
        return table.rowStyles[row]->background;
    return row % 2 == 0 ? 0xFFFFFF : table.stripeColor;
}

QRgb rowText(const ReportTable& table, std::size_t row)
{
    if (row < table.rowStyles.size() && table.rowStyles[row])
        return table.rowStyles[row]->text;
    return 0x141428;
}

// Rows [from, to) of the table at (x, y) with its bar and header. Returns the y below.
int placePart(ReportPage& page, const ReportMetrics& m, int x, int y, int width,
              const ReportTable& table, const TableGeometry& g, std::size_t from, std::size_t to)
{
    const int top = y;
    const QRgb frameColor = table.frameColor ? table.frameColor : table.headerColor;
    if (!table.barTitle.isEmpty()) {
        addFill(page, QRect(x, y, width, g.barHeight), table.barColor);
        ReportText title;
        title.text = table.barTitle;
        title.lines = g.barLines;
        title.color = ink(0xFFFFFF, table.barColor);
        title.font = ReportFont::Bold;
        title.alignment = Qt::AlignLeft | Qt::AlignTop;
        title.lineHeight = m.lineHeight;
        const int textRight = x + width - m.inset - (g.badgeWidth > 0 ? g.badgeWidth + m.inset : 0);
        title.rect =
            QRect(x + m.inset, y + (m.rowHeight - m.lineHeight) / 2,
                  std::max(0, textRight - x - m.inset), int(g.barLines.size()) * m.lineHeight);
        page.items.push_back(std::move(title));
        if (g.badgeWidth > 0) {
            const int pad = std::max(1, m.rowHeight / 6);
            const QRect badge(x + width - m.inset - g.badgeWidth, y + pad, g.badgeWidth,
                              m.rowHeight - 2 * pad);
            addFill(page, badge, kBadgeBack);
            page.items.push_back(reportText(badge, table.badge, ink(kBadgeText, kBadgeBack),
                                            ReportFont::Bold, Qt::AlignCenter, m));
        }
        y += g.barHeight;
    }
    const int gridTop = y;
    if (table.showHeader) {
        addFill(page, QRect(x, y, width, g.headerHeight), table.headerColor);
        QStringList headers;
        for (const ReportColumn& c : table.columns)
            headers << c.header;
        addCells(
            page, m, x, y, g.spans, headers, g.headerLines, table,
            [](std::size_t) { return ReportFont::Bold; }, ink(table.headerText, table.headerColor));
        y += g.headerHeight;
    }
    std::vector<int> rowBottoms;
    for (std::size_t r = from; r < to; ++r) {
        const QRgb back = rowBackground(table, r);
        addFill(page, QRect(x, y, width, g.rowHeights[r]), back);
        addCells(
            page, m, x, y, g.spans, table.rows[r], g.rowLines[r], table,
            [&](std::size_t c) { return cellFont(table, r, c); }, ink(rowText(table, r), back));
        y += g.rowHeights[r];
        rowBottoms.push_back(y);
    }
    for (int rowBottom : rowBottoms)
        addFill(page, QRect(x, rowBottom - 1, width, 1), kGridColor);
    for (std::size_t c = 1; c < g.spans.size(); ++c)
        addFill(page, QRect(x + g.spans[c].first, gridTop, 1, y - gridTop), kGridColor);
    page.items.push_back(ReportFrame{QRect(x, top, width, y - top), rgb(frameColor), 2});
    if (table.showHeader)
        addFill(page, QRect(x, gridTop + g.headerHeight - 1, width, 2), frameColor);
    return y;
}

} // namespace

int sectionTitleHeight(const ReportMetrics& m, const QString& title)
{
    const QStringList lines =
        wrapText(title, reportFont(ReportFont::Heading, m), m.pageArea.width(), m.device);
    return int(lines.size()) * reportLineHeight(ReportFont::Heading, m) + 2 + m.headingHeight / 2;
}

int addSectionTitle(ReportPage& page, const ReportMetrics& m, int y, const QString& title)
{
    const ReportText text = reportText(QRect(m.pageArea.left(), y, m.pageArea.width(), 0), title,
                                       ink(kSectionColor, 0xFFFFFF), ReportFont::Heading,
                                       Qt::AlignLeft | Qt::AlignTop, m);
    const int lineY = y + text.rect.height();
    page.items.push_back(text);
    page.items.push_back(
        ReportFill{QRect(m.pageArea.left(), lineY, m.pageArea.width(), 2), rgb(kSectionColor)});
    return lineY + 2 + m.headingHeight / 2;
}

std::vector<std::pair<int, int>>
reportColumnSpans(const ReportTable& table, const ReportMetrics& metrics, int left, int width)
{
    if (table.columns.empty())
        return {};
    return columnSpans(table, metrics, left, width);
}

int reportTableHeight(const ReportTable& table, const ReportMetrics& metrics, int width)
{
    if (table.columns.empty())
        return 0;
    const TableGeometry g = measure(table, metrics, width);
    return g.barHeight + g.headerHeight +
           std::accumulate(g.rowHeights.begin(), g.rowHeights.end(), 0);
}

int placeReportTable(ReportPage& page, const ReportMetrics& metrics, int x, int y, int width,
                     const ReportTable& table)
{
    if (table.columns.empty())
        return y;
    const TableGeometry g = measure(table, metrics, width);
    return placePart(page, metrics, x, y, width, table, g, 0, table.rows.size());
}

void flowReportTable(ReportFlow& flow, const ReportTable& table)
{
    if (table.columns.empty())
        return;
    const ReportMetrics& m = flow.metrics();
    const int width = m.pageArea.width();
    const int x = m.pageArea.left();
    const TableGeometry g = measure(table, m, width);
    const int titleHeight = table.title.isEmpty() ? 0 : sectionTitleHeight(m, table.title);
    // A table of up to half a page is kept whole; a longer one starts where
    // at least its first three rows fit.
    const int whole = titleHeight + g.barHeight + g.headerHeight +
                      std::accumulate(g.rowHeights.begin(), g.rowHeights.end(), 0);
    int start = titleHeight + g.barHeight + g.headerHeight;
    for (std::size_t r = 0; r < std::min<std::size_t>(3, g.rowHeights.size()); ++r)
        start += g.rowHeights[r];
    flow.keepTogether(whole <= (flow.bottom() - flow.top()) / 2 ? whole : start);

    std::size_t next = 0;
    bool continued = false;
    for (;;) {
        const QString title = table.title.isEmpty() || !continued
                                  ? table.title
                                  : table.title + QStringLiteral(" (continued)");
        // As many rows as fit under the title, bar and header; one at least
        // on a fresh page, however tall.
        int bottom = flow.y() + (title.isEmpty() ? 0 : sectionTitleHeight(m, title)) + g.barHeight +
                     g.headerHeight;
        std::size_t end = next;
        while (end < g.rowHeights.size() &&
               (bottom + g.rowHeights[end] <= flow.bottom() || (end == next && flow.atTopOfPage())))
            bottom += g.rowHeights[end++];
        if (end == next && next < g.rowHeights.size()) {
            flow.newPage();
            continue;
        }
        int y = flow.y();
        if (!title.isEmpty())
            y = addSectionTitle(flow.page(), m, y, title);
        flow.moveTo(placePart(flow.page(), m, x, y, width, table, g, next, end));
        next = end;
        if (next >= g.rowHeights.size())
            return;
        flow.newPage();
        continued = true;
    }
}

void flowCardGrid(ReportFlow& flow, const std::vector<ReportTable>& cards, int perRow)
{
    const ReportMetrics& m = flow.metrics();
    perRow = std::max(1, perRow);
    const int width = (m.pageArea.width() - (perRow - 1) * m.gap) / perRow;
    const int pageHeight = flow.bottom() - flow.top();
    for (std::size_t start = 0; start < cards.size(); start += std::size_t(perRow)) {
        const std::size_t end = std::min(cards.size(), start + std::size_t(perRow));
        int tallest = 0;
        for (std::size_t k = start; k < end; ++k)
            tallest = std::max(tallest, reportTableHeight(cards[k], m, width));
        if (tallest > pageHeight) {
            for (std::size_t k = start; k < end; ++k) {
                flowReportTable(flow, cards[k]);
                flow.moveTo(flow.y() + m.gap);
            }
            continue;
        }
        flow.keepTogether(tallest);
        const int y = flow.y();
        for (std::size_t k = start; k < end; ++k)
            placeReportTable(flow.page(), m, m.pageArea.left() + int(k - start) * (width + m.gap),
                             y, width, cards[k]);
        flow.moveTo(y + tallest + m.gap);
    }
}

} // namespace lumikan::render
