// lumikan-cli report: the printed report as a PDF, without a display.
#include "cli_run.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using lumikan::test::CliRun;
using lumikan::test::kPune;

CliRun report(const QStringList& args)
{
    return lumikan::test::cli(QStringList{"report"} + args, true);
}

} // namespace

TEST(CliReport, WritesAFourPagePdfAndReportsFailures)
{
    if (!lumikan::test::kReportProgramBuilt)
        GTEST_SKIP() << "built without the report program";
    QTemporaryDir dir;
    const QString chartPath = dir.filePath("pune.lmk");
    const QString pdfPath = dir.filePath("pune.pdf");

    const CliRun save = lumikan::test::cli(QStringList{"save", chartPath} + kPune);
    ASSERT_EQ(save.status, 0) << save.err.toStdString();

    const CliRun run = report({chartPath, "--pdf", pdfPath, "--defaults", "--today", "2026-12-06"});
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

    // "-" is standard output, not a file named "-".
    const CliRun piped = lumikan::test::run(
        lumikan::test::kCliProgram,
        {"report", chartPath, "--pdf", "-", "--defaults", "--today", "2026-12-06"}, true,
        [dir = dir.path()] {
            if (::chdir(dir.toLocal8Bit().constData()) != 0)
                ::_exit(99);
        });
    ASSERT_EQ(piped.status, 0) << piped.err.toStdString();
    EXPECT_TRUE(piped.out.startsWith("%PDF-"));
    EXPECT_EQ(piped.out.count("/Type /Page\n"), 4);
    EXPECT_FALSE(QFile::exists(dir.filePath("-")));

    const CliRun noPdf = report({chartPath, "--defaults"});
    EXPECT_EQ(noPdf.status, 2);
    EXPECT_TRUE(noPdf.err.contains("--pdf")) << noPdf.err.toStdString();
    const CliRun unwritable =
        report({chartPath, "--defaults", "--pdf", dir.filePath("no/such/folder.pdf")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.contains("cannot write")) << unwritable.err.toStdString();
    EXPECT_EQ(report({dir.filePath("missing.lmk"), "--defaults", "--pdf", pdfPath}).status, 1);
}

TEST(CliReport, WithoutTheReportProgramBesideItSaysSoAndFails)
{
    // A copy of lumikan-cli alone in a folder: the report program it looks
    // for beside itself is not there.
    QTemporaryDir dir;
    const QString lonely = dir.filePath("lumikan-cli");
    ASSERT_TRUE(QFile::copy(lumikan::test::kCliProgram, lonely));
    ASSERT_TRUE(QFile::setPermissions(lonely, QFile::ReadOwner | QFile::ExeOwner));
    const CliRun run = lumikan::test::run(
        lonely, {"report", "chart.lmk", "--pdf", dir.filePath("chart.pdf")}, true);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.toStdString(), "lumikan-cli: the report program is not installed\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("chart.pdf")));
}
