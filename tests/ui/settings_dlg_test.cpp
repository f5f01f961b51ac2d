#include "ui/astrology_settings_dlg.h"

#include "document/recorders.h"
#include "document/verokant_doc.h"
#include "qt_test_app.h"
#include "render/chart_appearance.h"
#include "ui/screen_colors.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace lumikan::ui {
namespace {

// The program's atlas files, and settings kept in a scratch folder.
class SettingsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::qtApp();
        render::selectColorTheme(0);
        path = dir.filePath(QStringLiteral("settings.ini"));
    }
    void TearDown() override { render::selectColorTheme(0); }

    std::unique_ptr<CAstrologySettingsDlg> open(document::AtlasDatabase* atlasToUse = nullptr)
    {
        SettingsDialogContext context;
        context.settings = &settings;
        context.settingsPath = path;
        context.refreshOpenDocuments = [this] {
            ++refreshes;
            for (test::HintRecorder* view : {&firstChart, &secondChart})
                view->OnUpdate(document::HINT_SETTINGS_CHANGED);
        };
        context.rulingPlace.atlas = atlasToUse ? atlasToUse : &atlas;
        context.rulingPlace.showError = [this](const QString& message) {
            errors.push_back(message);
        };
        context.askYesNo = [this](const QString& text, const QString& title) {
            questions.push_back(title + QStringLiteral(": ") + text);
            return answerYes;
        };
        context.showSaveError = [this](const QString& message) { saveErrors.push_back(message); };
        context.showInputError = [this](const QString& message) { inputErrors.push_back(message); };
        auto dialog = std::make_unique<CAstrologySettingsDlg>(context);
        dialog->show();
        return dialog;
    }

    QTemporaryDir dir;
    QString path;
    document::AppSettings settings;
    document::AtlasDatabase atlas{LUMIKAN_BIN_DIR "/mondo"};
    test::HintRecorder firstChart, secondChart;
    int refreshes = 0;
    QStringList errors, questions, saveErrors, inputErrors;
    bool answerYes = true;
};

TEST_F(SettingsDialog, CustomAyanamsaFieldsConvertBothWaysWithCarries)
{
    EXPECT_EQ(ayanamsaDmsText(23.5), QStringLiteral("23\u00B030'0\""));
    EXPECT_EQ(ayanamsaDmsText(23.999999), QStringLiteral("24\u00B00'0\""));
    EXPECT_EQ(ayanamsaDmsText(-23.853056), QStringLiteral("-23\u00B051'11\""));
    EXPECT_NEAR(ayanamsaFromDms(QStringLiteral("-23:51:11")), -23.853056, 5e-7);
    EXPECT_EQ(ayanamsaFromDms(QStringLiteral("23\u00B030'")), 23.5) << "unread seconds count as 0";
    EXPECT_EQ(ayanamsaFromDms(QStringLiteral("x")), 0.0);
    // Below one degree the sign would otherwise be lost both ways.
    EXPECT_EQ(ayanamsaDmsText(-0.5), QStringLiteral("-0\u00B030'0\""));
    EXPECT_EQ(ayanamsaFromDms(QStringLiteral("-0\u00B030'0\"")), -0.5);
    EXPECT_EQ(leadingNumber(QStringLiteral(" 23.5abc")), 23.5);

    settings.customAyanamsa = 22.5;
    const auto dialog = open();
    CTabAyanamsaDlg* page = dialog->displayPage();
    QLineEdit* decimal = page->decimalEdit();
    QLineEdit* dms = page->dmsEdit();
    EXPECT_FALSE(decimal->isEnabled()) << "only Custom edits the value";
    page->ayanamsaButtons()->button(4)->click();
    ASSERT_TRUE(decimal->isEnabled());
    EXPECT_EQ(decimal->text(), QStringLiteral("22.500000"));
    EXPECT_EQ(dms->text(), QStringLiteral("22\u00B030'0\""));

    decimal->clear();
    QTest::keyClicks(decimal, QStringLiteral("23.999999"));
    EXPECT_EQ(dms->text(), QStringLiteral("24\u00B00'0\""));
    EXPECT_EQ(decimal->text(), QStringLiteral("23.999999")) << "the typed field is left as typed";
    dms->clear();
    QTest::keyClicks(dms, QStringLiteral("-23:51:11"));
    EXPECT_EQ(decimal->text(), QStringLiteral("-23.853056"));

    test::keepImage(dialog->grab().toImage(), QStringLiteral("settings_display"));
    dialog->apply();
    EXPECT_EQ(settings.ayanamsa, 4);
    EXPECT_EQ(settings.customAyanamsa, -23.853056);

    // A value no ayanamsa has is refused; nothing is taken over and the dialog stays.
    decimal->clear();
    QTest::keyClicks(decimal, QStringLiteral("1e308"));
    dialog->accept();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(inputErrors, QStringList{QString::fromLatin1(kInvalidCustomAyanamsaMessage)});
    EXPECT_EQ(settings.customAyanamsa, -23.853056);
}

TEST_F(SettingsDialog, RulingPlaceStartsUnsetAndShowsAStoredPlaceAsStored)
{
    {
        // No place set: nothing is proposed, and the page says whose place counts.
        const auto dialog = open();
        CTabRPLocationDlg* page = dialog->rulingPlacePage();
        EXPECT_EQ(page->countryList()->currentIndex(), -1);
        EXPECT_EQ(page->cityList()->currentIndex(), -1);
        EXPECT_TRUE(page->latitudeEdit()->text().isEmpty());
        EXPECT_FALSE(page->findChild<QLabel*>(QStringLiteral("unsetNote"))->isHidden());
        dialog->tabs()->setCurrentIndex(1);
        test::keepImage(dialog->grab().toImage(), QStringLiteral("settings_rp_location"));
        dialog->gather();
        EXPECT_EQ(dialog->workingCopy(), settings) << "an untouched page changes nothing";

        page->pickCountry(QStringLiteral("India"));
        page->pickState(QStringLiteral("Maharashtra"));
        page->pickCity(QStringLiteral("Mumbai"));
        EXPECT_TRUE(page->findChild<QLabel*>(QStringLiteral("unsetNote"))->isHidden());
        dialog->gather();
        EXPECT_EQ(dialog->workingCopy().rpCity, "Mumbai");
        EXPECT_NEAR(dialog->workingCopy().rpLatitude, 19.07, 0.05);
        dialog->accept();
        EXPECT_EQ(settings.rpState, "Maharashtra");
        EXPECT_EQ(settings.rpTimezone, "UTC +5:30 (IST)");
    }
    settings.rpLatitude = 18.5;
    settings.rpLongitude = 73.8512345678; // more digits than the page shows
    {
        const auto dialog = open();
        CTabRPLocationDlg* page = dialog->rulingPlacePage();
        EXPECT_EQ(page->cityList()->currentText(), QStringLiteral("Mumbai"));
        EXPECT_EQ(page->latitudeEdit()->text(), QStringLiteral("18.500000"));
        EXPECT_EQ(page->longitudeEdit()->text(), QStringLiteral("73.851235"));
        dialog->gather();
        EXPECT_EQ(dialog->workingCopy(), settings) << "kept to the last digit";
    }
    EXPECT_TRUE(errors.isEmpty());

    // Without atlas files the page opens quietly and says so when a country is chosen.
    QTemporaryDir empty;
    document::AtlasDatabase noAtlas{empty.path().toStdString()};
    settings = document::AppSettings{};
    const auto dialog = open(&noAtlas);
    EXPECT_TRUE(errors.isEmpty());
    dialog->rulingPlacePage()->pickCountry(QStringLiteral("India"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(
        QStringLiteral("Unable to load the atlas file for the selected country.")));
    EXPECT_EQ(dialog->rulingPlacePage()->stateList()->count(), 0);
    dialog->gather();
    EXPECT_EQ(dialog->workingCopy().rpLatitude, 0.0);
    EXPECT_EQ(dialog->workingCopy().rpLongitude, 0.0);
}

TEST_F(SettingsDialog, ApplyTellsWhyTheSettingsCouldNotBeSaved)
{
    // A file where the settings folder should be: no save can succeed, even as root.
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    path = dir.filePath(QStringLiteral("blocker/settings.ini"));
    const auto dialog = open();
    dialog->displayPage()->ayanamsaButtons()->button(0)->click();
    dialog->apply();
    EXPECT_EQ(settings.ayanamsa, 0) << "the settings still take effect";
    EXPECT_EQ(saveErrors, QStringList{document::settingsSaveFailureMessage(
                              path, QStringLiteral("Not a directory"))});
}

TEST_F(SettingsDialog, ResetDefaultsThenCancelLeavesSettingsAndFileUnchanged)
{
    settings.ayanamsa = 0;
    settings.titleFormat = 3;
    settings.colorTheme = 5;
    settings.rpCountry = "India";
    settings.rpState = "Maharashtra";
    settings.rpCity = "Mumbai";
    settings.rpLatitude = 19.07;
    settings.rpLongitude = 72.88;
    settings.rpTimeZoneHours = 5.5;
    ASSERT_TRUE(document::SaveSettings(settings, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray savedBytes = file.readAll();
    file.close();
    const document::AppSettings before = settings;

    const auto dialog = open();
    answerYes = false;
    dialog->resetDefaults();
    EXPECT_EQ(dialog->appSettingsPage()->themeList()->currentIndex(), 5) << "No keeps the pages";

    answerYes = true;
    QTest::mouseClick(dialog->resetButton(), Qt::LeftButton);
    ASSERT_EQ(questions.size(), 2);
    EXPECT_TRUE(questions[1].startsWith(QStringLiteral("Reset Defaults: ")));
    EXPECT_EQ(dialog->displayPage()->ayanamsaButtons()->checkedId(), 3);
    EXPECT_EQ(dialog->appSettingsPage()->themeList()->currentIndex(), 0);
    EXPECT_EQ(dialog->rulingPlacePage()->cityList()->currentIndex(), -1) << "the default: unset";

    dialog->reject();
    EXPECT_EQ(settings, before);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), savedBytes);
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(render::currentTheme().rowLight, render::COLOR_THEMES[0].colors.rowLight);
}

TEST_F(SettingsDialog, AThemeRepaintsOnlyThePreviewUntilApplyThenEveryChart)
{
    const auto dialog = open();
    dialog->tabs()->setCurrentIndex(2);
    CTabAstrologerDlg* page = dialog->appSettingsPage();
    page->themeList()->setCurrentIndex(15); // Carbon Dark
    EXPECT_EQ(page->preview()->themeIndex(), 15);
    EXPECT_EQ(render::currentTheme().rowLight, render::COLOR_THEMES[0].colors.rowLight);
    EXPECT_EQ(settings.colorTheme, 0);
    EXPECT_EQ(refreshes, 0);
    EXPECT_TRUE(firstChart.hints.empty());

    // The preview's bands: Zebra Light, Zebra Dark, Hover, and Selected taking the rest.
    const auto bands = themePreviewBands(QSize(200, 97), render::COLOR_THEMES[15].colors);
    EXPECT_EQ(bands[0].rect, QRect(0, 0, 200, 24));
    EXPECT_EQ(bands[3].rect, QRect(0, 72, 200, 25));
    const QImage preview = page->preview()->grab().toImage();
    // Selected rows as the tables show them: the blue darkened under its light text.
    EXPECT_EQ(preview.pixel(2, preview.height() - 2),
              readablePair(QColor(0xE1E6F0), QColor(0x3278DC)).back.rgb());
    test::keepImage(dialog->grab().toImage(), QStringLiteral("settings_app"));

    QTest::mouseClick(dialog->applyButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(settings.colorTheme, 15);
    EXPECT_EQ(render::currentTheme().vargaBack, render::COLOR_THEMES[15].colors.vargaBack);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(firstChart.hints, std::vector<int>{document::HINT_SETTINGS_CHANGED});
    EXPECT_EQ(secondChart.hints, std::vector<int>{document::HINT_SETTINGS_CHANGED});
    document::AppSettings saved;
    document::LoadSettings(saved, path);
    EXPECT_EQ(saved.colorTheme, 15);
    // Only the theme changed: the ruling-planet place stays unset (the birth place).
    EXPECT_EQ(saved.rpCity, "");
    EXPECT_EQ(saved.rpCountry, "");
    EXPECT_EQ(saved.rpLatitude, 0.0);
    EXPECT_EQ(saved.rpLongitude, 0.0);
    EXPECT_EQ(saved.rpTimezone, document::AppSettings{}.rpTimezone);

    page->titleFormatButtons()->button(4)->click();
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.titleFormat, 4);
    EXPECT_EQ(refreshes, 2);
    document::LoadSettings(saved, path);
    EXPECT_EQ(saved.titleFormat, 4);
}

TEST_F(SettingsDialog, TheShellReceivesTheAcceptedCopyOnApplyAndOk)
{
    settings.colorTheme = 2;
    std::vector<document::AppSettings> handed;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CAstrologySettingsDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->appSettingsPage()->themeList()->setCurrentIndex(7);
        dialog->apply();
        dialog->displayPage()->ayanamsaButtons()->button(0)->click();
        dialog->accept();
    });
    runSettingsDialog(nullptr, settings, [&handed](const document::AppSettings& accepted) {
        handed.push_back(accepted);
    });
    ASSERT_EQ(handed.size(), 2u);
    EXPECT_EQ(handed[0].colorTheme, 7);
    EXPECT_EQ(handed[0].ayanamsa, 3);
    EXPECT_EQ(handed[1].ayanamsa, 0);
    EXPECT_EQ(settings.colorTheme, 2) << "the shell stores what it is handed";
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(render::currentTheme().rowLight, render::COLOR_THEMES[0].colors.rowLight);
}

} // namespace
} // namespace lumikan::ui

namespace lumikan::ui {
namespace {

TEST_F(SettingsDialog, TheRulingPlaceKeepsItsZoneAndTheDayLordRuleIsChosen)
{
    {
        const auto dialog = open();
        CTabRPLocationDlg* page = dialog->rulingPlacePage();
        // The default: the day lord from local sunrise.
        EXPECT_TRUE(
            page->findChild<QAbstractButton*>(QStringLiteral("dayLordSunrise"))->isChecked());
        page->pickCountry(QStringLiteral("United States"));
        page->pickState(QStringLiteral("California"));
        page->pickCity(QStringLiteral("Los Angeles"));
        EXPECT_EQ(page->zone(), "America/Los_Angeles");
        page->findChild<QAbstractButton*>(QStringLiteral("dayLordUtDate"))->click();
        dialog->accept();
    }
    EXPECT_EQ(settings.rpZone, "America/Los_Angeles");
    EXPECT_EQ(settings.dayLordRule, 1);
    {
        const auto dialog = open();
        CTabRPLocationDlg* page = dialog->rulingPlacePage();
        EXPECT_EQ(page->zone(), "America/Los_Angeles");
        EXPECT_TRUE(
            page->findChild<QAbstractButton*>(QStringLiteral("dayLordUtDate"))->isChecked());
        // An offset picked by hand replaces the zone.
        QComboBox* zones = page->timeZoneList();
        zones->setCurrentIndex(zones->findText(QStringLiteral("UTC -8:00")));
        emit zones->activated(zones->currentIndex());
        dialog->accept();
    }
    EXPECT_EQ(settings.rpZone, "");
    EXPECT_EQ(settings.rpTimeZoneHours, -8.0);
}

} // namespace
} // namespace lumikan::ui
