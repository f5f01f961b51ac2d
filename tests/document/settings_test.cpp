#include "fifo_with_writer.h"

#include "document/app_settings.h"
#include "document/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumikan::document;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

AppSettings loaded(const QByteArray& ini)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    writeFile(path, ini);
    AppSettings s;
    LoadSettings(s, path);
    return s;
}

}  // namespace

TEST(Settings, GarbageAndOutOfRangeValuesFallBackAsTheProfileFunctionsDo)
{
    const AppSettings s = loaded("[planetdisplay]\nformat=7\nNakshatraFormat=-2\nSignFormat=2\n"
                                 "[AppSettings]\nTitleFormat=-1\nColorTheme=16\n"
                                 "[Ayanamsa]\nAyanamsa=7\nCustomValue=abc\n"
                                 "[Mahadasha]\nMahadasha=9\n"
                                 "[DisplayPlanets]\nUranus=0\nPluto=12abc\nNeptune=\n");
    EXPECT_EQ(s.planetNameFormat, 0);      // 7 is out of range
    EXPECT_EQ(s.nakshatraNameFormat, 0);   // negative
    EXPECT_EQ(s.signNameFormat, 2);
    EXPECT_EQ(s.titleFormat, 0);
    EXPECT_EQ(s.colorTheme, 0);
    EXPECT_EQ(s.ayanamsa, 7);              // kept; treated as Krishnamurti where used
    EXPECT_EQ(s.customAyanamsa, 0.0);
    EXPECT_EQ(s.mahadashaDepth, 9);        // no clamp on reading
    EXPECT_FALSE(s.showUranus);
    EXPECT_TRUE(s.showPluto);              // leading number 12 is non-zero
    EXPECT_TRUE(s.showNeptune);            // empty value: the default

    const AppSettings empty = loaded("[Ayanamsa]\nCustomValue=\n");
    EXPECT_EQ(empty, AppSettings{});
    EXPECT_EQ(loaded("[Ayanamsa]\nCustomValue=23.85xyz\n").customAyanamsa, 23.85);

    // Numbers no chart can use read as their defaults instead of overflowing later.
    EXPECT_EQ(loaded("[Ayanamsa]\nCustomValue=99999\n").customAyanamsa, 0.0);
    EXPECT_EQ(loaded("[Ayanamsa]\nCustomValue=-400\n").customAyanamsa, 0.0);
    EXPECT_EQ(loaded("[Ayanamsa]\nCustomValue=-23.85\n").customAyanamsa, -23.85);
    for (const char* place : {"Latitude=1e300\nLongitude=73.8\nTimezoneHours=5.5\n",
                              "Latitude=18.5\nLongitude=-181\nTimezoneHours=5.5\n",
                              "Latitude=18.5\nLongitude=73.8\nTimezoneHours=99\n"}) {
        const AppSettings bad = loaded(QByteArray("[RP_Location]\n") + place);
        EXPECT_EQ(bad.rpLatitude, 0.0) << place;
        EXPECT_EQ(bad.rpLongitude, 0.0) << place;
        EXPECT_EQ(bad.rpTimeZoneHours, 0.0) << place;
    }
}

TEST(Settings, SaveWritesEveryKeyInOrderAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    writeFile(path, "[Other]\nKeep=me\n");
    AppSettings s;
    s.ayanamsa = 4;
    s.customAyanamsa = 23.5;
    s.rpCountry = "Côte d'Ivoire";
    s.rpCity = "São Paulo — Zona Sul";
    s.rpLatitude = -23.5505;
    s.rpLongitude = -46.6333;
    s.rpTimeZoneHours = -3;
    s.showGulika = true;
    s.colorTheme = 15;
    ASSERT_TRUE(SaveSettings(s, path));

    AppSettings back;
    LoadSettings(back, path);
    EXPECT_EQ(back, s);

    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.contains("Keep=me"));
    EXPECT_TRUE(text.contains("CustomValue=23.500000\n"));
    const QStringList keys = {"Ayanamsa=", "CustomValue=", "DashaYear=", "Mahadasha=", "Uranus=",
                              "Neptune=", "Pluto=", "Fortuna=", "Gulika=", "Mandi=", "Country=",
                              "State=", "City=", "Timezone=", "Latitude=", "Longitude=",
                              "TimezoneHours=", "Format=", "NakshatraFormat=", "SignFormat=",
                              "TitleFormat=", "ColorTheme="};
    qsizetype last = -1;
    for (const QString& key : keys) {
        const qsizetype at = text.indexOf("\n" + key);
        EXPECT_GT(at, last) << key.toStdString();
        last = at;
    }
    EXPECT_FALSE(SaveSettings(s, QString()));
}

TEST(Settings, PathIsSeededOnceFromTheProgramFolder)
{
    QTemporaryDir config;
    QTemporaryDir program;
    writeFile(program.filePath("settings.ini"), "[AppSettings]\nColorTheme=5\n");
    const QString path = ResolveSettingsPath(config.path(), program.path());
    EXPECT_EQ(path, QDir(config.path()).filePath("Lumikan/settings.ini"));
    AppSettings s;
    LoadSettings(s, path);
    EXPECT_EQ(s.colorTheme, 5);

    // A later change beside the program is not copied again.
    writeFile(program.filePath("settings.ini"), "[AppSettings]\nColorTheme=9\n");
    AppSettings again;
    LoadSettings(again, ResolveSettingsPath(config.path(), program.path()));
    EXPECT_EQ(again.colorTheme, 5);

    EXPECT_EQ(ResolveSettingsPath(QString(), program.path()), program.filePath("settings.ini"));
    EXPECT_EQ(ResolveSettingsPath(QString(), QString()), QString());
}

TEST(IniFile, ProfileSemantics)
{
    const IniFile ini = IniFile::parse("; comment\n[Sec]\n  Key = \"quoted value\" \nkey=second\n"
                                       "[SEC]\nOther=1\r\n[Empty]\n=novalue\n");
    EXPECT_EQ(ini.string("sec", "KEY"), "quoted value");  // first occurrence wins
    EXPECT_EQ(ini.integer("Sec", "Other", 5), 1);           // sections merge ignoring case
    EXPECT_EQ(ini.integer("Sec", "Missing", 5), 5);
    EXPECT_EQ(ini.string("Nope", "Key", "dflt"), "dflt");
    EXPECT_EQ(leadingInteger(" -12abc"), -12);
    EXPECT_EQ(leadingInteger("x1"), 0);
    EXPECT_DOUBLE_EQ(leadingReal("18.520400"), 18.5204);
    EXPECT_EQ(leadingReal("nan"), 0.0);
}

TEST(IniFile, NamesMatchIgnoringCaseAsQtComparesThem)
{
    const IniFile ini = IniFile::parse(QString::fromUtf8("[Ορος]\nΣΟΦΙΑ=1\nStraße=2\nKelvin=3\n"
                                                         "\xf0\x90\x90\x80=4\n"));
    EXPECT_EQ(ini.string(QString::fromUtf8("ΟΡΟΣ"), QString::fromUtf8("σοφια")), "1");
    EXPECT_EQ(ini.string(QString::fromUtf8("ορος"), QString::fromUtf8("STRASSE"), "none"), "none");
    EXPECT_EQ(ini.string(QString::fromUtf8("ορος"), QString::fromUtf8("STRAßE")), "2");
    // The Kelvin sign folds to k.
    EXPECT_EQ(ini.string(QString::fromUtf8("ορος"), QString::fromUtf8("\u212Aelvin")), "3");
    EXPECT_EQ(ini.string(QString::fromUtf8("ορος"), QString::fromUtf8("\xf0\x90\x90\xa8")), "4");

    // Setting keeps the first spelling and the order of first use.
    IniFile edited = ini;
    edited.setString(QString::fromUtf8("ΟΡΟΣ"), "kelvin", "30");
    edited.setString("New", "A", "x");
    edited.setString("NEW", "a", "y");
    EXPECT_EQ(edited.toText(), QString::fromUtf8("[Ορος]\nΣΟΦΙΑ=1\nStraße=2\nKelvin=30\n"
                                                 "\xf0\x90\x90\x80=4\n\n[New]\nA=y\n"));
}

TEST(IniFile, AFileAsLargeAsTheCapParsesInLinearTime)
{
    // 400,000 keys in one section, then 250,000 sections of one key: each
    // lookup compares with a handful of names, not with every earlier one.
    constexpr int kKeys = 400000;
    QByteArray keys = "[Big]\n";
    keys.reserve(4 * 1024 * 1024);
    for (int i = 0; i < kKeys; ++i)
        keys += QByteArray::number(1000000 + i).replace(0, 1, "K") + "=1\n";
    keys += "k000000=second\n[BIG]\nk399999=second\n";
    ASSERT_LE(keys.size(), 4 * 1024 * 1024);

    QTemporaryDir dir;
    const QString path = dir.filePath("big.ini");
    writeFile(path, keys);
    std::uint64_t before = IniFile::nameComparisons();
    QString error;
    const IniFile big = IniFile::load(path, &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    for (int i = 0; i < kKeys; i += 997)
        ASSERT_EQ(big.integer("big", QString::number(1000000 + i).replace(0, 1, "k"), 0), 1) << i;
    EXPECT_EQ(big.string("bIG", "K000000"), "1");  // the first occurrence wins
    EXPECT_EQ(big.string("Big", "K399999"), "1");
    std::uint64_t comparisons = IniFile::nameComparisons() - before;
    EXPECT_LT(comparisons, 2u * kKeys) << comparisons;
    const QString text = big.toText();
    EXPECT_TRUE(text.startsWith("[Big]\nK000000=1\nK000001=1\n")) << text.left(40).toStdString();
    EXPECT_TRUE(text.endsWith("\nK399999=1\n"));

    constexpr int kSections = 250000;
    QString sections;
    for (int i = 0; i < kSections; ++i)
        sections += QStringLiteral("[S%1]\nk=1\n").arg(i);
    sections += "[s0]\nK=second\nother=2\n";
    before = IniFile::nameComparisons();
    const IniFile many = IniFile::parse(sections);
    EXPECT_EQ(many.string("S0", "K"), "1");
    EXPECT_EQ(many.string("S0", "OTHER"), "2");
    EXPECT_EQ(many.string("S249999", "k"), "1");
    comparisons = IniFile::nameComparisons() - before;
    EXPECT_LT(comparisons, 2u * kSections) << comparisons;
}

TEST(IniFile, LoadRefusesDevicesPipesAndOversizedFiles)
{
    QString error;
    const IniFile zero = IniFile::load("/dev/zero", &error);
    EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
    EXPECT_TRUE(zero.toText().isEmpty());

    QTemporaryDir dir;
    const QString pipe = dir.filePath("settings.ini");
    lumikan::test::FifoWithWriter writer(pipe, "[AppSettings]\nColorTheme=5\n");
    ASSERT_TRUE(writer.made());
    error.clear();
    const IniFile fifo = IniFile::load(pipe, &error);
    EXPECT_TRUE(error.contains("not a regular file")) << error.toStdString();
    EXPECT_EQ(fifo.integer("AppSettings", "ColorTheme", 0), 0);

    // One byte past the cap: refused whole rather than cut at the cap.
    const QString huge = dir.filePath("huge.ini");
    writeFile(huge, "[AppSettings]\nColorTheme=5\n" + QByteArray(4 * 1024 * 1024 - 27, ';') + "\n");
    error.clear();
    const IniFile over = IniFile::load(huge, &error);
    EXPECT_EQ(error, "The file is too large to be a settings file.");
    EXPECT_EQ(over.integer("AppSettings", "ColorTheme", 0), 0);
    // Saving over a file that could not be read would lose what it holds.
    QString saveError;
    EXPECT_FALSE(SaveSettings(AppSettings{}, huge, &saveError));
    EXPECT_EQ(saveError, "The file is too large to be a settings file.");
    EXPECT_EQ(QFileInfo(huge).size(), 4 * 1024 * 1024 + 1);

    error.clear();
    EXPECT_TRUE(IniFile::load(dir.filePath("missing.ini"), &error).toText().isEmpty());
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST(Settings, DayLordRuleAndRulingPlaceZoneAreNewKeysOldFilesDoWithout)
{
    // A file written before the keys existed: the day lord from sunrise, no zone.
    const AppSettings old = loaded("[RP_Location]\nCountry=India\nLatitude=18.52\nLongitude=73.85\n"
                                   "TimezoneHours=5.5\n");
    EXPECT_EQ(old.dayLordRule, 0);
    EXPECT_EQ(old.rpZone, "");
    EXPECT_EQ(old.rpTimeZoneHours, 5.5);

    const AppSettings set =
        loaded("[RulingPlanets]\nDayLord=1\n[RP_Location]\nZone=Asia/Kolkata\n");
    EXPECT_EQ(set.dayLordRule, 1);
    EXPECT_EQ(set.rpZone, "Asia/Kolkata");
    // Values no rule or zone has read as the defaults.
    EXPECT_EQ(loaded("[RulingPlanets]\nDayLord=5\n").dayLordRule, 0);
    EXPECT_EQ(loaded("[RP_Location]\nZone=../../etc/passwd\n").rpZone, "");

    QTemporaryDir dir;
    const QString path = dir.filePath("settings.ini");
    AppSettings s;
    s.dayLordRule = 1;
    s.rpZone = "America/New_York";
    ASSERT_TRUE(SaveSettings(s, path));
    AppSettings back;
    LoadSettings(back, path);
    EXPECT_EQ(back, s);
}
