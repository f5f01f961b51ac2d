#include "shell_fixture.h"
#include "ui/dasha_tree_ctrl.h"
#include "ui/hover_list_ctrl.h"
#include "ui/notes_editor.h"

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

QWidget* focused()
{
    return QApplication::focusWidget();
}

void press(QKeyCombination key)
{
    QTest::keyClick(focused(), key.key(), key.keyboardModifiers());
}

TEST(Keyboard, TabAndF6MoveFromPanelToPanel)
{
    test::Shell shell;
    shell.start();
    ASSERT_TRUE(shell.app->OpenDocumentFile(shell.puneChartFile()));
    shell.frame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shell.frame()));
    CVerokantView* view = shell.activeView();
    ASSERT_NE(view, nullptr);

    // Tab leaves a table for the next panel, not for the next cell.
    view->planetsTable()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(focused(), view->planetsTable());
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), view->cuspsTable());
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), view->birthTimeList(0));
    press(Qt::SHIFT | Qt::Key_Tab);
    EXPECT_EQ(focused(), view->cuspsTable());

    // F6 goes panel by panel (the three time lists are one stop) and around.
    const std::vector<QWidget*> expected = {view->birthTimeList(0), view->rulingTimeList(0),
                                            view->dashaTree(),      view->significatorsTable(),
                                            view->notesEditor(),    view->planetsTable()};
    for (QWidget* next : expected) {
        press(QKeyCombination(Qt::Key_F6));
        EXPECT_EQ(focused(), next) << next->metaObject()->className();
    }
    view->birthTimeList(2)->setFocus();
    press(QKeyCombination(Qt::Key_F6));
    EXPECT_EQ(focused(), view->rulingTimeList(0)) << "from any of the three lists";
    press(Qt::SHIFT | Qt::Key_F6);
    EXPECT_EQ(focused(), view->birthTimeList(0));

    // In the notes Tab types; Ctrl+Tab moves on.
    view->notesEditor()->setFocus(Qt::TabFocusReason);
    press(QKeyCombination(Qt::Key_Tab));
    EXPECT_EQ(focused(), view->notesEditor());
    EXPECT_TRUE(view->notesEditor()->notes().endsWith(QLatin1Char('\t')));
    press(Qt::CTRL | Qt::Key_Tab);
    EXPECT_NE(focused(), view->notesEditor());
}

} // namespace
} // namespace lumikan::ui
