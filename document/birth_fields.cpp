#include "document/birth_fields.h"

#include "document/birth_data_rules.h"
#include "document/chart_description.h"
#include "document/text_encoding.h"
#include "document/value_text.h"

namespace lumikan::document {

namespace {

// Values longer than this are shown shortened in messages.
constexpr std::size_t kShownValueBytes = 60;

std::string twoDigits(int value)
{
    return std::string(1, char('0' + value / 10 % 10)) + char('0' + value % 10);
}

} // namespace

const std::vector<std::string_view>& birthFieldNames()
{
    static const std::vector<std::string_view> names = {
        "name", "date", "time", "tz", "lat", "lon", "city", "state", "country", "gender", "notes"};
    return names;
}

std::string badFieldValue(std::string_view namePrefix, std::string_view name,
                          std::string_view value, std::string_view need)
{
    std::string shown(value.substr(0, kShownValueBytes));
    if (value.size() > kShownValueBytes) {
        // Cut at a character boundary.
        while (!shown.empty() && (static_cast<unsigned char>(shown.back()) & 0xC0) == 0x80)
            shown.pop_back();
        if (!shown.empty() && static_cast<unsigned char>(shown.back()) >= 0xC0)
            shown.pop_back();
        shown += "\u2026";
    }
    return std::string(namePrefix) + std::string(name) + " \"" + shown + "\": " + std::string(need);
}

std::optional<int> genderFromText(std::string_view text)
{
    if (text == "male" || text == "m" || text == "0")
        return 0;
    if (text == "female" || text == "f" || text == "1")
        return 1;
    if (text == "other" || text == "2")
        return 2;
    if (text.empty() || text == "3")
        return 3;
    return std::nullopt;
}

std::string_view genderText(int gender)
{
    switch (gender) {
    case 0:
        return "male";
    case 1:
        return "female";
    case 2:
        return "other";
    default:
        return "";
    }
}

BirthFromFields birthFromFields(const FieldLookup& field, std::string_view namePrefix)
{
    BirthFromFields result;
    auto fail = [&](std::string_view name, std::string_view value, std::string_view need) {
        result.error = badFieldValue(namePrefix, name, value, need);
        return result;
    };
    for (const char* required : {"date", "time", "tz", "lat", "lon"}) {
        if (!field(required)) {
            result.error = "missing " + std::string(namePrefix) + required;
            return result;
        }
    }
    for (std::string_view name : birthFieldNames()) {
        if (const auto text = field(name); text && !isValidUtf8(*text))
            return fail(name, *text, "the text is not valid UTF-8");
    }

    ChartFileData chart;
    engine::BirthDetails& birth = chart.birth;
    const std::string date = *field("date");
    const auto day = parseIsoDate(date);
    if (!day || day->year < kMinBirthYear || day->year > kMaxBirthYear)
        return fail("date", date, "a date YYYY-MM-DD from 1800-01-01 to 2100-12-31 is needed");
    const std::string time = *field("time");
    const auto clock = parseClockTime(time);
    if (!clock)
        return fail("time", time, "a time HH:MM:SS on the 24-hour clock is needed");
    const std::string tzText = *field("tz");
    const auto tz = parseDecimal(tzText);
    if (!tz || !isTimeZoneValid(*tz))
        return fail("tz", tzText, "hours east of UTC from -14 to 14 are needed");
    const std::string latText = *field("lat");
    const auto lat = parseDecimal(latText);
    if (!lat || !isLatitudeValid(*lat))
        return fail("lat", latText, "degrees north from -90 to 90 are needed");
    const std::string lonText = *field("lon");
    const auto lon = parseDecimal(lonText);
    if (!lon || !isLongitudeValid(*lon))
        return fail("lon", lonText, "degrees east from -180 to 180 are needed");
    const std::string genderValue = field("gender").value_or("");
    const auto gender = genderFromText(genderValue);
    if (!gender)
        return fail("gender", genderValue, "male, female, other or 0..3 is needed");

    birth.year = day->year;
    birth.month = day->month;
    birth.day = day->day;
    birth.hour = clock->hour;
    birth.minute = clock->minute;
    birth.second = clock->second;
    birth.timeZone = *tz;
    birth.latitude = *lat;
    birth.longitude = *lon;
    birth.gender = *gender;
    birth.name = field("name").value_or("");
    birth.city = field("city").value_or("");
    birth.state = field("state").value_or("");
    birth.country = field("country").value_or("");
    if (birth.city.empty())
        birth.city = "Unknown";
    chart.displayName = toQString(birth.name);
    chart.placeText = composePlaceText(birth);
    chart.notes = toQString(field("notes").value_or(""));
    result.chart = std::move(chart);
    return result;
}

std::vector<Field> fieldsOfChart(const ChartFileData& chart)
{
    const engine::BirthDetails& b = chart.birth;
    const std::string year = std::to_string(b.year);
    return {
        {"name", toUtf8(chart.displayName)},
        {"date", std::string(4 - std::min<std::size_t>(4, year.size()), '0') + year + "-" +
                     twoDigits(b.month) + "-" + twoDigits(b.day)},
        {"time", twoDigits(b.hour) + ":" + twoDigits(b.minute) + ":" + twoDigits(b.second)},
        {"tz", formatDecimal(b.timeZone), true},
        {"lat", formatDecimal(b.latitude), true},
        {"lon", formatDecimal(b.longitude), true},
        {"city", b.city},
        {"state", b.state},
        {"country", b.country},
        {"gender", std::string(genderText(b.gender))},
        {"notes", toUtf8(chart.notes)},
    };
}

} // namespace lumikan::document
