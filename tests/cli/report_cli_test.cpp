// lumikan-cli report: the printed report as a PDF, without a display.
#include "cli_run.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using lumikan::test::CliRun;
using lumikan::test::kPune;

CliRun report(const QStringList& args)
{
    return lumikan::test::cli(QStringList{"report"} + args, true);
}

// The core-only build has no drawing library and no report command.
bool reportCommandMissing(const CliRun& run)
{
    return run.status == 2 && run.err.contains("unknown command");
}

} // namespace

TEST(CliReport, WritesAFourPagePdfAndReportsFailures)
{
    QTemporaryDir dir;
    const QString chartPath = dir.filePath("pune.lmk");
    const QString pdfPath = dir.filePath("pune.pdf");

    const CliRun save = lumikan::test::cli(QStringList{"save", chartPath} + kPune);
    ASSERT_EQ(save.status, 0) << save.err.toStdString();

    const CliRun run =
        report({chartPath, "--pdf", pdfPath, "--defaults", "--today", "2026-12-06"});
    if (reportCommandMissing(run))
        GTEST_SKIP() << "built without the report";
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_EQ(bytes.count("/Type /Page\n"), 4);

    // Birth options serve as well as a chart file.
    EXPECT_EQ(report(kPune + QStringList{"--pdf", dir.filePath("cast.pdf")}).status, 0);

    const CliRun noPdf = report({chartPath, "--defaults"});
    EXPECT_EQ(noPdf.status, 2);
    EXPECT_TRUE(noPdf.err.contains("--pdf")) << noPdf.err.toStdString();
    const CliRun unwritable =
        report({chartPath, "--defaults", "--pdf", dir.filePath("no/such/folder.pdf")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.contains("cannot write")) << unwritable.err.toStdString();
    EXPECT_EQ(report({dir.filePath("missing.lmk"), "--defaults", "--pdf", pdfPath}).status, 1);
}
