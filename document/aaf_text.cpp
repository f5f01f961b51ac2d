#include "document/aaf_text.h"

#include "document/birth_data_rules.h"
#include "document/chart_description.h"
#include "document/text_encoding.h"
#include "engine/chart_computation.h"

#include <QDateTime>
#include <QTimeZone>

#include <cctype>
#include <cmath>
#include <cstdio>

namespace lumikan::document {

namespace {

// The Julian day is written with five decimals (under half a second); a
// larger difference from the local date and time is a real disagreement.
constexpr double kAgreeingSeconds = 2.0;
constexpr double kUnixEpochJulianDay = 2440587.5;

struct Chunk {
    std::string id; // "A93", "B93", "COM", ...
    std::string content;
    int line = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::vector<std::string> splitFields(const std::string& content)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = content.find(',', start);
        fields.push_back(trimmed(std::string_view(content).substr(start, comma - start)));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

bool isUnknown(const std::string& field)
{
    return field.empty() || field == "*";
}

// A run of 1..maxDigits digits at `pos`, advancing it.
std::optional<int> digits(std::string_view text, std::size_t& pos, std::size_t maxDigits)
{
    std::size_t n = 0;
    int value = 0;
    while (pos + n < text.size() && isDigit(text[pos + n]) && n < maxDigits)
        value = value * 10 + (text[pos + n++] - '0');
    if (n == 0 || (pos + n < text.size() && isDigit(text[pos + n])))
        return std::nullopt;
    pos += n;
    return value;
}

bool skip(std::string_view text, std::size_t& pos, char c)
{
    if (pos < text.size() && lower(text[pos]) == c) {
        ++pos;
        return true;
    }
    return false;
}

struct CalendarDateParts {
    int year = 0, month = 0, day = 0;
};

// "27.9.1970"
std::optional<CalendarDateParts> parseDate(std::string_view text)
{
    std::size_t pos = 0;
    const auto d = digits(text, pos, 2);
    if (!d || !skip(text, pos, '.'))
        return std::nullopt;
    const auto m = digits(text, pos, 2);
    if (!m || !skip(text, pos, '.'))
        return std::nullopt;
    const auto y = digits(text, pos, 4);
    if (!y || pos != text.size() || *y < kMinBirthYear || *y > kMaxBirthYear || *m < 1 || *m > 12 ||
        *d < 1 || *d > daysInMonth(*m, *y))
        return std::nullopt;
    return CalendarDateParts{*y, *m, *d};
}

struct TimeParts {
    int hour = 0, minute = 0, second = 0;
};

// "11:04", "11:04:27", and "1.10" as some writers put 1:10.
std::optional<TimeParts> parseTime(std::string_view text)
{
    std::size_t pos = 0;
    const auto h = digits(text, pos, 2);
    if (!h || pos >= text.size() || (text[pos] != ':' && text[pos] != '.'))
        return std::nullopt;
    const char separator = text[pos++];
    const auto m = digits(text, pos, 2);
    if (!m)
        return std::nullopt;
    int s = 0;
    if (pos < text.size()) {
        if (text[pos] != separator)
            return std::nullopt;
        ++pos;
        const auto seconds = digits(text, pos, 2);
        if (!seconds)
            return std::nullopt;
        s = *seconds;
    }
    if (pos != text.size() || *h > 23 || *m > 59 || s > 59)
        return std::nullopt;
    return TimeParts{*h, *m, s};
}

// "49n05", "33s52", "8e11", "122w25:30": degrees, hemisphere, minutes[:seconds].
std::optional<double> parseAngle(std::string_view text, char positive, char negative,
                                 int maxDegrees)
{
    std::size_t pos = 0;
    const auto degrees = digits(text, pos, 3);
    if (!degrees || pos >= text.size())
        return std::nullopt;
    const char hemisphere = lower(text[pos++]);
    if (hemisphere != positive && hemisphere != negative)
        return std::nullopt;
    const auto minutes = digits(text, pos, 2);
    if (!minutes)
        return std::nullopt;
    int seconds = 0;
    if (skip(text, pos, ':')) {
        const auto s = digits(text, pos, 2);
        if (!s)
            return std::nullopt;
        seconds = *s;
    }
    if (pos != text.size() || *minutes > 59 || seconds > 59)
        return std::nullopt;
    const double value = *degrees + *minutes / 60.0 + seconds / 3600.0;
    if (value > maxDegrees)
        return std::nullopt;
    return hemisphere == negative ? -value : value;
}

// The zone's difference from UT in hours east: "1he00", "5h30e", "10hw00",
// "0e21:48" (hours, direction, minutes[:seconds]).
std::optional<double> parseZone(std::string_view text)
{
    std::size_t pos = 0;
    const auto hours = digits(text, pos, 2);
    if (!hours)
        return std::nullopt;
    skip(text, pos, 'h');
    int sign = 0;
    if (skip(text, pos, 'e'))
        sign = 1;
    else if (skip(text, pos, 'w'))
        sign = -1;
    const auto minutes = digits(text, pos, 2);
    if (!minutes)
        return std::nullopt;
    int seconds = 0;
    if (skip(text, pos, ':')) {
        const auto s = digits(text, pos, 2);
        if (!s)
            return std::nullopt;
        seconds = *s;
    }
    if (sign == 0) {
        if (skip(text, pos, 'e'))
            sign = 1;
        else if (skip(text, pos, 'w'))
            sign = -1;
    }
    if (sign == 0 || pos != text.size() || *minutes > 59 || seconds > 59)
        return std::nullopt;
    return sign * (*hours + *minutes / 60.0 + seconds / 3600.0);
}

// Seconds from 1970-01-01 00:00:00 of a civil date and time read as UT.
qint64 civilSeconds(int year, int month, int day, int hour, int minute, int second)
{
    const QDateTime t(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc());
    return t.toSecsSinceEpoch();
}

// The local date and time of a UT Julian day under an offset, to the second.
void setLocalTime(engine::BirthDetails& birth, double julianDayUt, double offsetHours)
{
    const qint64 seconds =
        std::llround((julianDayUt - kUnixEpochJulianDay) * 86400.0 + offsetHours * 3600.0);
    const QDateTime t = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc());
    birth.year = t.date().year();
    birth.month = t.date().month();
    birth.day = t.date().day();
    birth.hour = t.time().hour();
    birth.minute = t.time().minute();
    birth.second = t.time().second();
}

std::string quotedField(const std::string& field)
{
    return "\"" + field + "\"";
}

AafRecord readRecord(const std::vector<Chunk>& chunks)
{
    AafRecord record;
    record.line = chunks.front().line;
    auto fail = [&](std::string error) {
        record.error = std::move(error);
        return record;
    };

    std::vector<std::string> a = splitFields(chunks.front().content);
    if (a.size() > 7)
        return fail("#A93 has " + std::to_string(a.size()) +
                    " fields where 7 are expected (a comma inside a name?)");
    a.resize(7, "*");
    const Chunk* b93 = nullptr;
    std::string notes;
    for (const Chunk& chunk : chunks) {
        if (chunk.id == "B93" && !b93)
            b93 = &chunk;
        if (chunk.id == "COM") {
            if (!notes.empty())
                notes += '\n';
            notes += trimmed(chunk.content);
        }
    }
    if (!b93)
        return fail("no #B93 line: the coordinates and the zone are unknown");
    std::vector<std::string> b = splitFields(b93->content);
    if (b.size() > 5)
        return fail("#B93 has " + std::to_string(b.size()) + " fields where 5 are expected");
    b.resize(5, "*");

    ChartFileData chart;
    engine::BirthDetails& birth = chart.birth;
    const std::string last = isUnknown(a[0]) ? "" : a[0];
    const std::string first = isUnknown(a[1]) ? "" : a[1];
    birth.name = first.empty() ? last : last.empty() ? first : first + " " + last;
    const std::string type = a[2].size() == 1 ? std::string(1, lower(a[2][0])) : a[2];
    birth.gender = type == "m"                      ? 0
                   : type == "f" || type == "w"     ? 1
                   : isUnknown(type) || type == "e" ? 3
                                                    : 2;

    std::optional<CalendarDateParts> date;
    if (!isUnknown(a[3]) && !(date = parseDate(a[3])))
        return fail("date " + quotedField(a[3]) + ": a date d.m.yyyy from 1800 to 2100 is needed");
    std::optional<TimeParts> time;
    if (!isUnknown(a[4]) && !(time = parseTime(a[4])))
        return fail("time " + quotedField(a[4]) + ": a time h:mm or h:mm:ss is needed");

    std::optional<double> julianDay;
    if (!isUnknown(b[0])) {
        bool ok = false;
        const double value = QString::fromStdString(b[0]).toDouble(&ok);
        if (!ok || !std::isfinite(value) || value < 2378495.5 || value > 2488435.5)
            return fail("Julian day " + quotedField(b[0]) +
                        ": a Julian day of 1800 to 2100 is needed");
        julianDay = value;
    }
    const auto latitude = parseAngle(b[1], 'n', 's', 90);
    if (!latitude)
        return fail("latitude " + quotedField(b[1]) +
                    ": degrees, n or s, minutes is needed (49n05)");
    const auto longitude = parseAngle(b[2], 'e', 'w', 180);
    if (!longitude)
        return fail("longitude " + quotedField(b[2]) +
                    ": degrees, e or w, minutes is needed (8e11)");
    std::optional<double> offset;
    if (!isUnknown(b[3]) && !(offset = parseZone(b[3])))
        return fail("zone " + quotedField(b[3]) + ": hours, h, e or w, minutes is needed (1he00)");
    if (offset && !isUnknown(b[4])) {
        // Summer time in hours; a letter (L for local mean time) adds nothing.
        bool ok = false;
        const double summer = QString::fromStdString(b[4]).toDouble(&ok);
        if (ok && std::isfinite(summer))
            *offset += summer;
        else if (!(b[4].size() == 1 && std::isalpha(static_cast<unsigned char>(b[4][0]))))
            return fail("summer time " + quotedField(b[4]) + ": hours or a letter is needed");
    }

    birth.latitude = *latitude;
    birth.longitude = *longitude;
    if (date && time) {
        birth.year = date->year;
        birth.month = date->month;
        birth.day = date->day;
        birth.hour = time->hour;
        birth.minute = time->minute;
        birth.second = time->second;
        if (!offset && julianDay) {
            // The offset is what lies between the local clock and the moment.
            const qint64 local = civilSeconds(birth.year, birth.month, birth.day, birth.hour,
                                              birth.minute, birth.second);
            const double ut = (*julianDay - kUnixEpochJulianDay) * 86400.0;
            offset = std::round(double(local) - ut) / 3600.0;
        }
        if (!offset)
            return fail("the zone's difference from UT is unknown");
        birth.timeZone = *offset;
        if (julianDay &&
            std::fabs(engine::birthJulianDayUt(birth) - *julianDay) * 86400.0 > kAgreeingSeconds)
            setLocalTime(birth, *julianDay, *offset);
    } else if (julianDay && offset) {
        birth.timeZone = *offset;
        setLocalTime(birth, *julianDay, *offset);
    } else {
        return fail(date ? "the time is unknown" : "the date is unknown");
    }
    if (!isTimeZoneValid(birth.timeZone))
        return fail("the zone's difference from UT is beyond 14 hours");

    const std::string place = isUnknown(a[5]) ? "" : a[5];
    const std::size_t slash = place.rfind('/');
    birth.city = trimmed(place.substr(0, slash));
    birth.state = slash == std::string::npos ? "" : trimmed(place.substr(slash + 1));
    if (birth.city.empty())
        birth.city = "Unknown";
    birth.country = isUnknown(a[6]) ? "" : a[6];
    if (const auto problem = birthDetailsProblem(birth))
        return fail(*problem);

    chart.displayName = toQString(birth.name);
    chart.placeText = composePlaceText(birth);
    chart.notes = toQString(notes);
    record.chart = std::move(chart);
    return record;
}

// A field as AAF allows it: no comma, no line break, "*" when empty.
std::string aafField(std::string_view text)
{
    std::string field;
    for (char c : text)
        field += c == ',' ? ';' : (c == '\r' || c == '\n') ? ' ' : c;
    field = trimmed(field);
    return field.empty() ? "*" : field;
}

std::string angleText(double value, char positive, char negative)
{
    const long long total = std::llround(std::fabs(value) * 3600.0);
    char text[32];
    std::snprintf(text, sizeof text, "%lld%c%02lld", total / 3600, value < 0 ? negative : positive,
                  total / 60 % 60);
    std::string out = text;
    if (total % 60 != 0) {
        std::snprintf(text, sizeof text, ":%02lld", total % 60);
        out += text;
    }
    return out;
}

std::string zoneText(double hours)
{
    const long long total = std::llround(std::fabs(hours) * 3600.0);
    const char direction = hours < 0 ? 'w' : 'e';
    char text[32];
    if (total % 60 == 0)
        std::snprintf(text, sizeof text, "%lldh%c%02lld", total / 3600, direction, total / 60 % 60);
    else
        std::snprintf(text, sizeof text, "%lld%c%02lld:%02lld", total / 3600, direction,
                      total / 60 % 60, total % 60);
    return text;
}

} // namespace

std::vector<AafRecord> readAaf(const QString& text)
{
    // Chunks by record: each "#A93:" starts one.
    std::vector<std::vector<Chunk>> records;
    Chunk* open = nullptr;
    int number = 0;
    // Lines end in LF, CR LF, or CR alone as old Macintosh files have them.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QStringView lineView : QStringView(lines).split(QLatin1Char('\n'))) {
        ++number;
        const std::string line = lineView.toString().toStdString();
        if (line.empty())
            continue;
        if (line.front() != '#') {
            if (open)
                open->content += line; // a chunk broken across lines
            continue;
        }
        const std::size_t colon = line.find(':');
        std::string id = line.substr(1, colon == std::string::npos ? 0 : colon - 1);
        for (char& c : id)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (colon == std::string::npos || id.empty()) {
            open = nullptr; // a comment, or no chunk at all
            continue;
        }
        if (id == "A93")
            records.emplace_back();
        if (records.empty()) {
            open = nullptr;
            continue;
        }
        records.back().push_back({id, line.substr(colon + 1), number});
        open = &records.back().back();
    }
    std::vector<AafRecord> read;
    read.reserve(records.size());
    for (const std::vector<Chunk>& chunks : records)
        read.push_back(readRecord(chunks));
    return read;
}

std::string writeAaf(const std::vector<ChartFileData>& charts)
{
    std::string out;
    for (const ChartFileData& chart : charts) {
        const engine::BirthDetails& b = chart.birth;
        std::string name = trimmed(toUtf8(chart.displayName));
        const std::size_t space = name.rfind(' ');
        const std::string last =
            aafField(space == std::string::npos ? name : name.substr(space + 1));
        const std::string first =
            aafField(space == std::string::npos ? std::string() : name.substr(0, space));
        static constexpr const char* kTypes[] = {"m", "f", "o", "*"};
        const char* type = b.gender >= 0 && b.gender <= 3 ? kTypes[b.gender] : "*";
        std::string place = b.city == "Unknown" ? std::string() : b.city;
        if (!b.state.empty())
            place += "/" + b.state;

        char when[64];
        std::snprintf(when, sizeof when, "%d.%d.%04d,%d:%02d", b.day, b.month, b.year, b.hour,
                      b.minute);
        out += "\n#A93:" + last + "," + first + "," + type + "," + when;
        if (b.second != 0) {
            std::snprintf(when, sizeof when, ":%02d", b.second);
            out += when;
        }
        out += "," + aafField(place) + "," + aafField(b.country) + "\n";

        char julianDay[32];
        std::snprintf(julianDay, sizeof julianDay, "%.5f", engine::birthJulianDayUt(b));
        out += std::string("#B93:") + julianDay + "," + angleText(b.latitude, 'n', 's') + "," +
               angleText(b.longitude, 'e', 'w') + "," + zoneText(b.timeZone) + ",0\n";

        // Line breaks (CR LF, LF or CR) become one space each.
        std::string notes;
        const std::string text = toUtf8(chart.notes);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                continue;
            notes += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
        }
        notes = trimmed(notes);
        if (!notes.empty())
            out += "#COM:" + notes + "\n";
    }
    return out;
}

} // namespace lumikan::document
