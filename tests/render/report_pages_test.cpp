#include "render/report_pages.h"

#include "document/chart_maker.h"
#include "gui_test_app.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumikan::render {
namespace {

// A4 at 96 dots per inch: the page area is (48, 48) to (746, 1075).
const QRect kA4(0, 0, 794, 1123);

int bottomOf(const QRect& r)
{
    return r.y() + r.height();
}

QRect itemRect(const ReportItem& item)
{
    if (const auto* f = std::get_if<ReportFill>(&item))
        return f->rect;
    if (const auto* f = std::get_if<ReportFrame>(&item))
        return f->rect;
    if (const auto* t = std::get_if<ReportText>(&item))
        return t->rect;
    return std::get<ReportDiagram>(item).target;
}

// The row fill drawn under a text: the last fill before it that holds its rectangle.
const ReportFill* fillUnder(const ReportPage& page, const ReportText& text)
{
    const ReportFill* found = nullptr;
    for (const ReportItem& item : page.items) {
        if (const auto* t = std::get_if<ReportText>(&item); t == &text)
            return found;
        if (const auto* f = std::get_if<ReportFill>(&item);
            f && f->rect.contains(text.rect.center()))
            found = f;
    }
    return nullptr;
}

QImage renderPage(const ReportPage& page, const ChartReportData& data, const ReportMetrics& m,
                  const QRect& paper)
{
    QImage image = test::whiteImage(paper.width(), paper.height());
    QPainter painter(&image);
    paintReportPage(painter, page, data, m);
    return image;
}

class ChartReport : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::guiApp();
        chart = new test::PuneChart;
        data = new ChartReportData(collectChartReport(*chart->doc));
    }
    static void TearDownTestSuite()
    {
        delete data;
        delete chart;
    }
    static test::PuneChart* chart;
    static ChartReportData* data;
};
test::PuneChart* ChartReport::chart = nullptr;
ChartReportData* ChartReport::data = nullptr;

TEST_F(ChartReport, FourPagesEachWithItsFooterAndNothingPastThePageArea)
{
    const ReportMetrics m = reportMetrics(kA4, 96, 96);
    ASSERT_EQ(m.pageArea, QRect(48, 48, 698, 1027));
    const std::array<QStringList, 4> expected = {{
        {"Planetary Positions", "Cuspal Positions", "KP Planet Significators"},
        {"RASHI CHART", "BHAVA CHART", "KP Significators", "Ruling Planets", "Chara Karakas"},
        {},
        {QStringLiteral("Vimshottari Dasha \u2014 Full Detail (MD \u00B7 AD \u00B7 PD)")},
    }};
    for (int n = 1; n <= kReportPageCount; ++n) {
        SCOPED_TRACE(n);
        const ReportPage page = layoutReportPage(*data, n, m);
        const ReportText* footer = page.findText(QStringLiteral("Page %1 of 4").arg(n));
        ASSERT_NE(footer, nullptr);
        EXPECT_EQ(footer->rect.top(), 1075 + m.gap / 2);
        for (const QString& title : expected[std::size_t(n - 1)])
            EXPECT_NE(page.findText(title), nullptr) << title.toStdString();
        // Everything but the footer (the last two items) stays inside the page area.
        for (std::size_t i = 0; i + 2 < page.items.size(); ++i) {
            const QRect r = itemRect(page.items[i]);
            EXPECT_TRUE(r.isEmpty() || bottomOf(r) <= bottomOf(m.pageArea)) << "item " << i;
        }
        const QImage image = renderPage(page, *data, m, kA4);
        test::keepImage(image, QStringLiteral("report_page_%1").arg(n));
        EXPECT_EQ(image.pixel(300, 1075), qRgb(0xB4, 0xC8, 0xE6)) << "rule above the footer";
    }

    // The same four pages as a PDF.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(exportChartReportPdf(*chart->doc, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 4);
    EXPECT_FALSE(
        exportChartReportPdf(*chart->doc, dir.filePath(QStringLiteral("missing/report.pdf"))));
}

TEST_F(ChartReport, EveryColumnShowsWhatItsHeaderNames)
{
    // The document's rows hold the planet's nakshatra before its degree and the
    // cusp's nakshatra where the printed table wants the sign lord.
    const QStringList sun = {"SUN", "19-18-24", "SCORPIO", "JYESHTHA",
                             "MER", "KET",      "MER",     "9 6 4 7"};
    EXPECT_EQ(data->planetTable.rows.at(0), sun);
    const QStringList firstCusp = {"I",   "15-16-05",          "JUP", "SAT", "JUP",
                                   "SAT", "-/-/MON PLU FO/JUP"};
    EXPECT_EQ(data->cuspTable.rows.at(0), firstCusp);
    // Mercury, the Sun's star and sub-sub lord, occupies 9 and owns 4 and 7.
    const QStringList sunSignificators = {"SUN", "9,6,4,7",        "MER", "9,4,7",
                                          "KET", "4,5,10,11,12,1", "MER", "9,4,7"};
    EXPECT_EQ(data->planetSignificatorTable.rows.at(0), sunSignificators);
    ASSERT_EQ(data->houseSignificatorTable.rows.size(), 12u);
    const QStringList ninth = data->houseSignificatorTable.rows[8];
    EXPECT_EQ(ninth.mid(2), QStringList({"SUN, MER, VEN", "-", "MAR"}))
        << ninth.join('|').toStdString();
    EXPECT_TRUE(ninth[1].startsWith("SUN, MAR, JUP, VEN, SAT")) << ninth[1].toStdString();
    // 5 Dec 1990 was a Wednesday.
    EXPECT_EQ(data->rulingPlanetTable.rows.at(0), QStringList({"Day Lord", "MER"}));
    EXPECT_EQ(data->karakaTable.rows.at(0), QStringList({"AK", "SAT"}));
}

TEST_F(ChartReport, ALongPlanetTableIsCutAtThePageBottomAndNothingFlowsOn)
{
    const ReportMetrics m = reportMetrics(kA4, 96, 96);
    ChartReportData longData = *data;
    longData.planetTable.rows.clear();
    for (int i = 0; i < 120; ++i)
        longData.planetTable.rows.push_back({QStringLiteral("P%1").arg(i), "1-00-00", "ARIES",
                                             "ASHWINI", "KET", "KET", "KET", "1"});
    const ReportPage first = layoutReportPage(longData, 1, m);
    int drawn = 0;
    while (first.findText(QStringLiteral("P%1").arg(drawn)))
        ++drawn;
    ASSERT_GT(drawn, 40);
    ASSERT_LT(drawn, 120);
    const QRect last = first.findText(QStringLiteral("P%1").arg(drawn - 1))->rect;
    EXPECT_LE(bottomOf(last), bottomOf(m.pageArea));
    EXPECT_GT(bottomOf(last) + m.rowHeight, bottomOf(m.pageArea))
        << "room was left for another row";
    EXPECT_EQ(first.findText(QStringLiteral("Cuspal Positions")), nullptr);
    EXPECT_EQ(first.findText(QStringLiteral("KP Planet Significators")), nullptr);
    EXPECT_NE(first.findText(QStringLiteral("Page 1 of 4")), nullptr);
    const ReportPage second = layoutReportPage(longData, 2, m);
    EXPECT_EQ(second.findText(QStringLiteral("P%1").arg(drawn)), nullptr);

    // Header and stripes as painted: the header colour, then white and the stripe.
    const QImage image = renderPage(first, longData, m, kA4);
    const ReportText* header = first.findText(QStringLiteral("Planet"));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(image.pixel(50, header->rect.center().y()), qRgb(0x1C, 0x37, 0x6E));
    const QRect row1 = first.findText(QStringLiteral("P1"))->rect;
    EXPECT_EQ(image.pixel(700, row1.top() + 3), qRgb(0xF0, 0xF5, 0xFF));
}

TEST_F(ChartReport, DiagramsFollowTheAspectOnPortraitAndSixtyPercentOnAWidePage)
{
    const ReportMetrics portrait = reportMetrics(kA4, 96, 96);
    const ReportPage page = layoutReportPage(*data, 2, portrait);
    std::vector<ReportDiagram> diagrams;
    for (const ReportItem& item : page.items)
        if (const auto* d = std::get_if<ReportDiagram>(&item))
            diagrams.push_back(*d);
    ASSERT_EQ(diagrams.size(), 2u);
    // Half of 698 less a gap of 19: 330 wide, 224 high by the 500 : 340 aspect.
    EXPECT_EQ(diagrams[0].target, QRect(48, 48, 330, 224));
    EXPECT_EQ(diagrams[1].target, QRect(416, 48, 330, 224));
    EXPECT_EQ(diagrams[0].kind, ReportDiagramKind::Rashi);
    const ReportText* caption = page.findText(QStringLiteral("BHAVA CHART"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->rect.top(), 48 + 224 + 6);
    // The tables start 200 pixels plus the diagram height below the top.
    EXPECT_EQ(page.findText(QStringLiteral("House"))->rect.top(),
              48 + 200 + 224 + 2 + portrait.headingHeight + 2 + portrait.headingHeight / 2);

    // At 1200 dots per inch a caption is taller than 200 pixels; the tables
    // keep clear of it.
    const ReportMetrics fine = reportMetrics(QRect(0, 0, 9921, 14031), 1200, 1200);
    const ReportPage finePage = layoutReportPage(*data, 2, fine);
    EXPECT_GE(finePage.findText(QStringLiteral("KP Significators"))->rect.top(),
              bottomOf(finePage.findText(QStringLiteral("RASHI CHART"))->rect));

    const QRect banner(0, 0, 2000, 700);
    const ReportMetrics wide = reportMetrics(banner, 96, 96);
    const ReportPage widePage = layoutReportPage(*data, 2, wide);
    const auto* left = std::get_if<ReportDiagram>(
        &*std::find_if(widePage.items.begin(), widePage.items.end(), [](const ReportItem& item) {
            return std::holds_alternative<ReportDiagram>(item);
        }));
    ASSERT_NE(left, nullptr);
    // 60 % of the 604-pixel page area, 532 wide, centred in its 933-pixel cell.
    EXPECT_EQ(left->target, QRect(48 + (933 - 532) / 2, 48, 532, 362));

    // The diagram is painted in the current theme: a corner tab, and lines
    // crossing the middle row.
    const QImage image = renderPage(page, *data, portrait, kA4);
    EXPECT_EQ(image.pixel(56, 56), qRgb(0xEF, 0xE9, 0xDF)) << "corner tab";
    int lineish = 0;
    for (int x = 48; x < 378; ++x)
        lineish += image.pixel(x, 48 + 112) != qRgb(0xFF, 0xFF, 0xFF);
    EXPECT_GT(lineish, 2) << "diamond and diagonals cross the middle row";
}

TEST_F(ChartReport, DashaCardsTallerThanThePageAreCutNotDropped)
{
    const ReportMetrics m = reportMetrics(kA4, 96, 96);
    for (int n : {3, 4}) {
        SCOPED_TRACE(n);
        const ReportPage page = layoutReportPage(*data, n, m);
        const std::vector<const ReportText*> texts = page.texts();
        for (std::size_t k = 0; k < 4; ++k) {
            const QString lord = QString::fromStdString(data->dasha[k].lordName);
            const bool shown = std::any_of(texts.begin(), texts.end(), [&](const ReportText* t) {
                return t->font == ReportFont::Bold && t->color == Qt::white &&
                       t->text.startsWith(lord + " ");
            });
            EXPECT_EQ(shown, k < 3) << lord.toStdString();
        }
        for (const ReportItem& item : page.items) {
            if (const auto* frame = std::get_if<ReportFrame>(&item)) {
                EXPECT_LE(bottomOf(frame->rect), bottomOf(m.pageArea));
            }
        }
    }

    // Ages from the birth date; today (6 Dec 2026) falls in Mercury's mahadasha.
    const ReportPage detail = layoutReportPage(*data, 4, m);
    EXPECT_NE(detail.findText(QStringLiteral("JUP  (0y\u20132y)")), nullptr);
    ASSERT_EQ(data->running.mahadasha, 2);
    const engine::DashaPeriod& running = data->dasha[2];
    EXPECT_LE(running.start, "2026-12-06");
    EXPECT_GE(running.end, "2026-12-06");
    const ReportText* now = detail.findText(QStringLiteral("NOW"));
    ASSERT_NE(now, nullptr);
    const ReportText* title = detail.findText(QStringLiteral("MER  (21y\u201338y)"));
    ASSERT_NE(title, nullptr);
    EXPECT_GT(now->rect.top(), title->rect.top());
    EXPECT_LT(now->rect.bottom(), title->rect.bottom());
    EXPECT_GT(now->rect.left(), title->rect.right());
}

TEST_F(ChartReport, RunningPeriodsAreMarkedOnTheFullListing)
{
    // Three short mahadashas of two antardashas with two pratyantardashas each;
    // the second antardasha of the second mahadasha and its first
    // pratyantardasha are running.
    ChartReportData small;
    for (int md = 0; md < 3; ++md) {
        engine::DashaPeriod maha;
        maha.lord = md;
        maha.lordName = "MD" + std::to_string(md);
        maha.start = "2000-01-01";
        maha.end = "2001-01-01";
        for (int ad = 0; ad < 2; ++ad) {
            engine::DashaPeriod antar;
            antar.lordName = "AD" + std::to_string(md) + std::to_string(ad);
            for (int pd = 0; pd < 2; ++pd) {
                engine::DashaPeriod praty;
                praty.lordName =
                    "PD" + std::to_string(md) + std::to_string(ad) + std::to_string(pd);
                antar.pratyantardashas.push_back(praty);
            }
            maha.antardashas.push_back(antar);
        }
        small.dasha.push_back(maha);
    }
    small.running = {1, 1, 0};
    const ReportMetrics m = reportMetrics(kA4, 96, 96);
    const ReportPage page = layoutReportPage(small, 4, m);

    const ReportText* runningAd = page.findText(QStringLiteral("AD11"));
    ASSERT_NE(runningAd, nullptr);
    EXPECT_EQ(runningAd->font, ReportFont::Bold);
    EXPECT_EQ(runningAd->color, QColor(0x50, 0x32, 0x00));
    EXPECT_EQ(fillUnder(page, *runningAd)->color, QColor(0xFF, 0xEB, 0x78));
    const QString prefix = QStringLiteral("  \u203A ");
    EXPECT_EQ(fillUnder(page, *page.findText(prefix + "PD110"))->color, QColor(0xFF, 0xF8, 0xB4));
    EXPECT_EQ(fillUnder(page, *page.findText(prefix + "PD111"))->color, QColor(0xFA, 0xFA, 0xFF));
    // Antardashas alternate white and the lord's light colour (Venus: F8D2F8).
    EXPECT_EQ(fillUnder(page, *page.findText(QStringLiteral("AD10")))->color, QColor(Qt::white));
    EXPECT_EQ(fillUnder(page, *page.findText(QStringLiteral("AD01")))->color,
              QColor(0xEE, 0xD7, 0xC3));
    // A running period elsewhere is not marked.
    EXPECT_EQ(page.findText(QStringLiteral("AD01"))->font, ReportFont::Body);
    int badges = 0;
    for (const ReportText* t : page.texts())
        badges += t->text == QStringLiteral("NOW");
    EXPECT_EQ(badges, 1);

    const QImage image = renderPage(page, small, m, kA4);
    EXPECT_EQ(image.pixel(runningAd->rect.left() - 2, runningAd->rect.center().y()),
              qRgb(0xFF, 0xEB, 0x78));
    const ReportText* venusTitle = page.findText(QStringLiteral("MD1  (0y\u20130y)"));
    ASSERT_NE(venusTitle, nullptr);
    EXPECT_EQ(image.pixel(venusTitle->rect.left(), venusTitle->rect.top() + 2),
              qRgb(0x82, 0x28, 0x82));
}

} // namespace
} // namespace lumikan::render
