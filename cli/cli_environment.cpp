#include "cli/cli_environment.h"

#include <QDateTime>

#include <cmath>
#include <cstdio>

namespace lumikan::cli {

document::ChartEnvironment CliEnvironment::chartEnvironment()
{
    document::ChartEnvironment env;
    env.settings = &settings;
    env.request = &request;
    env.messages = &messages;
    env.clock = [this] { return now; };
    return env;
}

std::unique_ptr<document::CVerokantDoc> CliEnvironment::newDocument()
{
    return std::make_unique<document::CVerokantDoc>(chartEnvironment());
}

const std::set<std::string>& environmentValuedOptions()
{
    static const std::set<std::string> names = {"settings", "today",   "now",   "depth",
                                                "dasha-year", "rp-lat", "rp-lon", "rp-tz"};
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
        document::LoadSettings(environment.settings, QString::fromStdString(*path));
    } else if (!options.has("defaults")) {
        document::LoadSettings(environment.settings, document::ResolveSettingsPath());
    }

    document::AppSettings& s = environment.settings;
    if (auto v = options.value("depth")) {
        const auto depth = parseInt(*v);
        if (!depth || *depth < 1 || *depth > 4) {
            error = "--depth must be 1 to 4";
            return false;
        }
        s.mahadashaDepth = *depth;
    }
    if (auto v = options.value("dasha-year")) {
        const auto year = parseInt(*v);
        if (!year || *year < 0 || *year > 2) {
            error = "--dasha-year must be 0 (360 days), 1 (365.25 days) or 2 (327.85 days)";
            return false;
        }
        s.dashaYear = *year;
    }
    const auto rpLat = options.value("rp-lat");
    const auto rpLon = options.value("rp-lon");
    const auto rpTz = options.value("rp-tz");
    if (rpLat || rpLon || rpTz) {
        const auto lat = parseDouble(rpLat.value_or(""));
        const auto lon = parseDouble(rpLon.value_or(""));
        const auto tz = parseDouble(rpTz.value_or(""));
        if (!lat || !lon || !tz || std::fabs(*lat) > 90 || std::fabs(*lon) > 180 ||
            std::fabs(*tz) > 14) {
            error = "--rp-lat, --rp-lon and --rp-tz go together: degrees north, degrees east, "
                    "hours east of UTC";
            return false;
        }
        s.rpLatitude = *lat;
        s.rpLongitude = *lon;
        s.rpTimeZoneHours = *tz;
    }

    const QDateTime current = QDateTime::currentDateTime();
    engine::LocalDateTime& now = environment.now;
    now = {current.date().year(), current.date().month(), current.date().day(),
           current.time().hour(), current.time().minute(), current.time().second()};
    if (auto today = options.value("today")) {
        const QDate date = QDate::fromString(QString::fromStdString(*today), Qt::ISODate);
        if (!date.isValid()) {
            error = "--today must be a valid date YYYY-MM-DD";
            return false;
        }
        now.year = date.year();
        now.month = date.month();
        now.day = date.day();
    }
    if (auto time = options.value("now")) {
        int h = 0, m = 0, s = 0;
        char tail = 0;
        const int n = std::sscanf(time->c_str(), "%d:%d:%d%c", &h, &m, &s, &tail);
        if ((n != 2 && n != 3) || h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) {
            error = "--now must be HH:MM:SS";
            return false;
        }
        now.hour = h;
        now.minute = m;
        now.second = n == 3 ? s : 0;
    }
    return true;
}

}  // namespace lumikan::cli
