// The birth-data dialog's zone line, typed offsets, local mean time, gaps and folds.
#include "ui/birth_info_dlg.h"

#include "document/atlas_database.h"
#include "document/recorders.h"
#include "document/zone_resolver.h"
#include "qt_test_app.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace lumikan::ui {
namespace {

class BirthInfoZoneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::qtApp();
        ASSERT_TRUE(document::isZoneAvailable("Asia/Kolkata"))
            << "The tz database is missing: install Debian's tzdata (scripts/install-deps does).";
    }

    CBirthInfoDlg& open()
    {
        BirthInfoContext context;
        context.settings = &settings;
        context.messages = &messages;
        context.clock = [] { return engine::LocalDateTime{2026, 6, 27, 10, 30, 15}; };
        context.atlas = atlas;
        context.offerManualEntry = [](const QString&) { return true; };
        dialog = std::make_unique<CBirthInfoDlg>(context);
        dialog->show();
        return *dialog;
    }

    template <typename T> T* field(const char* name) const
    {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit(const char* name) const { return field<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return field<QComboBox>(name); }
    QString zoneLine() const { return field<QLabel>("zoneLine")->text(); }

    void place(const char* country, const char* state, const char* city)
    {
        dialog->pickCountry(QString::fromUtf8(country));
        dialog->pickState(QString::fromUtf8(state));
        dialog->pickCity(QString::fromUtf8(city));
    }
    void setDate(int day, int month, const QString& year)
    {
        list("month")->setCurrentIndex(month - 1);
        edit("year")->setText(year);
        list("day")->setCurrentIndex(day - 1);
    }
    void setTime(const QString& h, const QString& m, bool pm)
    {
        edit("hour")->setText(h);
        edit("minute")->setText(m);
        edit("second")->setText(QStringLiteral("00"));
        list("amPm")->setCurrentIndex(pm ? 1 : 0);
    }
    void typeOffset(const QString& text)
    {
        QLineEdit* typed = list("timeZone")->lineEdit();
        typed->clear();
        QTest::keyClicks(typed, text);
    }
    bool clickOk()
    {
        QTest::mouseClick(field<QPushButton>("ok"), Qt::LeftButton);
        return dialog->result() == QDialog::Accepted && !dialog->isVisible();
    }

    document::AppSettings settings;
    test::RecordingMessages messages;
    document::AtlasDatabase* atlas = nullptr;
    std::unique_ptr<CBirthInfoDlg> dialog;
};

TEST_F(BirthInfoZoneTest, TheZoneLineFollowsTheDateAndTheChartKeepsItsSource)
{
    open();
    place("India", "Maharashtra", "Pune");
    setDate(1, 6, QStringLiteral("1943"));
    setTime(QStringLiteral("12"), QStringLiteral("00"), true);
    EXPECT_EQ(zoneLine(), QStringLiteral("Asia/Kolkata \u2014 summer time, UTC+6:30"));
    EXPECT_DOUBLE_EQ(dialog->timeZoneValue(), 6.5);
    setDate(1, 6, QStringLiteral("1950"));
    EXPECT_EQ(zoneLine(), QStringLiteral("Asia/Kolkata \u2014 IST, UTC+5:30"));
    ASSERT_TRUE(clickOk());
    EXPECT_DOUBLE_EQ(dialog->birthDetails().timeZone, 5.5);
    const document::ChartDescription d = dialog->chartDescription();
    EXPECT_EQ(d.zone, "Asia/Kolkata");
    EXPECT_EQ(d.offsetSource, document::OffsetSource::Zone);
    EXPECT_EQ(d.offsetDescription, QStringLiteral("Asia/Kolkata \u2014 IST, UTC+5:30"));

    // Summer time in London; before standard time, the database's local mean time.
    open();
    place("United Kingdom", "England", "London");
    setDate(1, 7, QStringLiteral("1985"));
    EXPECT_EQ(zoneLine(), QStringLiteral("Europe/London \u2014 BST, summer time, UTC+1:00"));
    setDate(1, 7, QStringLiteral("1840"));
    EXPECT_TRUE(zoneLine().startsWith(
        QStringLiteral("Europe/London \u2014 local mean time, UTC\u22120:01:15")))
        << zoneLine().toStdString();
}

TEST_F(BirthInfoZoneTest, ATypedOffsetWinsAndLocalMeanTimeIsAChoice)
{
    open();
    place("India", "Maharashtra", "Pune");
    setDate(1, 6, QStringLiteral("1943"));
    typeOffset(QStringLiteral("+05:30"));
    EXPECT_EQ(zoneLine(), QStringLiteral("UTC+5:30, typed by hand (Asia/Kolkata gives UTC+6:30)"));
    ASSERT_TRUE(clickOk());
    EXPECT_DOUBLE_EQ(dialog->birthDetails().timeZone, 5.5);
    EXPECT_EQ(dialog->chartDescription().offsetSource, document::OffsetSource::HandTyped);

    // A picked entry is typed too; a text that is no offset stops OK.
    open();
    place("India", "Maharashtra", "Pune");
    list("timeZone")->setCurrentIndex(list("timeZone")->findText(QStringLiteral("UTC +5:45")));
    EXPECT_TRUE(zoneLine().startsWith(QStringLiteral("UTC+5:45, typed by hand")));
    typeOffset(QStringLiteral("IST"));
    EXPECT_FALSE(clickOk());
    ASSERT_FALSE(messages.errors.empty());
    EXPECT_NE(messages.errors.back().find("not one"), std::string::npos) << messages.errors.back();
    // Choosing the city again takes the zone's offset again.
    dialog->pickCity(QStringLiteral("Pune"));
    EXPECT_EQ(list("timeZone")->currentText(), QString());

    field<QCheckBox>("localMeanTime")->setChecked(true);
    EXPECT_EQ(zoneLine(), QStringLiteral("local mean time, UTC+4:55:25"));
    ASSERT_TRUE(clickOk());
    EXPECT_DOUBLE_EQ(dialog->birthDetails().timeZone, (4 * 3600 + 55 * 60 + 25) / 3600.0);
    EXPECT_EQ(dialog->chartDescription().offsetSource, document::OffsetSource::LocalMeanTime);
}

TEST_F(BirthInfoZoneTest, ASkippedTimeIsRefusedAndARepeatedOneNeedsAChoice)
{
    open();
    place("United States", "New York", "New York City");
    setDate(14, 3, QStringLiteral("2021"));
    setTime(QStringLiteral("02"), QStringLiteral("30"), false);
    EXPECT_TRUE(zoneLine().contains(QStringLiteral("did not exist"))) << zoneLine().toStdString();
    EXPECT_FALSE(clickOk());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_NE(messages.errors[0].find("did not exist in America/New_York on 2021-03-14"),
              std::string::npos)
        << messages.errors[0];
    EXPECT_TRUE(dialog->isVisible()) << "the input stays for correcting";

    setDate(7, 11, QStringLiteral("2021"));
    setTime(QStringLiteral("01"), QStringLiteral("30"), false);
    QWidget* foldRow = field<QWidget>("foldChoice");
    EXPECT_TRUE(foldRow->isVisible());
    EXPECT_EQ(field<QRadioButton>("foldEarlier")->text(),
              QStringLiteral("Earlier: UTC\u22124:00 (EDT)"));
    EXPECT_EQ(field<QRadioButton>("foldLater")->text(),
              QStringLiteral("Later: UTC\u22125:00 (EST)"));
    EXPECT_FALSE(clickOk()) << "never guessed";
    EXPECT_NE(messages.errors.back().find("happened twice"), std::string::npos);
    field<QRadioButton>("foldLater")->setChecked(true);
    EXPECT_EQ(zoneLine(),
              QStringLiteral("America/New_York \u2014 EST, UTC\u22125:00 (the later 01:30)"));
    ASSERT_TRUE(clickOk());
    EXPECT_DOUBLE_EQ(dialog->birthDetails().timeZone, -5.0);

    open();
    place("United States", "New York", "New York City");
    setDate(7, 11, QStringLiteral("2021"));
    setTime(QStringLiteral("01"), QStringLiteral("30"), false);
    field<QRadioButton>("foldEarlier")->setChecked(true);
    // Another time clears the choice made for the first.
    setTime(QStringLiteral("01"), QStringLiteral("45"), false);
    EXPECT_FALSE(field<QRadioButton>("foldEarlier")->isChecked());
    field<QRadioButton>("foldEarlier")->setChecked(true);
    ASSERT_TRUE(clickOk());
    EXPECT_DOUBLE_EQ(dialog->birthDetails().timeZone, -4.0);
    // Away from the change there is nothing to choose.
    open();
    place("United States", "New York", "New York City");
    setDate(7, 7, QStringLiteral("2021"));
    EXPECT_FALSE(field<QWidget>("foldChoice")->isVisible());
}

TEST_F(BirthInfoZoneTest, AChartWithoutAPlaceIsCastOnlyWhenConfirmed)
{
    open();
    messages.answer = document::Messages::Answer::No;
    EXPECT_FALSE(clickOk());
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0], kNoPlaceQuestion);
    EXPECT_TRUE(dialog->isVisible());
    messages.answer = document::Messages::Answer::Yes;
    ASSERT_TRUE(clickOk());
    EXPECT_DOUBLE_EQ(dialog->birthDetails().timeZone, 0.0);

    // Coordinates without any zone or offset ask the other question.
    open();
    edit("latitude")->setText(QStringLiteral("12.5"));
    edit("longitude")->setText(QStringLiteral("-7.25"));
    messages.answer = document::Messages::Answer::No;
    EXPECT_FALSE(clickOk());
    EXPECT_EQ(messages.questions.back(), kNoZoneQuestion);
}

TEST_F(BirthInfoZoneTest, ADamagedZoneFileIsReportedAndTheCountrysZonesOffered)
{
    QTemporaryDir folder;
    const std::filesystem::path committed = std::filesystem::path(LUMIKAN_SOURCE_DIR) / "mondo";
    std::filesystem::copy_file(committed / "us.bin",
                               std::filesystem::path(folder.path().toStdString()) / "us.bin");
    document::AtlasDatabase damaged(folder.path().toStdString());
    atlas = &damaged;
    open();
    dialog->pickCountry(QStringLiteral("United States"));
    ASSERT_EQ(messages.warnings.size(), 1u);
    EXPECT_NE(messages.warnings[0].find("us.zones"), std::string::npos) << messages.warnings[0];
    dialog->pickState(QStringLiteral("California"));
    dialog->pickCity(QStringLiteral("Los Angeles"));
    EXPECT_EQ(list("zone")->currentIndex(), -1) << "no zone is guessed";
    EXPECT_GT(list("zone")->count(), 20);
    list("zone")->setCurrentIndex(list("zone")->findText(QStringLiteral("America/Los_Angeles")));
    setDate(1, 7, QStringLiteral("1990"));
    EXPECT_EQ(zoneLine(),
              QStringLiteral("America/Los_Angeles \u2014 PDT, summer time, UTC\u22127:00"));
}

} // namespace
} // namespace lumikan::ui
