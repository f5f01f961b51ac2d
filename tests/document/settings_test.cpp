#include "document/app_settings.h"
#include "document/ini_file.h"

#include <QDir>
#include <QFile>
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
