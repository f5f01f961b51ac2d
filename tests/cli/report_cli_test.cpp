// lumikan-cli report: the printed report as a PDF, without a display.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ReportRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ReportRun report(QStringList args)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LUMIKAN_BIN_DIR "/lumikan-cli"), QStringList{"report"} + args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// The core-only build has no drawing library and no report command.
bool reportCommandMissing(const ReportRun& run)
{
    return run.status == 2 && run.err.contains("unknown command");
}

const QStringList kPune = {"--defaults", "--today", "2026-12-06", "--now",  "10:00:00", "--name",
                           "Test Chart", "--date",  "1990-12-05", "--time", "14:07:00", "--tz",
                           "5.5",        "--lat",   "18.5204",    "--lon",  "73.8567"};

} // namespace

TEST(CliReport, WritesAFourPagePdfAndReportsFailures)
{
    QTemporaryDir dir;
    const QString chartPath = dir.filePath("pune.lmk");
    const QString pdfPath = dir.filePath("pune.pdf");

    QProcess save;
    save.start(QStringLiteral(LUMIKAN_BIN_DIR "/lumikan-cli"),
               QStringList{"save", chartPath} + kPune);
    save.waitForFinished(120000);
    ASSERT_EQ(save.exitCode(), 0) << save.readAllStandardError().toStdString();

    const ReportRun run =
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

    const ReportRun noPdf = report({chartPath, "--defaults"});
    EXPECT_EQ(noPdf.status, 2);
    EXPECT_TRUE(noPdf.err.contains("--pdf")) << noPdf.err.toStdString();
    const ReportRun unwritable =
        report({chartPath, "--defaults", "--pdf", dir.filePath("no/such/folder.pdf")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.contains("cannot write")) << unwritable.err.toStdString();
    EXPECT_EQ(report({dir.filePath("missing.lmk"), "--defaults", "--pdf", pdfPath}).status, 1);
}
