// lumikan-cli save and report --pdf on a full disk and under a file-size
// limit: status 1, the system's reason on standard error, and the previous
// chart file and PDF byte for byte as they were.
#include "cli_run.h"
#include "full_file_system.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

namespace {

using lumikan::test::cli;
using lumikan::test::CliRun;
using lumikan::test::kPune;

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// Runs in the child: files may not grow past `bytes`, and writes past it fail
// with EFBIG instead of ending the program.
std::function<void()> fileSizeLimit(rlim_t bytes)
{
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    };
}

// A saved chart with long notes and its report; then `breakTheDisk`, and both
// are written again, each under its own child setup. Both must fail, naming
// the file and giving `reason`. The core-only build has no report program;
// there only the chart is checked.
void expectFailedSavesKeepTheFiles(const QString& folder, const std::function<void()>& breakTheDisk,
                                   const std::function<void()>& chartLimit,
                                   const std::function<void()>& pdfLimit, const QString& reason)
{
    const QString chart = QDir(folder).filePath("chart.lmk");
    const QString pdf = QDir(folder).filePath("chart.pdf");
    const QStringList report = {"report", chart, "--defaults", "--pdf", pdf};
    const CliRun saved = cli(QStringList{"save", chart, "--notes", QString(9000, 'a')} + kPune);
    ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
    const bool withReport = lumikan::test::kReportProgramBuilt;
    if (withReport) {
        const CliRun reported = cli(report, true);
        ASSERT_EQ(reported.status, 0) << reported.err.toStdString();
        ASSERT_TRUE(contents(pdf).startsWith("%PDF-"));
    }
    const QByteArray chartBefore = contents(chart);
    const QByteArray pdfBefore = contents(pdf);
    breakTheDisk();

    const CliRun save =
        cli(QStringList{"save", chart, "--notes", QString(9000, 'b')} + kPune, false, chartLimit);
    EXPECT_EQ(save.status, 1);
    EXPECT_EQ(save.err.toStdString(),
              QStringLiteral("lumikan-cli: cannot save %1: %2\n").arg(chart, reason).toStdString());
    EXPECT_EQ(contents(chart), chartBefore);
    if (!withReport)
        return;
    const CliRun again = cli(report, true, pdfLimit);
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(
        again.err.toStdString(),
        QStringLiteral("lumikan-cli report: cannot write %1: %2\n").arg(pdf, reason).toStdString());
    EXPECT_EQ(contents(pdf), pdfBefore);
}

} // namespace

TEST(CliSaveFailure, FullDiskKeepsThePreviousChartAndPdf)
{
    lumikan::test::FullFileSystem disk(2048);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    expectFailedSavesKeepTheFiles(
        disk.path(), [&] { disk.fill(4096); }, {}, {}, QStringLiteral("No space left on device"));
}

TEST(CliSaveFailure, FileSizeLimitKeepsThePreviousChartAndPdf)
{
    QTemporaryDir dir;
    expectFailedSavesKeepTheFiles(
        dir.path(), [] {}, fileSizeLimit(2048), fileSizeLimit(64 * 1024),
        QStringLiteral("File too large"));
}
