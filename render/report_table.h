#pragma once

#include "render/report_flow.h"
#include "render/report_pages.h"

#include <QRgb>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace lumikan::render {

struct ReportColumn {
    QString header;
    int weight = 1;         // share of the room left when every column has what it needs
    int alignment = 0x0001; // Qt::AlignLeft
    ReportFont font = ReportFont::Body;
};

// How one row is drawn instead of the stripes.
struct ReportRowStyle {
    QRgb background = 0xFFFFFF;
    QRgb text = 0x141428;
    ReportFont font = ReportFont::Body;
};

// A table of texts. Columns are as wide as their texts at the page's
// resolution (never less than their widest word); long texts wrap and the row
// grows, so nothing is cut short.
struct ReportTable {
    QString title;    // a section heading above the table; none when empty
    QString barTitle; // a card: its title in a bar of `barColor`; none when empty
    QString badge;    // at the right end of the bar ("NOW"); none when empty
    std::vector<ReportColumn> columns;
    std::vector<QStringList> rows;                        // one text per column
    std::vector<std::optional<ReportRowStyle>> rowStyles; // by row; stripes where none
    bool showHeader = true;
    QRgb headerColor = 0;
    QRgb headerText = 0xFFFFFF;
    QRgb stripeColor = 0xFFFFFF;
    QRgb frameColor = 0; // the header colour when 0
    QRgb barColor = 0;
};

// The heading of a section at `y`; returns where the content under it starts.
int addSectionTitle(ReportPage& page, const ReportMetrics& metrics, int y, const QString& title);
int sectionTitleHeight(const ReportMetrics& metrics, const QString& title);

// The left edges and widths of the table's columns across `width` from `left`.
std::vector<std::pair<int, int>>
reportColumnSpans(const ReportTable& table, const ReportMetrics& metrics, int left, int width);

// The whole table at (x, y), `width` wide, on one page: bar, header and rows
// (no section title). Returns the y below it.
int placeReportTable(ReportPage& page, const ReportMetrics& metrics, int x, int y, int width,
                     const ReportTable& table);
// The height placeReportTable takes.
int reportTableHeight(const ReportTable& table, const ReportMetrics& metrics, int width);

// The table across the page area from the flow's y, its section title kept
// with the header and first row. Rows that do not fit go on to the next page
// under the title marked "(continued)" and the header again.
void flowReportTable(ReportFlow& flow, const ReportTable& table);

// Cards side by side, `perRow` to a row, one gap apart; each row of cards is
// as tall as its tallest card and kept on one page. A row taller than a page
// is flowed card by card across the page instead.
void flowCardGrid(ReportFlow& flow, const std::vector<ReportTable>& cards, int perRow);

} // namespace lumikan::render
