// lumikan-cli transit, timing and subs as a user runs them.
#include "cli_run.h"
#include "schema_check.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using lumikan::test::cli;
using lumikan::test::CliRun;
using lumikan::test::kPune;

namespace {

// The Pune chart saved once into a temporary folder.
class TransitCli : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = new QTemporaryDir;
        path_ = dir_->filePath("pune.lmk");
        const CliRun saved = cli(QStringList{"save", path_} + kPune);
        ASSERT_EQ(saved.status, 0) << saved.err.toStdString();
    }
    static void TearDownTestSuite() { delete dir_; }

    static QJsonObject json(const CliRun& r)
    {
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out).object();
    }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline QString path_;
};

const QStringList kClock = {"--defaults", "--today", "2024-03-10", "--now", "12:00:00"};
const QStringList kDelhi = {"--lat", "28.6139", "--lon", "77.209", "--tz", "5.5"};

} // namespace

TEST_F(TransitCli, PositionsEqualAChartCastForThatMoment)
{
    const QJsonObject transit = json(cli(
        QStringList{"transit", path_, "--at", "2024-03-10T12:00:00", "--json"} + kDelhi + kClock));
    EXPECT_EQ(transit["schemaVersion"].toInt(), 2);
    const QByteArray compact = QJsonDocument(transit).toJson(QJsonDocument::Compact);
    EXPECT_EQ(lumikan::test::schemaProblems(compact, "transit"), QStringList());
    EXPECT_EQ(lumikan::test::numberCodedPlanets(compact), QStringList());
    const QJsonObject chart = json(cli(
        QStringList{"chart", "--json", "--defaults", "--date", "2024-03-10", "--time", "12:00:00"} +
        kDelhi));
    std::map<QString, double> cast;
    for (const QJsonValue& p : chart["planets"].toArray())
        cast[p.toObject()["body"].toString()] = p.toObject()["longitude"].toDouble();
    const QJsonArray bodies = transit["bodies"].toArray();
    ASSERT_EQ(bodies.size(), 12);
    for (const QJsonValue& b : bodies) {
        const QJsonObject o = b.toObject();
        EXPECT_EQ(o["longitude"].toDouble(), cast.at(o["planet"].toString()))
            << o["planet"].toString().toStdString();
        EXPECT_GE(o["natalHouse"].toInt(), 1);
        EXPECT_TRUE(o["starLordHouses"].isArray());
    }
    EXPECT_EQ(transit["ascendant"].toObject()["longitude"].toDouble(),
              chart["cusps"].toArray()[0].toObject()["longitude"].toDouble());
    EXPECT_EQ(transit["moment"].toObject()["local"].toString(), "2024-03-10T12:00:00");

    const CliRun text = cli(QStringList{"transit", path_} + kClock);
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains("at 2024-03-10T12:00:00 (UTC+05:30)"));
    EXPECT_TRUE(text.out.contains("\nAscendant "));
    EXPECT_TRUE(text.out.contains("\nMoon "));
}

TEST_F(TransitCli, TimingShowsThePromiseThenRankedPeriods)
{
    const QJsonObject t =
        json(cli(QStringList{"timing", path_, "--event", "marriage", "--json"} + kClock));
    EXPECT_EQ(t["schemaVersion"].toInt(), 2);
    const QByteArray compact = QJsonDocument(t).toJson(QJsonDocument::Compact);
    EXPECT_EQ(lumikan::test::schemaProblems(compact, "timing"), QStringList());
    EXPECT_EQ(lumikan::test::numberCodedPlanets(compact), QStringList());
    EXPECT_EQ(t["event"].toObject()["negatingHouses"].toArray(), (QJsonArray{1, 6, 10}));
    const QJsonArray promise = t["promise"].toArray();
    ASSERT_EQ(promise.size(), 1);
    EXPECT_EQ(promise[0].toObject()["cusp"].toInt(), 7);
    for (const QJsonValue& r : promise[0].toObject()["reasons"].toArray())
        EXPECT_FALSE(r.toObject()["text"].toString().isEmpty());
    const QJsonArray periods = t["periods"].toArray();
    ASSERT_FALSE(periods.isEmpty());
    int running = 0;
    for (const QJsonValue& v : periods) {
        const QJsonObject p = v.toObject();
        EXPECT_EQ(p["lords"].toArray().size(), 3);
        running += p["running"].toBool();
        EXPECT_GE(p["end"].toString(), QString("2024-03-10"));
        EXPECT_LE(p["start"].toString(), QString("2034-03-10"));
        for (const QJsonValue& w : p["sunWindows"].toArray()) {
            EXPECT_GE(w.toObject()["start"].toString(), p["start"].toString());
            EXPECT_LE(w.toObject()["end"].toString(), p["end"].toString());
        }
    }
    EXPECT_LE(running, 1);

    // Custom houses, the sookshma level, the ruling-planet filter.
    const QJsonObject custom = json(
        cli(QStringList{"timing", path_, "--houses", "2,7,11", "--cusp", "7", "--depth", "4",
                        "--rp-filter", "--from", "2025-01-01", "--to", "2026-01-01", "--json"} +
            kClock));
    const QJsonArray ruling = custom["rulingLords"].toArray();
    ASSERT_FALSE(ruling.isEmpty());
    for (const QJsonValue& v : custom["periods"].toArray()) {
        EXPECT_EQ(v.toObject()["lords"].toArray().size(), 4);
        for (const QJsonValue& l : v.toObject()["lords"].toArray())
            EXPECT_TRUE(ruling.contains(l)) << l.toString().toStdString();
    }
}

TEST_F(TransitCli, SubsListsConfirmedChangesOfTheDay)
{
    const QJsonObject asc = json(cli(QStringList{"subs", "--date", "2024-03-10", "--json"} +
                                     kDelhi + QStringList{"--defaults"}));
    const QJsonArray changes = asc["changes"].toArray();
    ASSERT_GT(changes.size(), 100); // the ascendant passes some 240 subs a day
    QString previous = "2024-03-10T00:00:00";
    for (const QJsonValue& v : changes) {
        const QJsonObject c = v.toObject();
        EXPECT_TRUE(c["confirmed"].toBool());
        EXPECT_NE(c["subLordBefore"], c["subLordAfter"]);
        EXPECT_GT(c["time"].toString(), previous);
        previous = c["time"].toString();
    }
    EXPECT_LT(previous, QString("2024-03-11T00:00:01"));
    const QJsonObject moon = json(
        cli(QStringList{"subs", "--date", "2024-03-10", "--body", "moon", "--json", "--defaults"} +
            kDelhi));
    EXPECT_GE(moon["changes"].toArray().size(), 8);
    // Another ayanamsa moves every change (it was refused whatever its value).
    const QJsonObject lahiri = json(cli(QStringList{"subs", "--date", "2024-03-10", "--json",
                                                    "--ayanamsa", "lahiri", "--defaults"} +
                                        kDelhi));
    ASSERT_FALSE(lahiri["changes"].toArray().isEmpty());
    EXPECT_NE(lahiri["changes"].toArray()[0], changes[0]);
    EXPECT_EQ(
        lumikan::test::schemaProblems(QJsonDocument(lahiri).toJson(QJsonDocument::Compact), "subs"),
        QStringList());
}

TEST_F(TransitCli, HelpAndRefusedArguments)
{
    for (const char* command : {"transit", "timing", "subs"}) {
        const CliRun help = cli({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.startsWith("usage: lumikan-cli ")) << command;
        EXPECT_TRUE(help.err.isEmpty());
    }
    const std::vector<QStringList> refused = {
        {"timing", path_, "--event", "lottery"},
        {"timing", path_, "--houses", "2,13"},
        {"timing", path_, "--event", "marriage", "--houses", "7"},
        {"timing", path_, "--event", "marriage", "--depth", "5"},
        {"timing", path_, "--event", "marriage", "--from", "2030-01-01", "--to", "2029-01-01"},
        {"transit", path_, "--at", "2024-13-01T00:00:00"},
        {"transit", path_, "--lat", "28"},
        {"subs", "--date", "2024-03-10"},
        {"subs", "--lat", "1", "--lon", "2", "--tz", "0"},
        {"subs", "--date", "2024-03-10", "--lat", "1", "--lon", "2", "--tz", "0", "--body", "sun"},
    };
    for (const QStringList& args : refused) {
        const CliRun r = cli(args + QStringList{"--defaults"});
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString() << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    }
    EXPECT_EQ(cli({"transit", "/nonexistent/chart.lmk", "--defaults"}).status, 1);
}

TEST_F(TransitCli, ChartJsonCarriesTheSignificatorReasons)
{
    const QJsonObject chart = json(cli(QStringList{"chart", path_, "--json"} + kClock));
    const QJsonArray reasons = chart["significatorReasons"].toArray();
    ASSERT_EQ(reasons.size(), chart["planets"].toArray().size());
    const QJsonObject sun = reasons[0].toObject();
    EXPECT_EQ(sun["planet"].toString(), "Sun");
    for (const QJsonValue& v : sun["reasons"].toArray()) {
        const QJsonObject r = v.toObject();
        EXPECT_GE(r["level"].toInt(), 1);
        EXPECT_LE(r["level"].toInt(), 4);
        EXPECT_FALSE(r["through"].toString().isEmpty());
        EXPECT_TRUE(r["text"].toString().contains(QString::number(r["house"].toInt())));
    }
}
