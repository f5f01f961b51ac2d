#include "cli/moment_place.h"

#include "document/birth_data_rules.h"
#include "document/value_text.h"

#include <cstdio>

namespace lumikan::cli {

const std::set<std::string>& momentPlaceOptions()
{
    static const std::set<std::string> names = {"lat", "lon", "tz"};
    return names;
}

std::optional<PlaceAndOffset> placeFromOptions(const Options& options,
                                               const std::optional<PlaceAndOffset>& fallback,
                                               std::string& error)
{
    const auto lat = options.value("lat");
    const auto lon = options.value("lon");
    const auto tz = options.value("tz");
    if (!lat && !lon && !tz) {
        if (!fallback)
            error = "a place is needed: --lat D --lon D --tz H";
        return fallback;
    }
    const auto latitude = parseDouble(lat.value_or(""));
    const auto longitude = parseDouble(lon.value_or(""));
    const auto offset = parseDouble(tz.value_or(""));
    if (!latitude || !longitude || !offset || !document::isLatitudeValid(*latitude) ||
        !document::isLongitudeValid(*longitude) || !document::isTimeZoneValid(*offset)) {
        error = "--lat, --lon and --tz go together: degrees north, degrees east, hours east of UTC";
        return std::nullopt;
    }
    return PlaceAndOffset{*latitude, *longitude, *offset};
}

std::optional<engine::LocalDateTime> parseLocalMoment(const std::string& text)
{
    if (text.size() != 19 || (text[10] != 'T' && text[10] != ' '))
        return std::nullopt;
    const auto date = document::parseIsoDate(text.substr(0, 10));
    const auto time = document::parseClockTime(text.substr(11));
    if (!date || !time)
        return std::nullopt;
    return engine::LocalDateTime{date->year, date->month,  date->day,
                                 time->hour, time->minute, time->second};
}

std::string momentText(const engine::LocalDateTime& t)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

std::string dateText(const engine::LocalDateTime& t)
{
    return momentText(t).substr(0, 10);
}

} // namespace lumikan::cli
