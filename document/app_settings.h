#pragma once

#include <QString>

#include <string>

namespace lumikan::document {

// The user's preferences. A freshly constructed AppSettings holds the defaults.
struct AppSettings {
    int ayanamsa = 3;  // AyanamsaMode; values outside 0..4 are used as 3
    double customAyanamsa = 0.0;
    int dashaYear = 1;       // 0: 360 days, 1: 365.25 days, 2: 327.85 days
    int mahadashaDepth = 3;  // dasha levels shown, 1..4
    bool showUranus = true;
    bool showNeptune = true;
    bool showPluto = true;
    bool showGulika = false;  // stored only; nothing computes Gulika
    bool showMandi = false;   // stored only; nothing computes Mandi
    bool showFortuna = true;
    std::string rpCountry;
    std::string rpState;
    std::string rpCity;
    std::string rpTimezone;  // the time-zone entry text chosen with the place
    double rpLatitude = 0.0;  // (0, 0) means no ruling-planet place is set
    double rpLongitude = 0.0;
    double rpTimeZoneHours = 0.0;
    // IANA zone of the ruling-planet place when it came from the atlas; its
    // offset for today's date then replaces rpTimeZoneHours. Empty otherwise.
    std::string rpZone;
    int dayLordRule = 0;          // 0 from local sunrise (KP), 1 from the UT date
    int planetNameFormat = 0;     // 0 "MON", 1 "Mon", 2 "Moon"
    int nakshatraNameFormat = 0;  // 0 capitals, 1 short, 2 full
    int signNameFormat = 0;       // 0 capitals, 1 two letters, 2 full
    int titleFormat = 0;          // 0..4
    int colorTheme = 0;           // 0..15

    bool operator==(const AppSettings&) const = default;
};

// Fills `settings` from the INI file at `path`; keys that are missing keep
// their defaults. An empty path reads nothing.
void LoadSettings(AppSettings& settings, const QString& path);

// Writes every key, keeping anything else the file holds. False when the
// path is empty or the file cannot be written; the old file is then kept and
// `error` gets the reason.
bool SaveSettings(const AppSettings& settings, const QString& path, QString* error = nullptr);

// What the user is told when the settings could not be saved.
QString settingsSaveFailureMessage(const QString& path, const QString& reason);

// Where settings.ini lives: `<configFolder>/Lumikan/settings.ini`, seeded once
// from the settings.ini in `programFolder`. Without a config folder the program
// folder's settings.ini; without either, empty (no settings file).
QString ResolveSettingsPath(const QString& configFolder, const QString& programFolder);

// The same with this user's configuration folder ($XDG_CONFIG_HOME or
// ~/.config) and the running program's folder.
QString ResolveSettingsPath();

// The folder of the running program, empty when it cannot be found.
QString programFolder();

}  // namespace lumikan::document
