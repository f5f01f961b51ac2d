// Births in and out of AAF, CSV and JSON Lines, from hand-written files.
#include "document/aaf_text.h"
#include "document/chart_interchange.h"
#include "document/field_records.h"
#include "engine/cast_chart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace lumikan::document;
using lumikan::engine::BirthDetails;

namespace {

// Degrees of one arc second and hours of one second: the precision AAF keeps.
constexpr double kArcSecondDeg = 1.0 / 3600.0;
constexpr double kSecondHours = 1.0 / 3600.0;

ChartFileData puneChart()
{
    ChartFileData chart;
    chart.birth = lumikan::test::namedPuneBirth();
    chart.birth.name = "Test Chart";
    chart.birth.city = "Pune";
    chart.birth.state = "Maharashtra";
    chart.birth.country = "India";
    chart.birth.gender = 1;
    chart.displayName = "Test Chart";
    chart.placeText = "Pune, Maharashtra, India";
    chart.notes = "Married 2015, first child 2017\r\nASC:Ju/Sa/Me MO:Mo/Ju/Ra Day:Wed";
    return chart;
}

// A birth far from Pune in every sign: south, west, an odd offset, seconds.
ChartFileData santiagoChart()
{
    ChartFileData chart;
    BirthDetails& b = chart.birth;
    b.name = "Ana María \"La Flaca\" Pérez, Jr.";
    b.year = 1889;
    b.month = 2;
    b.day = 28;
    b.hour = 23;
    b.minute = 59;
    b.second = 31;
    b.latitude = -33.4489;
    b.longitude = -70.6693;
    b.timeZone = -4.711288888888889; // local mean time of Santiago
    b.city = "Santiago";
    b.state = "";
    b.country = "Chile";
    b.gender = 2;
    chart.displayName = QString::fromStdString(b.name);
    chart.placeText = "Santiago, Chile";
    chart.notes = "Line one\nline two, with a comma";
    return chart;
}

std::vector<ImportedChart> readText(const char* text, InterchangeFormat format)
{
    return readInterchange(QByteArray(text), format);
}

} // namespace

TEST(AafRead, HandWrittenRecordsInEveryVariant)
{
    const char* file = "#: A file as other programs write them\r\n"
                       "\r\n"
                       "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\r\n"
                       "#B93:2440856.91944,49n05,8e11,1he00,0\r\n"
                       "#ZNAM:CET\r\n"
                       "#LPOS:12.3,45.6,78.9\r\n"
                       "\r\n"
                       "#A93:Kennedy,John F.,m,12.3.1985,21.30,Boston,\r\n"
                       "USA\r\n"
                       "#B93:2446137.60417,42n21:30,71w03:36,5hw00,0\r\n"
                       "#COM:Source: birth certificate, rated AA\r\n"
                       "\r\n"
                       "#A93:Event of the day,*,e,1.6.1890,6:00,Pune,IND\r\n"
                       "#B93:2411519.73486,18n31,73e51,0e21:48,L\r\n"
                       "\r\n"
                       "#A93:Winter,Anna,w,15.7.2001,8:15:00,Cairns/Queensland,AUS\r\n"
                       "#B93:*,16s55,145e46,10he00,1\r\n";
    const std::vector<ImportedChart> charts = readText(file, InterchangeFormat::Aaf);
    ASSERT_EQ(charts.size(), 4u);
    for (const ImportedChart& c : charts)
        ASSERT_TRUE(c.chart) << c.line << ": " << c.error;

    const BirthDetails& ferber = charts[0].chart->birth;
    EXPECT_EQ(charts[0].line, 3);
    EXPECT_EQ(charts[0].chart->displayName, "Tobias Ferber");
    EXPECT_EQ(ferber.gender, 0);
    EXPECT_EQ(std::make_tuple(ferber.year, ferber.month, ferber.day), std::make_tuple(1970, 9, 27));
    EXPECT_EQ(std::tie(ferber.hour, ferber.minute, ferber.second), std::make_tuple(11, 4, 0));
    EXPECT_NEAR(ferber.latitude, 49 + 5 / 60.0, 1e-12);
    EXPECT_NEAR(ferber.longitude, 8 + 11 / 60.0, 1e-12);
    EXPECT_EQ(ferber.timeZone, 1.0);
    EXPECT_EQ(ferber.city, "Kandel");
    EXPECT_EQ(ferber.state, "Pfalz");
    EXPECT_EQ(ferber.country, "D");
    EXPECT_EQ(charts[0].chart->placeText, "Kandel, Pfalz, D");

    // A chunk continued on the next line; "21.30" for 21:30; west and minutes:seconds.
    const BirthDetails& kennedy = charts[1].chart->birth;
    EXPECT_EQ(charts[1].chart->displayName, "John F. Kennedy");
    EXPECT_EQ(kennedy.country, "USA");
    EXPECT_EQ(std::make_tuple(kennedy.hour, kennedy.minute), std::make_tuple(21, 30));
    EXPECT_NEAR(kennedy.latitude, 42 + 21 / 60.0 + 30 / 3600.0, 1e-12);
    EXPECT_NEAR(kennedy.longitude, -(71 + 3 / 60.0 + 36 / 3600.0), 1e-12);
    EXPECT_EQ(kennedy.timeZone, -5.0);
    EXPECT_EQ(charts[1].chart->notes, "Source: birth certificate, rated AA");

    // An event with local mean time (letter L adds no summer time).
    const BirthDetails& event = charts[2].chart->birth;
    EXPECT_EQ(charts[2].chart->displayName, "Event of the day");
    EXPECT_EQ(event.gender, 3);
    EXPECT_NEAR(event.timeZone, 21 / 60.0 + 48 / 3600.0, 1e-12);
    EXPECT_EQ(std::make_tuple(event.hour, event.minute, event.second), std::make_tuple(6, 0, 0));

    // No Julian day: the civil data with zone plus one hour of summer time.
    const BirthDetails& winter = charts[3].chart->birth;
    EXPECT_EQ(winter.gender, 1);
    EXPECT_EQ(winter.timeZone, 11.0);
    EXPECT_NEAR(winter.latitude, -(16 + 55 / 60.0), 1e-12);
    EXPECT_EQ(winter.state, "Queensland");
}

TEST(AafRead, TheJulianDayWinsAndFillsWhatIsUnknown)
{
    // 11:04 local but the moment is 11:04:27; a zone "*" is found from the
    // two; an unknown time comes from the Julian day.
    const char* file = "#A93:Ferber,Tobias,m,27.9.1970,11:04,Kandel/Pfalz,D\n"
                       "#B93:2440856.91976,49n05,8e11,1he00,0\n"
                       "#A93:Ferber,Tobias,m,27.9.1970,11:04:27,Kandel/Pfalz,D\n"
                       "#B93:2440856.91976,49n05,8e11,*,0\n"
                       "#A93:Ferber,Tobias,m,*,*,Kandel/Pfalz,D\n"
                       "#B93:2440856.91976,49n05,8e11,1he00,0\n"
                       "#A93:Ferber,Tobias,m,26.9.1970,11:04:27,Kandel/Pfalz,D\n"
                       "#B93:2440856.91976,49n05,8e11,1he00,0\n";
    const std::vector<ImportedChart> charts = readText(file, InterchangeFormat::Aaf);
    ASSERT_EQ(charts.size(), 4u);
    for (const ImportedChart& c : charts) {
        ASSERT_TRUE(c.chart) << c.line << ": " << c.error;
        const BirthDetails& b = c.chart->birth;
        EXPECT_EQ(std::make_tuple(b.year, b.month, b.day, b.hour, b.minute, b.second),
                  std::make_tuple(1970, 9, 27, 11, 4, 27))
            << "record of line " << c.line;
        EXPECT_EQ(b.timeZone, 1.0) << "record of line " << c.line;
    }
}

TEST(AafRead, BadRecordsAreReportedWithTheirLinesAndTheOthersRead)
{
    const char* file = "#A93:One,Good,m,1.1.1950,12:00,Berlin,D\n"      // 1
                       "#B93:*,52n31,13e24,1he00,0\n"                   // 2
                       "#A93:Two,Bad,m,31.2.1950,12:00,Berlin,D\n"      // 3
                       "#B93:*,52n31,13e24,1he00,0\n"                   // 4
                       "#A93:Three,Bad,m,1.1.1950,12:00,Berlin,D\n"     // 5
                       "#B93:*,91n00,13e24,1he00,0\n"                   // 6
                       "#A93:Four,Bad,m,1.1.1950,12:00,Berlin,D\n"      // 7
                       "#A93:Five,Bad,m,1.1.1799,12:00,Berlin,D\n"      // 8
                       "#B93:*,52n31,13e24,1he00,0\n"                   // 9
                       "#A93:Six,Bad,m,1.1.1950,12:00,Berlin,Mitte,D\n" // 10
                       "#B93:*,52n31,13e24,1he00,0\n"                   // 11
                       "#A93:Seven,Bad,m,1.1.1950,24:00,Berlin,D\n"     // 12
                       "#B93:*,52n31,13e24,1he00,0\n"                   // 13
                       "#A93:Eight,Bad,m,1.1.1950,12:00,Berlin,D\n"     // 14
                       "#B93:*,52n31,13e24,15he00,0\n"                  // 15
                       "#A93:Nine,Bad,m,1.1.1950,12:00,Berlin,D\n"      // 16
                       "#B93:*,52n31,13x24,1he00,0\n"                   // 17
                       "#A93:Ten,Bad,m,1.1.1950,12:00,Berlin,D\n"       // 18
                       "#B93:*,52n31,13e24,*,0\n"                       // 19
                       "#A93:Eleven,Good,f,2.1.1950,12:00,Berlin,D\n"   // 20
                       "#B93:*,52n31,13e24,1he00,0\n";                  // 21
    const std::vector<ImportedChart> charts = readText(file, InterchangeFormat::Aaf);
    ASSERT_EQ(charts.size(), 11u);
    const std::vector<std::pair<int, const char*>> expected = {{3, "date \"31.2.1950\""},
                                                               {5, "latitude \"91n00\""},
                                                               {7, "no #B93"},
                                                               {8, "date \"1.1.1799\""},
                                                               {10, "8 fields"},
                                                               {12, "time \"24:00\""},
                                                               {14, "beyond 14 hours"},
                                                               {16, "longitude \"13x24\""},
                                                               {18, "zone's difference"}};
    EXPECT_TRUE(charts.front().chart && charts.back().chart);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ImportedChart& c = charts[i + 1];
        EXPECT_FALSE(c.chart);
        EXPECT_EQ(c.line, expected[i].first);
        EXPECT_NE(c.error.find(expected[i].second), std::string::npos)
            << "line " << c.line << ": " << c.error;
        EXPECT_EQ(c.error.find('\n'), std::string::npos);
    }
}

TEST(AafRead, Windows1252CarriageReturnsAndNothingBeforeTheFirstRecord)
{
    // Lines ending in CR alone, as old Macintosh programs wrote them.
    const QByteArray file("garbage before any record\r#B93:*,1n00,1e00,0he00,0\r"
                          "#A93:M\xFCller,J\xF6rg,m,1.1.1950,12:00,K\xF6ln,D\r"
                          "#B93:*,50n56,6e57,1he00,0\r");
    const std::vector<ImportedChart> charts = readInterchange(file, InterchangeFormat::Aaf);
    ASSERT_EQ(charts.size(), 1u);
    ASSERT_TRUE(charts[0].chart) << charts[0].error;
    EXPECT_EQ(charts[0].chart->displayName, QString::fromUtf8("Jörg Müller"));
    EXPECT_EQ(charts[0].chart->birth.city, "Köln");
    EXPECT_EQ(charts[0].line, 3);
}

TEST(AafWrite, GoldenRecordAndRoundTrips)
{
    const std::string pune = writeAaf({puneChart()});
    EXPECT_EQ(pune, "\n#A93:Chart,Test,f,5.12.1990,14:07,Pune/Maharashtra,India\n"
                    "#B93:2448230.85903,18n31:13,73e51:24,5he30,0\n"
                    "#COM:Married 2015, first child 2017 ASC:Ju/Sa/Me MO:Mo/Ju/Ra Day:Wed\n");

    // Name, date, time, offset, place and coordinates survive, to the
    // precision of the format.
    for (const ChartFileData& original : {puneChart(), santiagoChart()}) {
        const std::vector<AafRecord> back =
            readAaf(QString::fromStdString(writeAaf({original, original})));
        ASSERT_EQ(back.size(), 2u);
        ASSERT_TRUE(back[1].chart) << back[1].error;
        const ChartFileData& read = *back[1].chart;
        const BirthDetails& a = original.birth;
        const BirthDetails& b = read.birth;
        SCOPED_TRACE(a.name);
        EXPECT_EQ(read.displayName, QString(original.displayName).replace(',', ';'));
        EXPECT_EQ(std::make_tuple(a.year, a.month, a.day, a.hour, a.minute, a.second),
                  std::make_tuple(b.year, b.month, b.day, b.hour, b.minute, b.second));
        EXPECT_NEAR(b.timeZone, a.timeZone, 0.5 * kSecondHours);
        EXPECT_NEAR(b.latitude, a.latitude, 0.5 * kArcSecondDeg);
        EXPECT_NEAR(b.longitude, a.longitude, 0.5 * kArcSecondDeg);
        EXPECT_EQ(std::tie(b.city, b.state, b.country), std::tie(a.city, a.state, a.country));
        EXPECT_EQ(b.gender, a.gender);
        EXPECT_EQ(read.notes, QString(original.notes).replace("\r\n", " ").replace('\n', ' '));
    }
}

TEST(CsvRead, QuotesBreaksMarksAndBadRows)
{
    const char* file = "\xEF\xBB\xBFname,date,time,tz,lat,lon,notes\r\n"                 // 1
                       "\"Doe, Jane\",1990-12-05,14:07:00,5.5,18.5204,73.8567,\"Two\r\n" // 2
                       "lines, \"\"quoted\"\"\"\r\n"                                     // 3
                       "\r\n"                                                            // 4
                       "\xEF\xBB\xBFKept,1990-12-05,14:07,5.5,18.5,73.8,\n"              // 5
                       "Short,1990-12-05,14:07,5.5\n"                                    // 6
                       "Bad,1990-12-05,2:07pm,5.5,18.5,73.8,\n"                          // 7
                       "\"Closed\"x,1990-12-05,14:07,5.5,18.5,73.8,\n"                   // 8
                       "Last,1990-12-05,14:07,5.5,18.5,73.8,\"never closed\n";           // 9
    const std::vector<ImportedChart> charts = readText(file, InterchangeFormat::Csv);
    ASSERT_EQ(charts.size(), 6u);
    ASSERT_TRUE(charts[0].chart) << charts[0].error;
    EXPECT_EQ(charts[0].line, 2);
    EXPECT_EQ(charts[0].chart->displayName, "Doe, Jane");
    EXPECT_EQ(charts[0].chart->notes, "Two\r\nlines, \"quoted\"");
    EXPECT_EQ(charts[0].chart->birth.city, "Unknown");
    ASSERT_TRUE(charts[1].chart) << charts[1].error;
    EXPECT_EQ(charts[1].line, 5);
    EXPECT_EQ(charts[1].chart->displayName, QString(QChar(0xFEFF)) + "Kept");
    const std::vector<std::pair<int, const char*>> bad = {{6, "4 fields where the header has 7"},
                                                          {7, "time \"2:07pm\": a time HH:MM:SS"},
                                                          {8, "closing quote"},
                                                          {9, "not closed"}};
    for (std::size_t i = 0; i < bad.size(); ++i) {
        const ImportedChart& c = charts[i + 2];
        EXPECT_FALSE(c.chart);
        EXPECT_EQ(c.line, bad[i].first);
        EXPECT_NE(c.error.find(bad[i].second), std::string::npos) << c.error;
    }

    const auto header = readText("name,date,date\nA,B,C\n", InterchangeFormat::Csv);
    ASSERT_EQ(header.size(), 1u);
    EXPECT_NE(header[0].error.find("twice"), std::string::npos);
    const auto unknown =
        readText("name,date,time,tz,lat,lon,latitude\nA,1990-12-05,14:07,5.5,1,2,3\n",
                 InterchangeFormat::Csv);
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_EQ(unknown[0].error, "\"latitude\" is not a birth field");
}

TEST(JsonRead, LinesArraysAndBadLines)
{
    const char* file =
        "{\"name\":\"A\",\"date\":\"1990-12-05\",\"time\":\"14:07:00\",\"tz\":5.5,\"lat\":18.5204,"
        "\"lon\":73.8567,\"gender\":\"female\",\"state\":null}\n"
        "\n"
        "{\"name\":\"B\",\"date\":\"1990-12-05\"\n"
        "[1,2]\n"
        "{\"name\":{\"first\":\"C\"},\"date\":\"1990-12-05\",\"time\":\"14:07\",\"tz\":5.5,"
        "\"lat\":1,\"lon\":2}\n"
        "{\"date\":\"1990-12-05\",\"time\":\"14:07\",\"tz\":\"+5.5\",\"lat\":\"18.5x\",\"lon\":2}"
        "\n";
    const std::vector<ImportedChart> charts = readText(file, InterchangeFormat::Json);
    ASSERT_EQ(charts.size(), 5u);
    ASSERT_TRUE(charts[0].chart) << charts[0].error;
    EXPECT_EQ(charts[0].chart->birth.latitude, 18.5204);
    EXPECT_EQ(charts[0].chart->birth.timeZone, 5.5);
    EXPECT_EQ(charts[0].chart->birth.gender, 1);
    const std::vector<std::pair<int, const char*>> bad = {{3, "not JSON"},
                                                          {4, "not a JSON object"},
                                                          {5, "\"name\" holds an object"},
                                                          {6, "lat \"18.5x\""}};
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_FALSE(charts[i + 1].chart);
        EXPECT_EQ(charts[i + 1].line, bad[i].first);
        EXPECT_NE(charts[i + 1].error.find(bad[i].second), std::string::npos)
            << charts[i + 1].error;
    }

    const auto array = readText(" [{\"date\":\"1990-12-05\",\"time\":\"14:07\",\"tz\":0,\"lat\":0,"
                                "\"lon\":0}, 7]",
                                InterchangeFormat::Json);
    ASSERT_EQ(array.size(), 2u);
    EXPECT_TRUE(array[0].chart) << array[0].error;
    EXPECT_EQ(array[1].line, 2);
    EXPECT_FALSE(array[1].chart);
}

TEST(Interchange, CsvAndJsonRoundTripsAreExact)
{
    ChartFileData spaced = puneChart();
    spaced.displayName = QString(QChar(0xFEFF)) + "  spaced name ";
    spaced.birth.name = spaced.displayName.toStdString();
    spaced.birth.gender = 3;
    for (InterchangeFormat format : {InterchangeFormat::Csv, InterchangeFormat::Json}) {
        SCOPED_TRACE(std::string(interchangeFormatName(format)));
        const std::vector<ChartFileData> originals = {puneChart(), santiagoChart(), spaced};
        const QByteArray bytes = writeInterchange(originals, format);
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));
        const std::vector<ImportedChart> back = readInterchange(bytes, format);
        ASSERT_EQ(back.size(), originals.size());
        for (std::size_t i = 0; i < back.size(); ++i) {
            ASSERT_TRUE(back[i].chart) << back[i].error;
            const ChartFileData& a = originals[i];
            const ChartFileData& b = *back[i].chart;
            EXPECT_EQ(b.displayName, a.displayName);
            EXPECT_EQ(b.notes, a.notes);
            EXPECT_EQ(b.birth.name, a.birth.name);
            EXPECT_EQ(std::tie(b.birth.year, b.birth.month, b.birth.day, b.birth.hour,
                               b.birth.minute, b.birth.second, b.birth.gender),
                      std::tie(a.birth.year, a.birth.month, a.birth.day, a.birth.hour,
                               a.birth.minute, a.birth.second, a.birth.gender));
            // Shortest round-trip numbers: the very same doubles.
            EXPECT_EQ(b.birth.timeZone, a.birth.timeZone);
            EXPECT_EQ(b.birth.latitude, a.birth.latitude);
            EXPECT_EQ(b.birth.longitude, a.birth.longitude);
            EXPECT_EQ(std::tie(b.birth.city, b.birth.state, b.birth.country),
                      std::tie(a.birth.city, a.birth.state, a.birth.country));
        }
    }
    EXPECT_EQ(writeInterchange({puneChart()}, InterchangeFormat::Json),
              "{\"name\":\"Test Chart\",\"date\":\"1990-12-05\",\"time\":\"14:07:00\",\"tz\":5.5,"
              "\"lat\":18.5204,\"lon\":73.8567,\"city\":\"Pune\",\"state\":\"Maharashtra\","
              "\"country\":\"India\",\"gender\":\"female\",\"notes\":\"Married 2015, first child "
              "2017\\r\\nASC:Ju/Sa/Me MO:Mo/Ju/Ra Day:Wed\"}\n");
}

TEST(Interchange, FormatsByNameAndPathAndFreeFileNames)
{
    EXPECT_EQ(interchangeFormatOfPath("a/b.JSONL"), InterchangeFormat::Json);
    EXPECT_EQ(interchangeFormatOfPath("b.Aaf"), InterchangeFormat::Aaf);
    EXPECT_EQ(interchangeFormatOfPath("b.lmk"), std::nullopt);
    EXPECT_EQ(interchangeFormatNamed("CSV"), std::nullopt);

    QTemporaryDir dir;
    const QString first = freeChartFilePath(dir.path(), "Asha / Ravi: 1");
    EXPECT_EQ(QFileInfo(first).fileName(), "Asha _ Ravi_ 1.lmk");
    QFile(first).open(QIODevice::WriteOnly);
    EXPECT_EQ(QFileInfo(freeChartFilePath(dir.path(), "Asha / Ravi: 1")).fileName(),
              "Asha _ Ravi_ 1 2.lmk");
    EXPECT_EQ(QFileInfo(freeChartFilePath(dir.path(), "")).fileName(), "Chart.lmk");
    EXPECT_EQ(QFileInfo(freeChartFilePath(dir.path(), "..")).fileName(), "Chart...lmk");
    EXPECT_EQ(QFileInfo(freeChartFilePath(dir.path(), "\x1b[2J")).fileName(), "_[2J.lmk");
}
