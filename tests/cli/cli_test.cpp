// lumikan-cli as a user runs it: output streams, exit statuses, files.
#include "cli_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using lumikan::test::cli;
using lumikan::test::CliRun;
using lumikan::test::kPune;

TEST(Cli, ChartAsTextAndJson)
{
    const CliRun text = cli(QStringList{"chart"} + kPune);
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith("Test Chart — 5 Dec 1990 | 14:07 IST | Pune, Maharashtra, India\n"));
    for (const char* section : {"PLANETS", "CUSPS", "SIGNIFICATORS", "VIMSHOTTARI DASHA", "STRENGTH",
                                "BIRTH PARTICULARS", "DIVISIONAL CHARTS", "Running now: "})
        EXPECT_TRUE(text.out.contains(section)) << section;

    const CliRun json = cli(QStringList{"chart", "--json"} + kPune);
    ASSERT_EQ(json.status, 0);
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(o["title"].toString(), QString::fromUtf8("Test Chart — 5 Dec 1990 | 14:07 IST | Pune, Maharashtra, India"));
    EXPECT_EQ(o["ascendantText"].toString(), QString::fromUtf8("PISCES 15°16'"));
    EXPECT_EQ(o["planets"].toArray().size(), 13);
    EXPECT_EQ(o["cusps"].toArray().size(), 12);
    EXPECT_EQ(o["vargas"].toObject().size(), 18);
    EXPECT_EQ(o["dasha"].toArray().size(), 9);
    // Full precision: the Julian day survives the trip through text.
    EXPECT_NEAR(o["julianDayUt"].toDouble(), 2448230.8590277778, 1e-9);
}

TEST(Cli, SaveThenOpenKeepsBirthDataAndNotes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pune.lmk");
    const CliRun save = cli(QStringList{"save", path, "--notes", "First line\nSecond"} + kPune);
    ASSERT_EQ(save.status, 0) << save.err.toStdString();
    EXPECT_TRUE(save.out.isEmpty());

    const CliRun opened = cli({"chart", path, "--json", "--defaults"});
    ASSERT_EQ(opened.status, 0) << opened.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(opened.out).object();
    const QJsonObject birth = o["birth"].toObject();
    EXPECT_EQ(birth["name"].toString(), "Test Chart");
    EXPECT_EQ(birth["city"].toString(), "Pune");
    EXPECT_EQ(birth["latitude"].toDouble(), 18.5204);
    EXPECT_EQ(birth["minute"].toInt(), 7);
    EXPECT_TRUE(o["notes"].toString().startsWith("First line\nSecond\r\nASC:"));
}

TEST(Cli, FailuresAreReportedWithTheirStatus)
{
    EXPECT_EQ(cli({}).status, 2);
    EXPECT_EQ(cli({"chart", "--date", "1990-13-05"}).status, 2);
    EXPECT_EQ(cli({"chart", "--bogus"}).status, 2);
    EXPECT_EQ(cli(QStringList{"chart", "--horary", "250"} + kPune).status, 2);

    const CliRun polar = cli({"chart", "--defaults", "--date", "1990-12-21", "--time", "12:00:00", "--tz",
                           "1", "--lat", "78.2", "--lon", "15.6"});
    EXPECT_EQ(polar.status, 1);
    EXPECT_TRUE(polar.out.isEmpty());
    EXPECT_TRUE(polar.err.contains("SWEPH - 0x0000302"));

    QTemporaryDir dir;
    const CliRun missing = cli({"chart", dir.filePath("none.lmk"), "--defaults"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("The file could not be found"));

    // A save that cannot be written leaves nothing behind.
    const QString bad = dir.filePath("no/such/folder/x.lmk");
    EXPECT_EQ(cli(QStringList{"save", bad} + kPune).status, 1);
    EXPECT_FALSE(QFile::exists(bad));
}

// kPune with one option's value replaced (or the option added).
QStringList puneWith(const QString& option, const QString& value)
{
    QStringList args = kPune;
    const qsizetype at = args.indexOf(option);
    if (at >= 0)
        args[at + 1] = value;
    else
        args << option << value;
    return args;
}

TEST(Cli, RefusedValuesExitTwoWithOneLineNamingTheOption)
{
    const std::vector<std::pair<QString, QString>> refused = {
        {"--time", "2:07pm"},          {"--time", "14:07xyz"},
        {"--time", "24:00:00"},        {"--lat", "18.5x"},
        {"--lat", "0x5A"},             {"--lon", "inf"},
        {"--tz", "nan"},               {"--date", "1799-12-31"},
        {"--date", "2101-01-01"},      {"--date", "99999999999-01-01"},
        {"--date", "-5000-01-01"},     {"--ayanamsa", "custom:1e308"},
        {"--ayanamsa", "custom:-400"}, {"--ayanamsa", "custom:99999"},
        {"--today", "9999-01-01"},     {"--now", "25:00"},
        {"--horary", "0"},             {"--settings", "/nonexistent/settings.ini"},
    };
    for (const auto& [option, value] : refused) {
        QStringList args = QStringList{"chart"} + puneWith(option, value);
        if (option == "--settings")
            args.removeAll("--defaults");
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << option.toStdString() << " " << value.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("lumikan-cli") && run.err.count('\n') == 1 &&
                    run.err.contains(option.toUtf8()))
            << run.err.toStdString();
    }
    // Bytes that are not UTF-8, as a shell passes them (QProcess would convert).
    QProcess shell;
    shell.start("/bin/sh", QStringList{"-c", "exec \"$0\" chart \"$@\" --name \"$(printf 'Caf\\351')\"",
                                       LUMIKAN_BIN_DIR "/lumikan-cli"} + kPune.mid(0, kPune.indexOf("--name")) +
                                           kPune.mid(kPune.indexOf("--name") + 2));
    shell.waitForFinished();
    EXPECT_EQ(shell.exitCode(), 2);
    EXPECT_TRUE(shell.readAllStandardError().contains("--name")) ;

    const CliRun empty = cli(QStringList{"save", ""} + kPune);
    EXPECT_EQ(empty.status, 2);
    EXPECT_TRUE(empty.err.contains("empty")) << empty.err.toStdString();
    // The edges of the range are births like any other.
    EXPECT_EQ(cli(QStringList{"chart"} + puneWith("--date", "1800-01-01")).status, 0);
    EXPECT_EQ(cli(QStringList{"chart"} + puneWith("--ayanamsa", "custom:-23.85")).status, 0);
}

TEST(Cli, NamesReachTheTerminalEscapedAndJsonAsUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("escape.lmk");
    const QString hostile = QString::fromUtf8("Evil\x1b]0;owned\x07\xc2\x9b" "2J");
    ASSERT_EQ(cli(QStringList{"save", path} + puneWith("--name", hostile)).status, 0);
    for (const CliRun& run : {cli(QStringList{"chart"} + puneWith("--name", hostile)),
                              cli({"chart", path, "--defaults"})}) {
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_FALSE(run.out.contains('\x1b') || run.out.contains('\x07') ||
                     run.out.contains("\xc2\x9b"));
        EXPECT_TRUE(run.out.startsWith("Evil\\x1b]0;owned\\x07\\u009b2J")) << run.out.left(60).toStdString();
    }
    const CliRun json = cli({"chart", path, "--defaults", "--json"});
    QJsonParseError error;
    const QJsonObject o = QJsonDocument::fromJson(json.out, &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError);
    EXPECT_EQ(o["birth"].toObject()["name"].toString(), hostile);
}

TEST(Cli, SaveWritesItsOnePathWhateverTheOtherArgumentsSay)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("S.lmk");
    // The file's own path given again as the name must stay the name.
    const CliRun save = cli(QStringList{"save", path, "--no-pluto"} + puneWith("--name", path));
    ASSERT_EQ(save.status, 0) << save.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(cli({"chart", path, "--defaults", "--json"}).out).object();
    EXPECT_EQ(o["birth"].toObject()["name"].toString(), path);
}

TEST(Cli, VersionNamesTheEphemerisData)
{
    const CliRun run = cli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("lumikan-cli ")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("Swiss Ephemeris 2."));
    EXPECT_TRUE(run.out.contains("/ephe (") && run.out.contains("sepl_18.se1"));
}

TEST(Cli, EveryMessageIsOneLineWithTheProgramsName)
{
    QTemporaryDir dir;
    QFile damaged(dir.filePath("damaged.lmk"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a chart");
    damaged.close();
    const CliRun runs[] = {
        cli({"chart", dir.filePath("none.lmk"), "--defaults"}),
        cli({"chart", damaged.fileName(), "--defaults"}),
        cli({"chart", "--defaults", "--date", "1990-12-21", "--time", "12:00:00", "--tz", "1",
             "--lat", "78.2", "--lon", "15.6"}),
    };
    for (const CliRun& run : runs) {
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.startsWith("lumikan-cli: ")) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    EXPECT_TRUE(runs[0].err.contains("could not be found: " + dir.filePath("none.lmk").toUtf8() + ". It may"));
    EXPECT_TRUE(runs[2].err.contains("(error code SWEPH - 0x0000302)")) << runs[2].err.toStdString();
}
