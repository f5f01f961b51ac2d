#include "render/chart_appearance.h"
#include "shell_fixture.h"
#include "ui/dasha_tree_ctrl.h"
#include "ui/hover_list_ctrl.h"

#include <QHeaderView>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

// The width a cell's text takes in the font the table draws it in.
int textWidth(const CHoverListCtrl& table, int row, int column)
{
    QFont font = table.font();
    font.setBold(table.cellStyle(row, column, false).bold);
    return QFontMetrics(font).horizontalAdvance(table.item(row, column)->text());
}

// Every cell but the last column's shows its whole text, and every row fits
// the table's height.
void expectWholeAndAllRows(const CHoverListCtrl& table, const char* name, QSize window)
{
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column + 1 < table.columnCount(); ++column) {
            const int room = table.columnWidth(column) - 2 * CHoverListCtrl::kTextPadding;
            EXPECT_LE(textWidth(table, row, column), room)
                << name << " row " << row << " column " << column << " \""
                << table.item(row, column)->text().toStdString() << "\" at " << window.width()
                << "x" << window.height();
        }
    }
    const int lastRowBottom = table.rowViewportPosition(table.rowCount() - 1) + table.rowHeight();
    EXPECT_LE(lastRowBottom, table.viewport()->height())
        << name << ": every row in view at " << window.width() << "x" << window.height();
    EXPECT_FALSE(table.horizontalScrollBar()->isVisible()) << name;
}

TEST(ReadableAtEverySize, NoNameDegreeSignStarOrLordIsCut)
{
    for (const QSize window : {QSize(1100, 680), QSize(1440, 900), QSize(1920, 1080)}) {
        test::Shell shell;
        shell.env.screenSize = window;
        render::selectColorTheme(0);
        shell.start();
        shell.resizeFrame(window);
        ASSERT_TRUE(shell.app->OpenDocumentFile(shell.puneChartFile()));
        test::Shell::settle();
        CVerokantView* view = shell.activeView();
        ASSERT_NE(view, nullptr);

        expectWholeAndAllRows(*view->planetsTable(), "planets", window);
        expectWholeAndAllRows(*view->cuspsTable(), "cusps", window);
        EXPECT_EQ(view->planetsTable()->rowCount(), 13) << "nine planets, three outer, Fortuna";

        // The headers too ("Planet", not "Pla...").
        for (const CHoverListCtrl* table : {view->planetsTable(), view->cuspsTable()}) {
            const QFontMetrics header(table->horizontalHeader()->font());
            for (int column = 0; column + 1 < table->columnCount(); ++column)
                EXPECT_LE(header.horizontalAdvance(table->horizontalHeaderItem(column)->text()),
                          table->columnWidth(column) - 12)
                    << "header " << column << " at " << window.width();
        }

        // The dasha tree's dates have columns of their own, in view and never cut;
        // where the end column gives way, each period's tooltip names both dates.
        CDashaTreeCtrl* tree = view->dashaTree();
        const bool endShown = !tree->isColumnHidden(CDashaTreeCtrl::EndColumn);
        EXPECT_EQ(endShown, window.width() >= 1920) << window.width();
        for (int column : {int(CDashaTreeCtrl::StartColumn), int(CDashaTreeCtrl::EndColumn)}) {
            if (tree->isColumnHidden(column))
                continue;
            EXPECT_LE(tree->header()->sectionViewportPosition(column) + tree->columnWidth(column),
                      tree->viewport()->width())
                << "date column " << column << " in view at " << window.width();
        }
        int periods = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            const QString start = (*it)->text(CDashaTreeCtrl::StartColumn);
            const QString end = (*it)->text(CDashaTreeCtrl::EndColumn);
            if (start.isEmpty())
                continue;
            ++periods;
            EXPECT_EQ(start.size(), 10);
            EXPECT_LE(QFontMetrics((*it)->font(1)).horizontalAdvance(start),
                      tree->columnWidth(CDashaTreeCtrl::StartColumn) - 8)
                << start.toStdString() << " at " << window.width();
            if (endShown) {
                EXPECT_LE(QFontMetrics((*it)->font(2)).horizontalAdvance(end),
                          tree->columnWidth(CDashaTreeCtrl::EndColumn) - 8);
            }
            EXPECT_TRUE((*it)->toolTip(0).endsWith(start + QStringLiteral(" to ") + end))
                << (*it)->toolTip(0).toStdString();
        }
        EXPECT_GT(periods, 9 + 9 * 9) << "mahadashas, antardashas and pratyantardashas";

        // The time lists' labels and the panel titles do not overlap the lists.
        const ChartViewLayout& layout = *view->viewLayout();
        EXPECT_LE(layout.birthTimeLabel.right(), layout.birthTimeLists[0].left());
        EXPECT_LE(layout.rulingTimeLabel.right(), layout.rulingTimeLists[0].left());
        EXPECT_GE(layout.rulingTimeLabel.left(),
                  layout.panel(Panel::RulingPlanetsAndDasha).left() + 12);
    }
}

} // namespace
} // namespace lumikan::ui
