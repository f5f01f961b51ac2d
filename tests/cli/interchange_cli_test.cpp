// lumikan-cli export and import: chart files to and from AAF, CSV and JSON.
#include "cli_run.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using lumikan::test::cli;
using lumikan::test::CliRun;
using lumikan::test::kPune;

namespace {

QJsonObject birthOf(const QString& chartFile)
{
    const CliRun run = cli({"chart", chartFile, "--json", "--defaults"});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object()["birth"].toObject();
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace

TEST(CliInterchange, ChartFilesSurviveEveryFormat)
{
    QTemporaryDir dir;
    const QString original = dir.filePath("pune.lmk");
    ASSERT_EQ(
        cli(QStringList{"save", original, "--gender", "female", "--notes", "Line one\nline, two"} +
            kPune)
            .status,
        0);
    const QJsonObject before = birthOf(original);
    for (const char* format : {"aaf", "csv", "json"}) {
        SCOPED_TRACE(format);
        const CliRun exported = cli({"export", original, "--format", format});
        ASSERT_EQ(exported.status, 0) << exported.err.toStdString();
        const QString file = writeFile(dir.filePath(QString("births.") + format), exported.out);
        const QString folder = dir.filePath(format);
        QDir().mkpath(folder);
        const CliRun imported = cli({"import", file, "--dir", folder});
        ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
        EXPECT_EQ(imported.out, (folder + "/Test Chart.lmk\n").toUtf8());
        const QJsonObject after = birthOf(folder + "/Test Chart.lmk");
        for (const char* key : {"name", "city", "state", "country", "year", "month", "day", "hour",
                                "minute", "second", "gender"})
            EXPECT_EQ(after[key], before[key]) << key;
        // AAF keeps coordinates to the arc second and offsets to the second;
        // CSV and JSON keep the very numbers.
        const bool aaf = std::string(format) == "aaf";
        EXPECT_NEAR(after["latitude"].toDouble(), before["latitude"].toDouble(),
                    aaf ? 0.5 / 3600 : 0);
        EXPECT_NEAR(after["longitude"].toDouble(), before["longitude"].toDouble(),
                    aaf ? 0.5 / 3600 : 0);
        EXPECT_EQ(after["timeZone"], before["timeZone"]);
    }
}

TEST(CliInterchange, ImportReportsBadRecordsAndNeverReplacesAFile)
{
    QTemporaryDir dir;
    const QString csv =
        writeFile(dir.filePath("births.csv"), "name,date,time,tz,lat,lon\n"
                                              "Asha,1993-04-17,06:30:00,5.5,18.52,73.85\n"
                                              "Bad,1993-02-30,06:30:00,5.5,18.52,73.85\n"
                                              "Asha,1993-04-17,06:31:00,5.5,18.52,73.85\n");
    const CliRun run = cli({"import", csv, "--dir", dir.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, (dir.path() + "/Asha.lmk\n" + dir.path() + "/Asha 2.lmk\n").toUtf8());
    EXPECT_EQ(run.err, (QStringLiteral("lumikan-cli import: ") + csv +
                        " line 3: date \"1993-02-30\": a date YYYY-MM-DD from 1800-01-01 to "
                        "2100-12-31 is needed\n")
                           .toUtf8());
    EXPECT_EQ(birthOf(dir.filePath("Asha 2.lmk"))["minute"].toInt(), 31);

    const std::vector<QStringList> bad = {
        {"import", csv},
        {"import", csv, "--dir", dir.filePath("none")},
        {"import", "-", "--dir", dir.path()},
        {"import", dir.filePath("births.txt"), "--dir", dir.path()},
        {"import", csv, "--dir", dir.path(), "--format", "xml"},
        {"export", dir.filePath("Asha.lmk")},
        {"export", "--format", "aaf"},
    };
    for (const QStringList& args : bad) {
        const CliRun refused = cli(args);
        EXPECT_EQ(refused.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(refused.err.count('\n'), 1) << refused.err.toStdString();
    }

    // An unreadable chart file is told; the others are exported.
    const CliRun partly =
        cli({"export", dir.filePath("missing.lmk"), dir.filePath("Asha.lmk"), "--format", "csv"});
    EXPECT_EQ(partly.status, 1);
    EXPECT_TRUE(partly.out.contains("\nAsha,1993-04-17,06:30:00,"));
    EXPECT_TRUE(partly.err.startsWith("lumikan-cli export: cannot read "));
}
