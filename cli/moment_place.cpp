#include "cli/moment_place.h"

#include "cli/birth_place_options.h"

#include "document/birth_data_rules.h"
#include "document/value_text.h"

#include <cstdio>

namespace lumikan::cli {

std::optional<PlaceAndOffset> placeFromOptions(const Options& options,
                                               const engine::LocalDateTime& local,
                                               const std::optional<PlaceAndOffset>& fallback,
                                               std::string& error)
{
    bool given = false;
    for (const std::string& name : placeValuedOptions())
        given = given || options.value(name).has_value();
    for (const std::string& name : placeFlagOptions())
        given = given || options.has(name);
    if (!given) {
        if (!fallback)
            error = "a place is needed: --place P, or --lat D --lon D with --tz H or --zone Z";
        return fallback;
    }
    engine::BirthDetails moment;
    moment.year = local.year;
    moment.month = local.month;
    moment.day = local.day;
    moment.hour = local.hour;
    moment.minute = local.minute;
    moment.second = local.second;
    const auto place = resolveBirthPlace(options, moment, error);
    if (!place)
        return std::nullopt;
    return PlaceAndOffset{moment.latitude, moment.longitude, place->offset.hours()};
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
