#include "document/chart_maker.h"
#include "engine/ephemeris.h"
#include "qt_test_app.h"
#include "ui/event_timing_window.h"
#include "ui/transit_window.h"

#include <QLabel>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace lumikan;

namespace {

// 2024-03-10 06:30 UTC: 12:00 at the chart's ruling-planet place, Pune (+5:30).
QDateTime fixedNow()
{
    return QDateTime(QDate(2024, 3, 10), QTime(6, 30, 0), Qt::UTC);
}

} // namespace

TEST(TransitWindow, StepsTheMomentByKeyAndMatchesTheEngine)
{
    test::qtApp();
    test::ChartMaker maker;
    auto doc = maker.newChart(test::puneBirth());
    ASSERT_TRUE(doc);
    ui::CTransitWindow window(*doc, fixedNow);
    window.show();
    EXPECT_EQ(window.moment(), QDateTime(QDate(2024, 3, 10), QTime(12, 0, 0), Qt::UTC));
    ASSERT_TRUE(window.snapshot());
    EXPECT_EQ(window.transitTable()->rowCount(), int(window.snapshot()->bodies.size()));

    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_PageDown);                                      // +1 day
    QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier);                     // +1 hour
    QTest::keyClick(&window, Qt::Key_PageUp, Qt::AltModifier);                       // -1 month
    QTest::keyClick(&window, Qt::Key_PageDown, Qt::AltModifier | Qt::ShiftModifier); // +1 year
    EXPECT_EQ(window.moment(), QDateTime(QDate(2025, 2, 11), QTime(13, 0, 0), Qt::UTC));
    // The table follows the moment: the Moon's row equals a transit cast for it.
    const double jd = window.snapshot()->julianDayUt;
    const auto sky =
        engine::transitAt(doc->chart(), jd, 18.5204, 73.8567, engine::Ephemeris::shared());
    ASSERT_TRUE(sky);
    EXPECT_EQ(window.snapshot()->bodies[1].longitudeDeg, sky->bodies[1].longitudeDeg);
    EXPECT_NEAR(jd, engine::julianDay(2025, 2, 11, 7.5), 1e-6);
    // The timeline tab lists the day's ascendant subs, every one checked.
    ASSERT_GT(window.timelineTable()->rowCount(), 100);
    for (int r = 1; r < window.timelineTable()->rowCount(); ++r)
        EXPECT_EQ(window.timelineTable()->item(r, 3)->text(), QStringLiteral("±1 s")) << r;
}

TEST(EventTimingWindow, PromiseFirstThenRankedPeriodsWithTheirWhy)
{
    test::qtApp();
    test::ChartMaker maker;
    auto doc = maker.newChart(test::puneBirth());
    ASSERT_TRUE(doc);
    ui::CEventTimingWindow window(*doc, fixedNow);
    window.show();
    EXPECT_TRUE(window.promiseLabel()->text().contains(QStringLiteral("Cusp 7")));
    const QTreeWidget* tree = window.periodsTree();
    ASSERT_EQ(tree->topLevelItemCount(), int(window.timing().periods.size()));
    ASSERT_GT(tree->topLevelItemCount(), 0);
    int running = 0;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        running += tree->topLevelItem(i)->text(0).startsWith(QStringLiteral("▶"));
    EXPECT_EQ(running, 1);
    // Each lord of a period opens into its reasons.
    const QTreeWidgetItem* lord = tree->topLevelItem(0)->child(0);
    ASSERT_NE(lord, nullptr);
    ASSERT_GT(lord->childCount(), 0);
    EXPECT_TRUE(lord->child(0)->text(0).contains(QStringLiteral(" signifies ")));

    window.setCustomHouses({6, 11}, 6);
    window.setDepth(4);
    ASSERT_FALSE(window.timing().periods.empty());
    EXPECT_EQ(window.timing().periods.front().lords.size(), 4u);
    EXPECT_EQ(window.timing().negatingHouses, (std::vector<int>{5, 10}));
}
