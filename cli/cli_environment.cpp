#include "cli/cli_environment.h"
#include "document/local_clock.h"

#include "document/birth_data_rules.h"
#include "document/utc_offset_text.h"
#include "document/value_text.h"

#include <QDateTime>
#include <QFileInfo>

namespace lumikan::cli {

document::ChartEnvironment CliEnvironment::chartEnvironment()
{
    document::ChartEnvironment env;
    env.settings = &settings;
    env.messages = &messages;
    env.overrides = overrides;
    env.clock = [this] { return now; };
    return env;
}

std::unique_ptr<document::CVerokantDoc> CliEnvironment::newDocument()
{
    return std::make_unique<document::CVerokantDoc>(chartEnvironment());
}

const std::set<std::string>& environmentValuedOptions()
{
    static const std::set<std::string> names = {
        "settings", "today", "now", "depth", "dasha-year", "rp-lat", "rp-lon", "rp-tz", "day-lord"};
    return names;
}

const std::set<std::string>& environmentFlagOptions()
{
    static const std::set<std::string> names = {"defaults"};
    return names;
}

bool loadEnvironment(const Options& options, CliEnvironment& environment, std::string& error)
{
    if (auto path = options.value("settings")) {
        // A settings file asked for by name must be there: silently casting
        // with the defaults instead would give other charts than intended.
        const QFileInfo file(QString::fromStdString(*path));
        if (!file.isFile() || !file.isReadable()) {
            error = badValue("settings", *path,
                             file.exists() ? "not a readable settings file" : "no such file");
            return false;
        }
        document::LoadSettings(environment.settings, file.filePath());
    } else if (!options.has("defaults")) {
        document::LoadSettings(environment.settings, document::ResolveSettingsPath());
    }

    document::ChartOptionOverrides& o = environment.overrides;
    if (auto v = options.value("depth")) {
        const auto depth = parseInt(*v);
        if (!depth || *depth < 1 || *depth > 4) {
            error = badValue("depth", *v, "a dasha depth from 1 to 4 is needed");
            return false;
        }
        o.dashaDepth = *depth;
    }
    if (auto v = options.value("dasha-year")) {
        const auto year = parseInt(*v);
        if (!year || *year < 0 || *year > 2) {
            error = badValue("dasha-year", *v,
                             "0 (360 days), 1 (365.25 days) or 2 (327.85 days) is needed");
            return false;
        }
        o.dashaYear = *year;
    }
    if (auto v = options.value("day-lord")) {
        if (*v != "sunrise" && *v != "ut") {
            error =
                badValue("day-lord", *v,
                         "sunrise (the KP day from local sunrise) or ut (the UT date) is needed");
            return false;
        }
        o.dayLordRule =
            *v == "sunrise" ? engine::DayLordRule::LocalSunrise : engine::DayLordRule::UtDate;
    }
    const auto rpLat = options.value("rp-lat");
    const auto rpLon = options.value("rp-lon");
    const auto rpTz = options.value("rp-tz");
    if (rpLat || rpLon || rpTz) {
        const auto lat = parseDouble(rpLat.value_or(""));
        const auto lon = parseDouble(rpLon.value_or(""));
        std::optional<double> tz = parseDouble(rpTz.value_or(""));
        if (!tz) {
            if (const auto seconds = document::parseUtcOffset(rpTz.value_or("")))
                tz = *seconds / 3600.0;
        }
        if (!lat || !lon || !tz || !document::isLatitudeValid(*lat) ||
            !document::isLongitudeValid(*lon) || !document::isTimeZoneValid(*tz)) {
            error = "--rp-lat, --rp-lon and --rp-tz go together: degrees north, degrees east, "
                    "hours east of UTC";
            return false;
        }
        o.rulingPlace = engine::RulingPlace{*lat, *lon, *tz};
    }

    engine::LocalDateTime& now = environment.now;
    now = document::systemNow();
    if (auto today = options.value("today")) {
        const auto date = document::parseIsoDate(*today);
        if (!date || date->year < document::kMinBirthYear || date->year > document::kMaxBirthYear) {
            error = badValue("today", *today,
                             "a date YYYY-MM-DD from 1800-01-01 to 2100-12-31 is needed");
            return false;
        }
        now.year = date->year;
        now.month = date->month;
        now.day = date->day;
    }
    if (auto time = options.value("now")) {
        const auto clock = document::parseClockTime(*time);
        if (!clock) {
            error = badValue("now", *time, "a time HH:MM:SS on the 24-hour clock is needed");
            return false;
        }
        now.hour = clock->hour;
        now.minute = clock->minute;
        now.second = clock->second;
    }
    return true;
}

}  // namespace lumikan::cli
