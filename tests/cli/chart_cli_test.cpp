// lumikan-cli chart: a birth or a chart file, as text and as JSON.
#include "cli_run.h"
#include "schema_check.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using lumikan::test::cli;
using lumikan::test::CliRun;
using lumikan::test::kPune;

namespace {

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

QJsonObject jsonOf(const CliRun& run)
{
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

QString savedPune(const QTemporaryDir& dir)
{
    const QString path = dir.filePath("pune.lmk");
    EXPECT_EQ(cli(QStringList{"save", path} + kPune).status, 0);
    return path;
}

} // namespace

TEST(CliChart, TextAndJsonOfABirth)
{
    const CliRun text = cli(QStringList{"chart"} + kPune);
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.err.isEmpty()) << text.err.toStdString();
    EXPECT_TRUE(
        text.out.startsWith("Test Chart — 5 Dec 1990 | 14:07 IST | Pune, Maharashtra, India\n"));
    for (const char* section :
         {"PLANETS", "CUSPS", "SIGNIFICATORS", "VIMSHOTTARI DASHA", "STRENGTH", "BIRTH PARTICULARS",
          "DIVISIONAL CHARTS", "Running now: ", "KP HORARY NUMBERS"})
        EXPECT_TRUE(text.out.contains(section)) << section;

    const CliRun json = cli(QStringList{"chart", "--json"} + kPune);
    EXPECT_EQ(lumikan::test::schemaProblems(json.out, "chart"), QStringList());
    const QJsonObject o = jsonOf(json);
    EXPECT_EQ(o["schemaVersion"].toInt(), 2);
    EXPECT_EQ(o["command"].toString(), "chart");
    const QJsonObject display = o["display"].toObject();
    EXPECT_EQ(display["title"].toString(),
              QString::fromUtf8("Test Chart — 5 Dec 1990 | 14:07 IST | Pune, Maharashtra, India"));
    EXPECT_EQ(display["ascendantText"].toString(), QString::fromUtf8("PISCES 15°16'"));
    EXPECT_EQ(o["planets"].toArray().size(), 13);
    EXPECT_EQ(o["planets"].toArray()[0].toObject()["body"].toString(), "Sun");
    EXPECT_EQ(o["planets"].toArray()[0].toObject()["starLord"].toString(), "Mercury");
    EXPECT_EQ(o["cusps"].toArray().size(), 12);
    EXPECT_EQ(o["vargas"].toObject().size(), 18);
    EXPECT_EQ(o["dasha"].toArray().size(), 9);
    EXPECT_EQ(o["dasha"].toArray()[0].toObject()["lord"].toString(), "Jupiter");
    // Full precision: the Julian day survives the trip through text.
    EXPECT_EQ(o["julianDayUt"].toDouble(), 2448230.859027778);
    EXPECT_EQ(o["birth"].toObject()["instantUtc"].toString(), "1990-12-05T08:37:00Z");
    EXPECT_EQ(o["ayanamsa"].toObject()["mode"].toString(), "kp");
    EXPECT_NEAR(o["ayanamsa"].toObject()["degrees"].toDouble(), 23.6335, 1e-4);
    EXPECT_EQ(o["timeZoneUsed"].toObject()["offsetHours"].toDouble(), 5.5);
    EXPECT_EQ(lumikan::test::numberCodedPlanets(json.out), QStringList());
}

TEST(CliChart, OnlyTheSectionsAskedFor)
{
    const QJsonObject o =
        jsonOf(cli(QStringList{"chart", "--json", "--only", "cusps,dasha"} + kPune));
    EXPECT_TRUE(o.contains("cusps") && o.contains("dasha") && o.contains("runningDasha"));
    for (const char* absent : {"planets", "vargas", "kpSubTable", "display", "birthRulingPlanets",
                               "shadbalaResults", "houseSignificators"})
        EXPECT_FALSE(o.contains(absent)) << absent;
    EXPECT_TRUE(o.contains("birth") && o.contains("julianDayUt")) << "the header is always there";
    const CliRun json = cli(QStringList{"chart", "--json", "--only", "cusps,dasha"} + kPune);
    EXPECT_EQ(lumikan::test::schemaProblems(json.out, "chart"), QStringList());

    const CliRun text = cli(QStringList{"chart", "--only", "cusps,subtable"} + kPune);
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains("CUSPS") && text.out.contains("KP HORARY NUMBERS"));
    EXPECT_TRUE(text.out.contains("  145  Jupiter  Moon     209°26′40″"));
    EXPECT_FALSE(text.out.contains("PLANETS") || text.out.contains("VIMSHOTTARI"));

    for (const QStringList& bad :
         {QStringList{"--only", "planet"}, QStringList{"--only", ""},
          QStringList{"--only", "planets,,cusps"}, QStringList{"--only", "display"}}) {
        const CliRun run = cli(QStringList{"chart"} + bad + kPune);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("--only")) << run.err.toStdString();
    }
}

TEST(CliChart, TextShowsTheMahadashasUnlessDepthAsks)
{
    const CliRun plain = cli(QStringList{"chart", "--only", "dasha"} + kPune);
    ASSERT_EQ(plain.status, 0);
    EXPECT_TRUE(plain.out.contains("VIMSHOTTARI DASHA (to depth 1; --depth 1..4 shows more)\n"));
    EXPECT_EQ(plain.out.count("\n    "), 0) << "no antardasha lines";
    EXPECT_LT(cli(QStringList{"chart"} + kPune).out.count('\n'), 420);
    const CliRun deep = cli(QStringList{"chart", "--only", "dasha", "--depth", "3"} + kPune);
    EXPECT_EQ(deep.out.count("\n        "), 729) << "nine times nine times nine periods";
    EXPECT_FALSE(deep.out.contains("to depth"));
    // JSON keeps the settings' depth.
    EXPECT_EQ(jsonOf(cli(QStringList{"chart", "--json"} + kPune))["dashaDepth"].toInt(), 3);
}

TEST(CliChart, AChartFileTakesTheOptionsThatApplyAndSaysSo)
{
    QTemporaryDir dir;
    const QString file = savedPune(dir);
    const CliRun text = cli({"chart", file, "--defaults", "--ayanamsa", "lahiri", "--depth", "2",
                             "--today", "2026-12-06", "--only", "planets"});
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(
        text.out.contains(("Chart file " + file +
                           ", cast with the settings in force and --ayanamsa lahiri --depth 2 "
                           "--today 2026-12-06\n")
                              .toUtf8()))
        << text.out.left(400).toStdString();
    EXPECT_TRUE(text.out.contains("Ayanamsa: Lahiri"));

    const QJsonObject o =
        jsonOf(cli({"chart", file, "--json", "--defaults", "--ayanamsa", "lahiri", "--no-pluto"}));
    EXPECT_EQ(o["file"].toString(), file);
    EXPECT_EQ(o["appliedOptions"].toObject(),
              (QJsonObject{{"ayanamsa", "lahiri"}, {"no-pluto", "true"}}));
    EXPECT_EQ(o["ayanamsa"].toObject()["mode"].toString(), "lahiri");
    EXPECT_FALSE(o["includePluto"].toBool());

    // The file holds the birth: its options are refused, not ignored.
    for (const QStringList& notForAFile : {QStringList{"--tz", "6"}, QStringList{"--name", "X"},
                                           QStringList{"--place", "Pune, India"},
                                           QStringList{"--lmt"}, QStringList{"--horary", "5"}}) {
        const CliRun run = cli(QStringList{"chart", file, "--defaults"} + notForAFile);
        EXPECT_EQ(run.status, 2) << notForAFile.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(
            ("lumikan-cli chart: " + notForAFile[0] + " does not apply to a chart file").toUtf8()))
            << run.err.toStdString();
    }
    EXPECT_EQ(cli({"chart", file, file, "--defaults"}).status, 2);
    EXPECT_EQ(cli({"chart", file, "--defaults", "--jobs", "2"}).status, 2);
}

TEST(CliChart, RefusedValuesExitTwoWithOneLineNamingTheOption)
{
    const std::vector<std::pair<QString, QString>> refused = {
        {"--time", "2:07pm"},
        {"--time", "14:07xyz"},
        {"--time", "24:00:00"},
        {"--lat", "18.5x"},
        {"--lat", "0x5A"},
        {"--lon", "inf"},
        {"--tz", "nan"},
        {"--date", "1799-12-31"},
        {"--date", "2101-01-01"},
        {"--date", "99999999999-01-01"},
        {"--date", "-5000-01-01"},
        {"--ayanamsa", "custom:1e308"},
        {"--ayanamsa", "custom:-400"},
        {"--ayanamsa", "custom:99999"},
        {"--today", "9999-01-01"},
        {"--now", "25:00"},
        {"--horary", "0"},
        {"--horary", "250"},
        {"--settings", "/nonexistent/settings.ini"},
        {"--depth", "5"},
        {"--gender", "yes"},
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
    for (const QStringList& bad :
         {QStringList{"--bogus"}, QStringList{"--json=yes"}, QStringList{"--date", "1990-12-05"},
          QStringList{"-x"}, QStringList{"--lat"}}) {
        const CliRun run = cli(QStringList{"chart"} + kPune + bad);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    // Bytes that are not UTF-8, as a shell passes them (QProcess would convert).
    QProcess shell;
    shell.start("/bin/sh",
                QStringList{"-c", "exec \"$0\" chart \"$@\" --name \"$(printf 'Caf\\351')\"",
                            LUMIKAN_BIN_DIR "/lumikan-cli"} +
                    kPune.mid(0, kPune.indexOf("--name")) + kPune.mid(kPune.indexOf("--name") + 2));
    shell.waitForFinished();
    EXPECT_EQ(shell.exitCode(), 2);
    EXPECT_TRUE(shell.readAllStandardError().contains("--name"));

    // The edges of the range are births like any other.
    EXPECT_EQ(cli(QStringList{"chart"} + puneWith("--date", "1800-01-01")).status, 0);
    EXPECT_EQ(cli(QStringList{"chart"} + puneWith("--ayanamsa", "custom:-23.85")).status, 0);
}

TEST(CliChart, FailuresAreOneLineEachWithTheProgramsName)
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
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("lumikan-cli: ")) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    EXPECT_TRUE(runs[0].err.contains("could not be found: " + dir.filePath("none.lmk").toUtf8() +
                                     ". It may"));
    EXPECT_TRUE(runs[2].err.contains("(error code SWEPH - 0x0000302)"))
        << runs[2].err.toStdString();
}

TEST(CliChart, NamesAreKeptExactlyAndReachTheTerminalEscaped)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("escape.lmk");
    const QString hostile = QString::fromUtf8("Evil\x1b]0;owned\x07\xc2\x9b"
                                              "2J");
    ASSERT_EQ(cli(QStringList{"save", path} + puneWith("--name", hostile)).status, 0);
    for (const CliRun& run : {cli(QStringList{"chart"} + puneWith("--name", hostile)),
                              cli({"chart", path, "--defaults"})}) {
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_FALSE(run.out.contains('\x1b') || run.out.contains('\x07') ||
                     run.out.contains("\xc2\x9b"));
        EXPECT_TRUE(run.out.startsWith("Evil\\x1b]0;owned\\x07\\u009b2J"))
            << run.out.left(60).toStdString();
    }
    EXPECT_EQ(
        jsonOf(cli({"chart", path, "--defaults", "--json"}))["birth"].toObject()["name"].toString(),
        hostile);

    // A leading U+FEFF is text like any other: in the title and in the file.
    const QString mark(QChar(0xFEFF));
    const QString marked = dir.filePath("marked.lmk");
    QStringList markedBirth = puneWith("--name", mark + "Name");
    markedBirth[markedBirth.indexOf("Pune")] = mark + "Pune";
    ASSERT_EQ(cli(QStringList{"save", marked, "--notes", mark + "notes"} + markedBirth).status, 0);
    for (const CliRun& run : {cli({"chart", marked, "--defaults", "--json"}),
                              cli(QStringList{"chart", "--json"} + markedBirth)}) {
        // Read as bytes: Qt's JSON reader drops a string's leading U+FEFF itself.
        EXPECT_TRUE(run.out.contains("\"title\":\"\xEF\xBB\xBFName \xE2\x80\x94"))
            << run.out.left(300).toStdString();
        EXPECT_TRUE(run.out.contains("\"name\":\"\xEF\xBB\xBFName\""));
    }
    const CliRun opened = cli({"chart", marked, "--defaults", "--json"});
    EXPECT_TRUE(opened.out.contains("\"notes\":\"\xEF\xBB\xBFnotes\\r\\nASC:"));
    EXPECT_TRUE(opened.out.contains("\"city\":\"\xEF\xBB\xBFPune\""));
}
