#include "cli/birth_place_options.h"

#include "document/atlas_place_search.h"
#include "document/birth_data_rules.h"
#include "document/utc_offset_text.h"
#include "document/zone_resolver.h"

namespace lumikan::cli {

namespace {

std::optional<double> degrees(const Options& options, const char* name, bool latitude,
                              std::string& error)
{
    const std::string text = options.value(name).value_or("");
    const auto value = parseDouble(text);
    if (!value ||
        !(latitude ? document::isLatitudeValid(*value) : document::isLongitudeValid(*value))) {
        error = badValue(name, text,
                         latitude ? "degrees north from -90 to 90 are needed"
                                  : "degrees east from -180 to 180 are needed");
        return std::nullopt;
    }
    return value;
}

// The place: the atlas city of --place, or --lat/--lon with the texts given.
bool takePlace(const Options& options, engine::BirthDetails& birth, BirthPlace& place,
               std::string& error)
{
    if (auto text = options.value("place")) {
        for (const char* other : {"lat", "lon", "city", "state", "country"}) {
            if (options.value(other)) {
                error = std::string("give either --place or --") + other + ", not both";
                return false;
            }
        }
        const document::PlaceSearch search =
            document::searchPlace(document::AtlasDatabase::instance(), *text);
        if (search.status != document::PlaceSearchStatus::Found) {
            error = "--place: " + search.message;
            return false;
        }
        const document::AtlasPlace& found = search.places.front();
        birth.latitude = found.latitude;
        birth.longitude = found.longitude;
        birth.city = found.city;
        birth.state = found.state;
        birth.country = found.country;
        place.zone = found.zone;
        if (found.zone.empty() && !options.value("zone") && !options.value("tz") &&
            !options.has("lmt")) {
            error = "--place: " + found.zoneProblem + " Give --zone, --tz or --lmt.";
            return false;
        }
        return true;
    }
    for (const char* required : {"lat", "lon"}) {
        if (!options.value(required)) {
            error = std::string("missing --") + required + " (or --place)";
            return false;
        }
    }
    const auto lat = degrees(options, "lat", true, error);
    const auto lon = lat ? degrees(options, "lon", false, error) : std::nullopt;
    if (!lat || !lon)
        return false;
    birth.latitude = *lat;
    birth.longitude = *lon;
    birth.city = options.value("city").value_or("");
    birth.state = options.value("state").value_or("");
    birth.country = options.value("country").value_or("");
    return true;
}

} // namespace

const std::set<std::string>& placeValuedOptions()
{
    static const std::set<std::string> names = {"place", "zone", "tz", "fold", "lat", "lon"};
    return names;
}

const std::set<std::string>& placeFlagOptions()
{
    static const std::set<std::string> names = {"lmt"};
    return names;
}

std::optional<BirthPlace> resolveBirthPlace(const Options& options, engine::BirthDetails& birth,
                                            std::string& error)
{
    const int offsetOptions = int(options.value("tz").has_value()) +
                              int(options.value("zone").has_value()) + int(options.has("lmt"));
    if (offsetOptions > 1) {
        error = "--tz, --zone and --lmt each give the offset: give one of them";
        return std::nullopt;
    }
    BirthPlace place;
    if (!takePlace(options, birth, place, error))
        return std::nullopt;

    document::BirthTimeZone choice;
    choice.zone = place.zone;
    choice.longitudeDeg = birth.longitude;
    choice.localMeanTime = options.has("lmt");
    if (auto tz = options.value("tz")) {
        const auto seconds = document::parseUtcOffset(*tz);
        if (!seconds || !document::isTimeZoneValid(*seconds / 3600.0)) {
            error = badValue(
                "tz", *tz,
                "an offset east of UTC such as +05:30, -03:30 or 5.5 (-14 to 14) is needed");
            return std::nullopt;
        }
        choice.handTypedSeconds = *seconds;
    }
    if (auto zone = options.value("zone")) {
        if (!document::isZoneName(*zone) || !document::isZoneAvailable(*zone)) {
            error = badValue("zone", *zone,
                             "an IANA time zone of this computer's tz database (such as "
                             "Asia/Kolkata) is needed");
            return std::nullopt;
        }
        choice.zone = *zone;
        place.zone = *zone;
    }
    if (auto fold = options.value("fold")) {
        if (*fold != "earlier" && *fold != "later") {
            error = badValue("fold", *fold, "earlier or later is needed");
            return std::nullopt;
        }
        choice.fold =
            *fold == "earlier" ? document::FoldChoice::Earlier : document::FoldChoice::Later;
    }
    if (choice.zone.empty() && !choice.handTypedSeconds && !choice.localMeanTime) {
        error = "missing --tz (or --zone, --lmt, --place)";
        return std::nullopt;
    }

    const engine::LocalDateTime local{birth.year, birth.month,  birth.day,
                                      birth.hour, birth.minute, birth.second};
    place.offset = document::resolveBirthOffset(choice, local);
    if (!place.offset.ok()) {
        error = place.offset.problem.toStdString();
        if (place.offset.status == document::OffsetStatus::Fold)
            error += " Add --fold earlier or --fold later.";
        return std::nullopt;
    }
    birth.timeZone = place.offset.hours();
    // Decimal hours typed by hand are kept as typed, not rounded to seconds.
    if (auto tz = options.value("tz"); tz && tz->find(':') == std::string::npos) {
        if (const auto hours = parseDouble(*tz))
            birth.timeZone = *hours;
    }
    return place;
}

} // namespace lumikan::cli
