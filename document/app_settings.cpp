#include "document/app_settings.h"

#include "document/atlas_zone_file.h"
#include "document/atomic_file.h"
#include "document/birth_data_rules.h"
#include "document/ini_file.h"
#include "document/regular_file.h"
#include "document/text_encoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>


namespace lumikan::document {

namespace {

// A value outside [0, limit) reads as 0.
int clampedFormat(int value, int limit) { return value >= 0 && value < limit ? value : 0; }

// Six decimals with a decimal point whatever the user's locale.
QString realText(double value) { return QString::number(value, 'f', 6); }

QString flagText(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

}  // namespace

void LoadSettings(AppSettings& s, const QString& path)
{
    if (path.isEmpty())
        return;
    const IniFile ini = IniFile::load(path);
    const AppSettings d;
    s.ayanamsa = ini.integer("Ayanamsa", "Ayanamsa", d.ayanamsa);
    s.customAyanamsa = ini.real("Ayanamsa", "CustomValue", d.customAyanamsa);
    if (!isCustomAyanamsaValid(s.customAyanamsa))
        s.customAyanamsa = d.customAyanamsa;
    s.dashaYear = ini.integer("Dasha", "DashaYear", d.dashaYear);
    s.mahadashaDepth = ini.integer("Mahadasha", "Mahadasha", d.mahadashaDepth);
    s.showUranus = ini.integer("DisplayPlanets", "Uranus", 1) != 0;
    s.showNeptune = ini.integer("DisplayPlanets", "Neptune", 1) != 0;
    s.showPluto = ini.integer("DisplayPlanets", "Pluto", 1) != 0;
    s.showFortuna = ini.integer("DisplayPlanets", "Fortuna", 1) != 0;
    s.showGulika = ini.integer("DisplayPlanets", "Gulika", 0) != 0;
    s.showMandi = ini.integer("DisplayPlanets", "Mandi", 0) != 0;
    s.rpCountry = toUtf8(ini.string("RP_Location", "Country"));
    s.rpState = toUtf8(ini.string("RP_Location", "State"));
    s.rpCity = toUtf8(ini.string("RP_Location", "City"));
    s.rpTimezone = toUtf8(ini.string("RP_Location", "Timezone"));
    s.rpLatitude = ini.real("RP_Location", "Latitude", d.rpLatitude);
    s.rpLongitude = ini.real("RP_Location", "Longitude", d.rpLongitude);
    s.rpTimeZoneHours = ini.real("RP_Location", "TimezoneHours", d.rpTimeZoneHours);
    // A place with any value out of range is no place: the birth place is used.
    if (!isLatitudeValid(s.rpLatitude) || !isLongitudeValid(s.rpLongitude) ||
        !isTimeZoneValid(s.rpTimeZoneHours)) {
        s.rpLatitude = d.rpLatitude;
        s.rpLongitude = d.rpLongitude;
        s.rpTimeZoneHours = d.rpTimeZoneHours;
    }
    s.rpZone = toUtf8(ini.string("RP_Location", "Zone"));
    if (!isZoneName(s.rpZone))
        s.rpZone.clear();
    s.dayLordRule = clampedFormat(ini.integer("RulingPlanets", "DayLord", d.dayLordRule), 2);
    s.planetNameFormat = clampedFormat(ini.integer("PlanetDisplay", "Format", 0), 3);
    s.nakshatraNameFormat = clampedFormat(ini.integer("PlanetDisplay", "NakshatraFormat", 0), 3);
    s.signNameFormat = clampedFormat(ini.integer("PlanetDisplay", "SignFormat", 0), 3);
    s.titleFormat = clampedFormat(ini.integer("AppSettings", "TitleFormat", 0), 5);
    s.colorTheme = clampedFormat(ini.integer("AppSettings", "ColorTheme", 0), 16);
}

bool SaveSettings(const AppSettings& s, const QString& path, QString* error)
{
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("No settings file was given.");
        return false;
    }
    // The file's other sections are kept, so a file that is there but cannot
    // be read is not replaced by one without them.
    QString unreadable;
    IniFile ini = IniFile::load(path, &unreadable);
    if (!unreadable.isEmpty()) {
        if (error)
            *error = unreadable;
        return false;
    }
    ini.setString("Ayanamsa", "Ayanamsa", QString::number(s.ayanamsa));
    ini.setString("Ayanamsa", "CustomValue", realText(s.customAyanamsa));
    ini.setString("Dasha", "DashaYear", QString::number(s.dashaYear));
    ini.setString("Mahadasha", "Mahadasha", QString::number(s.mahadashaDepth));
    ini.setString("DisplayPlanets", "Uranus", flagText(s.showUranus));
    ini.setString("DisplayPlanets", "Neptune", flagText(s.showNeptune));
    ini.setString("DisplayPlanets", "Pluto", flagText(s.showPluto));
    ini.setString("DisplayPlanets", "Fortuna", flagText(s.showFortuna));
    ini.setString("DisplayPlanets", "Gulika", flagText(s.showGulika));
    ini.setString("DisplayPlanets", "Mandi", flagText(s.showMandi));
    ini.setString("RP_Location", "Country", toQString(s.rpCountry));
    ini.setString("RP_Location", "State", toQString(s.rpState));
    ini.setString("RP_Location", "City", toQString(s.rpCity));
    ini.setString("RP_Location", "Timezone", toQString(s.rpTimezone));
    ini.setString("RP_Location", "Latitude", realText(s.rpLatitude));
    ini.setString("RP_Location", "Longitude", realText(s.rpLongitude));
    ini.setString("RP_Location", "TimezoneHours", realText(s.rpTimeZoneHours));
    ini.setString("RP_Location", "Zone", toQString(s.rpZone));
    ini.setString("RulingPlanets", "DayLord", QString::number(s.dayLordRule));
    ini.setString("PlanetDisplay", "Format", QString::number(s.planetNameFormat));
    ini.setString("PlanetDisplay", "NakshatraFormat", QString::number(s.nakshatraNameFormat));
    ini.setString("PlanetDisplay", "SignFormat", QString::number(s.signNameFormat));
    ini.setString("AppSettings", "TitleFormat", QString::number(s.titleFormat));
    ini.setString("AppSettings", "ColorTheme", QString::number(s.colorTheme));
    return ini.save(path, error);
}

QString settingsSaveFailureMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("The settings could not be saved.\n\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString ResolveSettingsPath(const QString& configFolder, const QString& programFolder)
{
    const QString beside =
        programFolder.isEmpty() ? QString() : QDir(programFolder).filePath("settings.ini");
    if (configFolder.isEmpty())
        return beside;
    const QString folder = QDir(configFolder).filePath("Lumikan");
    if (!QDir().mkpath(folder))
        return beside;
    const QString path = QDir(folder).filePath("settings.ini");
    // Seed a new user's settings once from the copy shipped with the program.
    // Only a regular file is copied: a pipe there would block the start.
    if (!QFileInfo::exists(path) && !beside.isEmpty()) {
        const FileRead seed = readRegularFile(beside, kMaxIniBytes);
        if (seed.status == FileReadStatus::Ok)
            writeFileAtomically(path, seed.bytes);
    }
    return path;
}

QString programFolder()
{
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    const QString target = exe.symLinkTarget();
    return target.isEmpty() ? QString() : QFileInfo(target).absolutePath();
}

QString ResolveSettingsPath()
{
    return ResolveSettingsPath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                               programFolder());
}

}  // namespace lumikan::document
