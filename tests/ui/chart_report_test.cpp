// Printing and the print preview of the chart report.
#include "ui/chart_report.h"

#include "document/chart_maker.h"
#include "qt_test_app.h"
#include "render/chart_report_output.h"

#include <QApplication>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace lumikan::ui {
namespace {

TEST(ChartReportPrinting, ThePrinterGetsTheChosenPagesAndThePreviewThemAll)
{
    test::qtApp();
    test::PuneChart chart;
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    printer.setFromTo(2, 3);
    ASSERT_TRUE(printChartReport(*chart.doc, printer));
    QFile file(printer.outputFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Type /Page\n"), 2);

    int previewPages = 0;
    QTimer::singleShot(0, [&previewPages] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        auto* pages = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(pages, nullptr);
        pages->updatePreview();
        previewPages = pages->pageCount();
        preview->resize(900, 700);
        test::keepImage(preview->grab().toImage(), QStringLiteral("report_preview"));
        preview->reject();
    });
    previewChartReport(*chart.doc, nullptr);
    QPrinter paper(QPrinter::HighResolution);
    const int count = render::chartReportPageCount(render::collectChartReport(*chart.doc), paper);
    EXPECT_GE(count, 4);
    EXPECT_EQ(previewPages, count);
}

} // namespace
} // namespace lumikan::ui
