#include "ui/dasha_tree_ctrl.h"

#include "qt_test_app.h"

#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

using engine::DashaPeriod;
using engine::LocalDateTime;

DashaPeriod period(engine::LordIndex lord, const char* name, const char* start, const char* end,
                   int years = 0, int months = 0, int days = 0)
{
    DashaPeriod p;
    p.lord = lord;
    p.lordName = name;
    p.start = start;
    p.end = end;
    p.years = years;
    p.months = months;
    p.days = days;
    return p;
}

// Three mahadashas; the second holds two antardashas with a day between them,
// the second of those two pratyantardashas that share a boundary day.
std::vector<DashaPeriod> sampleDasha()
{
    DashaPeriod saturn = period(7, "Saturn", "2010-01-01", "2029-01-01", 19);
    saturn.antardashas.push_back(period(7, "Saturn", "2010-01-01", "2015-02-28", 3, 0, 3));
    DashaPeriod mercury = period(8, "Mercury", "2015-03-01", "2019-01-01", 2, 8, 9);
    mercury.pratyantardashas.push_back(period(8, "Mercury", "2015-03-01", "2017-01-01", 0, 4, 2));
    mercury.pratyantardashas.push_back(period(0, "Ketu", "2017-01-01", "2019-01-01", 0, 1, 29));
    saturn.antardashas.push_back(mercury);
    return {period(6, "Jupiter", "1994-01-01", "2010-01-01", 16), saturn,
            period(8, "Mercury", "2029-01-01", "2046-01-01", 17)};
}

TEST(DashaTree, ItemTextsOfTheFourLevelsWithTheirDatesInColumns)
{
    const DashaPeriod maha = period(7, "Saturn", "2010-01-01", "2029-01-01", 19);
    EXPECT_EQ(mahadashaItemText(maha), "Saturn Mahadasha (19y)");
    const DashaPeriod longAntar = period(8, "MER", "2015-03-01", "2017-11-10", 2, 8, 9);
    EXPECT_EQ(antardashaItemText(longAntar), "MER Antardasha (2y 8m)");
    const DashaPeriod shortAntar = period(2, "Sun", "2015-03-01", "2015-12-20", 0, 9, 18);
    EXPECT_EQ(antardashaItemText(shortAntar), "Sun Antardasha (9m 18d)");
    const DashaPeriod pratyantar = period(0, "Ketu", "2017-01-01", "2017-02-27", 0, 1, 27);
    EXPECT_EQ(pratyantardashaItemText(pratyantar), "Ketu (1m 27d)");
    const DashaPeriod sookshma = period(1, "Ven", "2017-01-01", "2017-01-12", 0, 0, 11);
    EXPECT_EQ(sookshmaItemText(sookshma), "Ven Sookshma (11d)");

    // One indicator per row (the tree's own arrow): no drawn arrows or dots in the texts.
    test::qtApp();
    CDashaTreeCtrl tree;
    tree.setDasha(sampleDasha(), LocalDateTime{2015, 3, 1});
    for (QTreeWidgetItemIterator it(&tree); *it; ++it) {
        const QString text = (*it)->text(CDashaTreeCtrl::PeriodColumn);
        for (const char* glyph : {"▼", "▶", "●"})
            EXPECT_FALSE(text.contains(QString::fromUtf8(glyph))) << text.toStdString();
    }
    const QTreeWidgetItem* saturn = tree.topLevelItem(0)->child(1);
    EXPECT_EQ(saturn->text(CDashaTreeCtrl::StartColumn), "2010-01-01");
    EXPECT_EQ(saturn->text(CDashaTreeCtrl::EndColumn), "2029-01-01");
    EXPECT_EQ(saturn->toolTip(0), "Saturn Mahadasha (19y): 2010-01-01 to 2029-01-01");

    // Wide enough, both dates show; narrower, the end gives way and the start stays whole.
    tree.show(); // a hidden tree is told its size only when shown
    tree.resize(tree.leastWidth() + 200, 300);
    EXPECT_FALSE(tree.isColumnHidden(CDashaTreeCtrl::EndColumn));
    tree.resize(tree.leastWidth(), 300);
    EXPECT_TRUE(tree.isColumnHidden(CDashaTreeCtrl::EndColumn));
    const QFontMetrics bold(saturn->font(CDashaTreeCtrl::StartColumn));
    EXPECT_GE(tree.columnWidth(CDashaTreeCtrl::StartColumn),
              bold.horizontalAdvance(saturn->text(CDashaTreeCtrl::StartColumn)));
}

TEST(DashaTree, OpensOnThePeriodsRunningToday)
{
    test::qtApp();
    CDashaTreeCtrl tree;
    const std::vector<DashaPeriod> dasha = sampleDasha();

    // On the first day of an antardasha (its predecessor ended the day before)
    // the descent selects it, and within it the pratyantardasha starting that day.
    tree.setDasha(dasha, LocalDateTime{2015, 3, 1});
    QTreeWidgetItem* root = tree.topLevelItem(0);
    ASSERT_NE(root, nullptr);
    ASSERT_EQ(root->childCount(), 3);
    QTreeWidgetItem* saturn = root->child(1);
    EXPECT_TRUE(saturn->font(0).bold());
    EXPECT_TRUE(root->isExpanded());
    EXPECT_FALSE(root->child(0)->isExpanded());
    EXPECT_TRUE(saturn->isExpanded());
    EXPECT_TRUE(saturn->child(1)->isExpanded());
    EXPECT_EQ(tree.currentItem(), saturn->child(1)->child(0));
    EXPECT_TRUE(tree.currentItem()->isSelected());
    EXPECT_EQ(runningDashaPath(dasha, "2015-03-01"), (std::vector<int>{1, 1, 0}));
    // Root, three mahadashas, two antardashas, two pratyantardashas.
    EXPECT_EQ(tree.visibleRowCount(), 8);

    // A day both periods share belongs to the earlier one.
    EXPECT_EQ(runningDashaPath(dasha, "2017-01-01"), (std::vector<int>{1, 1, 0}));
    EXPECT_EQ(runningDashaPath(dasha, "2010-01-01"), (std::vector<int>{0}));

    // A level where nothing contains today ends the descent at the item found last.
    tree.setDasha(dasha, LocalDateTime{2022, 6, 1});
    saturn = tree.topLevelItem(0)->child(1);
    EXPECT_EQ(tree.currentItem(), saturn);
    EXPECT_TRUE(saturn->isExpanded());
    EXPECT_FALSE(saturn->child(1)->isExpanded());

    // No mahadasha contains today: the first is opened and nothing is selected.
    tree.setDasha(dasha, LocalDateTime{2050, 1, 1});
    EXPECT_TRUE(tree.topLevelItem(0)->child(0)->isExpanded());
    EXPECT_EQ(tree.currentItem(), nullptr);
    EXPECT_TRUE(tree.selectedItems().isEmpty());

    // An empty dasha shows the root alone, expanded, nothing selected.
    tree.setDasha({}, LocalDateTime{2024, 1, 1});
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_TRUE(tree.selectedItems().isEmpty());
    EXPECT_EQ(tree.visibleRowCount(), 1);
}

TEST(DashaTree, SelectionAgreesWithTheEngineOnAComputedDasha)
{
    test::qtApp();
    // Birth 1990-12-05 08:37 UT, Moon at 100.5°; today fixed.
    const double birthJulianDay = 2448230.859;
    const std::vector<DashaPeriod> dasha = engine::buildDasha(birthJulianDay, 100.5, 3);
    const LocalDateTime today{2024, 5, 17};
    const engine::RunningDasha running = engine::runningDasha(dasha, today);
    ASSERT_NE(running.pratyantardasha, -1);

    CDashaTreeCtrl tree;
    tree.setDasha(dasha, today);
    tree.resize(420, 22 * tree.visibleRowCount() + 12);
    test::keepImage(tree.grab().toImage(), QStringLiteral("dasha_tree"));
    const QTreeWidgetItem* selected = tree.currentItem();
    ASSERT_NE(selected, nullptr);
    const QTreeWidgetItem* antar = selected->parent();
    const QTreeWidgetItem* maha = antar->parent();
    auto lordShown = [](const QTreeWidgetItem* item, engine::LordIndex lord) {
        return item->text(0).contains(
            QString::fromLatin1(engine::bodyName(engine::lordToBody(lord), 0).data()) + " ");
    };
    EXPECT_TRUE(lordShown(selected, running.pratyantardasha)) << selected->text(0).toStdString();
    EXPECT_TRUE(lordShown(antar, running.antardasha)) << antar->text(0).toStdString();
    EXPECT_TRUE(lordShown(maha, running.mahadasha)) << maha->text(0).toStdString();
}

} // namespace
} // namespace lumikan::ui
