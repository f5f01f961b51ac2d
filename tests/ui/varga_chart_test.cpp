#include "ui/varga_chart_view.h"

#include "document/chart_maker.h"
#include "qt_test_app.h"
#include "render/chart_appearance.h"
#include "render/chart_diagram.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

const VargaCardLayout* findCard(const VargaWindowLayout& layout, std::size_t group, int division)
{
    for (const VargaCardLayout& card : layout.groups.at(group).cards)
        if (card.division == division)
            return &card;
    return nullptr;
}

class VargaWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::qtApp();
        chart = new test::PuneChart;
    }
    static void TearDownTestSuite() { delete chart; }
    static test::PuneChart* chart;
};
test::PuneChart* VargaWindow::chart = nullptr;

TEST_F(VargaWindow, LifeAreasInOrderThreeCardsToARowMarriageDrawsD9BeforeD7)
{
    const VargaWindowLayout layout = layoutVargaWindow(chart->doc->chart().vargas);
    // 30 + 7 headings of 75 + 9 rows of cards of 268 + 30.
    EXPECT_EQ(layout.scrollSize, QSize(1290, 2997));
    ASSERT_EQ(layout.groups.size(), 7u);

    // Health: five cards, the fourth and fifth on a second row.
    const VargaGroupLayout& health = layout.groups[0];
    ASSERT_EQ(health.cards.size(), 5u);
    EXPECT_EQ(health.accentBar, QRect(30, 34, 4, 39));
    EXPECT_EQ(health.separator, QRect(30, 83, 1230, 1));
    EXPECT_EQ(health.cards[2].card, QRect(850, 85, 390, 248));
    EXPECT_EQ(health.cards[3].card, QRect(30, 353, 390, 248));

    // Marriage starts below the two rows of health cards.
    const VargaGroupLayout& marriage = layout.groups[1];
    ASSERT_EQ(marriage.cards.size(), 2u);
    EXPECT_EQ(marriage.cards[0].title, QStringLiteral("D9 \u2014 Navamsa"));
    EXPECT_EQ(marriage.cards[1].title, QStringLiteral("D7 \u2014 Saptamsa"));
    EXPECT_EQ(marriage.cards[0].card.topLeft(), QPoint(30, 30 + 75 + 2 * 268 + 55));
    EXPECT_EQ(marriage.cards[1].card.topLeft(), QPoint(440, 30 + 75 + 2 * 268 + 55));
    EXPECT_EQ(marriage.cards[0].diagram, QRect(30, 30 + 75 + 2 * 268 + 55 + 28, 392, 222));
    // D9 appears again under Destiny, as a card of its own.
    EXPECT_NE(findCard(layout, 6, 9), nullptr);
}

TEST_F(VargaWindow, DivisionsWithoutResultOrPlanetsShowNoData)
{
    std::map<int, engine::VargaChart> vargas = chart->doc->chart().vargas;
    vargas.erase(60);
    vargas.at(1).positions.clear();
    const VargaWindowLayout layout = layoutVargaWindow(vargas);
    EXPECT_FALSE(findCard(layout, 6, 60)->hasData);
    EXPECT_FALSE(findCard(layout, 6, 1)->hasData);
    EXPECT_TRUE(findCard(layout, 6, 9)->hasData);

    // Painted: the empty card holds its text and no diagram; the full one a diagram.
    render::selectColorTheme(0);
    const render::ColorTheme& theme = render::currentTheme();
    auto doc = std::make_unique<document::CVargaChartDoc>();
    doc->SetVargas(vargas);
    CVargaChartView view(std::move(doc));
    view.resize(1300, 800);
    view.show();
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    const QImage image = view.grab().toImage();
    test::keepImage(image, QStringLiteral("varga_destiny"));
    const QPoint origin(-view.horizontalScrollBar()->value(), -view.verticalScrollBar()->value());
    auto count = [&](const QRect& area, QRgb color, bool equal) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += (image.pixel(QPoint(x, y) + origin) == (color | 0xFF000000u)) == equal;
        return n;
    };
    const QRect emptyCard = findCard(layout, 6, 1)->noDataRect;
    ASSERT_TRUE(QRect(QPoint(), image.size()).contains(emptyCard.translated(origin)));
    const int ink = count(emptyCard, theme.vargaBack, false);
    EXPECT_GT(ink, 20) << "the words No data";
    EXPECT_LT(ink, 2000) << "nothing but the words";
    EXPECT_EQ(image.pixel(QPoint(emptyCard.left() + 5, emptyCard.center().y()) + origin),
              theme.vargaBack | 0xFF000000u);
    // The card beside it holds a diagram, mostly its white fill.
    const QRect fullDiagram = findCard(layout, 6, 3)->diagram;
    EXPECT_GT(count(fullDiagram, theme.chartFill, true), 392 * 222 / 2);
}

TEST_F(VargaWindow, DiagramsAreBuiltFromTheDivisionAndShowNoRetrogradeMark)
{
    const std::vector<engine::CuspPosition> cusps = vargaCusps(4);
    ASSERT_EQ(cusps.size(), 12u);
    EXPECT_EQ(cusps[0].sign, 4);
    EXPECT_EQ(cusps[0].signLord, engine::lord::Sun);
    EXPECT_EQ(cusps[8].sign, 0);
    EXPECT_EQ(cusps[8].signLord, engine::lord::Mars);

    // Mars and Jupiter are retrograde in the natal chart; their navamsa labels are plain.
    const engine::VargaChart& navamsa = chart->doc->chart().vargas.at(9);
    const std::vector<engine::PlanetPosition> planets = vargaPlanets(navamsa);
    ASSERT_EQ(planets.size(), navamsa.positions.size());
    const std::vector<engine::CuspPosition> navamsaCusps = vargaCusps(navamsa.ascendantSign);
    const render::ChartDiagramLayout diagram = render::layoutChartDiagram(
        QRect(0, 0, 390, 220), &planets, &navamsaCusps, render::currentTheme(), QFont(),
        [](const QString& text) { return QSize(7 * int(text.size()), 12); });
    QStringList labels;
    for (const render::ChartPlanetLabel& label : diagram.labels)
        labels.push_back(label.label.text);
    EXPECT_TRUE(labels.contains("Ma") && labels.contains("Ju")) << labels.join(' ').toStdString();
    EXPECT_FALSE(labels.contains("MaR") || labels.contains("JuR"));
    // The body in the ascendant's varga sign stands in house 1.
    for (const engine::PlanetPosition& p : planets) {
        if (p.sign == navamsa.ascendantSign) {
            EXPECT_EQ(p.house, 1);
        }
    }
}

TEST_F(VargaWindow, EachWindowKeepsItsCopyAndScrollsInsteadOfWrapping)
{
    test::PuneChart source;
    QMdiArea area;
    area.resize(800, 600);
    QMdiSubWindow* window = openVargaWindow(*source.doc, area);
    ASSERT_NE(window, nullptr);
    auto* view = qobject_cast<CVargaChartView*>(window->widget());
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Divisional Charts \u2014 Test Chart (5 Dec 1990 14:07, Pune)"))
        << "the title names the chart";
    EXPECT_EQ(openVargaWindow(*source.doc, area) == window, false)
        << "each command opens a new window";

    test::keepImage(area.grab().toImage(), QStringLiteral("varga_window"));
    const int viewportWidth = view->viewport()->width();
    EXPECT_LT(viewportWidth, 1290);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 1290 - viewportWidth);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 2997 - view->viewport()->height());

    // Two hours later every division's ascendant has moved on; the window has not.
    const std::map<int, engine::VargaChart> before = view->document().vargas();
    source.doc->ChangeBirthTime(16, 7, 0);
    ASSERT_NE(source.doc->chart().vargas.at(1).ascendantSign, before.at(1).ascendantSign);
    EXPECT_EQ(view->document().vargas().at(1).ascendantSign, before.at(1).ascendantSign);
    EXPECT_EQ(view->document().vargas().at(60).ascendantSign, before.at(60).ascendantSign);
}

} // namespace
} // namespace lumikan::ui
