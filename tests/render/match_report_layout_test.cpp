#include "render/match_report_layout.h"

#include "gui_test_app.h"

#include <QPainter>

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

TEST_F(MatchReportTest, ScrollHeightFollowsTheRowCountAndHoldsTheFooter)
{
    struct Case {
        std::size_t rows;
        int height;
        std::size_t sections;
    };
    // 0: 216 + 242; 8: 500 + 242; 9: 500 + 337; 27: 8 × 27 + 284 + 19 × 27 + 310.
    for (const Case& c : {Case{0, 458, 0}, Case{3, 365 + 242, 1}, Case{8, 742, 1}, Case{9, 837, 2},
                          Case{27, 1323, 2}}) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows");
        EXPECT_EQ(matchReportScrollSize(c.rows), QSize(1400, c.height));
        const MatchReportLayout layout = layoutMatchReport(contentWithRows(c.rows));
        ASSERT_EQ(layout.sections.size(), c.sections);
        // The last divider closes the footer 4 pixels above the end of the scroll area.
        EXPECT_DOUBLE_EQ(layout.dividers.back().line.y1(), c.height - 4);
        if (c.sections == 2) {
            EXPECT_EQ(layout.sections[0].rows.size(), 8u);
            EXPECT_EQ(layout.sections[1].rows.size(), c.rows - 8);
        }
    }
}

TEST_F(MatchReportTest, HeaderAndSectionsCarryTheirTextsAndPlaces)
{
    const MatchReportLayout layout = layoutMatchReport(contentWithRows(27));
    EXPECT_EQ(layout.om.rect, QRectF(426, 18, 104, 52));
    EXPECT_EQ(layout.title.rect, QRectF(108, 94, 740, 34));
    EXPECT_EQ(layout.names.text, QStringLiteral("Ravi  ♥  Asha"));
    EXPECT_EQ(layout.names.rect, QRectF(108, 166, 740, 28));

    const SheetSection& first = layout.sections[0];
    const SheetSection& second = layout.sections[1];
    EXPECT_EQ(first.band.rect, QRectF(18, 216, 830, 28));
    EXPECT_EQ(first.headings[0].fill.rect, QRectF(108, 246, 100, 24));
    EXPECT_EQ(first.headings[7].fill.rect.right(), 848);
    EXPECT_EQ(first.rows[0].cells[0].fill.rect, QRectF(108, 270, 100, 27));
    // Each section gauge sits level with the middle of its rows.
    EXPECT_EQ(first.gauge.centre, QPointF(63, 270 + 4 * 27));
    EXPECT_EQ(second.band.rect.top(), 500);
    EXPECT_EQ(second.gauge.centre, QPointF(63, 554 + 19 * 27 / 2.0));
    EXPECT_EQ(second.gauge.figures.text, QStringLiteral("19.0/38"));
    // Footer: 24 below the second section's 14-pixel gap.
    EXPECT_EQ(layout.overall.centre, QPointF(478, 1081 + 24 + 64));
    EXPECT_EQ(layout.overall.figures.text, QStringLiteral("27.0/54"));
    EXPECT_EQ(layout.verdict.rect, QRectF(108, 1105 + 142, 740, 64));

    // Rows alternate from the first colour, restarting in each section.
    EXPECT_EQ(first.rows[0].cells[0].fill.start.rgba(), sheet::kRowEven);
    EXPECT_EQ(first.rows[1].cells[0].fill.start.rgba(), sheet::kRowOdd);
    EXPECT_EQ(second.rows[0].cells[0].fill.start.rgba(), sheet::kRowEven);
}

TEST_F(MatchReportTest, RowCellsShowValuesPointsNotObtainedAndZeroMaximum)
{
    MatchReportContent c;
    c.rows = {row("Nadi", 0, 8, "Antya", "Antya", "Progeny & Genetic Health"),
              row("Mangal Dosha", 0, 0), row("Synastry", 3.5, 7)};
    const MatchReportLayout layout = layoutMatchReport(c);
    const auto& rows = layout.sections[0].rows;

    const auto& nadi = rows[0].cells;
    EXPECT_EQ(nadi[sheet::Koot].text.text, QStringLiteral("Nadi"));
    EXPECT_EQ(nadi[sheet::Subject].text.text, QStringLiteral("Progeny & Genetic Health"));
    EXPECT_EQ(nadi[sheet::Male].text.text, QStringLiteral("Antya(0.0)"));
    EXPECT_EQ(nadi[sheet::Female].text.text, QStringLiteral("Antya(8.0)"))
        << "the girl's cell shows the points not obtained";
    EXPECT_EQ(nadi[sheet::Max].text.text, QStringLiteral("8.0"));
    EXPECT_EQ(nadi[sheet::Marks].text.text, QStringLiteral("0.0"));

    const SheetRow& zero = rows[1];
    EXPECT_EQ(zero.percent, 0.0);
    EXPECT_EQ(zero.cells[sheet::Subject].text.text, QStringLiteral("Mangal Dosha"))
        << "an empty subject shows the rule name";
    EXPECT_EQ(zero.cells[sheet::Male].text.text, QStringLiteral("(0.0)"));
    EXPECT_EQ(zero.cells[sheet::Female].text.text, QStringLiteral("(0.0)"));
    EXPECT_EQ(zero.cells[sheet::Symbol].text.text, QStringLiteral("✘"));
    EXPECT_EQ(zero.cells[sheet::Compatibility].text.text, QStringLiteral("Needs attention"));
    EXPECT_EQ(zero.bar.filledWidth, 0.0);
    EXPECT_EQ(zero.bar.track, QRectF(108 + 100 + 160 + 68 + 68 + 42 + 5, 270 + 27 + 27 - 9, 46, 5));

    const auto& half = rows[2].cells;
    EXPECT_EQ(half[sheet::Male].text.text, QStringLiteral("(3.5)"));
    EXPECT_EQ(half[sheet::Female].text.text, QStringLiteral("(3.5)"));

    const QImage image = render(layout, QSize(900, 420));
    test::keepImage(image, QStringLiteral("match_report_rows"));
    const QRectF zeroBar = zero.bar.track;
    EXPECT_TRUE(colorNear(image, zeroBar.center(), sheet::kBarTrack)) << "an empty bar";
    EXPECT_TRUE(colorNear(image,
                          zero.cells[sheet::Compatibility].fill.rect.bottomRight() - QPointF(6, 3),
                          sheet::kCellAttention));
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
        EXPECT_EQ(r.cells[sheet::Symbol].text.color.rgba(),
                  r.percent >= 50 ? sheet::kGood : sheet::kPoor);
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

    const QImage image = render(layout, matchReportScrollSize(c.rows.size()));
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
        const QImage image = render(layout, matchReportScrollSize(0));
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
    const QImage image = render(noneLayout, matchReportScrollSize(0));
    EXPECT_TRUE(colorNear(image, onRing(noneLayout.overall, 5), sheet::kGaugeTrack));

    // A name that looks like a placeholder is shown as typed.
    EXPECT_TRUE(matchVerdict(80, QStringLiteral("%2"), QStringLiteral("Asha"))
                    .startsWith(QStringLiteral("The stars shine brightly upon %2 and Asha.")));
}

TEST_F(MatchReportTest, CellTextShowsWholeLinesAndEndsInAnEllipsis)
{
    const QFont font = designFont(u"Palatino Linotype", 7.5);
    const QFontMetricsF metrics(font);
    const QString subject = QStringLiteral("Checks for Vedha Dosha based on Nakshatra positions.");
    const QSizeF cell(152, 21); // a Subject cell inside its insets: room for one line

    EXPECT_EQ(fitCellText(QStringLiteral("Tara"), font, cell), QStringList{"Tara"});

    const QStringList one = fitCellText(subject, font, cell);
    ASSERT_EQ(one.size(), 1);
    EXPECT_TRUE(one[0].endsWith(QChar(0x2026))) << one[0].toStdString();
    EXPECT_TRUE(one[0].startsWith(QStringLiteral("Checks for Vedha")));
    EXPECT_LE(metrics.horizontalAdvance(one[0]), cell.width());

    // Taller: the first line breaks at a word, the second takes the rest.
    const QStringList two = fitCellText(subject, font, QSizeF(152, 3 * metrics.lineSpacing() - 1));
    ASSERT_EQ(two.size(), 2);
    EXPECT_FALSE(two[0].endsWith(QChar(0x2026)));
    EXPECT_TRUE(subject.startsWith(two[0] + QLatin1Char(' '))) << two[0].toStdString();

    // A box lower than a line still shows one.
    EXPECT_EQ(fitCellText(QStringLiteral("Gana"), font, QSizeF(60, 4)).size(), 1);
}

TEST_F(MatchReportTest, GaugeFiguresStayInsideTheRing)
{
    MatchReportContent c;
    for (int i = 0; i < 8; ++i)
        c.rows.push_back(row("Rule", 4.5, 4.5));
    c.rows.push_back(row("Extended", 216, 216));
    c.totalScore = 252;
    c.totalMax = 252;
    const MatchReportLayout layout = layoutMatchReport(c);
    for (const SheetGauge* g :
         {&layout.sections[0].gauge, &layout.sections[1].gauge, &layout.overall}) {
        SCOPED_TRACE(g->figures.text.toStdString());
        const qreal inside = 2 * g->radius - sheet::kGaugePenWidth;
        EXPECT_LE(QFontMetricsF(g->figures.font).horizontalAdvance(g->figures.text), inside);
        EXPECT_GE(g->figures.font.pointSizeF(), 6.0);
        EXPECT_NEAR(g->sweepDeg, 270, 1e-9);
    }
    EXPECT_EQ(layout.sections[1].gauge.figures.text, QStringLiteral("216.0/216"));
    EXPECT_EQ(layout.overall.figures.font.pointSizeF(), 10.0) << "the overall ring has room";
}

} // namespace
} // namespace lumikan::render
