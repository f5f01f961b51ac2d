#include "cli/chart_request.h"

#include "cli/birth_place_options.h"
#include "cli/terminal_text.h"
#include "document/birth_data_rules.h"
#include "document/value_text.h"

namespace lumikan::cli {

namespace {

bool parseDate(const std::string& text, engine::BirthDetails& birth)
{
    const auto date = document::parseIsoDate(text);
    if (!date || date->year < document::kMinBirthYear || date->year > document::kMaxBirthYear)
        return false;
    birth.year = date->year;
    birth.month = date->month;
    birth.day = date->day;
    return true;
}

bool parseTime(const std::string& text, engine::BirthDetails& birth)
{
    const auto time = document::parseClockTime(text);
    if (!time)
        return false;
    birth.hour = time->hour;
    birth.minute = time->minute;
    birth.second = time->second;
    return true;
}

bool parseAyanamsa(const std::string& text, ChartRequest& request)
{
    using engine::AyanamsaMode;
    if (text == "lahiri")
        request.ayanamsa = AyanamsaMode::Lahiri;
    else if (text == "sayana")
        request.ayanamsa = AyanamsaMode::Sayana;
    else if (text == "raman")
        request.ayanamsa = AyanamsaMode::Raman;
    else if (text == "kp" || text == "krishnamurti")
        request.ayanamsa = AyanamsaMode::Krishnamurti;
    else if (text.rfind("custom:", 0) == 0) {
        const auto v = parseDouble(text.substr(7));
        if (!v || !document::isCustomAyanamsaValid(*v))
            return false;
        request.ayanamsa = AyanamsaMode::Custom;
        request.customAyanamsa = *v;
    } else
        return false;
    return true;
}

bool parseGender(const std::string& text, int& gender)
{
    if (text == "male" || text == "m")
        gender = 0;
    else if (text == "female" || text == "f")
        gender = 1;
    else if (text == "other")
        gender = 2;
    else if (auto g = parseInt(text); g && *g >= 0 && *g <= 3)
        gender = *g;
    else
        return false;
    return true;
}

} // namespace

bool parseChartKind(const Options& options, ChartRequest& request, std::string& error)
{
    if (auto a = options.value("ayanamsa"); a && !parseAyanamsa(*a, request)) {
        error = badValue("ayanamsa", *a,
                         "lahiri, sayana, raman, kp or custom:DEGREES (-60 to 60) is needed");
        return false;
    }
    if (auto h = options.value("horary")) {
        const auto n = parseInt(*h);
        if (!n || *n < 1 || *n > document::kMaxHoraryNumber) {
            error = badValue("horary", *h, "a KP horary number from 1 to 249 is needed");
            return false;
        }
        request.horaryNumber = *n;
    }
    request.noUranus = options.has("no-uranus");
    request.noNeptune = options.has("no-neptune");
    request.noPluto = options.has("no-pluto");
    request.noFortuna = options.has("no-fortuna");
    return true;
}

std::optional<ChartRequest> parseChartRequest(const Options& options, std::string& error)
{
    ChartRequest request;
    engine::BirthDetails& birth = request.birth;
    for (const char* required : {"date", "time"}) {
        if (!options.value(required)) {
            error = std::string("missing --") + required;
            return std::nullopt;
        }
    }
    const std::string date = *options.value("date");
    if (!parseDate(date, birth)) {
        error = badValue("date", date, "a date YYYY-MM-DD from 1800-01-01 to 2100-12-31 is needed");
        return std::nullopt;
    }
    const std::string time = *options.value("time");
    if (!parseTime(time, birth)) {
        error = badValue("time", time, "a time HH:MM:SS on the 24-hour clock is needed");
        return std::nullopt;
    }
    for (const char* text : {"name", "city", "state", "country", "notes"}) {
        if (auto v = options.value(text); v && !document::isValidUtf8(*v)) {
            error = badValue(text, *v, "the text is not valid UTF-8");
            return std::nullopt;
        }
    }
    const std::optional<BirthPlace> place = resolveBirthPlace(options, birth, error);
    if (!place)
        return std::nullopt;
    request.zone = place->zone;
    request.offset = place->offset;
    birth.name = options.value("name").value_or("");
    if (auto g = options.value("gender"); g && !parseGender(*g, birth.gender)) {
        error = badValue("gender", *g, "male, female, other or 0..3 is needed");
        return std::nullopt;
    }
    if (!parseChartKind(options, request, error))
        return std::nullopt;
    if (birth.city.empty())
        birth.city = "Unknown";
    return request;
}

void ChartRequest::applyTo(document::ChartOptionOverrides& overrides) const
{
    if (ayanamsa) {
        overrides.ayanamsa = *ayanamsa;
        if (*ayanamsa == engine::AyanamsaMode::Custom)
            overrides.customAyanamsaDeg = customAyanamsa;
    }
    overrides.noUranus = noUranus;
    overrides.noNeptune = noNeptune;
    overrides.noPluto = noPluto;
    overrides.noFortuna = noFortuna;
}

document::ChartDescription ChartRequest::description() const
{
    document::ChartDescription d = document::describeChart(
        birth, horaryNumber ? document::ChartType::Horary : document::ChartType::Natal,
        horaryNumber.value_or(1));
    d.zone = zone;
    d.offsetSource = offset.source;
    d.offsetDescription = offset.description;
    return d;
}

} // namespace lumikan::cli
