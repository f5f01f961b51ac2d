#include "document/birth_data_rules.h"
#include "document/value_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumikan::document {
namespace {

const engine::LocalDateTime kToday{2026, 6, 27, 10, 30, 0};

TEST(BirthDataRules, TwentyNinthOfFebruaryFollowsTheGregorianLeapRule)
{
    EXPECT_FALSE(isBirthDateValid(2023, 2, 29, kToday, false));
    EXPECT_TRUE(isBirthDateValid(2024, 2, 29, kToday, false));
    EXPECT_TRUE(isBirthDateValid(2000, 2, 29, kToday, false));
    EXPECT_FALSE(isBirthDateValid(1900, 2, 29, kToday, false));
    EXPECT_EQ(daysInMonth(2, 1900), 28);
    EXPECT_EQ(daysInMonth(2, 2000), 29);
    EXPECT_EQ(daysInMonth(4, 2023), 30);
    EXPECT_EQ(daysInMonth(12, 2023), 31);
    EXPECT_EQ(daysInMonth(0, 2023), 31) << "an invalid month counts 31";
    EXPECT_EQ(daysInMonth(13, 2023), 31);
}

TEST(BirthDataRules, FutureDatesOnlyForHoraryQuestions)
{
    EXPECT_TRUE(isBirthDateValid(2026, 6, 27, kToday, false)) << "today is allowed";
    EXPECT_FALSE(isBirthDateValid(2026, 6, 28, kToday, false)) << "tomorrow, natal";
    EXPECT_TRUE(isBirthDateValid(2026, 6, 28, kToday, true)) << "tomorrow, horary";
    EXPECT_FALSE(isBirthDateValid(2027, 1, 1, kToday, false));
    EXPECT_TRUE(isBirthDateValid(2025, 12, 31, kToday, false));
    // The year range holds for horary dates too.
    EXPECT_FALSE(isBirthDateValid(2101, 1, 1, kToday, true));
    EXPECT_FALSE(isBirthDateValid(1799, 12, 31, kToday, true));
    EXPECT_FALSE(isBirthDateValid(2020, 4, 31, kToday, false));
    EXPECT_FALSE(isBirthDateValid(2020, 4, 0, kToday, false));
}

TEST(BirthDataRules, YearTextAndClamps)
{
    EXPECT_EQ(clampBirthYear(1799), 1800);
    EXPECT_EQ(clampBirthYear(2150), 2100);
    EXPECT_EQ(clampBirthYear(1990), 1990);
    EXPECT_TRUE(isBirthYearText(QStringLiteral("1800")));
    EXPECT_TRUE(isBirthYearText(QStringLiteral("2100")));
    EXPECT_FALSE(isBirthYearText(QStringLiteral("199"))) << "three digits";
    EXPECT_FALSE(isBirthYearText(QStringLiteral("1799")));
    EXPECT_FALSE(isBirthYearText(QStringLiteral("+990")));
    EXPECT_FALSE(isBirthYearText(QStringLiteral("19 0")));

    EXPECT_EQ(clampHour12(13), 12);
    EXPECT_EQ(clampHour12(0), 1);
    EXPECT_EQ(clampMinuteOrSecond(75), 59);
    EXPECT_EQ(clampMinuteOrSecond(-3), 0);
}

TEST(BirthDataRules, TwelveHourClockBothWays)
{
    EXPECT_EQ(toHour24(12, false), 0) << "12:30 AM";
    EXPECT_EQ(toHour24(12, true), 12) << "12:30 PM";
    EXPECT_EQ(toHour24(11, true), 23) << "11:59:59 PM";
    for (int h = 0; h < 24; ++h) {
        const Hour12 shown = toHour12(h);
        EXPECT_EQ(toHour24(shown.hour, shown.pm), h) << "round trip of hour " << h;
    }
    EXPECT_EQ(toHour12(0).hour, 12);
    EXPECT_FALSE(toHour12(0).pm);
    EXPECT_EQ(toHour12(12).hour, 12);
    EXPECT_TRUE(toHour12(12).pm);

    EXPECT_TRUE(isBirthTimeValid(12, 59, 59));
    EXPECT_FALSE(isBirthTimeValid(0, 30, 0)) << "hours are 01-12";
    EXPECT_FALSE(isBirthTimeValid(13, 0, 0));
    EXPECT_FALSE(isBirthTimeValid(5, 60, 0));
    EXPECT_FALSE(isBirthTimeValid(5, 0, -1));
}

TEST(BirthDataRules, HoraryNumberIsClampedNotRejected)
{
    EXPECT_EQ(horaryNumberFromText(QStringLiteral("0")), 1);
    EXPECT_EQ(horaryNumberFromText(QStringLiteral("text")), 1);
    EXPECT_EQ(horaryNumberFromText(QString()), 1);
    EXPECT_EQ(horaryNumberFromText(QStringLiteral("300")), 249);
    EXPECT_EQ(horaryNumberFromText(QStringLiteral(" 145 ")), 145);
    EXPECT_EQ(horaryNumberFromText(QStringLiteral("99999999999")), 249);
}

TEST(BirthDataRules, TimeFieldsMoveOnWhenNothingLongerCanFollow)
{
    EXPECT_FALSE(hourEntryComplete(QStringLiteral("1"))) << "10, 11, 12 may follow";
    EXPECT_FALSE(hourEntryComplete(QStringLiteral("0")));
    EXPECT_TRUE(hourEntryComplete(QStringLiteral("2")));
    EXPECT_TRUE(hourEntryComplete(QStringLiteral("9")));
    EXPECT_TRUE(hourEntryComplete(QStringLiteral("11")));
    EXPECT_FALSE(minuteEntryComplete(QStringLiteral("5")));
    EXPECT_TRUE(minuteEntryComplete(QStringLiteral("6")));
    EXPECT_TRUE(minuteEntryComplete(QStringLiteral("45")));
    EXPECT_FALSE(minuteEntryComplete(QString()));
}

TEST(BirthDataRules, TypedNumbersSelectDaysAndMonths)
{
    NumberTypeAhead day(31);
    EXPECT_EQ(day.key(2, 0), 2);
    EXPECT_EQ(day.key(5, 400), 25) << "within a second: one number";
    EXPECT_EQ(day.key(3, 600), 3) << "after two digits a new number starts";
    EXPECT_EQ(day.key(1, 1700), 1) << "more than a second later: a new number";
    EXPECT_EQ(day.key(0, 2700), 10) << "exactly a second still counts";
    EXPECT_EQ(day.key(0, 2800), std::nullopt) << "0 selects nothing";
    EXPECT_EQ(day.key(7, 2900), 7) << "a leading zero: 07";
    EXPECT_EQ(day.key(4, 5000), 4);
    EXPECT_EQ(day.key(5, 5100), std::nullopt) << "45 is no day; the buffer starts again";
    EXPECT_EQ(day.key(3, 5200), 3);

    NumberTypeAhead month(12);
    EXPECT_EQ(month.key(1, 0), 1);
    EXPECT_EQ(month.key(2, 300), 12);
    EXPECT_EQ(month.key(1, 600), 1);
    EXPECT_EQ(month.key(3, 900), std::nullopt) << "13 is no month";
    EXPECT_EQ(month.key(9, 1000), 9);
}


TEST(ValueText, WholeTextOrNothing)
{
    for (const char* good : {"18.5204", "-33.8688", "+5.5", "0", ".5", "5.", "1e2", "-2.5E-3"})
        EXPECT_TRUE(parseDecimal(good)) << good;
    for (const char* bad : {"", "18.5x", "0x5A", "inf", "nan", " 7", "7 ", "1e", ".", "+-1",
                            "1,5", "--1", "1e999"})
        EXPECT_FALSE(parseDecimal(bad)) << bad;
    EXPECT_EQ(parseDecimal("-33.8688"), -33.8688);

    EXPECT_EQ(parseInteger("+249"), 249);
    EXPECT_EQ(parseInteger("-3"), -3);
    for (const char* bad : {"", "+", "-", "3.0", "0x10", "12abc", "99999999999"})
        EXPECT_FALSE(parseInteger(bad)) << bad;

    const auto leap = parseIsoDate("2024-02-29");
    ASSERT_TRUE(leap);
    EXPECT_EQ(leap->day, 29);
    for (const char* bad : {"2023-02-29", "1990-13-05", "1990-1-5", "99999999999-01-01",
                            "-5000-01-01", "1990-12-05x", "1990/12/05"})
        EXPECT_FALSE(parseIsoDate(bad)) << bad;

    const auto t = parseClockTime("9:05");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->hour * 10000 + t->minute * 100 + t->second, 90500);
    EXPECT_TRUE(parseClockTime("23:59:59"));
    for (const char* bad : {"2:07pm", "14:07xyz", "24:00:00", "14:60", "14:7", "14", "14:07:5",
                            "-1:00", "14:07:00:00"})
        EXPECT_FALSE(parseClockTime(bad)) << bad;

    EXPECT_TRUE(isValidUtf8("Pune \xE2\x80\x94 \xE0\xA4\xAA\xE0\xA5\x81\xE0\xA4\xA3\xE0\xA5\x87"));
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "abc\xE2\x80", "\xFF"})
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}

}  // namespace
}  // namespace lumikan::document
