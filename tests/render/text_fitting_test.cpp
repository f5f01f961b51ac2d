// Column widths shared out by need, and texts wrapped to a width: what keeps
// printed tables from cutting a text short.
#include "render/column_widths.h"
#include "render/font_substitution.h"
#include "render/text_wrap.h"

#include "gui_test_app.h"

#include <QFontMetricsF>

#include <gtest/gtest.h>

#include <numeric>

namespace lumikan::render {
namespace {

qreal sum(const std::vector<qreal>& widths)
{
    return std::accumulate(widths.begin(), widths.end(), qreal(0));
}

TEST(ColumnWidths, NaturalWhenAllFitThenTheWideColumnsWrapAtOneWidth)
{
    // Plenty of room: every column its natural width, the rest unused.
    const std::vector<ColumnNeed> needs = {{30, 40}, {50, 300}, {20, 25}, {40, 200}};
    EXPECT_EQ(fitColumnWidths(needs, 600), (std::vector<qreal>{40, 300, 25, 200}));

    // 400: the narrow columns keep their 40 and 25; the two wide ones share
    // the rest evenly, 167.5 each.
    const std::vector<qreal> shared = fitColumnWidths(needs, 400);
    EXPECT_NEAR(sum(shared), 400, 1e-6);
    EXPECT_NEAR(shared[0], 40, 1e-6);
    EXPECT_NEAR(shared[2], 25, 1e-6);
    EXPECT_NEAR(shared[1], 167.5, 1e-6);
    EXPECT_NEAR(shared[3], 167.5, 1e-6);

    // 200: the level falls below the first column's natural width; no column
    // under its minimum.
    const std::vector<qreal> tight = fitColumnWidths(needs, 200);
    EXPECT_NEAR(sum(tight), 200, 1e-6);
    for (std::size_t i = 0; i < needs.size(); ++i)
        EXPECT_GE(tight[i] + 1e-6, needs[i].minimum) << i;

    // Not even the minimums fit: they shrink in proportion.
    const std::vector<qreal> squeezed = fitColumnWidths(needs, 70);
    EXPECT_NEAR(squeezed[1], 50 * 70.0 / 140, 1e-6);
    EXPECT_NEAR(sum(squeezed), 70, 1e-6);
    EXPECT_TRUE(fitColumnWidths({}, 100).empty());
}

TEST(TextWrap, LinesFitTheWidthAndKeepEveryCharacter)
{
    test::guiApp();
    const QFont font = designFont(u"Segoe UI", 9);
    const QFontMetricsF fm(font);
    const QString text = QStringLiteral("SUN MAR JUP VEN SAT RAH URN NEP/SUN MER VEN/-/MAR");
    const qreal width = fm.horizontalAdvance(QStringLiteral("SUN MAR JUP VEN")) + 1;
    const QStringList lines = wrapText(text, font, width);
    ASSERT_GT(lines.size(), 2);
    for (const QString& line : lines)
        EXPECT_LE(fm.horizontalAdvance(line), width) << line.toStdString();
    EXPECT_EQ(lines.join(QLatin1Char(' ')), text) << "broken at the spaces";

    // A word wider than the width is broken inside; nothing is lost.
    const QStringList word = wrapText(QStringLiteral("10,11,12,4,5,6,7,8,9"), font, 30);
    EXPECT_GT(word.size(), 1);
    EXPECT_EQ(word.join(QString()), QStringLiteral("10,11,12,4,5,6,7,8,9"));

    EXPECT_EQ(wrapText(QStringLiteral("one\ntwo"), font, 500), QStringList({"one", "two"}));
    EXPECT_EQ(wrapText(QString(), font, 500), QStringList{QString()});

    const TextExtent extent = textExtent(QStringLiteral("Moon Sign Lord"), font);
    EXPECT_DOUBLE_EQ(extent.singleLine, fm.horizontalAdvance(QStringLiteral("Moon Sign Lord")));
    EXPECT_DOUBLE_EQ(extent.widestWord, fm.horizontalAdvance(QStringLiteral("Moon")));
}

} // namespace
} // namespace lumikan::render
