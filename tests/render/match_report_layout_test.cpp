#include "render/match_report_layout.h"
#include "render/match_report_print.h"

#include "document/chart_maker.h"
#include "document/match_documents.h"
#include "gui_test_app.h"
#include "render/contrast.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace lumikan::render {
namespace {

namespace sheet = match_sheet;

match::MatchRow row(const char* name, double score, double maxScore, const char* male = "",
                    const char* female = "", const char* subject = "")
{
    match::MatchRow r;
    r.name = name;
    r.subject = subject;
    r.score = score;
    r.maxScore = maxScore;
    r.maleValue = male;
    r.femaleValue = female;
    return r;
}

MatchReportContent contentWithRows(std::size_t count)
{
    MatchReportContent c;
    for (std::size_t i = 0; i < count; ++i)
        c.rows.push_back(row("Rule", 1, 2));
    c.totalScore = double(count);
    c.totalMax = 2.0 * double(count);
    c.boyName = QStringLiteral("Ravi");
    c.girlName = QStringLiteral("Asha");
    return c;
}

QSize sheetSize(const MatchReportLayout& layout)
{
    return layout.size.toSize() + QSize(1, 1);
}

QImage render(const MatchReportLayout& layout, QSize size)
{
    QImage image = test::whiteImage(size.width(), size.height());
    QPainter painter(&image);
    paintMatchReport(painter, layout);
    painter.end();
    return image;
}

// Colours compared channel by channel within `tolerance` (antialiasing at the
// middle of a 9-pixel pen or inside a filled box leaves them exact).
QColor argbColor(QRgb value)
{
    return QColor::fromRgba(value);
}

::testing::AssertionResult colorNear(const QImage& image, QPointF at, QRgb expected,
                                     int tolerance = 6)
{
    const QRgb actual = image.pixel(at.toPoint());
    const int d = std::max({std::abs(qRed(actual) - qRed(expected)),
                            std::abs(qGreen(actual) - qGreen(expected)),
                            std::abs(qBlue(actual) - qBlue(expected))});
    if (d <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "at (" << at.x() << ", " << at.y() << ") expected #" << std::hex
           << (expected & 0xFFFFFF) << ", got #" << (actual & 0xFFFFFF);
}

// A point on a gauge's ring `degrees` clockwise from where its arc starts.
QPointF onRing(const SheetGauge& g, double degrees)
{
    const double a = (225.0 - degrees) * M_PI / 180.0;
    return {g.centre.x() + g.radius * std::cos(a), g.centre.y() - g.radius * std::sin(a)};
}

class MatchReportTest : public ::testing::Test {
protected:
    void SetUp() override { test::guiApp(); }
};

TEST_F(MatchReportTest, HeightFollowsTheRowCountAndHoldsTheFooter)
{
    struct Case {
        std::size_t rows;
        int height;
        std::size_t sections;
    };
    // One-line rows: 0: 216 + 242; 8: 500 + 242; 9: 500 + 337; 27: 8 × 27 +
    // 284 + 19 × 27 + 310.
    for (const Case& c : {Case{0, 458, 0}, Case{3, 365 + 242, 1}, Case{8, 742, 1}, Case{9, 837, 2},
                          Case{27, 1323, 2}}) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows");
        const MatchReportLayout layout = layoutMatchReport(contentWithRows(c.rows));
        EXPECT_DOUBLE_EQ(layout.size.height(), c.height);
        ASSERT_EQ(layout.sections.size(), c.sections);
        // The last divider closes the footer 4 pixels above the end of the sheet.
        EXPECT_DOUBLE_EQ(layout.dividers.back().line.y1(), c.height - 4);
        if (c.sections == 2) {
            EXPECT_EQ(layout.sections[0].rows.size(), 8u);
            EXPECT_EQ(layout.sections[1].rows.size(), c.rows - 8);
        }
    }
}

TEST_F(MatchReportTest, TheSheetIsAsWideAsItsContentWithTheHeadingCentredOverIt)
{
    const MatchReportLayout layout = layoutMatchReport(contentWithRows(27));
    // Short texts: every column about its narrowest, the table narrower than
    // its budget.
    qreal columns = 0;
    for (const SheetCell& heading : layout.sections[0].headings)
        columns += heading.fill.rect.width();
    EXPECT_DOUBLE_EQ(layout.tableWidth, columns);
    EXPECT_LE(layout.tableWidth, 100 + 150 + 68 + 68 + 42 + 56 + 36 + 125);
    const qreal right = 108 + layout.tableWidth;
    EXPECT_DOUBLE_EQ(layout.size.width(), right + 18) << "margins of 18 on both sides";
    const qreal middle = (18 + right) / 2;
    EXPECT_EQ(layout.om.rect, QRectF(middle - 52, 18, 104, 52));
    EXPECT_EQ(layout.title.rect, QRectF(18, 94, right - 18, 34));
    EXPECT_EQ(layout.names.text, QStringLiteral("Ravi  ♥  Asha"));
    EXPECT_EQ(layout.names.rect, QRectF(18, 166, right - 18, 28));
    EXPECT_DOUBLE_EQ(layout.overall.centre.x(), middle);
    EXPECT_EQ(layout.ornaments[2].line.p1(), QPointF(layout.size.width() - 14, 14))
        << "the right ornaments frame the sheet's corner";

    const SheetSection& first = layout.sections[0];
    const SheetSection& second = layout.sections[1];
    EXPECT_EQ(first.band.rect, QRectF(18, 216, right - 18, 28));
    EXPECT_EQ(first.headings[0].fill.rect, QRectF(108, 246, 100, 24));
    EXPECT_DOUBLE_EQ(first.headings[7].fill.rect.right(), right);
    EXPECT_EQ(first.rows[0].cells[0].fill.rect, QRectF(108, 270, 100, 27));
    // Each section gauge sits level with the middle of its rows.
    EXPECT_EQ(first.gauge.centre, QPointF(63, 270 + 4 * 27));
    EXPECT_EQ(first.gauge.radius, 36);
    EXPECT_EQ(second.band.rect.top(), 500);
    EXPECT_EQ(second.gauge.centre, QPointF(63, 554 + 19 * 27 / 2.0));
    EXPECT_EQ(second.gauge.figures.text, QStringLiteral("19.0/38"));
    // Footer: 24 below the second section's 14-pixel gap.
    EXPECT_EQ(layout.overall.centre.y(), 1081 + 24 + 64);
    EXPECT_EQ(layout.overall.figures.text, QStringLiteral("27.0/54"));
    EXPECT_EQ(layout.verdict.rect, QRectF(18, 1105 + 142, right - 18, 64));

    // Rows alternate from the first colour, restarting in each section.
    EXPECT_EQ(first.rows[0].cells[0].fill.start.rgba(), sheet::kRowEven);
    EXPECT_EQ(first.rows[1].cells[0].fill.start.rgba(), sheet::kRowOdd);
    EXPECT_EQ(second.rows[0].cells[0].fill.start.rgba(), sheet::kRowEven);
}

TEST_F(MatchReportTest, RowCellsShowLabelledValuesPointsNotObtainedAndZeroMaximum)
{
    MatchReportContent c;
    c.rows = {row("Nadi", 0, 8, "Antya", "Antya", "Progeny & Genetic Health"),
              row("Mangal Dosha", 0, 0), row("Synastry", 3.5, 7)};
    const MatchReportLayout layout = layoutMatchReport(c);
    const auto& rows = layout.sections[0].rows;

    const auto& nadi = rows[0].cells;
    EXPECT_EQ(nadi[sheet::Koot].text.text, QStringLiteral("Nadi"));
    EXPECT_EQ(nadi[sheet::Subject].text.text, QStringLiteral("Progeny & Genetic Health"));
    EXPECT_EQ(nadi[sheet::Male].text.text, QStringLiteral("Antya (0.0 pts)"));
    EXPECT_EQ(nadi[sheet::Female].text.text, QStringLiteral("Antya (8.0 pts short)"))
        << "the girl's cell shows the points not obtained";
    EXPECT_EQ(nadi[sheet::Max].text.text, QStringLiteral("8.0"));
    EXPECT_EQ(nadi[sheet::Marks].text.text, QStringLiteral("0.0"));

    // A rule without values (the extended section's) still says what its
    // numbers are.
    const SheetRow& zero = rows[1];
    EXPECT_EQ(zero.percent, 0.0);
    EXPECT_EQ(zero.cells[sheet::Subject].text.text, QStringLiteral("Mangal Dosha"))
        << "an empty subject shows the rule name";
    EXPECT_EQ(zero.cells[sheet::Male].text.text, QStringLiteral("0.0 pts"));
    EXPECT_EQ(zero.cells[sheet::Female].text.text, QStringLiteral("0.0 pts short"));
    EXPECT_EQ(zero.cells[sheet::Symbol].text.text, QStringLiteral("✘"));
    EXPECT_EQ(zero.cells[sheet::Compatibility].text.text, QStringLiteral("Needs attention"));
    EXPECT_EQ(zero.bar.filledWidth, 0.0);
    const QRectF marks = zero.cells[sheet::Marks].fill.rect;
    EXPECT_EQ(zero.bar.track, QRectF(marks.left() + 5, marks.bottom() - 9, marks.width() - 10, 5));

    const auto& half = rows[2].cells;
    EXPECT_EQ(half[sheet::Male].text.text, QStringLiteral("3.5 pts"));
    EXPECT_EQ(half[sheet::Female].text.text, QStringLiteral("3.5 pts short"));

    const QImage image = render(layout, QSize(900, 420));
    test::keepImage(image, QStringLiteral("match_report_rows"));
    const QRectF zeroBar = zero.bar.track;
    EXPECT_TRUE(colorNear(image, zeroBar.center(), sheet::kBarTrack)) << "an empty bar";
    EXPECT_TRUE(colorNear(image,
                          zero.cells[sheet::Compatibility].fill.rect.bottomRight() - QPointF(6, 3),
                          sheet::kCellAttention));
}

TEST_F(MatchReportTest, LongCellTextsWrapWholeAndTheRowGrows)
{
    MatchReportContent c;
    c.rows = {row("KP 1-7 SubLord Axis Matching", 10, 15, "", "",
                  "Checks cross linkage between 1st and 7th house sub-lords, and the KP "
                  "Marriage Match of both charts, with every detail a long subject can hold."),
              row("Varna", 1, 1, "", "", "Work")};
    const MatchReportLayout layout = layoutMatchReport(c);
    EXPECT_LE(layout.tableWidth, sheet::kTableBudget);
    const SheetRow& tall = layout.sections[0].rows[0];
    const SheetRow& plain = layout.sections[0].rows[1];
    EXPECT_GT(tall.cells[0].fill.rect.height(), sheet::kRowHeight);
    EXPECT_EQ(plain.cells[0].fill.rect.height(), sheet::kRowHeight);
    EXPECT_EQ(plain.cells[0].fill.rect.top(), tall.cells[0].fill.rect.bottom());
    for (const SheetRow* r : {&tall, &plain}) {
        for (const SheetCell& cell : r->cells) {
            const SheetText& t = cell.text;
            SCOPED_TRACE(t.text.toStdString());
            const QFontMetricsF fm(t.font);
            for (const QString& line : t.lines)
                EXPECT_LE(fm.horizontalAdvance(line), t.rect.width() + 0.01) << line.toStdString();
            EXPECT_EQ(t.lines.join(QLatin1Char(' ')).simplified(), t.text.simplified());
            EXPECT_LE(qreal(t.lines.size()) * t.lineHeight, t.rect.height() + 0.01);
            EXPECT_TRUE(cell.fill.rect.contains(t.rect));
        }
    }
    EXPECT_GT(tall.cells[sheet::Subject].text.lines.size(), 1);
    // The bar stays at the foot of a tall row.
    EXPECT_DOUBLE_EQ(tall.bar.track.top(), tall.cells[0].fill.rect.bottom() - 9);
}

TEST_F(MatchReportTest, RowsJudgeAtSeventyFiveAndFiftyPercent)
{
    struct Case {
        double score;
        QString symbol;
        QString verdict;
        QRgb cell;
        QRgb bar;
    };
    // Out of 4: 3 is 75 %, 2 is 50 %.
    const std::vector<Case> cases = {
        {3, "✔", "Excellent harmony", sheet::kCellExcellent, sheet::kGood},
        {2.9, "✔", "Moderate compatibility", sheet::kCellModerate, sheet::kMiddling},
        {2, "✔", "Moderate compatibility", sheet::kCellModerate, sheet::kMiddling},
        {1.9, "✘", "Needs attention", sheet::kCellAttention, sheet::kPoor},
    };
    MatchReportContent c;
    for (const Case& k : cases)
        c.rows.push_back(row("Yoni", k.score, 4));
    const MatchReportLayout layout = layoutMatchReport(c);
    const QImage image = render(layout, QSize(900, 500));
    test::keepImage(image, QStringLiteral("match_report_thresholds"));

    for (std::size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "score " << cases[i].score << " of 4");
        const SheetRow& r = layout.sections[0].rows[i];
        EXPECT_EQ(r.cells[sheet::Symbol].text.text, cases[i].symbol);
        EXPECT_EQ(r.cells[sheet::Compatibility].text.text, cases[i].verdict);
        // The mark in the row's colour, darkened where it would not read.
        const QColor mark = r.cells[sheet::Symbol].text.color;
        const QColor band = argbColor(r.percent >= 50 ? sheet::kGood : sheet::kPoor);
        EXPECT_NEAR(mark.hslHueF(), band.hslHueF(), 0.01);
        EXPECT_LE(mark.lightnessF(), band.lightnessF());
        const QRectF cell = r.cells[sheet::Compatibility].fill.rect;
        EXPECT_TRUE(colorNear(image, cell.bottomRight() - QPointF(6, 3), cases[i].cell));
        const QRectF bar = r.bar.track;
        EXPECT_NEAR(r.bar.filledWidth, bar.width() * cases[i].score / 4, 1e-9);
        EXPECT_TRUE(colorNear(image, QPointF(bar.left() + 2, bar.center().y()), cases[i].bar));
        EXPECT_TRUE(
            colorNear(image, QPointF(bar.right() - 1.5, bar.center().y()), sheet::kBarTrack));
    }
}

TEST_F(MatchReportTest, SectionGaugeTurnsGoldAtFiftyFivePercent)
{
    // Section 1 of 20 points: 11 is 55 %; section 2 of 20 points: 10.9 falls short.
    MatchReportContent c;
    for (int i = 0; i < 8; ++i)
        c.rows.push_back(row("Rule", i == 0 ? 11 : 0, i == 0 ? 20 : 0));
    c.rows.push_back(row("Extended", 10.9, 20));
    const MatchReportLayout layout = layoutMatchReport(c);
    const SheetGauge& first = layout.sections[0].gauge;
    const SheetGauge& second = layout.sections[1].gauge;
    EXPECT_EQ(first.color.rgba(), sheet::kSectionGaugeGood);
    EXPECT_EQ(second.color.rgba(), sheet::kPoor);
    EXPECT_EQ(first.figures.text, QStringLiteral("11.0/20"));
    EXPECT_NEAR(first.sweepDeg, 270 * 0.55, 1e-9);

    const QImage image = render(layout, sheetSize(layout));
    test::keepImage(image, QStringLiteral("match_report_section_gauges"));
    EXPECT_TRUE(colorNear(image, onRing(first, 10), sheet::kSectionGaugeGood));
    EXPECT_TRUE(colorNear(image, onRing(first, 270 * 0.55 - 12), sheet::kSectionGaugeGood));
    EXPECT_TRUE(colorNear(image, onRing(first, 270 * 0.55 + 12), sheet::kGaugeTrack));
    EXPECT_TRUE(colorNear(image, onRing(first, 315), sheet::kGaugeTrack))
        << "the track is a whole circle";
    EXPECT_TRUE(colorNear(image, onRing(second, 10), sheet::kPoor));
}

TEST_F(MatchReportTest, OverallGaugeAndVerdictAtTheirThresholds)
{
    struct Case {
        double score; // of 100
        QRgb gauge;
        const char* verdictStart;
    };
    const std::vector<Case> cases = {
        {75, sheet::kGood, "The stars shine brightly upon Ravi and Asha."},
        {74.9, sheet::kGood, "The horoscopes of Ravi and Asha reflect"},
        {65, sheet::kGood, "The horoscopes of Ravi and Asha reflect"},
        {64.9, sheet::kMiddling, "The horoscopes of Ravi and Asha reflect"},
        {55, sheet::kMiddling, "The horoscopes of Ravi and Asha reflect"},
        {54.9, sheet::kMiddling, "The charts of Ravi and Asha indicate"},
        {40, sheet::kMiddling, "The charts of Ravi and Asha indicate"},
        {39.9, sheet::kPoor, "The planetary positions of Ravi and Asha present notable"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.score << " of 100");
        MatchReportContent c = contentWithRows(0);
        c.totalScore = k.score;
        c.totalMax = 100;
        const MatchReportLayout layout = layoutMatchReport(c);
        EXPECT_EQ(layout.overall.color.rgba(), k.gauge);
        EXPECT_TRUE(layout.verdict.text.startsWith(QString::fromUtf8(k.verdictStart)))
            << layout.verdict.text.toStdString();
        const QImage image = render(layout, sheetSize(layout));
        EXPECT_TRUE(colorNear(image, onRing(layout.overall, 5), k.gauge));
        EXPECT_TRUE(colorNear(image, onRing(layout.overall, 270 * k.score / 100 - 8), k.gauge));
        EXPECT_TRUE(
            colorNear(image, onRing(layout.overall, 270 * k.score / 100 + 8), sheet::kGaugeTrack));
    }

    // 36 of 252 is 14.3 %.
    MatchReportContent low = contentWithRows(0);
    low.totalScore = 36;
    low.totalMax = 252;
    const MatchReportLayout lowLayout = layoutMatchReport(low);
    EXPECT_EQ(lowLayout.overall.color.rgba(), sheet::kPoor);
    EXPECT_EQ(lowLayout.overall.figures.text, QStringLiteral("36.0/252"));

    // No maximum: 0 %, red, and no arc over the track.
    MatchReportContent none = contentWithRows(0);
    none.totalScore = 5;
    none.totalMax = 0;
    const MatchReportLayout noneLayout = layoutMatchReport(none);
    EXPECT_EQ(noneLayout.overall.color.rgba(), sheet::kPoor);
    EXPECT_FALSE(noneLayout.overall.hasArc());
    EXPECT_EQ(noneLayout.overall.figures.text, QStringLiteral("5.0/0"));
    const QImage image = render(noneLayout, sheetSize(noneLayout));
    EXPECT_TRUE(colorNear(image, onRing(noneLayout.overall, 5), sheet::kGaugeTrack));

    // A name that looks like a placeholder is shown as typed.
    EXPECT_TRUE(matchVerdict(80, QStringLiteral("%2"), QStringLiteral("Asha"))
                    .startsWith(QStringLiteral("The stars shine brightly upon %2 and Asha.")));
}

TEST_F(MatchReportTest, GaugeFiguresStayInsideTheRing)
{
    MatchReportContent c;
    for (int i = 0; i < 8; ++i)
        c.rows.push_back(row("Rule", 4.5, 4.5));
    c.rows.push_back(row("Extended", 98.5, 216));
    c.totalScore = 252;
    c.totalMax = 252;
    const MatchReportLayout layout = layoutMatchReport(c);
    EXPECT_EQ(layout.sections[1].gauge.figures.text, QStringLiteral("98.5/216"));
    EXPECT_EQ(layout.overall.figures.font.pointSizeF(), 10.0) << "the overall ring has room";
    const QImage image = render(layout, sheetSize(layout));
    test::keepImage(image, QStringLiteral("match_report_gauges"));
    for (const SheetGauge* g :
         {&layout.sections[0].gauge, &layout.sections[1].gauge, &layout.overall}) {
        SCOPED_TRACE(g->figures.text.toStdString());
        EXPECT_GE(g->figures.font.pointSizeF(), 6.0);
        // Inside the ring's band only the ring's colours: no figure ink.
        const qreal r = g->radius - sheet::kGaugePenWidth / 2 + 1.5;
        for (int degrees = 0; degrees < 360; degrees += 2) {
            const double a = degrees * M_PI / 180;
            const QPoint at =
                QPointF(g->centre.x() + r * std::cos(a), g->centre.y() - r * std::sin(a)).toPoint();
            EXPECT_GT(qGray(image.pixel(at)), 70) << "ink on the ring at " << degrees << "°";
        }
    }
}

TEST_F(MatchReportTest, EveryTextReadsOnWhatItIsDrawnOn)
{
    const MatchReportLayout layout = layoutMatchReport(contentWithRows(27));
    auto onPage = [](const SheetText& t) {
        return std::min(contrastRatio(t.color, argbColor(sheet::kPageTop)),
                        contrastRatio(t.color, argbColor(sheet::kPageBottom)));
    };
    for (const SheetText* t : {&layout.om, &layout.title, &layout.subtitle, &layout.names,
                               &layout.verdict, &layout.overall.figures, &layout.overall.caption})
        EXPECT_GE(onPage(*t), kMinimumTextContrast) << t->text.toStdString();
    for (const SheetSection& section : layout.sections) {
        EXPECT_GE(onPage(section.gauge.figures), kMinimumTextContrast);
        EXPECT_GE(onPage(section.gauge.caption), kMinimumTextContrast);
        for (QRgb band : {sheet::kTitle, sheet::kBandEnd})
            EXPECT_GE(contrastRatio(section.title.color, argbColor(band)), kMinimumTextContrast);
        std::vector<const SheetCell*> cells;
        for (const SheetCell& cell : section.headings)
            cells.push_back(&cell);
        for (const SheetRow& r : section.rows)
            for (const SheetCell& cell : r.cells)
                cells.push_back(&cell);
        for (const SheetCell* cell : cells) {
            if (cell->text.text.isEmpty())
                continue;
            for (const QColor& back : {cell->fill.start, cell->fill.end}) {
                if (back.isValid()) {
                    EXPECT_GE(contrastRatio(cell->text.color, back), kMinimumTextContrast)
                        << cell->text.text.toStdString();
                }
            }
        }
    }
}

TEST_F(MatchReportTest, PagesEndBetweenSectionsOrRowsAndNeverCutAGauge)
{
    // Sections start at 216 and 500, the footer at 1105; rows of 27 between.
    const MatchReportLayout layout = layoutMatchReport(contentWithRows(27));
    ASSERT_FALSE(layout.breaks.empty());
    std::vector<qreal> preferred;
    for (const SheetBreak& b : layout.breaks) {
        if (b.preferred)
            preferred.push_back(b.y);
        for (const SheetSection& s : layout.sections) {
            const qreal reach = s.gauge.radius + sheet::kGaugePenWidth / 2;
            EXPECT_FALSE(b.y > s.gauge.centre.y() - reach && b.y < s.gauge.centre.y() + reach)
                << "a page ending at " << b.y << " would cut the gauge";
        }
    }
    EXPECT_EQ(preferred, (std::vector<qreal>{216, 500, 1105}));

    // A page of 1000 holds the heading and the first section, not the second.
    using Spans = std::vector<std::pair<qreal, qreal>>;
    EXPECT_EQ(matchReportPageSpans(layout.breaks, 1323, 1000), (Spans{{0, 500}, {500, 1323}}));
    // A page of 400: the first section starts a page; the long second one
    // ends a page between rows.
    const Spans small = matchReportPageSpans(layout.breaks, 1323, 400);
    ASSERT_GE(small.size(), 4u);
    EXPECT_EQ(small[0], std::make_pair(qreal(0), qreal(216)));
    for (std::size_t i = 1; i < small.size(); ++i) {
        EXPECT_EQ(small[i].first, small[i - 1].second);
        EXPECT_LE(small[i].second - small[i].first, 400);
        const bool atBreak =
            std::any_of(layout.breaks.begin(), layout.breaks.end(),
                        [&](const SheetBreak& b) { return b.y == small[i].first; });
        EXPECT_TRUE(atBreak) << small[i].first;
    }
    EXPECT_EQ(small.back().second, 1323);
    // Without any place to end, a page ends where it is full.
    EXPECT_EQ(matchReportPageSpans({}, 250, 100), (Spans{{0, 100}, {100, 200}, {200, 250}}));
}

TEST_F(MatchReportTest, TheRealReportNamesEveryRuleInFullAndGivesItsTotals)
{
    test::ChartMaker maker;
    auto boy = maker.puneChart("Ravi Deshpande", 1990, 12, 5, 14, 0);
    auto girl = maker.puneChart("Asha Kulkarni", 1993, 3, 14, 6, 1);
    ASSERT_TRUE(boy && girl);
    const match::MatchReport report =
        match::RunMatch(match::CreateMatchRules(), document::BuildMatchSubject(*boy),
                        document::BuildMatchSubject(*girl));
    MatchReportContent c{report.totalScore, report.totalMax, report.rows,
                         QStringLiteral("Ravi Deshpande"), QStringLiteral("Asha Kulkarni")};
    const MatchReportLayout layout = layoutMatchReport(c);
    ASSERT_EQ(layout.sections.size(), 2u);
    std::size_t index = 0;
    for (const SheetSection& section : layout.sections)
        for (const SheetRow& r : section.rows) {
            const SheetText& koot = r.cells[sheet::Koot].text;
            EXPECT_EQ(koot.text.toStdString(), report.rows.at(index++).name);
            EXPECT_EQ(koot.lines, QStringList{koot.text}) << "whole, on one line";
        }
    EXPECT_EQ(index, report.rows.size());
    EXPECT_EQ(layout.overall.figures.text,
              QString::asprintf("%.1f/%d", report.totalScore, int(report.totalMax)));
    EXPECT_EQ(layout.sections[0].gauge.figures.text,
              QString::asprintf("%.1f/36", layout.sections[0].score));

    // On paper: A4 and US Letter, each page with the names and its number.
    QTemporaryDir dir;
    for (const QPageSize& size : {QPageSize(QPageSize::A4), QPageSize(QPageSize::Letter)}) {
        const QString path = dir.filePath(QStringLiteral("match.pdf"));
        ASSERT_TRUE(exportMatchReportPdf(c, path, size));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        EXPECT_GE(pdf.count("/Type /Page\n"), 2) << size.name().toStdString();
    }
    EXPECT_FALSE(exportMatchReportPdf(c, dir.filePath(QStringLiteral("missing/match.pdf"))));
}

} // namespace
} // namespace lumikan::render
