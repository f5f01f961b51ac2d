// Places from the atlas and offsets from the zone's history, as a user types them.
#include "cli_run.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using lumikan::test::cli;
using lumikan::test::CliRun;

namespace {

const QStringList kFixed = {"--defaults", "--today", "2026-12-06", "--now",
                            "10:00:00",   "--name",  "T"};

CliRun chart(const QString& date, const QString& time, const QStringList& place)
{
    return cli(QStringList{"chart", "--json"} + kFixed +
               QStringList{"--date", date, "--time", time} + place);
}

QJsonObject json(const CliRun& run)
{
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

QJsonObject offsetOf(const CliRun& run)
{
    return json(run)["timeZoneUsed"].toObject();
}

TEST(CliPlaceAndZone, PlaceGivesCoordinatesNamesAndTheZonesOffsetOfTheBirthDate)
{
    const QStringList pune = {"--place", "Pune, Maharashtra, India"};
    const QJsonObject war = json(chart("1943-06-01", "12:00:00", pune));
    const QJsonObject birth = war["birth"].toObject();
    EXPECT_EQ(birth["city"].toString(), "Pune");
    EXPECT_EQ(birth["state"].toString(), "Maharashtra");
    EXPECT_EQ(birth["country"].toString(), "India");
    EXPECT_NEAR(birth["latitude"].toDouble(), 18.5196, 1e-4);
    EXPECT_NEAR(birth["longitude"].toDouble(), 73.8554, 1e-4);
    EXPECT_EQ(birth["timeZone"].toDouble(), 6.5);
    const QJsonObject used = war["timeZoneUsed"].toObject();
    EXPECT_EQ(used["source"].toString(), "zone");
    EXPECT_EQ(used["zone"].toString(), "Asia/Kolkata");
    EXPECT_EQ(used["offsetHours"].toDouble(), 6.5);
    EXPECT_EQ(offsetOf(chart("1950-06-01", "12:00:00", pune))["offsetHours"].toDouble(), 5.5);

    // The country by ISO code, the state left out; the text output says the same.
    const CliRun text =
        cli(QStringList{"chart"} + kFixed +
            QStringList{"--date", "1950-06-01", "--time", "12:00:00", "--place", "Pune, IN"});
    ASSERT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains("Time zone: Asia/Kolkata \u2014 IST, UTC+5:30; source: zone"))
        << text.out.left(400).toStdString();

    // A zone given for coordinates typed by hand.
    const QJsonObject chicago =
        offsetOf(chart("1960-07-01", "12:00:00",
                       {"--lat", "41.85", "--lon", "-87.65", "--zone", "America/Chicago"}));
    EXPECT_EQ(chicago["offsetHours"].toDouble(), -5.0);
    EXPECT_EQ(chicago["zone"].toString(), "America/Chicago");
}

TEST(CliPlaceAndZone, TypedOffsetsWinAndLocalMeanTimeIsExplicit)
{
    const QStringList pune = {"--place", "Pune, Maharashtra, India"};
    const QJsonObject typed =
        offsetOf(chart("1943-06-01", "12:00:00", pune + QStringList{"--tz", "+05:30"}));
    EXPECT_EQ(typed["source"].toString(), "hand-typed");
    EXPECT_EQ(typed["offsetHours"].toDouble(), 5.5);
    EXPECT_EQ(json(chart("1943-06-01", "12:00:00", pune + QStringList{"--tz", "+05:30"}))["display"]
                  .toObject()["timeZone"]
                  .toString(),
              QStringLiteral("UTC+5:30, typed by hand (Asia/Kolkata gives UTC+6:30)"));
    EXPECT_EQ(offsetOf(chart("1990-01-01", "12:00:00",
                             {"--lat", "-34.9", "--lon", "-56.2", "--tz", "-03:30"}))["offsetHours"]
                  .toDouble(),
              -3.5);
    // Decimal hours stay exactly as typed.
    EXPECT_EQ(offsetOf(chart("1990-01-01", "12:00:00",
                             {"--lat", "1", "--lon", "2", "--tz", "5.123456"}))["offsetHours"]
                  .toDouble(),
              5.123456);

    const QJsonObject lmt = offsetOf(chart("1850-01-01", "12:00:00", pune + QStringList{"--lmt"}));
    EXPECT_EQ(lmt["source"].toString(), "LMT");
    // 73.8554° east is 4 h 55 min 25 s.
    EXPECT_DOUBLE_EQ(lmt["offsetHours"].toDouble(), (4 * 3600 + 55 * 60 + 25) / 3600.0);
}

TEST(CliPlaceAndZone, SkippedTimesAreRefusedAndRepeatedOnesNeedAChoice)
{
    const QStringList newYork = {"--place", "New York City, New York, United States"};
    const CliRun gap = chart("2021-03-14", "02:30:00", newYork);
    EXPECT_EQ(gap.status, 2);
    EXPECT_TRUE(gap.out.isEmpty());
    EXPECT_TRUE(gap.err.contains("did not exist") && gap.err.contains("from 02:00 to 03:00"))
        << gap.err.toStdString();

    const CliRun fold = chart("2021-11-07", "01:30:00", newYork);
    EXPECT_EQ(fold.status, 2);
    EXPECT_TRUE(fold.err.contains("happened twice") && fold.err.contains("--fold"))
        << fold.err.toStdString();
    EXPECT_EQ(offsetOf(chart("2021-11-07", "01:30:00",
                             newYork + QStringList{"--fold", "earlier"}))["offsetHours"]
                  .toDouble(),
              -4.0);
    EXPECT_EQ(offsetOf(chart("2021-11-07", "01:30:00",
                             newYork + QStringList{"--fold", "later"}))["offsetHours"]
                  .toDouble(),
              -5.0);
    EXPECT_EQ(chart("2021-11-07", "01:30:00", newYork + QStringList{"--fold", "second"}).status, 2);
}

TEST(CliPlaceAndZone, UnknownAmbiguousAndContradictoryPlacesAreRefusedWithTheCandidates)
{
    const CliRun ambiguous = chart("2000-01-01", "12:00:00", {"--place", "Springfield, US"});
    EXPECT_EQ(ambiguous.status, 2);
    EXPECT_TRUE(ambiguous.err.contains("Springfield, Illinois, United States"))
        << ambiguous.err.toStdString();
    EXPECT_TRUE(ambiguous.err.contains("Springfield, Missouri, United States"));

    const CliRun unknown = chart("2000-01-01", "12:00:00", {"--place", "Punee, India"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains("Pune, Maharashtra, India")) << unknown.err.toStdString();

    // "gm" is Germany's atlas file and The Gambia's ISO code.
    const CliRun twoCountries = chart("2000-01-01", "12:00:00", {"--place", "Berlin, gm"});
    EXPECT_EQ(twoCountries.status, 2);
    EXPECT_TRUE(twoCountries.err.contains("Germany") && twoCountries.err.contains("The Gambia"))
        << twoCountries.err.toStdString();
    EXPECT_EQ(chart("2000-01-01", "12:00:00", {"--place", "Berlin, de"}).status, 0);
    const CliRun atlas = cli({"atlas", "gm"});
    EXPECT_EQ(atlas.status, 1);
    EXPECT_TRUE(atlas.err.contains("Germany") && atlas.err.contains("The Gambia"))
        << atlas.err.toStdString();

    for (const QStringList& bad :
         {QStringList{"--place", "Pune, India", "--lat", "18"},
          QStringList{"--lat", "1", "--lon", "2"},
          QStringList{"--lat", "1", "--lon", "2", "--tz", "5", "--zone", "Asia/Kolkata"},
          QStringList{"--lat", "1", "--lon", "2", "--tz", "5", "--lmt"},
          QStringList{"--lat", "1", "--lon", "2", "--zone", "Asia/Nowhere"},
          QStringList{"--lat", "1", "--lon", "2", "--zone", "../../etc/passwd"},
          QStringList{"--lat", "1", "--lon", "2", "--tz", "+15:00"}}) {
        const CliRun run = chart("2000-01-01", "12:00:00", bad);
        EXPECT_EQ(run.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CliPlaceAndZone, DayLordFromLocalSunriseOrTheUtDate)
{
    // New York, Wednesday 13 July 1977, 20:52 EDT: Thursday in UT.
    const QStringList birth = {"--place", "New York City, New York, US"};
    const QJsonObject sunrise = json(chart("1977-07-13", "20:52:00", birth));
    EXPECT_EQ(sunrise["dayLordRule"].toString(), "sunrise");
    EXPECT_EQ(sunrise["birthRulingPlanets"].toObject()["dayLord"].toString(), "Mercury");
    const QJsonObject ut =
        json(chart("1977-07-13", "20:52:00", birth + QStringList{"--day-lord", "ut"}));
    EXPECT_EQ(ut["dayLordRule"].toString(), "ut");
    EXPECT_EQ(ut["birthRulingPlanets"].toObject()["dayLord"].toString(), "Jupiter");
    EXPECT_EQ(chart("1977-07-13", "20:52:00", birth + QStringList{"--day-lord", "noon"}).status, 2);
}

TEST(CliPlaceAndZone, AnOpenedChartFileSaysItsOffsetIsTheFilesOwn)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("pune.lmk");
    ASSERT_EQ(cli(QStringList{"save", path} + kFixed +
                  QStringList{"--date", "1943-06-01", "--time", "12:00:00", "--place", "Pune, IN"})
                  .status,
              0);
    const QJsonObject opened = offsetOf(cli({"chart", path, "--json", "--defaults"}));
    EXPECT_EQ(opened["source"].toString(), "chart file");
    EXPECT_EQ(opened["offsetHours"].toDouble(), 6.5);
}

TEST(CliPlaceAndZone, TheReadmesFirstCommandLineExampleUsesPlace)
{
    QFile readme(QStringLiteral(LUMIKAN_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype first = text.indexOf(QStringLiteral("$L chart"));
    ASSERT_GE(first, 0);
    const QString line = text.mid(first, text.indexOf('\n', first) - first);
    EXPECT_TRUE(line.contains(QStringLiteral("--place \"Pune, Maharashtra, India\"")))
        << line.toStdString();
}

} // namespace
