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

TEST(Cli, MatchTwoSavedCharts)
{
    QTemporaryDir dir;
    const QString boy = dir.filePath("boy.lmk");
    const QString girl = dir.filePath("girl.lmk");
    ASSERT_EQ(cli(QStringList{"save", boy, "--gender", "male"} + kPune).status, 0);
    QStringList girlBirth = kPune;
    girlBirth[girlBirth.indexOf("1990-12-05")] = "1993-04-17";
    girlBirth[girlBirth.indexOf("Test Chart")] = "Asha";
    ASSERT_EQ(cli(QStringList{"save", girl, "--gender", "female"} + girlBirth).status, 0);

    const CliRun json = cli({"match", boy, girl, "--json", "--defaults", "--today", "2026-12-06"});
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(o["rows"].toArray().size(), 27);
    EXPECT_EQ(o["totalMax"].toDouble(), 252.0);

    const CliRun text = cli({"match", boy, girl, "--defaults", "--today", "2026-12-06"});
    ASSERT_EQ(text.status, 0);
    EXPECT_TRUE(text.out.startsWith("Test Chart \u2665 Asha\n") || text.out.startsWith("Test Chart ♥ Asha\n"));
    EXPECT_TRUE(text.out.contains(" / 252\n"));

    EXPECT_EQ(cli({"match", boy, "--defaults"}).status, 1);
    EXPECT_EQ(cli({"match", boy, dir.filePath("missing.lmk"), "--defaults"}).status, 1);
}
