#include "chart_maker.h"

#include "document/chart_file.h"
#include "document/zone_resolver.h"
#include "engine/ephemeris.h"
#include "engine/kp_sub_table.h"
#include "engine/ruling_planets.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumikan::document;
using namespace lumikan;

namespace {

using test::namedPuneBirth;

// An application's worth of shared state around chart documents.
struct Workspace : test::ChartMaker {
    Workspace() { now = {2026, 12, 5, 9, 7, 30}; }
};

}  // namespace

TEST(ChartDocument, NewChartIsComputedTitledAndModified)
{
    Workspace w;
    auto doc = w.newChart(namedPuneBirth());
    ASSERT_TRUE(doc);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->hasChart());
    EXPECT_EQ(doc->GetTitle(),
              QString::fromUtf8("Test Chart — 5 Dec 1990 | 14:07 IST | Pune, Maharashtra, India"));
    EXPECT_GT(w.frameTitleRefreshes, 0);
    EXPECT_EQ(doc->placeText(), "Pune, Maharashtra, India");
    EXPECT_EQ(doc->birthDateText(), "1990-12-05");
    EXPECT_EQ(doc->presentation().planets.size(), doc->chart().planets.size());
    EXPECT_EQ(doc->presentation().ascendantText, QString::fromUtf8("PISCES 15°16'"));
    // The ruling-planet place was not set: the birth place is used.
    EXPECT_EQ(doc->chart().options.rulingPlace.latitudeDeg, 18.5204);
    EXPECT_EQ(doc->chart().options.rulingPlace.timeZoneHours, 5.5);

    // A settings place with latitude 0 but a longitude is a real place.
    w.settings.rpLongitude = 10.0;
    w.settings.rpTimeZoneHours = 1.0;
    doc->ApplySettingsChange();
    EXPECT_EQ(doc->chart().options.rulingPlace.latitudeDeg, 0.0);
    EXPECT_EQ(doc->chart().options.rulingPlace.longitudeDeg, 10.0);
    EXPECT_EQ(doc->chart().options.rulingPlace.timeZoneHours, 1.0);

    // A document made without a description has no chart and closes silently.
    CVerokantDoc empty(w.environment());
    empty.setPrompts(&w.prompts);
    ASSERT_TRUE(empty.OnNewDocument());  // the framework's empty document
    EXPECT_FALSE(empty.hasChart());
    EXPECT_TRUE(empty.SaveModified());
    EXPECT_TRUE(w.prompts.askedTitles.empty());
}

TEST(ChartDocument, HoraryNumbersAndSettingsInForce)
{
    Workspace w;
    auto horary = w.newChart(namedPuneBirth("Question"), ChartType::Horary, 17);
    ASSERT_TRUE(horary);
    EXPECT_TRUE(horary->chart().isHorary);
    EXPECT_EQ(horary->chart().cusps[0].longitude, *engine::horaryAscendantFor(17));
    EXPECT_TRUE(horary->GetTitle().endsWith(" [Horary #17]"));

    for (int number : {0, -3, 250}) {
        auto doc = w.newChart(namedPuneBirth(), ChartType::Horary, number);
        ASSERT_TRUE(doc);
        EXPECT_FALSE(doc->chart().isHorary) << number;
        EXPECT_EQ(doc->chart().horaryAscendant, -1.0) << number;
    }

    // An ayanamsa of 7 from the settings file is used as Krishnamurti.
    w.settings.ayanamsa = 7;
    w.settings.showUranus = false;
    auto doc = w.newChart(namedPuneBirth());
    EXPECT_TRUE(doc->presentation().ayanamsaCaption.startsWith("Ayanamsa: Krishnamurti | "));
    EXPECT_EQ(engine::findPlanet(doc->chart(), engine::body::Uranus), nullptr);
}

TEST(ChartDocument, DocumentsKeepTheirOwnFrameWhateverTheOthersDo)
{
    Workspace w;
    auto kp = w.newChart(namedPuneBirth("KP"));
    const engine::Chart kpChart = kp->chart();
    const QString kpCaption = kp->presentation().ayanamsaCaption;
    {
        test::ChartMaker lahiriMaker;
        lahiriMaker.settings.ayanamsa = int(engine::AyanamsaMode::Lahiri);
        auto lahiri = lahiriMaker.newChart(namedPuneBirth("Lahiri"));
        ASSERT_TRUE(lahiri);
        EXPECT_NE(lahiri->chart().planets[1].longitude, kpChart.planets[1].longitude);
        // Closing it (and the tropical one) must not disturb the library for the others.
        test::ChartMaker sayanaMaker;
        sayanaMaker.settings.ayanamsa = int(engine::AyanamsaMode::Sayana);
        EXPECT_TRUE(sayanaMaker.newChart(namedPuneBirth("Sayana")));
    }
    ASSERT_TRUE(kp->RecomputeChart());
    EXPECT_EQ(kp->chart().planets[1].longitude, kpChart.planets[1].longitude);
    EXPECT_EQ(kp->chart().cusps[0].longitude, kpChart.cusps[0].longitude);
    EXPECT_EQ(kp->chart().ayanamsaDeg, kpChart.ayanamsaDeg);
    EXPECT_EQ(kp->presentation().ayanamsaCaption, kpCaption);

    // A failed computation elsewhere leaves this chart and its texts alone.
    engine::BirthDetails polar = namedPuneBirth("North");
    polar.latitude = 69.65;
    polar.longitude = 18.96;
    polar.month = 12;
    polar.day = 21;
    polar.hour = 12;
    polar.timeZone = 1;
    test::ChartMaker horaryMaker;
    EXPECT_FALSE(horaryMaker.newChart(polar));
    EXPECT_EQ(kp->presentation().ayanamsaCaption, kpCaption);
    ASSERT_TRUE(kp->RecomputeChart());
    EXPECT_EQ(kp->chart().planets[1].longitude, kpChart.planets[1].longitude);
}

TEST(ChartDocument, PolarBirthIsRefusedAndThePreviousChartKept)
{
    Workspace w;
    engine::BirthDetails polar = namedPuneBirth("North");
    polar.latitude = 78.2232;
    polar.longitude = 15.6267;
    polar.month = 12;
    polar.day = 21;
    polar.hour = 12;
    polar.timeZone = 1;
    EXPECT_FALSE(w.newChart(polar));
    ASSERT_EQ(w.messages.errors.size(), 1u);
    EXPECT_EQ(w.messages.errors[0].rfind("Error Code: SWEPH - 0x0000302\n\n", 0), 0u);
}

TEST(ChartDocument, BirthTimeChangeRecomputesAndNotifiesViews)
{
    Workspace w;
    auto doc = w.newChart(namedPuneBirth());
    doc->SetModifiedFlag(false);
    test::HintRecorder view;
    doc->AddView(&view);
    EXPECT_EQ(view.hints, std::vector<int>{HINT_CHART_LOADED});
    const double before = doc->chart().cusps[0].longitude;
    doc->ChangeBirthTime(16, -1, 30);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->birthDetails().minute, 0);
    EXPECT_EQ(doc->birthDetails().second, 30);
    EXPECT_NE(doc->chart().cusps[0].longitude, before);
    EXPECT_EQ(view.hints.back(), HINT_TIME_ADJUSTED);
    EXPECT_TRUE(doc->GetTitle().contains("16:00"));
    doc->RemoveView(&view);
}

TEST(ChartDocument, DefaultFileNames)
{
    Workspace w;
    EXPECT_EQ(w.newChart(namedPuneBirth("Test Chart"))->BuildDefaultFileName(),
              "Test_Chart_05_12_26_09_07.lmk");
    EXPECT_EQ(w.newChart(namedPuneBirth("A/B:C D"))->BuildDefaultFileName(), "A_B_C_D_05_12_26_09_07.lmk");
    EXPECT_EQ(w.newChart(namedPuneBirth(""))->BuildDefaultFileName(), "Chart_05_12_26_09_07.lmk");
}

TEST(ChartDocument, SaveAndReopenGivesTheSameChart)
{
    QTemporaryDir dir;
    Workspace w;
    auto doc = w.newChart(namedPuneBirth(), ChartType::Horary, 145);
    doc->SetNotes("Married 2015\nASC:old Day:old");

    // The first save proposes a name; cancelling keeps the document modified.
    EXPECT_FALSE(doc->DoSave(QString()));
    EXPECT_EQ(w.prompts.proposedNames, QStringList{"Test_Chart_05_12_26_09_07.lmk"});
    EXPECT_TRUE(doc->IsModified());

    const QString path = dir.filePath("chart.lmk");
    w.prompts.savePath = path;
    ASSERT_TRUE(doc->DoSave(QString()));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), path);
    // Save As on a saved chart asks again, proposing its file name.
    const QString copy = dir.filePath("copy.lmk");
    w.prompts.savePath = copy;
    ASSERT_TRUE(doc->DoSave(QString()));
    EXPECT_EQ(w.prompts.proposedNames.back(), "chart.lmk");
    EXPECT_EQ(doc->GetPathName(), copy);
    // Saving leaves the document's own notes alone.
    EXPECT_EQ(doc->notes(), "Married 2015\nASC:old Day:old");

    CVerokantDoc reopened(w.environment());
    reopened.setPrompts(&w.prompts);
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_EQ(reopened.chartType(), ChartType::Natal);  // files hold no chart type
    EXPECT_FALSE(reopened.chart().isHorary);
    EXPECT_EQ(reopened.displayName(), "Test Chart");
    EXPECT_EQ(reopened.birthDetails().city, "Pune");
    EXPECT_TRUE(reopened.notes().startsWith("Married 2015\r\nASC:"));
    EXPECT_TRUE(reopened.notes().contains(" Day:"));
    EXPECT_FALSE(reopened.notes().contains("old"));
    // The natal cusps of the same moment.
    auto natal = w.newChart(namedPuneBirth());
    EXPECT_EQ(reopened.chart().cusps[0].longitude, natal->chart().cusps[0].longitude);

    // Closing a modified named chart asks; Cancel keeps it open.
    reopened.SetNotes("changed");
    w.prompts.saveChanges = DocumentPrompts::Answer::Cancel;
    EXPECT_FALSE(reopened.SaveModified());
    EXPECT_EQ(w.prompts.askedTitles.size(), 1u);
}

TEST(ChartDocument, MissingDamagedAndEmptyFiles)
{
    QTemporaryDir dir;
    Workspace w;
    CVerokantDoc missing(w.environment());
    missing.setPrompts(&w.prompts);
    EXPECT_FALSE(missing.OnOpenDocument(dir.filePath("gone.lmk")));
    ASSERT_EQ(w.messages.warnings.size(), 1u);
    EXPECT_NE(w.messages.warnings[0].find(dir.filePath("gone.lmk").toStdString()), std::string::npos);

    const QString damaged = dir.filePath("damaged.lmk");
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromHex("0200fffeff10410042"));
    }
    CVerokantDoc bad(w.environment());
    bad.setPrompts(&w.prompts);
    EXPECT_FALSE(bad.OnOpenDocument(damaged));
    EXPECT_EQ(w.prompts.loadFailures, QStringList{damaged});

    const QString version0 = dir.filePath("empty.lmk");
    {
        QFile f(version0);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromHex("0000"));
    }
    CVerokantDoc empty(w.environment());
    EXPECT_TRUE(empty.OnOpenDocument(version0));
    EXPECT_FALSE(empty.hasChart());
    EXPECT_TRUE(empty.SaveModified());

    // A failed save keeps the previous file whole.
    auto doc = w.newChart(namedPuneBirth());
    const QString target = dir.filePath("keep.lmk");
    ASSERT_TRUE(doc->DoSave(target));
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    doc->SetNotes("new text");
    const bool saved = doc->DoSave(target);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    if (!saved) {  // root may write anyway; then there is nothing to check
        EXPECT_TRUE(doc->IsModified());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), before);
    }
}

TEST(ChartDocument, RulingPlanetsOfNowTakeTheAtlasPlacesZoneForToday)
{
    ASSERT_TRUE(isZoneAvailable("Europe/London")) << "install Debian's tzdata";
    Workspace w;
    w.now = {2026, 7, 15, 9, 0, 0}; // London keeps summer time (UTC+1)
    w.settings.rpLatitude = 51.5074;
    w.settings.rpLongitude = -0.1278;
    w.settings.rpTimeZoneHours = 0.0; // the standard offset the settings dialog stored
    auto doc = w.newChart(namedPuneBirth());
    ASSERT_TRUE(doc);
    const auto at = [&](double hours) {
        engine::ChartOptions options = doc->chart().options;
        options.rulingPlace.timeZoneHours = hours;
        return engine::rulingPlanetsAt(options, w.now, engine::Ephemeris::shared());
    };
    const engine::RulingPlanets standard = at(0.0);
    const engine::RulingPlanets summer = at(1.0);
    ASSERT_NE(standard.ascSubLord * 10 + standard.ascStarLord,
              summer.ascSubLord * 10 + summer.ascStarLord)
        << "an hour moves the ascendant's lords";

    // Without a zone the stored offset holds; with the place's zone, today's.
    doc->RulingPlanetsAt(9, 0, 0);
    EXPECT_EQ(doc->currentRulingPlanets().ascStarLord, standard.ascStarLord);
    EXPECT_EQ(doc->currentRulingPlanets().ascSubLord, standard.ascSubLord);
    w.settings.rpZone = "Europe/London";
    doc->RulingPlanetsAt(9, 0, 0);
    EXPECT_EQ(doc->currentRulingPlanets().ascStarLord, summer.ascStarLord);
    EXPECT_EQ(doc->currentRulingPlanets().ascSubLord, summer.ascSubLord);
    // A place given for this chart alone has no zone.
    w.settings.rpZone = "Europe/London";
    EXPECT_EQ(rulingPlaceZone(w.settings, ChartOptionOverrides{}, doc->description()),
              "Europe/London");
    ChartOptionOverrides overrides;
    overrides.rulingPlace = engine::RulingPlace{51.5074, -0.1278, 0.0};
    EXPECT_EQ(rulingPlaceZone(w.settings, overrides, doc->description()), "");
    // Without a place of its own the birth place stands in, with the birth's zone.
    ChartDescription pune = doc->description();
    pune.zone = "Asia/Kolkata";
    w.settings.rpLatitude = w.settings.rpLongitude = 0.0;
    EXPECT_EQ(rulingPlaceZone(w.settings, ChartOptionOverrides{}, pune), "Asia/Kolkata");
}
