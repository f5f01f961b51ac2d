#include "shell_fixture.h"
#include "ui/notes_editor.h"
#include "ui/user_guide.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QUndoGroup>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

// Longitudes of every planet and cusp: the chart as a reader sees it.
std::vector<double> positions(const document::CVerokantDoc& doc)
{
    std::vector<double> all;
    for (const engine::PlanetPosition& p : doc.chart().planets)
        all.push_back(p.longitude);
    for (const engine::CuspPosition& c : doc.chart().cusps)
        all.push_back(c.longitude);
    return all;
}

QAction* action(test::Shell& shell, const char* name)
{
    auto* found = shell.frame().findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

struct OpenChart : test::Shell {
    document::CVerokantDoc* doc = nullptr;
    CVerokantView* view = nullptr;

    OpenChart()
    {
        start();
        EXPECT_TRUE(app->OpenDocumentFile(puneChartFile()));
        doc = app->documents().front();
        view = activeView();
    }
};

TEST(EditingAndUndo, EditBirthDataRecomputesAndUndoRestoresTheChartExactly)
{
    OpenChart shell;
    document::CVerokantDoc& doc = *shell.doc;
    EXPECT_FALSE(doc.IsModified());
    const std::vector<double> before = positions(doc);
    const QString titleBefore = doc.GetTitle();
    EXPECT_TRUE(action(shell, "editBirthData")->isEnabled());
    EXPECT_EQ(action(shell, "editBirthData")->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));

    // The dialog opens filled with the chart's data; the user makes it 16:45.
    QString shownName, shownLatitude, shownHour;
    shell.dialogScript = [&](CBirthInfoDlg& d) {
        shownName = d.findChild<QLineEdit*>(QStringLiteral("name"))->text();
        shownLatitude = d.findChild<QLineEdit*>(QStringLiteral("latitude"))->text();
        shownHour = d.findChild<QLineEdit*>(QStringLiteral("hour"))->text();
        d.findChild<QLineEdit*>(QStringLiteral("hour"))->setText(QStringLiteral("04"));
        d.findChild<QLineEdit*>(QStringLiteral("minute"))->setText(QStringLiteral("45"));
        d.accept();
        return d.result() == QDialog::Accepted;
    };
    action(shell, "editBirthData")->trigger();
    EXPECT_EQ(shownName, QStringLiteral("Sample"));
    EXPECT_EQ(shownLatitude, QStringLiteral("18.5204"));
    EXPECT_EQ(shownHour, QStringLiteral("02"));
    EXPECT_EQ(doc.birthDetails().hour, 16);
    EXPECT_EQ(doc.birthDetails().minute, 45);
    EXPECT_EQ(doc.birthDetails().latitude, 18.5204) << "untouched fields keep their values";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_NE(positions(doc), before);
    EXPECT_EQ(shell.view->birthTimeList(0)->currentText(), QStringLiteral("16"));
    EXPECT_TRUE(shell.frame().isWindowModified());

    QAction* undo = action(shell, "editUndo");
    QAction* redo = action(shell, "editRedo");
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Edit Birth Data"));
    undo->trigger();
    EXPECT_EQ(positions(doc), before) << "undo gives back exactly the chart before";
    EXPECT_FALSE(doc.IsModified()) << "back where the file was";
    EXPECT_EQ(doc.GetTitle(), titleBefore);
    EXPECT_EQ(shell.view->birthTimeList(1)->currentText(), QStringLiteral("07"));
    EXPECT_FALSE(shell.frame().isWindowModified());
    redo->trigger();
    EXPECT_EQ(doc.birthDetails().minute, 45);
    EXPECT_TRUE(doc.IsModified());

    // Saving makes the edited chart the one on disk: undoing now is a change again.
    shell.app->saveDocument(doc, false);
    EXPECT_FALSE(doc.IsModified());
    undo->trigger();
    EXPECT_TRUE(doc.IsModified());
    redo->trigger();
    EXPECT_FALSE(doc.IsModified());

    // Cancel changes nothing and leaves nothing to undo.
    const int steps = shell.app->undoStack(doc)->count();
    shell.dialogScript = [](CBirthInfoDlg&) { return false; };
    action(shell, "editBirthData")->trigger();
    EXPECT_EQ(shell.app->undoStack(doc)->count(), steps);
}

TEST(EditingAndUndo, BirthTimeListsAndNotesAreUndoneStepByStep)
{
    OpenChart shell;
    document::CVerokantDoc& doc = *shell.doc;
    const std::vector<double> before = positions(doc);
    QAction* undo = action(shell, "editUndo");

    shell.view->birthTimeList(1)->setCurrentIndex(30); // 14:30
    shell.view->birthTimeList(0)->setCurrentIndex(9);  // 09:30
    EXPECT_EQ(doc.birthDetails().hour, 9);
    EXPECT_TRUE(doc.IsModified());

    // A visit's typing in the notes is one step.
    CNotesEditor* notes = shell.view->notesEditor();
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(notes, &in);
    for (const char* key : {"M", "o", "o", "n"}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromLatin1(key));
        QApplication::sendEvent(notes, &press);
    }
    EXPECT_EQ(doc.notes(), QStringLiteral("[15/Mar/2026] Moon"));
    EXPECT_EQ(undo->text(), QStringLiteral("&Undo Notes Typing"));

    undo->trigger();
    EXPECT_TRUE(doc.notes().isEmpty());
    EXPECT_TRUE(notes->notes().isEmpty()) << "the editor shows the notes taken back";
    undo->trigger();
    EXPECT_EQ(doc.birthDetails().hour, 14);
    EXPECT_EQ(shell.view->birthTimeList(0)->currentText(), QStringLiteral("14"));
    undo->trigger();
    EXPECT_EQ(doc.birthDetails().minute, 7);
    EXPECT_EQ(positions(doc), before);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(undo->isEnabled());

    // Ctrl+Z inside the notes is the chart's Undo, not the editor's own.
    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(notes, &shortcut);
    EXPECT_FALSE(shortcut.isAccepted());
}

TEST(EditingAndUndo, EnteringTheNotesMarksNothingAndClosingAsksNothing)
{
    OpenChart shell;
    CNotesEditor* notes = shell.view->notesEditor();
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(notes, &in);
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(notes, &out);
    EXPECT_FALSE(shell.doc->IsModified());
    EXPECT_FALSE(action(shell, "editUndo")->isEnabled());
    shell.frame().close();
    EXPECT_TRUE(shell.prompts.askedTitles.isEmpty()) << "no \"Save changes?\"";
}

TEST(EditingAndUndo, EachChartHasItsOwnHistory)
{
    OpenChart shell;
    ASSERT_TRUE(shell.app->OpenDocumentFile(shell.puneChartFile("Asha", 1)));
    ASSERT_EQ(shell.app->documents().size(), 2u);
    document::CVerokantDoc* asha = shell.app->documents()[1];
    shell.activeView()->birthTimeList(2)->setCurrentIndex(30);
    EXPECT_EQ(asha->birthDetails().second, 30);
    EXPECT_TRUE(action(shell, "editUndo")->isEnabled());
    // The first chart's window in front: its history, which is empty.
    shell.frame().mdiArea()->setActiveSubWindow(shell.app->frames().front());
    EXPECT_FALSE(action(shell, "editUndo")->isEnabled());
    shell.frame().mdiArea()->setActiveSubWindow(shell.app->frames().back());
    action(shell, "editUndo")->trigger();
    EXPECT_EQ(asha->birthDetails().second, 0);
    EXPECT_FALSE(shell.doc->IsModified());
}

TEST(Shell, ShortcutsMnemonicsAndTheUserGuide)
{
    test::Shell shell;
    QStringList pages;
    shell.env.showHelp = [&pages](const QString& page) { pages << page; };
    shell.start();
    EXPECT_EQ(action(shell, "appExit")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(action(shell, "fileSaveAs")->shortcut(),
              QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(action(shell, "helpUserGuide")->shortcut(), QKeySequence(Qt::Key_F1));
    action(shell, "helpUserGuide")->trigger();
    EXPECT_EQ(pages, QStringList{QStringLiteral("index.html")});
    // Settings with no chart open.
    EXPECT_TRUE(action(shell, "settings")->isVisible());

    // The birth-data dialog's Help opens the guide's page on birth data.
    shell.dialogScript = [](CBirthInfoDlg& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("help")), Qt::LeftButton);
        return false;
    };
    shell.app->OnFileNew();
    EXPECT_EQ(pages.last(), QString::fromLatin1(kBirthDataHelpPage));

    // Every menu item can be reached by its letter.
    for (QAction* menu : shell.frame().menuBar()->actions()) {
        EXPECT_TRUE(menu->text().contains(QLatin1Char('&'))) << menu->text().toStdString();
        for (QAction* item : menu->menu()->actions())
            if (!item->isSeparator() && !item->text().isEmpty()) {
                EXPECT_TRUE(item->text().contains(QLatin1Char('&'))) << item->text().toStdString();
            }
    }
}

TEST(Shell, TheGuideIsInstalledBesideTheProgramWithAPagePerTopic)
{
    test::qtApp();
    const QDir guide(userGuideFolder());
    ASSERT_TRUE(guide.exists(QStringLiteral("index.html"))) << guide.path().toStdString();
    for (const char* page :
         {"casting-a-chart.html", "horary.html", "reading-the-panels.html", "matchmaking.html",
          "printing.html", "files.html", "settings.html", "command-line.html", "keyboard.html"}) {
        EXPECT_TRUE(guide.exists(QString::fromLatin1(page))) << page;
    }
    CHelpWindow window;
    window.showPage(QString::fromLatin1(kBirthDataHelpPage));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("Birth")));
    window.showPage(QStringLiteral("no-such-page.html"));
    EXPECT_TRUE(window.browser()->toPlainText().contains(QStringLiteral("missing")));
}

} // namespace
} // namespace lumikan::ui
