// The printed chart report: what page 1 says, the whole dasha, nothing cut
// short at a printer's resolution, tables that continue on the next page.
#include "render/chart_report_layout.h"
#include "render/chart_report_output.h"
#include "render/contrast.h"

#include "document/chart_maker.h"
#include "gui_test_app.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace lumikan::render {
namespace {

// A page of `widthInches` x `heightInches` at `dpi`: the metrics of its page
// area, measured on a device of that resolution (the whole page, white, when
// it is to be painted on; a single pixel otherwise).
struct Paper {
    QImage device;
    ReportMetrics metrics;

    Paper(double widthInches, double heightInches, int dpi, bool paintable = false)
    {
        const QRect page(0, 0, int(std::lround(widthInches * dpi)),
                         int(std::lround(heightInches * dpi)));
        device = paintable ? QImage(page.size(), QImage::Format_RGB32)
                           : QImage(1, 1, QImage::Format_RGB32);
        const int perMeter = int(std::lround(dpi / 0.0254));
        device.setDotsPerMeterX(perMeter);
        device.setDotsPerMeterY(perMeter);
        device.fill(Qt::white);
        metrics = reportMetrics(page, dpi, dpi, &device);
    }
    Paper(const Paper&) = delete;
    Paper& operator=(const Paper&) = delete;
};

constexpr double kA4Width = 210 / 25.4, kA4Height = 297 / 25.4;

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

// The colour drawn under a text: the last fill before it that holds its centre.
QColor backgroundOf(const ReportPage& page, const ReportText& text)
{
    QColor found = Qt::white;
    for (const ReportItem& item : page.items) {
        if (const auto* t = std::get_if<ReportText>(&item); t == &text)
            return found;
        if (const auto* f = std::get_if<ReportFill>(&item);
            f && f->rect.contains(text.rect.center()))
            found = f->color;
    }
    return found;
}

// Every text of every page, in order.
std::vector<const ReportText*> allTexts(const std::vector<ReportPage>& pages)
{
    std::vector<const ReportText*> texts;
    for (const ReportPage& page : pages)
        for (const ReportText* t : page.texts())
            texts.push_back(t);
    return texts;
}

int countTexts(const std::vector<ReportPage>& pages, const QString& text)
{
    int n = 0;
    for (const ReportText* t : allTexts(pages))
        n += t->text == text;
    return n;
}

QString withoutSpaces(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
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

TEST_F(ChartReport, PageOneSaysWhoseChartItIsAndEveryFooterRepeatsTheName)
{
    const Paper page(kA4Width, kA4Height, 96);
    const std::vector<ReportPage> pages = layoutChartReport(*data, page.metrics);
    ASSERT_GE(pages.size(), 4u);

    const ReportPage& first = pages.front();
    const ReportText* title = first.findText(QStringLiteral("Test Chart"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, ReportFont::Title);
    EXPECT_EQ(title->rect.top(), 48) << "the name opens the page";
    // Label and value side by side, as the identity table pairs them.
    const std::vector<std::pair<QString, QString>> facts = {
        {"Name", "Test Chart"},
        {"Gender", "Not given"},
        {"Date", "Wednesday, 5 Dec 1990"},
        {"Time", "14:07:00 IST, UTC+5:30"},
        {"Place", "Pune, Maharashtra, India"},
        {"Coordinates", "18.5204 N, 73.8567 E"},
        {"Ascendant", "PISCES 15\u00B016'"},
        {"Chart", "Natal"},
        {"Report made", "6 Dec 2026 10:00"},
    };
    for (const auto& [label, value] : facts) {
        SCOPED_TRACE(label.toStdString());
        const ReportText* l = first.findText(label);
        ASSERT_NE(l, nullptr);
        const ReportText* v = nullptr;
        for (const ReportText* t : first.texts())
            if (t->text == value && t->rect.top() == l->rect.top() &&
                t->rect.left() > l->rect.right())
                v = t;
        EXPECT_NE(v, nullptr) << value.toStdString() << " beside its label";
    }
    // The ayanamsa with its value: Krishnamurti's at the end of 1990.
    const ReportText* ayanamsa = first.findTextStarting(QStringLiteral("Krishnamurti 23\u00B0"));
    ASSERT_NE(ayanamsa, nullptr);
    // The same value as the screen's caption ("Ayanamsa: Krishnamurti | 23°38'00"").
    const QString caption = chart->doc->presentation().ayanamsaCaption;
    EXPECT_EQ(ayanamsa->text, QStringLiteral("Krishnamurti ") + caption.section(" | ", 1));

    for (const ReportPage& p : pages) {
        SCOPED_TRACE(p.number);
        const QString number = QStringLiteral("Page %1 of %2").arg(p.number).arg(pages.size());
        const ReportText* pageText = p.findText(number);
        const ReportText* name = p.texts()[p.texts().size() - 2];
        ASSERT_NE(pageText, nullptr);
        EXPECT_EQ(name->text, QStringLiteral("Test Chart"));
        EXPECT_EQ(name->rect.top(), pageText->rect.top()) << "beside the page number";
        EXPECT_GT(pageText->rect.top(), 1075) << "below the page area";
    }
}

TEST_F(ChartReport, RulingPlanetsOfTheBirthAndOfTheReportsMomentEachSayWhenAndWhere)
{
    const ReportTable& rp = data->rulingPlanetTable;
    ASSERT_EQ(rp.columns.size(), 3u);
    EXPECT_EQ(rp.columns[1].header, QStringLiteral("At birth \u2014 5 Dec 1990 14:07 IST, Pune"));
    EXPECT_EQ(rp.columns[2].header, QStringLiteral("Now \u2014 6 Dec 2026 10:00 IST, Pune"));
    // 5 Dec 1990 was a Wednesday, 6 Dec 2026 is a Sunday.
    EXPECT_EQ(rp.rows.at(0), QStringList({"Day Lord", "MER", "SUN"}));
    ASSERT_EQ(rp.rows.size(), 7u);
    EXPECT_EQ(rp.rows[1].at(1), QStringLiteral("MON")) << "the birth Moon is in Cancer";
    EXPECT_NE(rp.rows[4], QStringList({"Asc Sign Lord", "JUP", "JUP"}))
        << "the ascendant has moved on in 36 years and 20 hours";
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
    EXPECT_EQ(data->karakaTable.rows.at(0), QStringList({"AK", "SAT"}));
}

TEST_F(ChartReport, TheWholeDashaWithTheRunningPeriodsMarked)
{
    const Paper page(kA4Width, kA4Height, 96);
    const std::vector<ReportPage> pages = layoutChartReport(*data, page.metrics);
    const std::vector<const ReportText*> texts = allTexts(pages);
    ASSERT_EQ(data->dasha.size(), 9u);

    // All nine mahadashas, each a card of its nine antardashas.
    const std::vector<ReportTable> cards = mahadashaCards(*data);
    ASSERT_EQ(cards.size(), 9u);
    for (std::size_t k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        const engine::DashaPeriod& md = data->dasha[k];
        const QString lord = QString::fromStdString(md.lordName);
        EXPECT_TRUE(cards[k].barTitle.startsWith(lord + QStringLiteral(" Mahadasha, age ")));
        EXPECT_EQ(countTexts(pages, cards[k].barTitle), 1);
        ASSERT_EQ(cards[k].rows.size(), 9u);
        EXPECT_EQ(cards[k].rows.front().at(1), QString::fromStdString(md.antardashas[0].start));
        EXPECT_EQ(cards[k].rows.back().at(2), QString::fromStdString(md.end));
        // Every antardasha's end date is printed somewhere.
        for (const engine::DashaPeriod& ad : md.antardashas)
            EXPECT_GE(countTexts(pages, QString::fromStdString(ad.end)), 1);
    }
    EXPECT_EQ(cards[0].barTitle, QStringLiteral("JUP Mahadasha, age 0\u20132"));
    EXPECT_EQ(cards[2].barTitle, QStringLiteral("MER Mahadasha, age 21\u201338"));

    // 6 Dec 2026: Mercury - Saturn - Venus.
    ASSERT_EQ(data->running.mahadasha, 2);
    const engine::DashaPeriod& mer = data->dasha[2];
    const engine::DashaPeriod& sat = mer.antardashas[std::size_t(data->running.antardasha)];
    EXPECT_EQ(sat.lordName, "SAT");
    EXPECT_EQ(sat.pratyantardashas[std::size_t(data->running.pratyantardasha)].lordName, "VEN");
    EXPECT_EQ(cards[2].badge, QStringLiteral("NOW"));
    for (std::size_t k = 0; k < 9; ++k)
        EXPECT_EQ(cards[k].badge.isEmpty(), k != 2);
    const auto& style = cards[2].rowStyles.at(std::size_t(data->running.antardasha));
    ASSERT_TRUE(style.has_value());
    EXPECT_EQ(style->background, 0xFFEB78u);
    EXPECT_EQ(style->font, ReportFont::Bold);

    // The running mahadasha's pratyantardashas: a card per antardasha.
    EXPECT_EQ(detailedMahadasha(*data), 2);
    const std::vector<ReportTable> detail = antardashaCards(*data, 2);
    ASSERT_EQ(detail.size(), 9u);
    const ReportTable& satCard = detail[std::size_t(data->running.antardasha)];
    EXPECT_EQ(satCard.barTitle, QStringLiteral("MER\u2013SAT Antardasha"));
    EXPECT_EQ(satCard.badge, QStringLiteral("NOW"));
    ASSERT_EQ(satCard.rows.size(), 9u);
    const auto& pdStyle = satCard.rowStyles.at(std::size_t(data->running.pratyantardasha));
    ASSERT_TRUE(pdStyle.has_value());
    EXPECT_EQ(pdStyle->background, 0xFFF8B4u);
    for (const ReportTable& c : detail)
        EXPECT_EQ(countTexts(pages, c.barTitle), 1) << c.barTitle.toStdString();
    int badges = 0;
    for (const ReportText* t : texts)
        badges += t->text == QStringLiteral("NOW");
    EXPECT_EQ(badges, 2) << "the running mahadasha and the running antardasha";
    EXPECT_EQ(countTexts(pages, QStringLiteral("Pratyantardashas of the running MER Mahadasha "
                                               "(2011-08-23 to 2028-08-23)")),
              1);

    // The pages follow the content: the dasha fills the last of them.
    EXPECT_NE(pages.back().findText(detail.back().barTitle), nullptr);
    // Nothing but the footer leaves the page area.
    for (const ReportPage& p : pages)
        for (std::size_t i = 0; i + 3 < p.items.size(); ++i)
            EXPECT_LE(bottomOf(itemRect(p.items[i])), 1075) << "page " << p.number << " item " << i;
}

TEST_F(ChartReport, WithoutARunningMahadashaTheFirstIsDetailed)
{
    ChartReportData before = *data;
    before.running = {};
    EXPECT_EQ(detailedMahadasha(before), 0);
    for (const ReportTable& c : mahadashaCards(before)) {
        EXPECT_TRUE(c.badge.isEmpty());
        for (const auto& style : c.rowStyles)
            EXPECT_FALSE(style.has_value());
    }
    const Paper page(kA4Width, kA4Height, 96);
    const std::vector<ReportPage> pages = layoutChartReport(before, page.metrics);
    EXPECT_EQ(countTexts(pages, QStringLiteral("Pratyantardashas of the first JUP Mahadasha "
                                               "(1990-12-05 to 1992-08-23)")),
              1);
}

// At a printer's resolution every text lies whole inside its rectangle: each
// line no wider than the rectangle, the lines no taller, together the text as
// given, and no two texts on top of each other.
void expectNothingCut(const std::vector<ReportPage>& pages, const ReportMetrics& m,
                      const QImage& device)
{
    for (const ReportPage& page : pages) {
        const std::vector<const ReportText*> texts = page.texts();
        for (const ReportText* t : texts) {
            SCOPED_TRACE(testing::Message()
                         << "page " << page.number << ": " << t->text.toStdString());
            const QFontMetricsF fm(reportFont(t->font, m), &device);
            ASSERT_FALSE(t->lines.isEmpty());
            for (const QString& line : t->lines) {
                EXPECT_LE(fm.horizontalAdvance(line), t->rect.width() + 0.01) << line.toStdString();
                EXPECT_FALSE(line.contains(QChar(0x2026)));
            }
            EXPECT_LE(int(t->lines.size()) * t->lineHeight, t->rect.height());
            EXPECT_GE(t->lineHeight, int(std::floor(fm.lineSpacing())));
            EXPECT_EQ(withoutSpaces(t->lines.join(QString())), withoutSpaces(t->text));
        }
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_FALSE(texts[i]->rect.intersects(texts[j]->rect))
                    << "page " << page.number << ": " << texts[i]->text.toStdString() << " / "
                    << texts[j]->text.toStdString();
    }
}

TEST_F(ChartReport, NothingIsCutShortAt300DotsPerInchOnA4OrLetter)
{
    Paper page(kA4Width, kA4Height, 300, true);
    const ReportMetrics& m = page.metrics;
    ASSERT_EQ(m.dpiY, 300);
    const std::vector<ReportPage> pages = layoutChartReport(*data, m);
    expectNothingCut(pages, m, page.device);
    // The long cells are there whole: the sign names and the longest
    // significator lists.
    for (const QString& whole :
         {QStringLiteral("SAGITTARIUS"), QStringLiteral("CAPRICORN"),
          QStringLiteral("SUN, MAR, JUP, VEN, SAT, RAH, URN, NEP"),
          QStringLiteral("SUN MAR JUP VEN SAT RAH URN NEP/SUN MER VEN/-/MAR")})
        EXPECT_GE(countTexts(pages, whole), 1) << whole.toStdString();

    // Painted, every page has its footer rule.
    for (const ReportPage& p : pages) {
        page.device.fill(Qt::white);
        QPainter painter(&page.device);
        paintReportPage(painter, p, m, [](QPainter& pp, const ReportDiagram& d) {
            paintReportDiagram(pp, d, *data);
        });
        painter.end();
        test::keepImage(page.device.scaled(page.device.size() / 3, Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation),
                        QStringLiteral("chart_report_page_%1").arg(p.number));
        EXPECT_EQ(page.device.pixel(page.device.width() / 2, bottomOf(m.pageArea)),
                  qRgb(0xB4, 0xC8, 0xE6));
    }

    const Paper letter(8.5, 11, 300);
    EXPECT_EQ(letter.metrics.pageArea.width(), 2250) << "7.5 inches inside the margins";
    expectNothingCut(layoutChartReport(*data, letter.metrics), letter.metrics, letter.device);
}

TEST_F(ChartReport, PrintedTextReadsOnWhatItIsDrawnOn)
{
    const Paper page(kA4Width, kA4Height, 96);
    for (const ReportPage& p : layoutChartReport(*data, page.metrics))
        for (const ReportText* t : p.texts())
            EXPECT_GE(contrastRatio(t->color, backgroundOf(p, *t)), kMinimumTextContrast)
                << t->text.toStdString();
}

TEST_F(ChartReport, NarrowColumnsKeepTheirTextsAndLongTextsWrap)
{
    // A page 5 inches wide: the cusp table cannot give every column its text
    // on one line.
    const Paper narrow(5, 8, 96);
    const ReportMetrics& m = narrow.metrics;
    const std::vector<std::pair<int, int>> spans =
        reportColumnSpans(data->cuspTable, m, m.pageArea.left(), m.pageArea.width());
    ASSERT_EQ(spans.size(), 7u);
    EXPECT_EQ(spans.back().first + spans.back().second, m.pageArea.right() + 1);
    const QFontMetricsF fm(reportFont(ReportFont::Body, m), &narrow.device);
    // The degree column keeps "15-16-05" on one line.
    EXPECT_GE(spans[1].second - 2 * m.inset, fm.horizontalAdvance(QStringLiteral("15-16-05")));

    const std::vector<ReportPage> pages = layoutChartReport(*data, m);
    expectNothingCut(pages, m, narrow.device);
    const QString ninth = data->cuspTable.rows.at(8).at(6);
    const ReportText* wrapped = nullptr;
    for (const ReportText* t : allTexts(pages))
        if (t->text == ninth)
            wrapped = t;
    ASSERT_NE(wrapped, nullptr);
    EXPECT_GT(wrapped->lines.size(), 1) << "the ninth cusp's significators wrap";
    const ReportText* cuspNine = nullptr;
    for (const ReportText* t : allTexts(pages))
        if (t->text == QStringLiteral("IX") && t->rect.top() == wrapped->rect.top())
            cuspNine = t;
    ASSERT_NE(cuspNine, nullptr) << "the row's other cells start level with it";
}

TEST_F(ChartReport, ALongTableContinuesOnTheNextPageUnderItsTitleAndHeader)
{
    ChartReportData longData = *data;
    longData.planetTable.rows.clear();
    for (int i = 0; i < 120; ++i)
        longData.planetTable.rows.push_back({QStringLiteral("P%1").arg(i), "1-00-00", "ARIES",
                                             "ASHWINI", "KET", "KET", "KET", "1"});
    const Paper page(kA4Width, kA4Height, 96);
    const ReportMetrics& m = page.metrics;
    const std::vector<ReportPage> pages = layoutChartReport(longData, m);
    for (int i = 0; i < 120; ++i)
        EXPECT_EQ(countTexts(pages, QStringLiteral("P%1").arg(i)), 1) << i;
    int continued = 0;
    for (const ReportPage& p : pages) {
        const ReportText* title = p.findText(QStringLiteral("Planetary Positions (continued)"));
        if (!title)
            continue;
        ++continued;
        EXPECT_EQ(title->rect.top(), m.pageArea.top());
        const ReportText* header = p.findText(QStringLiteral("Planet"));
        ASSERT_NE(header, nullptr);
        EXPECT_GT(header->rect.top(), title->rect.top());
    }
    EXPECT_GE(continued, 2) << "120 rows take three pages";
    // Each page's last row stops at the page bottom with no room for another.
    const ReportText* lastOnFirst = nullptr;
    for (const ReportText* t : pages.front().texts())
        if (t->text.startsWith(QLatin1Char('P')) && t->text.size() <= 4 && t->text != "Place")
            lastOnFirst = t;
    ASSERT_NE(lastOnFirst, nullptr);
    EXPECT_LE(bottomOf(lastOnFirst->rect), bottomOf(m.pageArea));
    EXPECT_GT(bottomOf(lastOnFirst->rect) + m.rowHeight, bottomOf(m.pageArea) - m.rowHeight);
}

TEST_F(ChartReport, DiagramsFollowTheAspectOnPortraitAndSixtyPercentOnAWidePage)
{
    auto diagramsOf = [](const std::vector<ReportPage>& pages) {
        std::vector<ReportDiagram> found;
        for (const ReportPage& p : pages)
            for (const ReportItem& item : p.items)
                if (const auto* d = std::get_if<ReportDiagram>(&item))
                    found.push_back(*d);
        return found;
    };
    const Paper portrait(kA4Width, kA4Height, 96);
    const std::vector<ReportDiagram> diagrams =
        diagramsOf(layoutChartReport(*data, portrait.metrics));
    ASSERT_EQ(diagrams.size(), 2u);
    // Half of 698 less a gap of 19: 330 wide, 224 high by the 500 : 340 aspect.
    EXPECT_EQ(diagrams[0].target.size(), QSize(330, 224));
    EXPECT_EQ(diagrams[0].target.left(), 48);
    EXPECT_EQ(diagrams[1].target.left(), 416);
    EXPECT_EQ(diagrams[0].target.top(), diagrams[1].target.top());
    EXPECT_EQ(diagrams[0].kind, ReportDiagramKind::Rashi);

    // On a wide page 60 % of the page area's height limits them.
    const Paper banner(2000 / 96.0, 700 / 96.0, 96);
    const std::vector<ReportDiagram> wide = diagramsOf(layoutChartReport(*data, banner.metrics));
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0].target.size(), QSize(532, 362));

    // Painted in the current theme: a corner tab, and lines across the middle.
    QImage image = test::whiteImage(794, 1123);
    QPainter painter(&image);
    paintReportDiagram(painter, ReportDiagram{QRect(48, 48, 330, 224), ReportDiagramKind::Rashi},
                       *data);
    painter.end();
    EXPECT_EQ(image.pixel(56, 56), qRgb(0xEF, 0xE9, 0xDF)) << "corner tab";
    int lineish = 0;
    for (int x = 48; x < 378; ++x)
        lineish += image.pixel(x, 48 + 112) != qRgb(0xFF, 0xFF, 0xFF);
    EXPECT_GT(lineish, 2) << "diamond and diagonals cross the middle row";
}

TEST_F(ChartReport, ThePdfHasThePagesOfTheLayoutOnA4OrLetter)
{
    QTemporaryDir dir;
    for (const auto& [size, mediaBox] :
         {std::pair{QPageSize(QPageSize::A4), QByteArray("/MediaBox [0 0 595.")},
          std::pair{QPageSize(QPageSize::Letter), QByteArray("/MediaBox [0 0 612.000000 792.")}}) {
        SCOPED_TRACE(size.name().toStdString());
        const QString path = dir.filePath(QStringLiteral("report.pdf"));
        ASSERT_TRUE(exportChartReportPdf(*chart->doc, path, size));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        EXPECT_TRUE(pdf.contains(mediaBox));
        const QSizeF inches = size.size(QPageSize::Inch);
        const Paper page(inches.width(), inches.height(), 600);
        EXPECT_EQ(pdf.count("/Type /Page\n"),
                  qsizetype(layoutChartReport(*data, page.metrics).size()));
    }
    EXPECT_FALSE(exportChartReportPdf(*chart->doc, dir.filePath(QStringLiteral("missing/r.pdf"))));
}

} // namespace
} // namespace lumikan::render
