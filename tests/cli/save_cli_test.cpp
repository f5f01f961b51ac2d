// lumikan-cli save: one chart file, or a batch of them.
#include "cli_run.h"
#include "schema_check.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using lumikan::test::cli;
using lumikan::test::CliRun;
using lumikan::test::kPune;

namespace {

QJsonObject openedChart(const QString& path)
{
    const CliRun run = cli({"chart", path, "--json", "--defaults", "--only", "cusps"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace

TEST(CliSave, SaveThenOpenKeepsBirthDataAndNotes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pune.lmk");
    const CliRun save = cli(QStringList{"save", path, "--notes", "First line\nSecond"} + kPune);
    ASSERT_EQ(save.status, 0) << save.err.toStdString();
    EXPECT_TRUE(save.out.isEmpty());
    const QJsonObject o = openedChart(path);
    const QJsonObject birth = o["birth"].toObject();
    EXPECT_EQ(birth["name"].toString(), "Test Chart");
    EXPECT_EQ(birth["city"].toString(), "Pune");
    EXPECT_EQ(birth["latitude"].toDouble(), 18.5204);
    EXPECT_EQ(birth["minute"].toInt(), 7);
    EXPECT_TRUE(o["notes"].toString().startsWith("First line\nSecond\r\nASC:"));
}

TEST(CliSave, WritesItsOnePathAndRefusesWhatDoesNotReachTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("S.lmk");
    // The file's own path given again as the name must stay the name.
    QStringList named = kPune;
    named[named.indexOf("Test Chart")] = path;
    ASSERT_EQ(cli(QStringList{"save", path} + named).status, 0);
    EXPECT_EQ(openedChart(path)["birth"].toObject()["name"].toString(), path);

    for (const QStringList& bad :
         {QStringList{"--no-pluto"}, QStringList{"--depth", "2"}, QStringList{"--json"},
          QStringList{"--dir", dir.path()}, QStringList{"--rp-lat", "1"}}) {
        const CliRun run = cli(QStringList{"save", dir.filePath("x.lmk")} + kPune + bad);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(dir.filePath("x.lmk")));
    }
    const CliRun empty = cli(QStringList{"save", ""} + kPune);
    EXPECT_EQ(empty.status, 2);
    EXPECT_TRUE(empty.err.contains("empty")) << empty.err.toStdString();
    EXPECT_EQ(cli(QStringList{"save", dir.filePath("a.lmk"), dir.filePath("b.lmk")} + kPune).status,
              2);

    // A save that cannot be written leaves nothing behind.
    const QString bad = dir.filePath("no/such/folder/x.lmk");
    EXPECT_EQ(cli(QStringList{"save", bad} + kPune).status, 1);
    EXPECT_FALSE(QFile::exists(bad));
}

TEST(CliSave, ABatchWritesOneFilePerRecordAndNeverTheSameNameTwice)
{
    QTemporaryDir dir;
    QFile csv(dir.filePath("births.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("name,date,time,tz,lat,lon,city,notes,ayanamsa\n"
              "Asha,1993-04-17,06:30:00,5.5,18.52,73.85,Pune,\"Two\nlines\",lahiri\n"
              "Asha,1993-04-17,06:31:00,5.5,18.52,73.85,Pune,,\n"
              "Bad,1993-04-17,06:31:00,5.5,95,73.85,Pune,,\n"
              "Asha,1993-04-17,06:32:00,5.5,18.52,73.85,Pune,,\n");
    csv.close();
    const QString out = dir.filePath("out");
    QDir().mkpath(out);
    const CliRun run =
        cli({"save", "--batch", csv.fileName(), "--dir", out, "--defaults", "--jobs", "3"});
    EXPECT_EQ(run.status, 1);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4) << run.out.toStdString();
    EXPECT_EQ(lines[0], "{\"line\":2,\"file\":\"" + (out + "/Asha.lmk").toUtf8() + "\"}");
    EXPECT_EQ(lines[1], "{\"line\":4,\"file\":\"" + (out + "/Asha 2.lmk").toUtf8() + "\"}");
    EXPECT_TRUE(lines[2].startsWith("{\"line\":5,\"error\":\"--lat \\\"95\\\""))
        << lines[2].toStdString();
    EXPECT_EQ(lines[3], "{\"line\":6,\"file\":\"" + (out + "/Asha 3.lmk").toUtf8() + "\"}");
    for (const QByteArray& line : lines)
        EXPECT_EQ(lumikan::test::schemaProblems(line, line.contains("error") ? "batchError"
                                                                             : "savedChart"),
                  QStringList());
    const QJsonObject first = openedChart(out + "/Asha.lmk");
    EXPECT_TRUE(first["notes"].toString().startsWith("Two\nlines\r\nASC:"));
    EXPECT_EQ(openedChart(out + "/Asha 3.lmk")["birth"].toObject()["minute"].toInt(), 32);

    EXPECT_EQ(cli({"save", "--batch", csv.fileName(), "--defaults"}).status, 2) << "no --dir";
    EXPECT_EQ(cli({"save", "--batch", csv.fileName(), "--dir", out, "--name", "X"}).status, 2);
}
