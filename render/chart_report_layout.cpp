#include "render/chart_report_layout.h"

#include "render/chart_diagram.h"
#include "render/contrast.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>

namespace lumikan::render {

namespace {

constexpr QRgb kSectionColor = 0x1C4880;
constexpr QRgb kCardHeaderText = 0x1E1E32;
constexpr QRgb kRunningBack = 0xFFEB78;
constexpr QRgb kRunningText = 0x503200;
constexpr QRgb kRunningSubBack = 0xFFF8B4;

// The diagrams are drawn for a bitmap of this size and stretched onto the page.
constexpr int kDiagramWidth = 500;
constexpr int kDiagramHeight = 340;

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const long long product = static_cast<long long>(a) * b;
    return static_cast<int>((product + c / 2) / c);
}

QString period(const engine::DashaPeriod& p)
{
    return QString::fromStdString(p.lordName);
}

ReportTable card(const QString& title, const engine::DashaPeriod& owner, const QString& level)
{
    const LordCardColors colors = lordCardColors(owner.lord);
    ReportTable t;
    t.barTitle = title;
    t.barColor = colors.dark;
    t.frameColor = colors.dark;
    t.headerColor = colors.light;
    t.headerText = kCardHeaderText;
    t.stripeColor = colors.light;
    t.columns = {{level, 34}, {QStringLiteral("Start"), 33}, {QStringLiteral("End"), 33}};
    return t;
}

void addPeriodRow(ReportTable& t, const engine::DashaPeriod& p, bool running, QRgb runningBack)
{
    t.rows.push_back({period(p), QString::fromStdString(p.start), QString::fromStdString(p.end)});
    t.rowStyles.resize(t.rows.size());
    if (running)
        t.rowStyles.back() = ReportRowStyle{runningBack, kRunningText, ReportFont::Bold};
}

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

void addHeading(ReportFlow& flow, const ChartReportData& data)
{
    const ReportMetrics& m = flow.metrics();
    const QRect area = m.pageArea;
    const QColor ink = readableOn(QColor::fromRgb(kSectionColor), Qt::white);
    const ReportText name = reportText(QRect(area.left(), flow.y(), area.width(), 0), data.name,
                                       ink, ReportFont::Title, Qt::AlignLeft | Qt::AlignTop, m);
    flow.page().items.push_back(name);
    const ReportText subtitle =
        reportText(QRect(area.left(), name.rect.bottom() + 1, area.width(), 0), data.subtitle, ink,
                   ReportFont::Bold, Qt::AlignLeft | Qt::AlignTop, m);
    flow.page().items.push_back(subtitle);
    flow.page().items.push_back(ReportFill{
        QRect(area.left(), subtitle.rect.bottom() + 1 + m.gap / 4, area.width(), 2), ink});
    flow.moveTo(subtitle.rect.bottom() + 1 + m.gap / 4 + 2 + m.gap / 2);
}

void addDiagrams(ReportFlow& flow)
{
    const ReportMetrics& m = flow.metrics();
    const QRect& area = m.pageArea;
    const int half = area.width() / 2 - m.gap;
    const int height = std::min(area.height() * 60 / 100, half * kDiagramHeight / kDiagramWidth);
    const int captionHeight = m.bodyHeight / 2 + m.rowHeight;
    flow.keepTogether(height + captionHeight);
    const int top = flow.y();
    const std::array<QRect, 2> cells = {
        QRect(area.left(), top, half, height),
        QRect(area.left() + area.width() - half, top, half, height)};
    const std::array<QString, 2> captions = {QString::fromLatin1(kRashiChartCaption),
                                             QString::fromLatin1(kBhavaChartCaption)};
    int bottom = top;
    for (std::size_t i = 0; i < 2; ++i) {
        const QRect target = fitDiagram(cells[i]);
        flow.page().items.push_back(
            ReportDiagram{target, i == 0 ? ReportDiagramKind::Rashi : ReportDiagramKind::Bhava});
        const ReportText caption =
            reportText(QRect(target.left(), target.bottom() + 1 + m.bodyHeight / 2, target.width(),
                             m.rowHeight),
                       captions[i], readableOn(QColor::fromRgb(kSectionColor), Qt::white),
                       ReportFont::Bold, Qt::AlignHCenter | Qt::AlignTop, m);
        flow.page().items.push_back(caption);
        bottom = std::max(bottom, caption.rect.bottom() + 1);
    }
    flow.moveTo(bottom + m.gap);
}

void addTable(ReportFlow& flow, const ReportTable& table)
{
    flowReportTable(flow, table);
    flow.moveTo(flow.y() + flow.metrics().gap);
}

// A section title kept with the first row of its cards.
void addCardSection(ReportFlow& flow, const QString& title, const std::vector<ReportTable>& cards)
{
    if (cards.empty())
        return;
    const ReportMetrics& m = flow.metrics();
    const int width = (m.pageArea.width() - 2 * m.gap) / 3;
    int firstRow = 0;
    for (std::size_t k = 0; k < std::min<std::size_t>(3, cards.size()); ++k)
        firstRow = std::max(firstRow, reportTableHeight(cards[k], m, width));
    flow.keepTogether(sectionTitleHeight(m, title) +
                      std::min(firstRow, flow.bottom() - flow.top()));
    flow.moveTo(addSectionTitle(flow.page(), m, flow.y(), title));
    flowCardGrid(flow, cards, 3);
}

} // namespace

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

std::vector<ReportTable> mahadashaCards(const ChartReportData& data)
{
    std::vector<ReportTable> cards;
    for (std::size_t k = 0; k < data.dasha.size(); ++k) {
        const engine::DashaPeriod& md = data.dasha[k];
        // Ages in years of 365.25 days from the birth moment.
        const double from = (md.startJulianDayUt - data.birthJulianDayUt) / 365.25;
        const double to = (md.endJulianDayUt - data.birthJulianDayUt) / 365.25;
        ReportTable t = card(QStringLiteral("%1 Mahadasha, age %2\u2013%3")
                                 .arg(period(md), QString::number(std::max(0.0, from), 'f', 0),
                                      QString::number(to, 'f', 0)),
                             md, QStringLiteral("AD"));
        const bool running = int(k) == data.running.mahadasha;
        if (running)
            t.badge = QStringLiteral("NOW");
        for (std::size_t a = 0; a < md.antardashas.size(); ++a)
            addPeriodRow(t, md.antardashas[a], running && int(a) == data.running.antardasha,
                         kRunningBack);
        cards.push_back(std::move(t));
    }
    return cards;
}

int detailedMahadasha(const ChartReportData& data)
{
    if (data.dasha.empty())
        return -1;
    return data.running.mahadasha >= 0 ? data.running.mahadasha : 0;
}

std::vector<ReportTable> antardashaCards(const ChartReportData& data, int index)
{
    std::vector<ReportTable> cards;
    if (index < 0 || index >= int(data.dasha.size()))
        return cards;
    const engine::DashaPeriod& md = data.dasha[std::size_t(index)];
    const bool mdRunning = index == data.running.mahadasha;
    for (std::size_t a = 0; a < md.antardashas.size(); ++a) {
        const engine::DashaPeriod& ad = md.antardashas[a];
        ReportTable t =
            card(period(md) + QStringLiteral("\u2013") + period(ad) + QStringLiteral(" Antardasha"),
                 ad, QStringLiteral("PD"));
        const bool running = mdRunning && int(a) == data.running.antardasha;
        if (running)
            t.badge = QStringLiteral("NOW");
        for (std::size_t p = 0; p < ad.pratyantardashas.size(); ++p)
            addPeriodRow(t, ad.pratyantardashas[p],
                         running && int(p) == data.running.pratyantardasha, kRunningSubBack);
        cards.push_back(std::move(t));
    }
    return cards;
}

std::vector<ReportPage> layoutChartReport(const ChartReportData& data, const ReportMetrics& metrics)
{
    ReportFlow flow(metrics);
    addHeading(flow, data);
    addTable(flow, data.identityTable);
    addTable(flow, data.planetTable);
    addTable(flow, data.cuspTable);
    addTable(flow, data.planetSignificatorTable);
    addDiagrams(flow);
    addTable(flow, data.houseSignificatorTable);
    addTable(flow, data.rulingPlanetTable);
    addTable(flow, data.karakaTable);

    addCardSection(flow, QStringLiteral("Vimshottari Dasha \u2014 Mahadashas and Antardashas"),
                   mahadashaCards(data));
    const int detailed = detailedMahadasha(data);
    if (detailed >= 0) {
        const engine::DashaPeriod& md = data.dasha[std::size_t(detailed)];
        const QString which = detailed == data.running.mahadasha ? QStringLiteral("running")
                                                                 : QStringLiteral("first");
        addCardSection(flow,
                       QStringLiteral("Pratyantardashas of the %1 %2 Mahadasha (%3 to %4)")
                           .arg(which, period(md), QString::fromStdString(md.start),
                                QString::fromStdString(md.end)),
                       antardashaCards(data, detailed));
    }
    return flow.finish(data.name);
}

} // namespace lumikan::render
