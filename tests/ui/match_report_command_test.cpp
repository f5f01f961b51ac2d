#include "ui/matchmaking_command.h"

#include "document/chart_maker.h"
#include "document/match_documents.h"
#include "qt_test_app.h"
#include "render/match_report_print.h"
#include "ui/main_frame.h"
#include "ui/match_result_view.h"
#include "ui/verokant_app.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numeric>

namespace lumikan::ui {
namespace {

using document::CDocument;

class MatchmakingCommandTest : public ::testing::Test, protected test::ChartMaker {
protected:
    void SetUp() override { test::qtApp(); }

    CMatchResultView* run(const std::vector<CDocument*>& documents)
    {
        return runMatchmakingCommand(documents, messages,
                                     [this](CMatchResultView* view, const QString& title) {
                                         opened.emplace_back(view);
                                         titles << title;
                                     });
    }

    std::vector<std::unique_ptr<CMatchResultView>> opened;
    QStringList titles;
};

TEST_F(MatchmakingCommandTest, WithoutExactlyTwoNamedChartsOnlyTellsWhy)
{
    auto ravi = puneChart("Ravi", 1990, 6, 15, 10, 0);
    auto asha = puneChart("Asha", 1993, 2, 3, 7, 1);
    auto mira = puneChart("Mira", 1995, 9, 21, 18, 1);
    auto unnamed = puneChart("", 1991, 1, 1, 12, 3);

    EXPECT_EQ(run({}), nullptr);
    EXPECT_EQ(run({unnamed.get(), ravi.get()}), nullptr);
    EXPECT_EQ(run({ravi.get(), asha.get(), mira.get()}), nullptr);
    using match::MatchChartOutcome;
    EXPECT_EQ(
        messages.informations,
        (std::vector<std::string>{match::DescribeMatchProblem(MatchChartOutcome::NoChart, ""),
                                  match::DescribeMatchProblem(MatchChartOutcome::OneChart, "Ravi"),
                                  match::DescribeMatchProblem(MatchChartOutcome::TooMany, "")}));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(messages.plains.empty());

    // Without a way to open the report window nothing is shown but the reason.
    EXPECT_EQ(runMatchmakingCommand({ravi.get(), asha.get()}, messages, {}), nullptr);
    EXPECT_EQ(messages.plains, std::vector<std::string>{"Match template not initialized!"});
}

TEST_F(MatchmakingCommandTest, EachRunOpensANewReportOfTheFirstTwoNamedCharts)
{
    auto ravi = puneChart("Ravi", 1990, 6, 15, 10, 0);
    auto unnamed = puneChart("", 1991, 1, 1, 12, 3);
    auto asha = puneChart("Asha", 1993, 2, 3, 7, 1);

    CMatchResultView* first = run({ravi.get(), unnamed.get(), asha.get()});
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(messages.informations.empty());
    EXPECT_EQ(titles, QStringList{"Match Report - Ravi & Asha"});
    const render::MatchReportContent& report = first->content();
    EXPECT_EQ(report.boyName, QStringLiteral("Ravi"));
    EXPECT_EQ(report.girlName, QStringLiteral("Asha"));
    ASSERT_EQ(report.rows.size(), 27u);
    const double sum =
        std::accumulate(report.rows.begin(), report.rows.end(), 0.0,
                        [](double s, const match::MatchRow& r) { return s + r.score; });
    EXPECT_DOUBLE_EQ(report.totalScore, sum);
    EXPECT_EQ(first->scrollSize().height(), int(std::ceil(first->sheetLayout().size.height())));
    EXPECT_GT(first->scrollSize().height(), 1323) << "taller than one-line rows: texts wrap";

    // The boy is the first chart found: the other order swaps the Ashtakoota values.
    CMatchResultView* swapped = run({asha.get(), ravi.get()});
    ASSERT_NE(swapped, nullptr);
    EXPECT_NE(swapped, first) << "a new window per run";
    EXPECT_EQ(titles.last(), QStringLiteral("Match Report - Asha & Ravi"));
    for (std::size_t i = 0; i < match::kAshtakootaRowCount; ++i) {
        SCOPED_TRACE(report.rows[i].name);
        EXPECT_FALSE(report.rows[i].maleValue.empty());
        EXPECT_EQ(swapped->content().rows[i].maleValue, report.rows[i].femaleValue);
        EXPECT_EQ(swapped->content().rows[i].femaleValue, report.rows[i].maleValue);
    }

    // Scrolled to the end, the window shows the overall gauge's track where the sheet has it.
    first->resize(900, 600);
    first->show();
    QScrollBar* bar = first->verticalScrollBar();
    bar->setValue(bar->maximum());
    EXPECT_EQ(bar->value(), first->scrollSize().height() - first->viewport()->height());
    const QImage shot = first->viewport()->grab().toImage();
    test::keepImage(shot, QStringLiteral("match_report_end"));
    const render::SheetGauge& overall = first->sheetLayout().overall;
    const QPointF bottom = overall.centre + QPointF(0, overall.radius) - QPointF(0, bar->value());
    const QRgb seen = shot.pixel(bottom.toPoint());
    EXPECT_LE(std::abs(qRed(seen) - qRed(render::match_sheet::kGaugeTrack)) +
                  std::abs(qGreen(seen) - qGreen(render::match_sheet::kGaugeTrack)) +
                  std::abs(qBlue(seen) - qBlue(render::match_sheet::kGaugeTrack)),
              12)
        << std::hex << seen;
}

TEST_F(MatchmakingCommandTest, InTheProgramEachReportGetsItsOwnWindowBesideTheCharts)
{
    QTemporaryDir dir;
    const QString raviPath = dir.filePath(QStringLiteral("ravi.lmk"));
    const QString ashaPath = dir.filePath(QStringLiteral("asha.lmk"));
    ASSERT_TRUE(puneChart("Ravi", 1990, 6, 15, 10, 0)->DoSave(raviPath));
    ASSERT_TRUE(puneChart("Asha", 1993, 2, 3, 7, 1)->DoSave(ashaPath));

    QSettings recent(dir.filePath(QStringLiteral("recent.ini")), QSettings::IniFormat);
    ShellEnvironment env;
    env.settingsPath = [] { return QString(); };
    env.recentFilesStore = &recent;
    env.clock = [] { return engine::LocalDateTime{2026, 12, 6, 10, 0, 0}; };
    env.messages = &messages;
    env.prompts = &prompts;
    env.screenSize = QSize(1920, 1080);
    auto app = std::make_unique<CVerokantApp>(env);
    ASSERT_TRUE(app->InitInstance({}));
    ASSERT_TRUE(app->OpenDocumentFile(raviPath));
    EXPECT_EQ(runMatchmakingCommand(*app), nullptr);
    EXPECT_EQ(messages.informations.size(), 1u) << "one chart is not enough";
    ASSERT_TRUE(app->OpenDocumentFile(ashaPath));

    QMdiArea* area = app->mainFrame()->mdiArea();
    // Two charts: the user is asked, with the boy's and the girl's proposed by gender.
    int asked = 0;
    const ChooseMatchCharts choose = [&asked](const std::vector<document::CVerokantDoc*>& charts) {
        ++asked;
        EXPECT_EQ(charts.size(), 2u);
        return std::optional<MatchChoice>(proposedMatch(charts));
    };
    CMatchResultView* first = runMatchmakingCommand(*app, choose);
    ASSERT_NE(first, nullptr);
    // An open report is no chart: matching again works and opens a second window.
    CMatchResultView* second = runMatchmakingCommand(*app, choose);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(asked, 2);
    // Cancel in the question matches nothing.
    EXPECT_EQ(runMatchmakingCommand(*app, [](const auto&) { return std::optional<MatchChoice>(); }),
              nullptr);
    EXPECT_EQ(messages.informations.size(), 1u);
    EXPECT_EQ(app->frames().size(), 2u);
    ASSERT_EQ(area->subWindowList().size(), 4);
    QMdiSubWindow* window = area->activeSubWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->widget(), second);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Match Report - Ravi & Asha"));

    // With the report in front, File > Print Preview shows the report, not
    // the chart behind it.
    auto* preview = app->mainFrame()->findChild<QAction*>(QStringLiteral("filePrintPreview"));
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isEnabled());
    int previewPages = 0;
    QTimer::singleShot(0, [&previewPages] {
        auto* dialog = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* pages = dialog->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        pages->updatePreview();
        previewPages = pages->pageCount();
        dialog->reject();
    });
    preview->trigger();
    QPrinter printer(QPrinter::HighResolution);
    EXPECT_EQ(previewPages, render::matchReportPageCount(second->content(), printer));
    EXPECT_EQ(previewPages, 2);

    QPointer<CMatchResultView> closed = first;
    first->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull()) << "closing a report window discards the report";
    EXPECT_EQ(area->subWindowList().size(), 3);

    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(MatchmakingCommandTest, TheChooserProposesByGenderAndNeedsTwoDifferentCharts)
{
    // Opened in the order: a girl, an unknown, a boy, a second girl.
    auto asha = puneChart("Asha", 1993, 2, 3, 7, 1);
    auto kim = puneChart("Kim", 1991, 1, 1, 7, 3);
    auto ravi = puneChart("Ravi", 1990, 6, 15, 10, 0);
    auto mira = puneChart("Mira", 1994, 5, 5, 7, 1);
    std::vector<document::CVerokantDoc*> charts = {asha.get(), kim.get(), ravi.get(), mira.get()};
    MatchChoice proposed = proposedMatch(charts);
    EXPECT_EQ(proposed.boy, ravi.get());
    EXPECT_EQ(proposed.girl, asha.get());
    // Genders that do not tell: the charts in order.
    proposed = proposedMatch({kim.get(), asha.get()});
    EXPECT_EQ(proposed.boy, kim.get());
    EXPECT_EQ(proposed.girl, asha.get());
    proposed = proposedMatch({asha.get(), mira.get()});
    EXPECT_EQ(proposed.girl, asha.get());
    EXPECT_EQ(proposed.boy, mira.get()) << "never the same chart twice";

    CMatchChooserDlg dialog(charts);
    EXPECT_EQ(dialog.boyList()->count(), 4);
    EXPECT_EQ(dialog.boyList()->currentIndex(), 2);
    EXPECT_EQ(dialog.girlList()->currentIndex(), 0);
    EXPECT_EQ(dialog.girlList()->itemText(0), QStringLiteral("Asha — female, born 03-02-1993"));
    EXPECT_EQ(dialog.boyList()->itemText(1), QStringLiteral("Kim — born 01-01-1991"));
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    dialog.girlList()->setCurrentIndex(2);
    EXPECT_FALSE(dialog.okButton()->isEnabled()) << "a chart cannot be matched with itself";
    dialog.girlList()->setCurrentIndex(3);
    dialog.boyList()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.choice().boy, kim.get());
    EXPECT_EQ(dialog.choice().girl, mira.get());
}

} // namespace
} // namespace lumikan::ui
