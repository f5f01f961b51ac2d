// lumikan-cli report and match --pdf: the printed reports as PDF files,
// without a display.
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

TEST(CliReport, WritesThePdfOnA4OrLetterAndReportsFailures)
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
    EXPECT_GE(bytes.count("/Type /Page\n"), 4);
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595.")) << "A4 unless asked otherwise";

    // US Letter on request; nothing else.
    const QString letterPath = dir.filePath("letter.pdf");
    ASSERT_EQ(report({chartPath, "--defaults", "--paper", "letter", "--pdf", letterPath}).status,
              0);
    QFile letter(letterPath);
    ASSERT_TRUE(letter.open(QIODevice::ReadOnly));
    EXPECT_TRUE(letter.readAll().contains("/MediaBox [0 0 612.000000 792."));
    const CliRun a3 = report({chartPath, "--defaults", "--paper", "a3", "--pdf", letterPath});
    EXPECT_EQ(a3.status, 2);
    EXPECT_EQ(a3.err.toStdString(), "lumikan-cli report: --paper \"a3\": a4 or letter is needed\n");

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

TEST(CliReport, MatchWritesItsSheetAsAPdfOnRequest)
{
    if (!lumikan::test::kReportProgramBuilt)
        GTEST_SKIP() << "built without the report program";
    QTemporaryDir dir;
    const QString boy = dir.filePath("boy.lmk");
    const QString girl = dir.filePath("girl.lmk");
    ASSERT_EQ(lumikan::test::cli(QStringList{"save", boy} + kPune).status, 0);
    ASSERT_EQ(lumikan::test::cli({"save", girl, "--defaults", "--name", "Asha", "--date",
                                  "1993-03-14", "--time", "06:45:00", "--tz", "5.5", "--lat",
                                  "18.5204", "--lon", "73.8567", "--gender", "1"})
                  .status,
              0);
    auto match = [&](const QStringList& more) {
        return lumikan::test::cli(QStringList{"match", boy, girl, "--defaults"} + more, true);
    };

    const QString pdfPath = dir.filePath("match.pdf");
    const CliRun run = match({"--pdf", pdfPath, "--paper", "letter"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << "the PDF instead of the text";
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    QFile pdf(pdfPath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_GE(bytes.count("/Type /Page\n"), 2);
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 612.000000 792."));

    const CliRun paperAlone = match({"--paper", "a4"});
    EXPECT_EQ(paperAlone.status, 2);
    EXPECT_TRUE(paperAlone.out.isEmpty());
    EXPECT_TRUE(paperAlone.err.contains("--paper")) << paperAlone.err.toStdString();
    EXPECT_EQ(match({"--pdf", pdfPath, "--json"}).status, 2) << "one output at a time";
    const CliRun unwritable = match({"--pdf", dir.filePath("no/such/folder.pdf")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.contains("cannot write")) << unwritable.err.toStdString();
    EXPECT_EQ(lumikan::test::cli({"match", boy, "--defaults", "--pdf", pdfPath}, true).status, 2)
        << "one chart is not a match: a bad argument";

    // "-" is standard output, not a file named "-".
    const CliRun piped = match({"--pdf", "-"});
    ASSERT_EQ(piped.status, 0) << piped.err.toStdString();
    EXPECT_TRUE(piped.out.startsWith("%PDF-"));
    EXPECT_FALSE(QFile::exists("-"));
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
