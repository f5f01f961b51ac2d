// lumikan-cli match: two charts, or a batch of pairs.
#include "cli_run.h"
#include "schema_check.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using lumikan::test::cli;
using lumikan::test::CliRun;

TEST(CliMatch, TextAndJsonOfTwoCharts)
{
    QTemporaryDir dir;
    const auto pair = lumikan::test::saveMatchPair(dir.path());
    const CliRun json =
        cli({"match", pair.boy, pair.girl, "--json", "--defaults", "--today", "2026-12-06"});
    ASSERT_EQ(json.status, 0) << json.err.toStdString();
    EXPECT_EQ(lumikan::test::schemaProblems(json.out, "match"), QStringList());
    const QJsonObject o = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(o["rows"].toArray().size(), 27);
    EXPECT_EQ(o["totalMax"].toDouble(), 252.0);
    EXPECT_EQ(o["ashtakootaMax"].toDouble(), 36.0);
    EXPECT_EQ(o["boy"].toObject()["name"].toString(), "Test Chart");
    EXPECT_EQ(o["girl"].toObject()["file"].toString(), pair.girl);
    // The rules' working only on request.
    EXPECT_FALSE(json.out.contains("[Debug]"));
    EXPECT_FALSE(json.out.contains("\"debug\""));
    const CliRun debug = cli(
        {"match", pair.boy, pair.girl, "--json", "--debug", "--defaults", "--today", "2026-12-06"});
    EXPECT_EQ(lumikan::test::schemaProblems(debug.out, "match"), QStringList());
    EXPECT_TRUE(debug.out.contains("\"debug\":\"Boy 1st Sub: "));

    const CliRun text = cli({"match", pair.boy, pair.girl, "--defaults", "--today", "2026-12-06"});
    ASSERT_EQ(text.status, 0);
    EXPECT_TRUE(text.out.startsWith("Test Chart \u2665 Asha\n") ||
                text.out.startsWith("Test Chart ♥ Asha\n"));
    EXPECT_TRUE(text.out.contains(" / 252\n"));
    EXPECT_FALSE(text.out.contains("Debug"));
    EXPECT_TRUE(cli({"match", pair.boy, pair.girl, "--defaults", "--debug"})
                    .out.contains("[Debug] Boy 1st Sub: "));
}

TEST(CliMatch, WrongArgumentsExitTwoAndUnreadableChartsOne)
{
    QTemporaryDir dir;
    const auto pair = lumikan::test::saveMatchPair(dir.path());
    const std::vector<QStringList> bad = {
        {"match", pair.boy, "--defaults"},
        {"match", pair.boy, pair.girl, pair.boy, "--defaults"},
        {"match", pair.boy, pair.girl, "--rp-lat", "10"},
        {"match", pair.boy, pair.girl, "--depth", "2"},
        {"match", pair.boy, pair.girl, "--jobs", "2"},
        {"match", pair.boy, pair.girl, "--json", "--json"},
    };
    for (const QStringList& args : bad) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("lumikan-cli match: ") && run.err.count('\n') == 1)
            << run.err.toStdString();
    }
    EXPECT_EQ(cli({"match", pair.boy, dir.filePath("missing.lmk"), "--defaults"}).status, 1);
}

TEST(CliMatch, ABatchOfPairsKeepsItsOrderAndReportsBadLines)
{
    QTemporaryDir dir;
    const auto pair = lumikan::test::saveMatchPair(dir.path());
    QFile csv(dir.filePath("pairs.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(("boy,girl\n" + pair.boy + "," + pair.girl + "\n" + pair.boy + "," +
               dir.filePath("missing.lmk") + "\n" + pair.girl + "," + pair.boy + "\n")
                  .toUtf8());
    csv.close();
    for (const char* jobs : {"1", "3"}) {
        const CliRun run = cli({"match", "--batch", csv.fileName(), "--defaults", "--today",
                                "2026-12-06", "--jobs", jobs});
        EXPECT_EQ(run.status, 1) << "a line failed";
        const QList<QByteArray> lines = run.out.split('\n');
        ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
        EXPECT_EQ(lumikan::test::schemaProblems(lines[0], "match"), QStringList());
        EXPECT_EQ(lumikan::test::schemaProblems(lines[1], "batchError"), QStringList());
        EXPECT_EQ(QJsonDocument::fromJson(lines[1]).object()["line"].toInt(), 3);
        EXPECT_EQ(QJsonDocument::fromJson(lines[2]).object()["boy"].toObject()["name"].toString(),
                  "Asha");
        // Each line is what a single match prints.
        const CliRun single =
            cli({"match", pair.boy, pair.girl, "--json", "--defaults", "--today", "2026-12-06"});
        EXPECT_EQ(lines[0] + "\n", single.out);
    }
}
