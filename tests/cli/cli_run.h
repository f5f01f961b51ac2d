#pragma once

// lumikan-cli run as a user runs it: exit status, output streams.
#include <QProcess>
#include <QStringList>

#include <functional>

namespace lumikan::test {

struct CliRun {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Whether this build has the report program lumikan-cli runs for `report`
// (the core-only build has not).
inline constexpr bool kReportProgramBuilt = LUMIKAN_REPORT_PROGRAM;

// Runs `program` with `args`; `headless` takes away every display first.
// `childSetup` runs in the child process just before the program starts.
inline CliRun run(const QString& program, const QStringList& args, bool headless = false,
                  const std::function<void()>& childSetup = {})
{
    QProcess p;
    if (childSetup)
        p.setChildProcessModifier(childSetup);
    if (headless) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        p.setProcessEnvironment(env);
    }
    p.start(program, args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

inline const QString kCliProgram = QStringLiteral(LUMIKAN_BIN_DIR "/lumikan-cli");

// lumikan-cli as built.
inline CliRun cli(const QStringList& args, bool headless = false,
                  const std::function<void()>& childSetup = {})
{
    return run(kCliProgram, args, headless, childSetup);
}

// The Pune birth with a fixed today and now, and the defaults for every setting.
inline const QStringList kPune = {
    "--defaults", "--today", "2026-12-06",  "--now",     "10:00:00", "--name",
    "Test Chart", "--date",  "1990-12-05",  "--time",    "14:07:00", "--tz",
    "5.5",        "--lat",   "18.5204",     "--lon",     "73.8567",  "--city",
    "Pune",       "--state", "Maharashtra", "--country", "India"};

// Two saved charts to match: a boy born in Pune in 1990 and a girl in 1993.
struct MatchPair {
    QString boy, girl;
};
inline MatchPair saveMatchPair(const QString& folder)
{
    MatchPair pair{folder + "/boy.lmk", folder + "/girl.lmk"};
    cli(QStringList{"save", pair.boy, "--gender", "male"} + kPune);
    QStringList girlBirth = kPune;
    girlBirth[girlBirth.indexOf("1990-12-05")] = "1993-04-17";
    girlBirth[girlBirth.indexOf("Test Chart")] = "Asha";
    cli(QStringList{"save", pair.girl, "--gender", "female"} + girlBirth);
    return pair;
}

} // namespace lumikan::test
