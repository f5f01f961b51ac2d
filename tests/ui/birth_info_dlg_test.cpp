#include "ui/birth_info_dlg.h"

#include "document/atlas_database.h"
#include "document/recorders.h"
#include "qt_test_app.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace lumikan::ui {
namespace {

const engine::LocalDateTime kNow{2026, 6, 27, 10, 30, 15};
const std::string kInvalidDate = "Error Code: USERIN - 0x000010A\n\nInvalid birth date.";
const std::string kInvalidTime =
    "Error Code: USERIN - 0x000010A\n\nInvalid time. Hours must be 01-12, Minutes 00-59, Seconds 00-59.";

class BirthInfoDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::qtApp();
        // A chart without a place is confirmed when asked.
        messages.answer = document::Messages::Answer::Yes;
    }

    CBirthInfoDlg& open()
    {
        BirthInfoContext context;
        context.settings = &settings;
        context.messages = &messages;
        context.clock = [] { return kNow; };
        context.atlas = atlas;
        context.offerManualEntry = [this](const QString& message) {
            atlasQuestions.push_back(message);
            return manualEntry;
        };
        context.milliseconds = [this] { return milliseconds; };
        dialog = std::make_unique<CBirthInfoDlg>(context);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
        return *dialog;
    }

    template <typename T>
    T* field(const char* name) const
    {
        T* w = dialog->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit* edit(const char* name) const { return field<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return field<QComboBox>(name); }

    // Moves the focus away from whatever has it, as the user's Tab would.
    void leaveTo(QWidget* next)
    {
        next->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    // Types over a field's text as the user would.
    void retype(QLineEdit* e, const QString& text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, text);
    }

    void setDate(int day, int month, const QString& year)
    {
        list("month")->setCurrentIndex(month - 1);
        retype(edit("year"), year);
        list("day")->setCurrentIndex(day - 1);
    }

    void setTime(const QString& h, const QString& m, const QString& s, bool pm)
    {
        edit("hour")->setText(h);
        edit("minute")->setText(m);
        edit("second")->setText(s);
        list("amPm")->setCurrentIndex(pm ? 1 : 0);
    }

    bool clickOk()
    {
        QTest::mouseClick(field<QPushButton>("ok"), Qt::LeftButton);
        return dialog->result() == QDialog::Accepted && !dialog->isVisible();
    }

    document::AppSettings settings;
    test::RecordingMessages messages;
    document::AtlasDatabase* atlas = nullptr;
    bool manualEntry = true;
    QStringList atlasQuestions;
    std::int64_t milliseconds = 0;
    std::unique_ptr<CBirthInfoDlg> dialog;
};

TEST_F(BirthInfoDlgTest, OpensAsANatalChartOfTheFirstOfJanuary1900)
{
    CBirthInfoDlg& d = open();
    EXPECT_TRUE(edit("name")->hasFocus());
    EXPECT_EQ(list("gender")->currentIndex(), -1) << "gender 3 selects nothing";
    EXPECT_EQ(list("day")->currentText(), QStringLiteral("01"));
    EXPECT_EQ(list("day")->count(), 31);
    EXPECT_EQ(list("month")->currentText(), QStringLiteral("January"));
    EXPECT_EQ(edit("year")->text(), QStringLiteral("1900"));
    EXPECT_EQ(edit("hour")->text(), QStringLiteral("12"));
    EXPECT_EQ(list("amPm")->currentText(), QStringLiteral("AM"));
    EXPECT_FALSE(edit("horaryNumber")->isVisible());
    EXPECT_FALSE(d.dateFlag());
}

TEST_F(BirthInfoDlgTest, TwentyNinthOfFebruaryIsNeverChangedBehindTheUsersBack)
{
    open();
    QComboBox* day = list("day");
    QComboBox* month = list("month");
    QLineEdit* year = edit("year");
    auto typeDay = [this, day](Qt::Key first, Qt::Key second) {
        day->setFocus();
        QTest::keyClick(day, first);
        milliseconds += 100;
        QTest::keyClick(day, second);
        milliseconds += 5000;
    };

    // In tab order: day 29, then February, then 2024 (the year shown at first is 1900).
    typeDay(Qt::Key_2, Qt::Key_9);
    EXPECT_EQ(day->currentText(), QStringLiteral("29"));
    month->setCurrentIndex(1);
    EXPECT_EQ(day->currentText(), QStringLiteral("29")) << "kept while the year is still 1900";
    EXPECT_EQ(day->count(), 31) << "every day stays on offer";
    EXPECT_TRUE(dialog->dateFlag()) << "29 Feb 1900 is marked, not changed";
    retype(year, QStringLiteral("2024"));
    EXPECT_EQ(day->currentText(), QStringLiteral("29"));
    EXPECT_FALSE(dialog->dateFlag());
    ASSERT_TRUE(clickOk());
    EXPECT_EQ(dialog->birthDetails().day, 29);
    EXPECT_EQ(dialog->birthDetails().month, 2);
    EXPECT_EQ(dialog->birthDetails().year, 2024);

    // Year first, then month, then day; and month first, then day, then year.
    for (int order = 0; order < 2; ++order) {
        open();
        if (order == 0) {
            retype(edit("year"), QStringLiteral("2024"));
            list("month")->setCurrentIndex(1);
            list("day")->setCurrentIndex(28);
        } else {
            list("month")->setCurrentIndex(1);
            list("day")->setCurrentIndex(28);
            retype(edit("year"), QStringLiteral("2024"));
        }
        ASSERT_TRUE(clickOk()) << "order " << order;
        EXPECT_EQ(dialog->birthDetails().day, 29) << "order " << order;
    }

    // 29 February 2023 is refused in words and left as typed.
    open();
    setDate(29, 2, QStringLiteral("2023"));
    EXPECT_TRUE(dialog->dateFlag());
    EXPECT_FALSE(clickOk());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], kInvalidDate);
    EXPECT_EQ(list("day")->currentText(), QStringLiteral("29"));
    EXPECT_EQ(list("month")->currentText(), QStringLiteral("February"));
    // The 31st of a 30-day month likewise.
    list("month")->setCurrentIndex(3);
    list("day")->setCurrentIndex(30);
    EXPECT_EQ(list("day")->currentText(), QStringLiteral("31"));
    EXPECT_TRUE(dialog->dateFlag());

    setDate(29, 2, QStringLiteral("2000"));
    ASSERT_TRUE(clickOk());
    EXPECT_EQ(dialog->birthDetails().day, 29);
}

TEST_F(BirthInfoDlgTest, TomorrowIsRefusedForABirthAndAllowedForAQuestion)
{
    open();
    setDate(28, 6, QStringLiteral("2026"));
    EXPECT_TRUE(dialog->dateFlag()) << "the live check marks a future date";
    EXPECT_EQ(list("day")->toolTip(), QStringLiteral("Invalid birth date."));
    EXPECT_FALSE(clickOk());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], kInvalidDate);
    EXPECT_TRUE(dialog->isVisible()) << "the dialog stays open";
    EXPECT_EQ(list("day")->currentText(), QStringLiteral("28")) << "input intact";

    QTest::mouseClick(field<QAbstractButton>("horaryButton"), Qt::LeftButton);
    EXPECT_EQ(list("day")->currentText(), QStringLiteral("27")) << "a question starts now";
    EXPECT_EQ(edit("hour")->text(), QStringLiteral("10"));
    EXPECT_EQ(edit("second")->text(), QStringLiteral("15"));
    list("day")->setCurrentIndex(27);
    ASSERT_TRUE(clickOk());
    EXPECT_EQ(dialog->chartType(), document::ChartType::Horary);
    EXPECT_EQ(dialog->birthDetails().day, 28);
    EXPECT_EQ(messages.errors.size(), 1u);
}

TEST_F(BirthInfoDlgTest, YearIsClampedOnLeavingAndAShortYearFailsAtOk)
{
    open();
    QLineEdit* year = edit("year");
    retype(year, QStringLiteral("1799"));
    EXPECT_TRUE(edit("hour")->hasFocus()) << "four digits move on to the hour";
    EXPECT_EQ(edit("hour")->selectedText(), edit("hour")->text());
    EXPECT_EQ(year->text(), QStringLiteral("1800"));

    retype(year, QStringLiteral("19x9"));
    EXPECT_EQ(year->text(), QStringLiteral("199")) << "digits only";
    leaveTo(edit("name"));
    EXPECT_EQ(year->text(), QStringLiteral("199")) << "only four digits are clamped";
    EXPECT_FALSE(clickOk());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], kInvalidDate);
    EXPECT_TRUE(dialog->dateFlag());
}

TEST_F(BirthInfoDlgTest, TwelveHourTimesBecomeTwentyFourHourTimes)
{
    open();
    setTime(QStringLiteral("12"), QStringLiteral("30"), QStringLiteral("00"), false);
    ASSERT_TRUE(clickOk());
    EXPECT_EQ(dialog->birthDetails().hour, 0) << "12:30 AM";

    open();
    setTime(QStringLiteral("11"), QStringLiteral("59"), QStringLiteral("58"), true);
    ASSERT_TRUE(clickOk());
    EXPECT_EQ(dialog->birthDetails().hour, 23);
    EXPECT_EQ(dialog->birthDetails().minute, 59);
    EXPECT_EQ(dialog->birthDetails().second, 58);

    open();
    setTime(QStringLiteral("00"), QStringLiteral("30"), QStringLiteral("00"), false);
    EXPECT_FALSE(clickOk()) << "hour 0 is no 12-hour time";
    setTime(QStringLiteral("10"), QStringLiteral("60"), QStringLiteral("00"), false);
    EXPECT_FALSE(clickOk());
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(messages.errors[1], kInvalidTime);
    EXPECT_TRUE(dialog->timeFlag());
}

TEST_F(BirthInfoDlgTest, CoordinatesOutsideTheGlobeAreRefusedAtOk)
{
    open();
    edit("latitude")->setText(QStringLiteral("95"));
    EXPECT_FALSE(clickOk());
    edit("latitude")->setText(QStringLiteral("-33.8688"));
    edit("longitude")->setText(QStringLiteral("720"));
    EXPECT_FALSE(clickOk());
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_NE(messages.errors[1].find("Invalid place"), std::string::npos);
    edit("longitude")->setText(QStringLiteral("-180"));
    ASSERT_TRUE(clickOk());
    EXPECT_EQ(dialog->birthDetails().latitude, -33.8688);
}

TEST_F(BirthInfoDlgTest, TimeFieldsAdvanceAndClampOnLeaving)
{
    open();
    QLineEdit* hour = edit("hour");
    retype(hour, QStringLiteral("13"));
    EXPECT_TRUE(edit("minute")->hasFocus());
    EXPECT_EQ(hour->text(), QStringLiteral("12")) << "13 left becomes 12";

    retype(hour, QStringLiteral("0"));
    EXPECT_TRUE(hour->hasFocus()) << "0 may still become 01..09";
    leaveTo(edit("minute"));
    EXPECT_EQ(hour->text(), QStringLiteral("01")) << "0 left becomes 01";
    QTest::keyClicks(edit("minute"), QStringLiteral("45"));
    EXPECT_TRUE(edit("second")->hasFocus());
    EXPECT_EQ(edit("minute")->text(), QStringLiteral("45"));
    edit("minute")->setFocus();
    edit("minute")->setText(QStringLiteral("75"));
    leaveTo(edit("second"));
    EXPECT_EQ(edit("minute")->text(), QStringLiteral("59"));
    QTest::keyClicks(edit("second"), QStringLiteral("8"));
    EXPECT_TRUE(list("amPm")->hasFocus());
    EXPECT_EQ(edit("second")->text(), QStringLiteral("08"));
}

TEST_F(BirthInfoDlgTest, HoraryNumberIsClampedAndNatalChartsGetOne)
{
    open();
    QTest::mouseClick(field<QAbstractButton>("horaryButton"), Qt::LeftButton);
    edit("horaryNumber")->setText(QStringLiteral("300"));
    ASSERT_TRUE(clickOk());
    EXPECT_EQ(dialog->horaryNumber(), 249);

    open();
    edit("horaryNumber")->setText(QStringLiteral("145"));
    ASSERT_TRUE(clickOk());
    EXPECT_EQ(dialog->chartType(), document::ChartType::Natal);
    EXPECT_EQ(dialog->horaryNumber(), 1);
}

TEST_F(BirthInfoDlgTest, SwitchingToHoraryAndBackResetsTheBirth)
{
    open();
    edit("name")->setText(QStringLiteral("Asha"));
    setDate(5, 12, QStringLiteral("1990"));
    QTest::mouseClick(field<QAbstractButton>("horaryButton"), Qt::LeftButton);
    EXPECT_EQ(edit("name")->text(), QStringLiteral("HORARY - "));
    EXPECT_EQ(edit("year")->text(), QStringLiteral("2026"));
    EXPECT_TRUE(edit("horaryNumber")->isVisible());
    EXPECT_FALSE(dialog->nameFlag());

    QTest::mouseClick(field<QAbstractButton>("natalButton"), Qt::LeftButton);
    EXPECT_TRUE(edit("name")->text().isEmpty());
    EXPECT_EQ(list("gender")->currentIndex(), -1);
    EXPECT_EQ(edit("year")->text(), QStringLiteral("1900"));
    EXPECT_TRUE(dialog->nameFlag());
    EXPECT_FALSE(edit("horaryNumber")->isVisible());

    // The natal button again does nothing: the typed name stays.
    edit("name")->setText(QStringLiteral("Ravi"));
    QTest::mouseClick(field<QAbstractButton>("natalButton"), Qt::LeftButton);
    EXPECT_EQ(edit("name")->text(), QStringLiteral("Ravi"));
    ASSERT_TRUE(clickOk()) << "an empty-name flag never blocks OK";
    EXPECT_EQ(dialog->birthDetails().gender, 3);
}

TEST_F(BirthInfoDlgTest, PlacesComeFromTheAtlasWithTheCountrysZone)
{
    open();
    dialog->pickCountry(QStringLiteral("Nepal"));
    EXPECT_EQ(list("zone")->currentText(), QStringLiteral("Asia/Kathmandu"));
    EXPECT_EQ(list("timeZone")->currentText(), QString()) << "no offset typed";
    EXPECT_FALSE(list("city")->currentText().isEmpty()) << "the first state's first city";
    setDate(1, 6, QStringLiteral("1990"));
    EXPECT_DOUBLE_EQ(dialog->timeZoneValue(), 5.75);
    ASSERT_TRUE(clickOk());
    EXPECT_DOUBLE_EQ(dialog->birthDetails().timeZone, 5.75);
    EXPECT_EQ(dialog->birthDetails().country, "Nepal");

    open();
    dialog->pickCountry(QStringLiteral("India"));
    dialog->pickState(QStringLiteral("maharashtra"));
    dialog->pickCity(QStringLiteral("Pune"));
    EXPECT_EQ(list("state")->currentText(), QStringLiteral("Maharashtra"));
    EXPECT_EQ(list("zone")->currentText(), QStringLiteral("Asia/Kolkata"));
    // Four decimals, as the atlas gives them.
    EXPECT_EQ(edit("latitude")->text().section(QLatin1Char('.'), 1).size(), 4);
    const double latitude = edit("latitude")->text().toDouble();
    EXPECT_NEAR(latitude, 18.52, 0.05);
    // A zone picked by hand after the city is the one kept.
    list("timeZone")->setCurrentIndex(list("timeZone")->findText(QStringLiteral("UTC +5:00")));
    ASSERT_TRUE(clickOk());
    const engine::BirthDetails& b = dialog->birthDetails();
    EXPECT_DOUBLE_EQ(b.timeZone, 5.0);
    EXPECT_EQ(b.city, "Pune");
    EXPECT_EQ(b.state, "Maharashtra");
    EXPECT_NEAR(b.latitude, latitude, 1e-9);
    EXPECT_GT(b.longitude, 73.0);
}

TEST_F(BirthInfoDlgTest, TypingInTheCityFieldListsStartsBeforeContains)
{
    open();
    dialog->pickCountry(QStringLiteral("India"));
    dialog->pickState(QStringLiteral("Maharashtra"));
    QLineEdit* city = list("city")->lineEdit();
    city->clear();
    QTest::keyClicks(city, QStringLiteral("pur"));
    EXPECT_EQ(city->text(), QStringLiteral("pur")) << "the typed text stays";
    const QStringList shown =
        static_cast<QStringListModel*>(list("city")->completer()->model())->stringList();
    ASSERT_FALSE(shown.isEmpty());
    qsizetype firstInner = -1;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool starts = shown[i].startsWith(QLatin1String("pur"), Qt::CaseInsensitive);
        EXPECT_TRUE(shown[i].contains(QLatin1String("pur"), Qt::CaseInsensitive)) << shown[i].toStdString();
        if (!starts && firstInner < 0)
            firstInner = i;
        if (starts) {
            EXPECT_LT(firstInner, 0) << "a name starting with the text after one containing it";
        }
    }
    EXPECT_GT(firstInner, 0) << "both groups are there";
}

TEST_F(BirthInfoDlgTest, HoraryPlaceComesFromTheRulingPlanetSettings)
{
    settings.rpCountry = "India";
    settings.rpState = "Maharashtra";
    settings.rpCity = "pune";
    settings.rpTimezone = "UTC +5:30 (IST)";
    settings.rpTimeZoneHours = 0.0;  // the entry text gives the zone
    settings.rpLatitude = 18.5204;
    settings.rpLongitude = 73.8567;
    open();
    QTest::mouseClick(field<QAbstractButton>("horaryButton"), Qt::LeftButton);
    EXPECT_EQ(list("city")->currentText(), QStringLiteral("Pune"));
    EXPECT_EQ(list("timeZone")->currentText(), QStringLiteral("UTC +5:30 (IST)"));
    EXPECT_DOUBLE_EQ(dialog->timeZoneValue(), 5.5);
    EXPECT_EQ(edit("latitude")->text(), QStringLiteral("18.5204"));
    EXPECT_EQ(edit("longitude")->text(), QStringLiteral("73.8567"));
}

TEST_F(BirthInfoDlgTest, AMissingAtlasFileOffersManualEntryOrClosingTheProgram)
{
    QTemporaryDir empty;
    document::AtlasDatabase emptyAtlas(empty.path().toStdString());
    atlas = &emptyAtlas;
    open();
    dialog->pickCountry(QStringLiteral("India"));
    ASSERT_EQ(atlasQuestions.size(), 1);
    EXPECT_EQ(atlasQuestions[0].toStdString(),
              std::string(document::kBirthDataAtlasFailedMessage));
    EXPECT_TRUE(dialog->isVisible()) << "OK: the place is typed by hand";
    EXPECT_EQ(list("state")->count(), 0);
    edit("latitude")->setText(QStringLiteral("12.5"));
    edit("longitude")->setText(QStringLiteral("-7.25abc"));
    list("city")->setEditText(QStringLiteral("Smalltown"));
    list("timeZone")->setCurrentIndex(list("timeZone")->findText(QStringLiteral("UTC -1:00")));
    ASSERT_TRUE(clickOk());
    EXPECT_DOUBLE_EQ(dialog->birthDetails().latitude, 12.5);
    EXPECT_DOUBLE_EQ(dialog->birthDetails().longitude, -7.25);
    EXPECT_DOUBLE_EQ(dialog->birthDetails().timeZone, -1.0);
    EXPECT_EQ(dialog->birthDetails().city, "Smalltown");
    EXPECT_FALSE(dialog->exitRequested());

    manualEntry = false;
    open();
    dialog->pickCountry(QStringLiteral("Nepal"));
    EXPECT_TRUE(dialog->exitRequested()) << "Cancel: the program is to close";
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(BirthInfoDlgTest, KeyboardLeftArrowTypeAheadAndEscape)
{
    open();
    edit("second")->setFocus();
    QTest::keyClick(edit("second"), Qt::Key_Left);
    EXPECT_TRUE(edit("minute")->hasFocus());
    EXPECT_EQ(edit("minute")->selectedText(), edit("minute")->text());

    QLineEdit* name = edit("name");
    name->setText(QStringLiteral("Ab"));
    name->setFocus();
    name->setCursorPosition(2);
    QTest::keyClick(name, Qt::Key_Left);
    EXPECT_TRUE(name->hasFocus()) << "the caret moves first";
    EXPECT_EQ(name->cursorPosition(), 1);
    QTest::keyClick(name, Qt::Key_Left);
    QTest::keyClick(name, Qt::Key_Left);
    EXPECT_TRUE(field<QAbstractButton>("horaryButton")->hasFocus()) << "at the start: back a field";

    list("month")->setFocus();
    QTest::keyClick(list("month"), Qt::Key_Left);
    EXPECT_TRUE(list("day")->hasFocus()) << "a list always goes back";

    // Typed numbers pick days and months; a pause starts a new number.
    QComboBox* day = list("day");
    milliseconds = 10'000;
    QTest::keyClick(day, Qt::Key_2);
    milliseconds += 300;
    QTest::keyClick(day, Qt::Key_5);
    EXPECT_EQ(day->currentText(), QStringLiteral("25"));
    milliseconds += 1500;
    QTest::keyClick(day, Qt::Key_7);
    EXPECT_EQ(day->currentText(), QStringLiteral("07"));
    milliseconds += 1500;
    QTest::keyClick(list("month"), Qt::Key_9);
    EXPECT_EQ(list("month")->currentText(), QStringLiteral("September"));

    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(BirthInfoDlgTest, LeavingAnEmptyNameRaisesItsFlag)
{
    open();
    edit("name")->setFocus();
    leaveTo(list("gender"));
    EXPECT_TRUE(dialog->nameFlag());
    edit("name")->setFocus();
    QTest::keyClicks(edit("name"), QStringLiteral("Mira"));
    leaveTo(list("gender"));
    EXPECT_FALSE(dialog->nameFlag());
}

}  // namespace
}  // namespace lumikan::ui
