// lumikan-cli chart --batch: many births in one process, or over workers.
#include "cli_run.h"
#include "schema_check.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using lumikan::test::cli;
using lumikan::test::CliRun;

namespace {

constexpr int kRecords = 1000;
constexpr int kDistinctBirths = 40;
const QStringList kClock = {"--defaults", "--today", "2026-12-06", "--now", "10:00:00"};

// Birth k of the distinct ones, as the options of a single run.
QStringList birthOptions(int k)
{
    const int year = 1801 + k * 7;
    return {"--name",
            QString("Birth %1").arg(k),
            "--date",
            QString("%1-%2-%3")
                .arg(year)
                .arg(k % 12 + 1, 2, 10, QChar('0'))
                .arg(k % 28 + 1, 2, 10, QChar('0')),
            "--time",
            QString("%1:%2:07").arg(k % 24, 2, 10, QChar('0')).arg(k * 7 % 60, 2, 10, QChar('0')),
            "--tz",
            QString::number((k % 25) - 12),
            "--lat",
            QString::number(-55.5 + k * 2.75),
            "--lon",
            QString::number(-179.25 + k * 8.9),
            "--city",
            k % 2 ? "Odd" : "Even"};
}

QString csvLine(int k)
{
    const QStringList o = birthOptions(k);
    return QStringList{o[1], o[3], o[5], o[7], o[9], o[11], o[13]}.join(',');
}

// Record i is birth i % 40, but for three bad ones.
const std::map<int, QString> kBad = {{100, "Bad date,1990-02-30,12:00:00,5.5,18,73,X"},
                                     {500, "Bad latitude,1990-01-01,12:00:00,5.5,91,73,X"},
                                     {999, "No offset,1990-01-01,12:00:00,,18,73,X"}};

QString writeBatch(const QTemporaryDir& dir)
{
    QString text = "name,date,time,tz,lat,lon,city\n";
    for (int i = 0; i < kRecords; ++i)
        text += (kBad.count(i) ? kBad.at(i) : csvLine(i % kDistinctBirths)) + "\n";
    QFile file(dir.filePath("births.csv"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    return file.fileName();
}

} // namespace

TEST(CliBatch, AThousandLinesWithThreeBadOnesGiveWhatSingleRunsGive)
{
    QTemporaryDir dir;
    const QString births = writeBatch(dir);
    // What a single run prints for each distinct birth, at the batch's depth.
    std::vector<QByteArray> single;
    for (int k = 0; k < kDistinctBirths; ++k) {
        const CliRun run =
            cli(QStringList{"chart", "--json", "--depth", "1"} + kClock + birthOptions(k));
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        single.push_back(run.out);
    }
    QByteArray firstOutput;
    for (const char* jobs : {"1", "3"}) {
        const CliRun run = cli(QStringList{"chart", "--batch", births, "--jobs", jobs} + kClock);
        EXPECT_EQ(run.status, 1) << "three lines failed";
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        const QList<QByteArray> lines = run.out.split('\n');
        ASSERT_EQ(lines.size(), kRecords + 1);
        EXPECT_TRUE(lines.back().isEmpty());
        int charts = 0;
        for (int i = 0; i < kRecords; ++i) {
            if (kBad.count(i)) {
                const QJsonObject error = QJsonDocument::fromJson(lines[i]).object();
                EXPECT_EQ(error["line"].toInt(), i + 2) << "the header is line 1";
                EXPECT_EQ(lumikan::test::schemaProblems(lines[i], "batchError"), QStringList());
                continue;
            }
            ++charts;
            const QByteArray& expected = single[static_cast<std::size_t>(i % kDistinctBirths)];
            const QByteArray actual = lines[i] + "\n";
            qsizetype at = 0;
            while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
                ++at;
            EXPECT_TRUE(actual == expected)
                << "record " << i << " differs from its single run at byte " << at << ": "
                << actual.mid(at - 40, 80).toStdString() << " | "
                << expected.mid(at - 40, 80).toStdString();
        }
        EXPECT_EQ(charts, 997);
        EXPECT_TRUE(lines[100].contains("--date \\\"1990-02-30\\\""));
        EXPECT_TRUE(lines[500].contains("--lat \\\"91\\\""));
        EXPECT_TRUE(lines[999].contains("missing --tz"));
        if (firstOutput.isEmpty())
            firstOutput = run.out;
        else
            EXPECT_EQ(run.out, firstOutput) << "the workers keep the input's order";
    }
    EXPECT_EQ(lumikan::test::schemaProblems(firstOutput.left(firstOutput.indexOf('\n')), "chart"),
              QStringList());
}

TEST(CliBatch, JsonLinesFromStandardInputWithOptionsForEveryRecord)
{
    const QByteArray input = "{\"name\":\"A\",\"date\":\"1990-12-05\",\"time\":\"14:07:00\",\"tz\":"
                             "5.5,\"lat\":18.5204,\"lon\":73.8567}\n"
                             "{\"name\":\"B\",\"date\":\"1990-12-05\",\"time\":\"14:07:00\",\"tz\":"
                             "5.5,\"lat\":18.5204,\"lon\":73.8567,"
                             "\"ayanamsa\":\"raman\",\"no-pluto\":true}\n"
                             "{\"name\":\"C\",\"date\":\"1990-12-05\",\"time\":\"14:07:00\",\"tz\":"
                             "5.5,\"lat\":18.5204,\"lon\":73.8567,"
                             "\"depth\":3}\n"
                             "not json\n";
    QProcess process;
    process.start(lumikan::test::kCliProgram,
                  QStringList{"chart", "--batch", "-", "--ayanamsa", "lahiri", "--depth", "2",
                              "--only", "dasha"} +
                      kClock);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished();
    EXPECT_EQ(process.exitCode(), 1);
    const QList<QByteArray> lines = process.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    const QJsonObject a = QJsonDocument::fromJson(lines[0]).object();
    const QJsonObject b = QJsonDocument::fromJson(lines[1]).object();
    EXPECT_EQ(a["ayanamsa"].toObject()["mode"].toString(), "lahiri") << "the command line's option";
    EXPECT_EQ(a["dashaDepth"].toInt(), 2);
    EXPECT_EQ(
        a["appliedOptions"].toObject(),
        (QJsonObject{
            {"ayanamsa", "lahiri"}, {"depth", "2"}, {"today", "2026-12-06"}, {"now", "10:00:00"}}));
    EXPECT_EQ(b["ayanamsa"].toObject()["mode"].toString(), "raman") << "the record's own wins";
    EXPECT_FALSE(b["includePluto"].toBool());
    EXPECT_FALSE(b.contains("planets")) << "--only serves every record";
    EXPECT_TRUE(lines[2].contains("\"error\":\"\\\"depth\\\" is no field of a birth"))
        << lines[2].toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(lines[3]).object()["line"].toInt(), 4);
}

TEST(CliBatch, WrongBatchArgumentsExitTwo)
{
    QTemporaryDir dir;
    const QString births = writeBatch(dir);
    for (const QStringList& bad :
         {QStringList{"--jobs", "0"}, QStringList{"--jobs", "x"},
          QStringList{"--date", "1990-01-01"}, QStringList{"--horary", "5"}, QStringList{births},
          QStringList{"--place", "Pune, India"}}) {
        const CliRun run = cli(QStringList{"chart", "--batch", births} + bad + kClock);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
    const CliRun missing = cli(QStringList{"chart", "--batch", dir.filePath("none.csv")} + kClock);
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("cannot read")) << missing.err.toStdString();
}
