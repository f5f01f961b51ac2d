#include "ui/main_frame.h"

#include "document/atlas_database.h"
#include "document/recorders.h"
#include "document/text_encoding.h"
#include "engine/cast_chart.h"
#include "qt_test_app.h"
#include "ui/about_dlg.h"
#include "ui/birth_info_dlg.h"
#include "ui/child_frame.h"
#include "ui/color_status_bar.h"
#include "ui/recent_file_list.h"
#include "ui/shell_icons.h"
#include "ui/verokant_app.h"

#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace lumikan::ui {
namespace {

const engine::LocalDateTime kNow{2026, 6, 27, 10, 30, 15};

// A birth typed into the dialog: 5 Dec 1990, 02:07:00 PM, at Pune when the
// atlas place is picked; `latitude` is typed over the atlas's when given.
struct Birth {
    QString name = QStringLiteral("Test Chart");
    bool atlasPlace = true;
    QString latitude;
};

void fill(CBirthInfoDlg& d, const Birth& b)
{
    auto type = [&d](const char* field, const QString& text) {
        d.findChild<QLineEdit*>(QString::fromLatin1(field))->setText(text);
    };
    type("name", b.name);
    d.findChild<QComboBox*>(QStringLiteral("month"))->setCurrentIndex(11);
    type("year", QStringLiteral("1990"));
    QTest::keyClicks(d.findChild<QLineEdit*>(QStringLiteral("year")), QString());
    d.findChild<QComboBox*>(QStringLiteral("day"))->setCurrentIndex(4);
    type("hour", QStringLiteral("02"));
    type("minute", QStringLiteral("07"));
    type("second", QStringLiteral("00"));
    d.findChild<QComboBox*>(QStringLiteral("amPm"))->setCurrentIndex(1);
    if (b.atlasPlace) {
        d.pickCountry(QStringLiteral("India"));
        d.pickState(QStringLiteral("Maharashtra"));
        d.pickCity(QStringLiteral("Pune"));
    }
    if (!b.latitude.isEmpty())
        type("latitude", b.latitude);
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::qtApp();
        recentStore = std::make_unique<QSettings>(dir.filePath(QStringLiteral("recent.ini")), QSettings::IniFormat);
    }

    void TearDown() override
    {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CVerokantApp& start(const QStringList& arguments = {})
    {
        ShellEnvironment env;
        env.settingsPath = [this] { return settingsPath; };
        env.recentFilesStore = recentStore.get();
        env.clock = [] { return kNow; };
        env.messages = &messages;
        env.prompts = &prompts;
        env.runBirthDialog = [this](CBirthInfoDlg& d) {
            d.show();
            return dialogScript(d);
        };
        env.atlas = atlas;
        env.offerManualEntry = [this](const QString&) { return manualEntry; };
        env.askOpenPath = [this](QWidget*) { return openPath; };
        env.screenSize = QSize(1920, 1080);
        app = std::make_unique<CVerokantApp>(env);
        EXPECT_TRUE(app->InitInstance(arguments));
        return *app;
    }

    // New with the dialog filled with `birth` and accepted.
    void newChart(const Birth& birth = {})
    {
        dialogScript = [birth](CBirthInfoDlg& d) {
            fill(d, birth);
            d.accept();
            return d.result() == QDialog::Accepted;
        };
        app->OnFileNew();
    }

    CMainFrame& frame() const { return *app->mainFrame(); }
    CColorStatusBar& status() const { return *frame().colorStatusBar(); }
    static QStringList texts(const QList<QAction*>& actions)
    {
        QStringList shown;
        for (QAction* a : actions)
            if (a->isVisible() && !a->isSeparator())
                shown << a->text();
        return shown;
    }
    QStringList menuTitles() const { return texts(frame().menuBar()->actions()); }
    QStringList fileMenuItems() const { return texts(frame().menuBar()->actions().constFirst()->menu()->actions()); }
    void flushDeletes() const { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QTemporaryDir dir;
    QString settingsPath = dir.filePath(QStringLiteral("settings.ini"));
    std::unique_ptr<QSettings> recentStore;
    test::RecordingMessages messages;
    test::ScriptedPrompts prompts;
    document::AtlasDatabase* atlas = nullptr;
    bool manualEntry = true;
    QString openPath;
    std::function<bool(CBirthInfoDlg&)> dialogScript = [](CBirthInfoDlg&) { return false; };
    std::unique_ptr<CVerokantApp> app;
};

TEST_F(ShellTest, StartsWithNoChartThePlainTitleAndTheNoChartMenus)
{
    start();
    EXPECT_TRUE(app->documents().empty());
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Lumikan Astrology"));
    for (int pane = 1; pane < kStatusPaneCount; ++pane) {
        if (pane != kPaneAyanamsa) {
            EXPECT_TRUE(status().paneText(pane).isEmpty()) << "pane " << pane;
        }
    }
    EXPECT_EQ(status().paneText(kPaneAyanamsa), QStringLiteral("Ayanamsa: Krishnamurti"));
    // Settings are reachable before any chart is open.
    EXPECT_EQ(menuTitles(), (QStringList{QStringLiteral("&File"), QStringLiteral("&View"),
                                         QStringLiteral("&Options"), QStringLiteral("&Help")}));
    EXPECT_FALSE(fileMenuItems().contains(QStringLiteral("&Save"))) << "nothing to save";
    EXPECT_EQ(frame().size(), QSize(1728, 972)) << "90 % of a 1920 x 1080 screen";
    EXPECT_EQ(frame().minimumSize(), QSize(1100, 680));
    EXPECT_TRUE(frame().isVisible());

    EXPECT_EQ(initialFrameSize(QSize(3840, 2160)), QSize(1920, 1080));
    EXPECT_EQ(initialFrameSize(QSize(1280, 720)), QSize(1152, 680));
    EXPECT_EQ(minimumFrameSize(QSize(1024, 600)), QSize(1024, 600)) << "never larger than the screen";
}

TEST_F(ShellTest, SettingsAreReadAtStartAndWrittenAtExit)
{
    QFile file(settingsPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Ayanamsa]\nAyanamsa=0\n[AppSettings]\nTitleFormat=1\n");
    file.close();
    start();
    EXPECT_EQ(app->settings().titleFormat, 1);
    EXPECT_EQ(status().paneText(kPaneAyanamsa), QStringLiteral("Ayanamsa: Lahiri"));
    app->settings().mahadashaDepth = 2;
    EXPECT_EQ(app->ExitInstance(), 0);
    document::AppSettings reread;
    document::LoadSettings(reread, settingsPath);
    EXPECT_EQ(reread.mahadashaDepth, 2);
    EXPECT_EQ(reread.ayanamsa, 0);
}

TEST_F(ShellTest, SettingsThatCannotBeSavedAreReportedWithTheReason)
{
    // A file where the settings folder should be: no save can succeed, even as root.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    settingsPath = dir.filePath(QStringLiteral("blocker/settings.ini"));
    start();
    document::AppSettings changed = app->settings();
    changed.mahadashaDepth = 2;
    app->applySettings(changed);
    const std::string expected = document::toUtf8(
        document::settingsSaveFailureMessage(settingsPath, QStringLiteral("Not a directory")));
    EXPECT_EQ(messages.warnings, std::vector<std::string>{expected});
    EXPECT_EQ(app->ExitInstance(), 0);
    EXPECT_EQ(messages.warnings, (std::vector<std::string>{expected, expected}));
}

TEST_F(ShellTest, BrokenRecentFileEntriesAreRemovedAtStart)
{
    recentStore->setValue(QStringLiteral("Recent File List/File1"), QStringLiteral("Lumikan Files (*.lmk)"));
    recentStore->setValue(QStringLiteral("Recent File List/File2"), QStringLiteral("/charts/asha.lmk"));
    recentStore->setValue(QStringLiteral("Recent File List/File3"), QStringLiteral("/charts/a?b.lmk"));
    recentStore->setValue(QStringLiteral("Recent File List/File4"), QStringLiteral("Verokant"));
    start();
    EXPECT_EQ(app->recentFiles().files(), QStringList{QStringLiteral("/charts/asha.lmk")});
    EXPECT_EQ(recentStore->value(QStringLiteral("Recent File List/File1")).toString(),
              QStringLiteral("/charts/asha.lmk"))
        << "the cleaned list is written back";
    EXPECT_FALSE(recentStore->contains(QStringLiteral("Recent File List/File2")));
    EXPECT_TRUE(fileMenuItems().contains(QStringLiteral("&1 /charts/asha.lmk")));

    EXPECT_FALSE(isBrokenRecentEntry(QStringLiteral("/home/x/Verokant charts/a.lmk")));
    EXPECT_FALSE(isBrokenRecentEntry(QStringLiteral("/charts/Verokant.lmk")));
    EXPECT_TRUE(isBrokenRecentEntry(QStringLiteral("/charts/x.lmk)")));
    EXPECT_TRUE(isBrokenRecentEntry(QStringLiteral("say \"x\".lmk")));
}

TEST_F(ShellTest, StatusBarTextsOfAChart)
{
    engine::BirthDetails b = test::makeBirth(1990, 12, 5, 0, 5, 9, 5.5, -33.8688, -0.1278);
    b.name = "Asha";
    b.city = "Sydney";
    b.state = "New South Wales";
    b.country = "Australia";
    StatusTexts t = chartStatusTexts(b, QStringLiteral("KP"), QStringLiteral("ARIES 1°02'"));
    EXPECT_EQ(t[kPaneName], QStringLiteral("Asha"));
    EXPECT_EQ(t[kPaneDate], QStringLiteral("05/12/1990"));
    EXPECT_EQ(t[kPaneTime], QStringLiteral("12:05:09 AM"));
    EXPECT_EQ(t[kPanePlace], QStringLiteral("Sydney, New South Wales, Australia"));
    EXPECT_EQ(t[kPaneLatitude], QStringLiteral("33.8688 S"));
    EXPECT_EQ(t[kPaneLongitude], QStringLiteral("0.1278 W"));
    EXPECT_EQ(t[kPaneZone], QStringLiteral("+5.50"));
    EXPECT_EQ(t[kPaneAyanamsa], QStringLiteral("KP"));
    EXPECT_EQ(t[kPaneAscendant], QStringLiteral("ARIES 1°02'"));
    EXPECT_TRUE(t[kPanePrompt].isEmpty());

    b.hour = 12;
    b.minute = b.second = 0;
    b.latitude = 0.0;
    b.timeZone = -3.5;
    b.city = "unknown";
    t = chartStatusTexts(b, QString(), QString());
    EXPECT_EQ(t[kPaneTime], QStringLiteral("12:00:00 PM"));
    EXPECT_EQ(t[kPaneLatitude], QStringLiteral("0.0000 N"));
    EXPECT_EQ(t[kPaneZone], QStringLiteral("-3.50"));
    EXPECT_TRUE(t[kPanePlace].isEmpty()) << "an unknown city leaves the place empty";
    b.city.clear();
    EXPECT_TRUE(chartStatusTexts(b, {}, {})[kPanePlace].isEmpty());

    EXPECT_EQ(noChartStatusTexts(4)[kPaneAyanamsa], QStringLiteral("Ayanamsa: Custom"));
    EXPECT_EQ(noChartStatusTexts(7)[kPaneAyanamsa], QStringLiteral("Ayanamsa: Krishnamurti"));
}

TEST_F(ShellTest, StatusBarPaintsOnlyPanesThatHoldText)
{
    CColorStatusBar bar;
    bar.setSizeGripEnabled(false);
    bar.resize(1400, 26);
    StatusTexts t;
    t[kPaneName] = QStringLiteral("Asha & Ravi");
    t[kPaneAyanamsa] = QStringLiteral("Ayanamsa: Krishnamurti");
    bar.setTexts(t);
    const QImage image = bar.grab().toImage();
    test::keepImage(image, QStringLiteral("status_bar"));
    auto colorNear = [&](int pane, int dx) {
        const QRect r = bar.paneRect(pane);
        return image.pixelColor(r.right() - dx, r.top() + 3).rgb() & 0xFFFFFF;
    };
    EXPECT_EQ(colorNear(kPaneName, 3), 0xDAE8FCu) << "a pane with text gets its colour";
    EXPECT_EQ(colorNear(kPaneAyanamsa, 3), 0xEBDEF8u);
    EXPECT_NE(colorNear(kPaneDate, 3), 0xD2F0F0u) << "an empty pane stays plain";
    EXPECT_EQ(image.pixelColor(bar.paneRect(kPaneDate).left(), 13).rgb() & 0xFFFFFF, 0xAAAAAAu)
        << "panes are parted by a grey line";
    EXPECT_EQ(bar.paneRect(kPaneAscendant).right(), 1399) << "the panes end at the right edge";
    EXPECT_GE(bar.paneWidth(kPaneName), 100);
    EXPECT_GE(bar.paneWidth(kPaneZone), 55);
    const QFontMetrics fm(bar.font());
    EXPECT_LE(fm.horizontalAdvance(QStringLiteral("12:00:00 PM")) + 8, bar.paneWidth(kPaneTime))
        << "a time always fits";
}

TEST_F(ShellTest, NewChartSaveCloseAndOpenAgainGiveTheSameChart)
{
    start();
    newChart();
    ASSERT_EQ(app->documents().size(), 1u);
    document::CVerokantDoc* doc = app->documents().front();
    ASSERT_TRUE(doc->hasChart());
    ASSERT_EQ(app->frames().size(), 1u);
    CChildFrame* child = app->frames().front();
    EXPECT_TRUE(child->isMaximized());
    // The titles carry the chart, its file and Qt's modified mark.
    const QString title =
        QStringLiteral("Test Chart — 5 Dec 1990 | 14:07 IST | Pune, Maharashtra, India");
    EXPECT_EQ(child->windowTitle(), title + QStringLiteral("[*]"));
    EXPECT_TRUE(child->isWindowModified());
    EXPECT_EQ(frame().windowTitle(),
              QStringLiteral("Lumikan Astrology — ") + title + QStringLiteral(" — not saved[*]"));
    EXPECT_TRUE(frame().isWindowModified()) << "a new chart is not saved yet";
    EXPECT_EQ(status().paneText(kPaneAscendant), doc->presentation().ascendantText);
    EXPECT_TRUE(menuTitles().contains(QStringLiteral("&Window")));
    EXPECT_TRUE(fileMenuItems().contains(QStringLiteral("&Save")));
    const QStringList firstCusp = doc->presentation().cusps.front().cells();

    // The first save asks for a name, proposing one from the chart and the shell's clock.
    const QString path = dir.filePath(QStringLiteral("test chart.lmk"));
    prompts.savePath = path;
    ASSERT_TRUE(app->saveDocument(*doc, false));
    EXPECT_EQ(prompts.proposedNames, QStringList{QStringLiteral("Test_Chart_27_06_26_10_30.lmk")});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(app->recentFiles().files(), QStringList{path});
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Lumikan Astrology — ") + title +
                                         QStringLiteral(" — test chart.lmk[*]"));
    EXPECT_FALSE(frame().isWindowModified());
    EXPECT_FALSE(child->isWindowModified());

    // Closing a saved chart asks nothing.
    frame().findChild<QAction*>(QStringLiteral("fileClose"))->trigger();
    EXPECT_TRUE(prompts.askedTitles.isEmpty());
    EXPECT_TRUE(app->frames().empty());
    flushDeletes();
    EXPECT_TRUE(app->documents().empty());
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Lumikan Astrology"));
    EXPECT_TRUE(status().paneText(kPaneName).isEmpty());

    openPath = QStringLiteral("  ") + path + QStringLiteral(" ");
    app->OnFileOpen();
    ASSERT_EQ(app->documents().size(), 1u);
    document::CVerokantDoc* reopened = app->documents().front();
    EXPECT_EQ(reopened->GetPathName(), path);
    EXPECT_EQ(reopened->presentation().cusps.front().cells(), firstCusp);
    EXPECT_EQ(app->frames().front()->windowTitle(), title + QStringLiteral("[*]"));
    EXPECT_FALSE(frame().isWindowModified());

    // Opening it again brings its window forward instead of a second copy.
    app->OpenDocumentFile(path);
    EXPECT_EQ(app->documents().size(), 1u);
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(ShellTest, ClosingAChangedChartAsksToSaveIt)
{
    start();
    newChart();
    ASSERT_EQ(app->frames().size(), 1u);
    const QString title = app->documents().front()->GetTitle();
    prompts.saveChanges = document::DocumentPrompts::Answer::Cancel;
    app->frames().front()->close();
    ASSERT_EQ(prompts.askedTitles, QStringList{title});
    EXPECT_EQ(app->frames().size(), 1u) << "Cancel keeps the window";

    // A second window on the chart closes without a question; the last asks.
    app->openFrame(*app->documents().front());
    ASSERT_EQ(app->frames().size(), 2u);
    EXPECT_TRUE(app->frames()[0]->windowTitle().endsWith(QStringLiteral(":1[*]")));
    EXPECT_TRUE(app->frames()[1]->windowTitle().endsWith(QStringLiteral(":2[*]")));
    app->frames().back()->close();
    EXPECT_EQ(prompts.askedTitles.size(), 1);
    EXPECT_EQ(app->frames().front()->windowTitle(), title + QStringLiteral("[*]"));

    prompts.saveChanges = document::DocumentPrompts::Answer::No;
    app->frames().front()->close();
    EXPECT_EQ(prompts.askedTitles.size(), 2);
    EXPECT_TRUE(app->frames().empty());
}

TEST_F(ShellTest, CompareModePutsTheTwoTopmostChartsSideBySide)
{
    start();
    frame().resize(1400, 900);
    newChart();
    CChildFrame* first = app->frames().back();
    const QRect maximized = first->geometry();
    frame().compareMode();
    EXPECT_TRUE(first->isMaximized()) << "one window: nothing happens";
    EXPECT_EQ(first->geometry(), maximized);

    Birth other;
    other.name = QStringLiteral("Second");
    newChart(other);
    CChildFrame* second = app->frames().back();
    frame().compareMode();
    const QSize area = frame().mdiArea()->viewport()->size();
    EXPECT_FALSE(second->isMaximized());
    EXPECT_FALSE(first->isMaximized());
    EXPECT_EQ(second->geometry(), QRect(0, 0, area.width() / 2, area.height())) << "topmost on the left";
    EXPECT_EQ(first->geometry(), QRect(area.width() / 2, 0, area.width() - area.width() / 2, area.height()));
    EXPECT_EQ(frame().activeChild(), second);

    Birth third;
    third.name = QStringLiteral("Third");
    newChart(third);
    CChildFrame* last = app->frames().back();
    const QRect secondBefore = second->geometry();
    frame().mdiArea()->setActiveSubWindow(first);
    first->raise();
    frame().compareMode();
    EXPECT_EQ(first->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    EXPECT_EQ(last->geometry(), QRect(area.width() / 2, 0, area.width() - area.width() / 2, area.height()))
        << "the window that was in front before";
    EXPECT_EQ(frame().activeChild(), first);
    EXPECT_EQ(second->geometry(), secondBefore) << "the third from the top stays where it was";
}

TEST_F(ShellTest, APolarBirthKeepsTheDialogOpenWithWhatWasTyped)
{
    start();
    Birth polar;
    polar.latitude = QStringLiteral("80.5");
    // OK casts the chart before the dialog closes: it stays open, everything typed in it.
    bool stillOpen = false;
    QString latitude, name, year;
    dialogScript = [&](CBirthInfoDlg& d) {
        fill(d, polar);
        d.accept();
        stillOpen = d.isVisible() && d.result() != QDialog::Accepted;
        latitude = d.findChild<QLineEdit*>(QStringLiteral("latitude"))->text();
        name = d.findChild<QLineEdit*>(QStringLiteral("name"))->text();
        year = d.findChild<QLineEdit*>(QStringLiteral("year"))->text();
        return d.result() == QDialog::Accepted;
    };
    app->OnFileNew();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(latitude, QStringLiteral("80.5"));
    EXPECT_EQ(name, QStringLiteral("Test Chart"));
    EXPECT_EQ(year, QStringLiteral("1990"));
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0],
              "Error Code: SWEPH - 0x0000302\n\nPlacidus houses are not defined beyond the polar "
              "circles (latitude 80.50° N). Please check the latitude.");
    EXPECT_TRUE(app->documents().empty());
    EXPECT_TRUE(app->frames().empty());
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(app->exitStatus(), 0);
    newChart();
    EXPECT_EQ(app->documents().size(), 1u) << "the next chart opens as usual";

    // A failure while a chart is open leaves that chart and the status bar as they were.
    const engine::Chart before = app->documents().front()->chart();
    QStringList shown;
    for (int pane = 0; pane < kStatusPaneCount; ++pane)
        shown << status().paneText(pane);
    Birth tromso;
    tromso.latitude = QStringLiteral("69.65");
    newChart(polar);
    newChart(tromso);
    EXPECT_EQ(app->documents().size(), 1u);
    for (int pane = 0; pane < kStatusPaneCount; ++pane)
        EXPECT_EQ(status().paneText(pane), shown[pane]) << pane;
    document::CVerokantDoc& kept = *app->documents().front();
    ASSERT_TRUE(kept.RecomputeChart());
    EXPECT_EQ(kept.chart().planets[1].longitude, before.planets[1].longitude);
    EXPECT_EQ(kept.chart().cusps[0].longitude, before.cusps[0].longitude);
}

TEST_F(ShellTest, CancelInTheMissingAtlasQuestionClosesThroughTheSaveQuestions)
{
    QTemporaryDir empty;
    document::AtlasDatabase emptyAtlas(empty.path().toStdString());
    atlas = &emptyAtlas;
    start();
    Birth byHand;
    byHand.atlasPlace = false;
    messages.answer = document::Messages::Answer::Yes; // cast without a place
    newChart(byHand);
    ASSERT_EQ(app->documents().size(), 1u);
    const QString unsaved = app->documents().front()->GetTitle();

    // Cancel in the atlas question, then Cancel in the save question: nothing closes.
    manualEntry = false;
    prompts.saveChanges = document::DocumentPrompts::Answer::Cancel;
    newChart();
    EXPECT_EQ(prompts.askedTitles, QStringList{unsaved});
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(app->documents().size(), 1u);
    EXPECT_EQ(app->exitStatus(), 0);

    // Cancel in the atlas question, No in the save question: the program ends with 1.
    prompts.saveChanges = document::DocumentPrompts::Answer::No;
    newChart();
    EXPECT_EQ(prompts.askedTitles.size(), 2);
    EXPECT_FALSE(frame().isVisible());
    EXPECT_TRUE(app->frames().empty());
    EXPECT_EQ(app->exitStatus(), 1);
    EXPECT_EQ(app->ExitInstance(), 1);
}

TEST_F(ShellTest, OpenRefusesBadNamesAndForgetsMissingFiles)
{
    recentStore->setValue(QStringLiteral("Recent File List/File1"), dir.filePath(QStringLiteral("gone.lmk")));
    start();
    openPath = QStringLiteral("   ");
    app->OnFileOpen();
    EXPECT_TRUE(messages.warnings.empty()) << "an empty name does nothing";

    openPath = QStringLiteral("/charts/a*b.lmk");
    app->OnFileOpen();
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_EQ(messages.warnings[0], std::string(kInvalidOpenPathMessage));

    app->openRecentFile(dir.filePath(QStringLiteral("gone.lmk")));
    ASSERT_EQ(messages.warnings.size(), 2u);
    EXPECT_EQ(messages.warnings[1].rfind("The file could not be found:\n\n", 0), 0u);
    EXPECT_TRUE(app->recentFiles().files().isEmpty()) << "a missing file leaves the list";
    EXPECT_TRUE(app->documents().empty());

    QFile junk(dir.filePath(QStringLiteral("junk.lmk")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a chart");
    junk.close();
    openPath = junk.fileName();
    app->OnFileOpen();
    EXPECT_EQ(prompts.loadFailures, QStringList{junk.fileName()});
    EXPECT_TRUE(app->frames().empty());
}

TEST_F(ShellTest, DivisionalChartsWithoutAChartSaysSo)
{
    start();
    app->OnDivisionalCharts();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Error Code: GENER - 0xFFFFFFF\n\nPlease open a chart first.");
}

TEST_F(ShellTest, AcceptedSettingsRebuildTitlesAndTheStatusBar)
{
    start();
    newChart();
    document::AppSettings changed = app->settings();
    changed.titleFormat = 1;
    changed.ayanamsa = 0;
    app->applySettings(changed);
    CChildFrame* child = app->frames().front();
    EXPECT_TRUE(child->windowTitle().startsWith(QStringLiteral("Test Chart — 05-12-1990 | 14:07 IST | Lat ")))
        << child->windowTitle().toStdString();
    EXPECT_TRUE(status().paneText(kPaneAyanamsa).contains(QStringLiteral("Lahiri")))
        << status().paneText(kPaneAyanamsa).toStdString();
    document::AppSettings saved;
    document::LoadSettings(saved, settingsPath);
    EXPECT_EQ(saved.titleFormat, 1) << "accepted settings are saved at once";
    EXPECT_TRUE(app->documents().front()->IsModified()) << "the modified flag is unchanged";
}

TEST_F(ShellTest, AboutBoxLinksTheSupportAddressAndCopiesTheVersionLines)
{
    CAboutDlg about(messages);
    bool mailLink = false;
    for (const QLabel* label : about.findChildren<QLabel*>())
        mailLink = mailLink || label->text().contains(QStringLiteral("mailto:") +
                                                      QString::fromLatin1(kSupportEmailAddress));
    EXPECT_TRUE(mailLink);

    QTest::mouseClick(about.findChild<QAbstractButton*>(QStringLiteral("copyVersionInfo")), Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("Lumikan Astrology"));
    EXPECT_EQ(lines[1], versionLine());
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Build: ")));
    EXPECT_EQ(messages.informations, std::vector<std::string>{"Version info copied to clipboard."});
}

TEST_F(ShellTest, IconsAreDrawnSharpAtEverySizeAndGreyWhenDisabled)
{
    for (ShellIcon which : {ShellIcon::New, ShellIcon::Open, ShellIcon::Save, ShellIcon::Print,
                            ShellIcon::About, ShellIcon::DivisionalCharts, ShellIcon::Program}) {
        const QIcon icon = shellIcon(which);
        for (int size : {16, 32, 128}) {
            for (qreal scale : {1.0, 2.0}) {
                const QImage image = icon.pixmap(QSize(size, size), scale).toImage();
                ASSERT_EQ(image.width(), qRound(size * scale)) << "drawn at the device's pixels";
                int opaque = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        opaque += qAlpha(image.pixel(x, y)) > 200;
                EXPECT_GT(opaque, image.width() * image.height() / 8) << "size " << size;
            }
        }
        const QImage disabled = icon.pixmap(QSize(32, 32), 1.0, QIcon::Disabled).toImage();
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QColor c = disabled.pixelColor(x, y);
                EXPECT_LE(std::abs(c.red() - c.blue()), 1) << "disabled icons are grey";
            }
        }
    }
}

}  // namespace
}  // namespace lumikan::ui
