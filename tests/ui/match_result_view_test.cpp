// The match report window: its extent, the sheet centred in a wide window,
// whole cell texts, and the sheet on paper from its File menu commands.
#include "ui/match_report_output.h"
#include "ui/match_result_view.h"

#include "qt_test_app.h"

#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

namespace sheet = render::match_sheet;

match::MatchRow vedhaRow()
{
    match::MatchRow vedha;
    vedha.name = "Vedha Dosha";
    vedha.subject = "Checks for Vedha Dosha based on Nakshatra positions.";
    vedha.maxScore = 1;
    return vedha;
}

TEST(MatchResultView, TheSheetIsWholeAndCentredInAWideWindow)
{
    test::qtApp();
    CMatchResultView empty;
    EXPECT_EQ(empty.scrollSize().height(), 458) << "an empty view";
    EXPECT_LT(empty.scrollSize().width(), 1000) << "as wide as its content";

    CMatchResultView view;
    view.setReport(0, 1, {vedhaRow()}, QStringLiteral("A"), QStringLiteral("B"));
    const render::SheetCell& subject = view.sheetLayout().sections[0].rows[0].cells[sheet::Subject];
    EXPECT_EQ(subject.text.lines.join(QLatin1Char(' ')),
              QStringLiteral("Checks for Vedha Dosha based on Nakshatra positions."))
        << "the whole subject, wrapped";

    // Wider than the sheet: centred, the page colour on both sides.
    view.resize(view.scrollSize().width() + 400, 600);
    view.show();
    const int spare = view.viewport()->width() - view.scrollSize().width();
    EXPECT_EQ(view.sheetOrigin(), QPoint(spare / 2, 0));
    const QImage shot = view.viewport()->grab().toImage();
    test::keepImage(shot, QStringLiteral("match_view_centred"));
    const QRgb left = shot.pixel(spare / 4, 300);
    const QRgb right = shot.pixel(shot.width() - spare / 4, 300);
    EXPECT_EQ(left, right);
    EXPECT_NE(left, qRgb(255, 255, 255)) << "the page colour, not a bare background";
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0) << "nothing to scroll sideways";

    // Narrower: the sheet scrolls instead.
    view.resize(500, 400);
    view.horizontalScrollBar()->setValue(60);
    EXPECT_EQ(view.sheetOrigin(), QPoint(-60, 0));
}

TEST(MatchResultView, PrintsAndPreviewsItsSheetOnThePrintersPaper)
{
    test::qtApp();
    CMatchResultView view;
    std::vector<match::MatchRow> rows(27, vedhaRow());
    view.setReport(13.5, 27, rows, QStringLiteral("Ravi"), QStringLiteral("Asha"));
    ChartViewCommands* commands = &view;
    EXPECT_TRUE(commands->canPrint());

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setOutputFileName(dir.filePath(QStringLiteral("match.pdf")));
    ASSERT_TRUE(printMatchReport(view.content(), printer));
    QFile file(printer.outputFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const qsizetype printed = file.readAll().count("/Type /Page\n");
    EXPECT_GE(printed, 2);

    int previewPages = 0;
    QTimer::singleShot(0, [&previewPages] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        pages->updatePreview();
        previewPages = pages->pageCount();
        preview->resize(900, 700);
        test::keepImage(preview->grab().toImage(), QStringLiteral("match_preview"));
        preview->reject();
    });
    commands->printPreview();
    EXPECT_GE(previewPages, 2);

    EXPECT_TRUE(
        proposedMatchPdfPath(view.content()).endsWith(QStringLiteral("/Match_Ravi_Asha.pdf")));
    render::MatchReportContent odd = view.content();
    odd.boyName = QStringLiteral("  R. K. / Laxman ");
    EXPECT_TRUE(proposedMatchPdfPath(odd).endsWith(QStringLiteral("/Match_R_K_Laxman_Asha.pdf")));
}

} // namespace
} // namespace lumikan::ui
