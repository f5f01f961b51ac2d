// Saves that meet a full disk or a file-size limit: each fails with the
// system's reason and leaves the previous chart file and settings.ini as they
// were, byte for byte.
#include "chart_maker.h"
#include "full_file_system.h"

#include "document/app_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace lumikan;

namespace {

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A chart file and a settings.ini, each larger than the room left for them.
struct SavedFiles {
    test::PuneChart chart;
    QString chartPath, settingsPath;
    QByteArray chartBefore, settingsBefore;

    explicit SavedFiles(const QString& folder)
        : chartPath(QDir(folder).filePath("chart.lmk")),
          settingsPath(QDir(folder).filePath("settings.ini"))
    {
        chart.doc->SetNotes(QString(9000, QLatin1Char('a')));
        EXPECT_TRUE(chart.doc->DoSave(chartPath));
        // The user's own sections, which a short write would cut off.
        QByteArray other = "[Other]\n";
        for (int i = 0; i < 400; ++i)
            other += "Key" + QByteArray::number(i) + "=some value of the user's\n";
        other += "[Last]\nKeep=me\n";
        QFile f(settingsPath);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(other) == other.size());
        f.close();
        EXPECT_TRUE(document::SaveSettings(document::AppSettings{}, settingsPath));
        chartBefore = contents(chartPath);
        settingsBefore = contents(settingsPath);
    }

    // Saves both again with changes: what each save said, "saved" on success.
    std::string saveAgain()
    {
        QStringList said;
        chart.doc->SetNotes(QString(9000, QLatin1Char('b')));
        said << (chart.doc->DoSave(chartPath) ? QStringLiteral("saved")
                                              : chart.prompts.saveFailureReasons.value(0));
        document::AppSettings changed;
        changed.colorTheme = 7;
        QString reason;
        said << (document::SaveSettings(changed, settingsPath, &reason) ? QStringLiteral("saved")
                                                                        : reason);
        return said.join(" | ").toStdString();
    }

    void expectUnchanged() const
    {
        EXPECT_EQ(contents(chartPath), chartBefore);
        EXPECT_EQ(contents(settingsPath), settingsBefore);
    }
};

// Runs `work` in a child process whose files may not grow past `bytes`, with
// SIGXFSZ ignored so that such writes fail with EFBIG; gives what it returned.
std::string withFileSizeLimit(rlim_t bytes, const std::function<std::string()>& work)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return "no fork";
    }
    if (child == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string said = work();
        [[maybe_unused]] const ssize_t n = ::write(fds[1], said.data(), said.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<std::size_t>(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child failed";
    return said;
}

} // namespace

TEST(SaveFailure, FullDiskKeepsThePreviousChartAndSettings)
{
    test::FullFileSystem disk(512);
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    SavedFiles files(disk.path());
    disk.fill(4096);

    EXPECT_EQ(files.saveAgain(), "No space left on device | No space left on device");
    files.expectUnchanged();
    EXPECT_TRUE(files.chart.doc->IsModified());
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files),
              (QStringList{"chart.lmk", "filler", "settings.ini"}))
        << "no temporary file is left behind";
}

TEST(SaveFailure, FileSizeLimitKeepsThePreviousChartAndSettings)
{
    QTemporaryDir dir;
    SavedFiles files(dir.path());
    EXPECT_EQ(withFileSizeLimit(2048, [&] { return files.saveAgain(); }),
              "File too large | File too large");
    files.expectUnchanged();
}
