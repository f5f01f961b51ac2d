#include "cli/chart_request.h"

#include <cstdio>

namespace lumikan::cli {

namespace {

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m)
{
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

bool parseDate(const std::string& text, engine::BirthDetails& birth)
{
    int y = 0, m = 0, d = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%c", &y, &m, &d, &tail) != 3)
        return false;
    if (m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m))
        return false;
    birth.year = y;
    birth.month = m;
    birth.day = d;
    return true;
}

bool parseTime(const std::string& text, engine::BirthDetails& birth)
{
    int h = 0, mi = 0, s = 0;
    char tail = 0;
    const int n = std::sscanf(text.c_str(), "%d:%d:%d%c", &h, &mi, &s, &tail);
    if (n != 2 && n != 3)
        return false;
    if (h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59)
        return false;
    birth.hour = h;
    birth.minute = mi;
    birth.second = s;
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
        if (!v)
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

}  // namespace

const std::set<std::string>& birthValuedOptions()
{
    static const std::set<std::string> names = {"name",    "date",   "time",    "tz",
                                                "lat",     "lon",    "city",    "state",
                                                "country", "gender", "ayanamsa", "horary"};
    return names;
}

const std::set<std::string>& birthFlagOptions()
{
    static const std::set<std::string> names = {"no-uranus", "no-neptune", "no-pluto",
                                                "no-fortuna", "json"};
    return names;
}

std::optional<ChartRequest> parseChartRequest(const Options& options, std::string& error)
{
    ChartRequest request;
    engine::BirthDetails& birth = request.birth;
    for (const char* required : {"date", "time", "tz", "lat", "lon"}) {
        if (!options.value(required)) {
            error = std::string("missing --") + required;
            return std::nullopt;
        }
    }
    if (!parseDate(*options.value("date"), birth)) {
        error = "--date must be a valid date YYYY-MM-DD";
        return std::nullopt;
    }
    if (!parseTime(*options.value("time"), birth)) {
        error = "--time must be HH:MM:SS (24-hour)";
        return std::nullopt;
    }
    const auto tz = parseDouble(*options.value("tz"));
    const auto lat = parseDouble(*options.value("lat"));
    const auto lon = parseDouble(*options.value("lon"));
    if (!tz || *tz < -14.0 || *tz > 14.0) {
        error = "--tz must be hours east of UTC, -14 to 14";
        return std::nullopt;
    }
    if (!lat || *lat < -90.0 || *lat > 90.0) {
        error = "--lat must be degrees north, -90 to 90";
        return std::nullopt;
    }
    if (!lon || *lon < -180.0 || *lon > 180.0) {
        error = "--lon must be degrees east, -180 to 180";
        return std::nullopt;
    }
    birth.timeZone = *tz;
    birth.latitude = *lat;
    birth.longitude = *lon;
    birth.name = options.value("name").value_or("");
    birth.city = options.value("city").value_or("");
    birth.state = options.value("state").value_or("");
    birth.country = options.value("country").value_or("");
    if (auto g = options.value("gender"); g && !parseGender(*g, birth.gender)) {
        error = "--gender must be male, female, other or 0..3";
        return std::nullopt;
    }
    if (auto a = options.value("ayanamsa"); a && !parseAyanamsa(*a, request)) {
        error = "--ayanamsa must be lahiri, sayana, raman, kp or custom:DEGREES";
        return std::nullopt;
    }
    if (birth.city.empty())
        birth.city = "Unknown";
    if (auto h = options.value("horary")) {
        const auto n = parseInt(*h);
        if (!n || *n < 1 || *n > 249) {
            error = "--horary must be a KP horary number from 1 to 249";
            return std::nullopt;
        }
        request.horaryNumber = *n;
    }
    request.noUranus = options.has("no-uranus");
    request.noNeptune = options.has("no-neptune");
    request.noPluto = options.has("no-pluto");
    request.noFortuna = options.has("no-fortuna");
    return request;
}

void ChartRequest::applyTo(document::AppSettings& settings) const
{
    if (ayanamsa) {
        settings.ayanamsa = static_cast<int>(*ayanamsa);
        if (*ayanamsa == engine::AyanamsaMode::Custom)
            settings.customAyanamsa = customAyanamsa;
    }
    settings.showUranus = settings.showUranus && !noUranus;
    settings.showNeptune = settings.showNeptune && !noNeptune;
    settings.showPluto = settings.showPluto && !noPluto;
    settings.showFortuna = settings.showFortuna && !noFortuna;
}

document::NewChartRequest ChartRequest::newChartRequest() const
{
    document::NewChartRequest r;
    r.birth = birth;
    r.displayName = QString::fromStdString(birth.name);
    r.placeText = document::composePlaceText(birth);
    r.pending = true;
    r.chartType = horaryNumber ? document::ChartType::Horary : document::ChartType::Natal;
    r.horaryNumber = horaryNumber.value_or(1);
    return r;
}

}  // namespace lumikan::cli
