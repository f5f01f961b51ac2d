#include "document/archive.h"
#include "document/chart_description.h"
#include "document/chart_file.h"
#include "engine/cast_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace lumikan::document;

namespace {

QByteArray hex(const char* text) { return QByteArray::fromHex(text); }

ChartFileData sampleData()
{
    ChartFileData d;
    d.displayName = "Test Chart";
    d.placeText = "Pune, Maharashtra, India";
    d.birth = lumikan::test::namedPuneBirth();
    d.birth.gender = 1;
    d.notes = QString::fromUtf8("Notes with ü and ॐ");
    return d;
}

}  // namespace

TEST(ArchiveStrings, EveryLengthFormIsWrittenAndRead)
{
    auto encoded = [](const QString& s) {
        ArchiveWriter w;
        w.writeString(s);
        return w.bytes();
    };
    EXPECT_EQ(encoded(""), hex("fffeff00"));
    EXPECT_EQ(encoded("Pune"), hex("fffeff04500075006e006500"));
    // 254 characters still fit the one-byte length; 255 and 300 take FF + 16 bits.
    EXPECT_EQ(encoded(QString(254, 'a')).left(4), hex("fffefffe"));
    EXPECT_EQ(encoded(QString(255, 'a')).left(6), hex("fffeffffff00"));
    EXPECT_EQ(encoded(QString(300, 'a')).left(6), hex("fffeffff2c01"));
    EXPECT_EQ(encoded(QString(300, 'a')).size(), 6 + 600);
    // 65534 characters need the 32-bit form.
    EXPECT_EQ(encoded(QString(0xFFFE, 'b')).left(10), hex("fffeffffffff feff0000"));

    for (const QString& s : {QString(), QString("Pune"), QString(300, 'x'), QString(70000, 'y'),
                             QString::fromUtf8("ॐ नमः")}) {
        const QByteArray bytes = encoded(s);
        ArchiveReader r(bytes);
        EXPECT_EQ(r.readString(), s);
        EXPECT_EQ(r.remaining(), 0);
    }
}

TEST(ArchiveStrings, UntaggedStringsAreWindows1252)
{
    // Length 4 "Caf\xE9", then FF + 16-bit length 2 "\x80\x99".
    const QByteArray bytes = hex("04436166e9ff0200 8099");
    ArchiveReader r(bytes);
    EXPECT_EQ(r.readString(), QString::fromUtf8("Café"));
    EXPECT_EQ(r.readString(), QString::fromUtf8("€™"));
}

TEST(ArchiveStrings, HostileLengthsFailBeforeAllocating)
{
    // Each claims far more text than follows.
    for (const char* h : {"fffeffff ffff ffffffff ffffffffffffff7f", "fffeffffffffffffff7f", "ff0010",
                          "fffefffffe", "fffefffffeff00", "fffeffffffffffffffff ffffffffffffffff"}) {
        const QByteArray bytes = hex(h);
        ArchiveReader r(bytes);
        EXPECT_THROW(r.readString(), ArchiveError) << h;
    }
}

TEST(ChartFile, ByteExactVersion2AndRoundTrip)
{
    ChartFileData d = sampleData();
    const QByteArray bytes = encodeChartFile(d);
    // Version 2, then the tagged display name.
    EXPECT_EQ(bytes.left(6), hex("0200fffeff0a"));
    // Year 1990 little-endian right after the place text.
    const qsizetype afterPlace = 2 + 4 + 20 + 4 + 48;
    EXPECT_EQ(bytes.mid(afterPlace, 4), hex("c6070000"));

    const ChartFileRead read = decodeChartFile(bytes);
    ASSERT_TRUE(read.ok);
    ASSERT_TRUE(read.data);
    EXPECT_EQ(read.data->displayName, d.displayName);
    EXPECT_EQ(read.data->placeText, d.placeText);
    EXPECT_EQ(read.data->notes, d.notes);
    EXPECT_EQ(read.data->birth.name, "Test Chart");
    EXPECT_EQ(read.data->birth.city, "Pune");
    EXPECT_EQ(read.data->birth.gender, 1);
    EXPECT_EQ(read.data->birth.latitude, 18.5204);
    EXPECT_EQ(read.data->birth.timeZone, 5.5);
}

TEST(ChartFile, Version1HasNoGenderAndVersion0IsEmpty)
{
    ArchiveWriter w;
    w.writeUInt16(1);
    w.writeString("Old");
    w.writeString("Somewhere");
    for (int v : {1975, 3, 14, 6, 30, 0})
        w.writeInt32(v);
    for (double v : {-33.8688, 151.2093, 10.0})
        w.writeDouble(v);
    w.writeString("Sydney");
    w.writeString("");
    w.writeString("Australia");
    w.writeString("kept notes");
    const ChartFileRead v1 = decodeChartFile(w.bytes());
    ASSERT_TRUE(v1.ok && v1.data);
    EXPECT_EQ(v1.data->birth.gender, 3);
    EXPECT_EQ(v1.data->notes, "kept notes");
    EXPECT_EQ(v1.data->birth.longitude, 151.2093);

    const ChartFileRead v0 = decodeChartFile(hex("0000"));
    EXPECT_TRUE(v0.ok);
    EXPECT_FALSE(v0.data);

    // Versions above 2 read like 2.
    QByteArray v7 = encodeChartFile(sampleData());
    v7[0] = 7;
    EXPECT_TRUE(decodeChartFile(v7).ok);
}

TEST(ChartFile, ImpossibleValuesMakeTheFileDamaged)
{
    EXPECT_TRUE(decodeChartFile(encodeChartFile(sampleData())).ok);
    using Birth = lumikan::engine::BirthDetails;
    const std::vector<std::pair<const char*, std::function<void(Birth&)>>> cases = {
        {"month 13", [](Birth& b) { b.month = 13; }},
        {"day 0", [](Birth& b) { b.day = 0; }},
        {"30 February", [](Birth& b) { b.month = 2; b.day = 30; }},
        {"29 February 2023", [](Birth& b) { b.year = 2023; b.month = 2; b.day = 29; }},
        {"year 1799", [](Birth& b) { b.year = 1799; }},
        {"year 2101", [](Birth& b) { b.year = 2101; }},
        {"hour 24", [](Birth& b) { b.hour = 24; }},
        {"second -1", [](Birth& b) { b.second = -1; }},
        {"longitude 720", [](Birth& b) { b.longitude = 720; }},
        {"longitude 1e308", [](Birth& b) { b.longitude = 1e308; }},
        {"latitude NaN", [](Birth& b) { b.latitude = std::nan(""); }},
        {"zone 99", [](Birth& b) { b.timeZone = 99; }},
        {"gender 99", [](Birth& b) { b.gender = 99; }},
    };
    for (const auto& [what, spoil] : cases) {
        ChartFileData d = sampleData();
        spoil(d.birth);
        EXPECT_FALSE(decodeChartFile(encodeChartFile(d)).ok) << what;
    }
    QByteArray trailing = encodeChartFile(sampleData());
    trailing.append(1, '\0');
    EXPECT_FALSE(decodeChartFile(trailing).ok) << "a byte after the notes";

    // The edges themselves are real places, dates and offsets.
    ChartFileData edge = sampleData();
    edge.birth = {"Edge", "", "", "", 2100, 12, 31, 23, 59, 59, -90.0, 180.0, -14.0, 0};
    EXPECT_TRUE(decodeChartFile(encodeChartFile(edge)).ok);
}

TEST(ChartFile, TruncatedAtEveryByteFailsCleanly)
{
    const QByteArray bytes = encodeChartFile(sampleData());
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        if (n == 2 && bytes.left(2) == hex("0000"))
            continue;
        EXPECT_FALSE(decodeChartFile(bytes.left(n)).ok) << "truncated to " << n << " bytes";
    }
}

TEST(ChartFile, NotesLoseOldSignaturesAndGainTheNewOne)
{
    const QString sig = "ASC:JUP/SAT/JUP MO:MON/JUP/RAH Day:MER";
    EXPECT_EQ(normalizeNotesForSave("  Married 2015  ", sig), "Married 2015\r\n" + sig);
    EXPECT_EQ(normalizeNotesForSave("Text\nASC:a Day:b\r\nASC:c/d Day:e\n", sig), "Text\r\n" + sig);
    EXPECT_EQ(normalizeNotesForSave("Text\nASC: only", sig), "Text\nASC: only\r\n" + sig);
    EXPECT_EQ(normalizeNotesForSave("ASC:x Day:y", sig), "");
    EXPECT_EQ(normalizeNotesForSave("\nASC:x Day:y", sig), "");
    EXPECT_EQ(normalizeNotesForSave("   ", sig), "");
}

TEST(ChartFile, LeadingByteOrderMarksAreTextLikeAnyOther)
{
    // U+FEFF at the start of a name is kept as typed, in the description, the
    // title's source and the file.
    lumikan::engine::BirthDetails birth = lumikan::test::namedPuneBirth();
    birth.name = "\xEF\xBB\xBF\xEF\xBB\xBFName";
    birth.city = "\xEF\xBB\xBFPune";
    const ChartDescription description = describeChart(birth);
    EXPECT_EQ(description.displayName, QString(QChar(0xFEFF)) + QChar(0xFEFF) + "Name");
    EXPECT_TRUE(description.placeText.startsWith(QChar(0xFEFF)));

    ChartFileData d;
    d.displayName = description.displayName;
    d.placeText = description.placeText;
    d.birth = birth;
    d.notes = QString(QChar(0xFEFF)) + "Notes";
    const ChartFileRead read = decodeChartFile(encodeChartFile(d));
    ASSERT_TRUE(read.ok && read.data);
    EXPECT_EQ(read.data->birth.name, birth.name);
    EXPECT_EQ(read.data->birth.city, birth.city);
    EXPECT_EQ(read.data->notes, d.notes);
}
