#include "document/chart_titles.h"

#include "document/name_forms.h"
#include "document/text_encoding.h"

#include <array>
#include <cmath>

namespace lumikan::document {

QString TimeZoneLabel(double hours)
{
    struct Named {
        double hours;
        const char* label;
    };
    static constexpr std::array<Named, 9> named = {{{5.5, "IST"},
                                                    {0, "GMT"},
                                                    {-5, "EST"},
                                                    {-6, "CST"},
                                                    {-7, "MST"},
                                                    {-8, "PST"},
                                                    {1, "CET"},
                                                    {8, "CST"},
                                                    {9, "JST"}}};
    for (const Named& n : named)
        if (std::fabs(hours - n.hours) < 0.01)
            return QString::fromLatin1(n.label);
    int whole = static_cast<int>(std::trunc(hours));
    int minutes = static_cast<int>(std::lround(std::fabs(hours - whole) * 60.0));
    if (minutes == 60) {
        minutes = 0;
        whole += hours < 0 ? -1 : 1;
    }
    if (minutes == 0)
        return QString::asprintf("UTC%+d", whole);
    // The sign is the offset's, also when the whole hours are zero (-0:30).
    return QString::asprintf("UTC%c%d:%02d", hours < 0 ? '-' : '+', std::abs(whole), minutes);
}

QString LongDate(int day, int month, int year)
{
    static constexpr std::array<const char*, 12> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (month < 1 || month > 12)
        return QString::asprintf("%02d-%02d-%04d", day, month, year);
    return QString::asprintf("%d %s %d", day, months[month - 1], year);
}

QString PlaceLabel(const engine::BirthDetails& birth, const QString& placeText)
{
    const QString city = toQString(birth.city);
    if (city.isEmpty() || city.compare(QLatin1String("Unknown"), Qt::CaseInsensitive) == 0)
        return placeText;
    QString label = city;
    if (!birth.state.empty())
        label += QLatin1String(", ") + toQString(birth.state);
    if (!birth.country.empty())
        label += QLatin1String(", ") + toQString(birth.country);
    return label;
}

QString BuildTitle(const engine::BirthDetails& b, const QString& displayName,
                   const QString& placeText, int titleFormat)
{
    const QString prefix = displayName.isEmpty() ? QString() : displayName + QStringLiteral(" — ");
    const QString longDate = LongDate(b.day, b.month, b.year);
    const QString numericDate = QString::asprintf("%02d-%02d-%04d", b.day, b.month, b.year);
    const QString time = QString::asprintf("%02d:%02d", b.hour, b.minute);
    const QString zone = TimeZoneLabel(b.timeZone);
    const QString place = PlaceLabel(b, placeText);
    const char ns = b.latitude >= 0 ? 'N' : 'S';
    const char ew = b.longitude >= 0 ? 'E' : 'W';
    const QString compactCoordinates = QString::asprintf("%.4f%c %.4f%c", std::fabs(b.latitude), ns,
                                                         std::fabs(b.longitude), ew);
    switch (titleFormat) {
    case 0: return QStringLiteral("%1%2 | %3 %4 | %5").arg(prefix, longDate, time, zone, place);
    case 2:
        return QStringLiteral("%1DOB: %2 | %3 %4 | %5 | %6")
            .arg(prefix, longDate, time, zone, place, compactCoordinates);
    case 3:
        return QStringLiteral("%1%2 • %3 %4 • %5 • %6")
            .arg(prefix, longDate, time, zone, place, compactCoordinates);
    default:
        return QStringLiteral("%1%2 | %3 %4 | %5")
            .arg(prefix, numericDate, time, zone,
                 QString::asprintf("Lat %.4f %c | Lon %.4f %c", std::fabs(b.latitude), ns,
                                   std::fabs(b.longitude), ew));
    }
}

QString AscendantText(const std::vector<engine::CuspPosition>& cusps, int signNameFormat)
{
    for (const engine::CuspPosition& c : cusps) {
        if (c.number != 1)
            continue;
        const double inSign = std::fmod(c.longitude, 30.0);
        const int degrees = static_cast<int>(std::trunc(inSign));
        const int minutes = static_cast<int>(std::trunc((inSign - degrees) * 60.0));
        return QStringLiteral("%1 %2°%3'")
            .arg(signNameInForm(c.sign, signNameFormat))
            .arg(degrees)
            .arg(minutes, 2, 10, QLatin1Char('0'));
    }
    return {};
}

QString titleFormatLabel(int titleFormat)
{
    switch (titleFormat) {
    case 0: return QStringLiteral("Essentials:  Lumikan - Date | Time TZ | City");
    case 1: return QStringLiteral("Friendly:  DD-MM-YYYY | Time TZ | Lat N | Lon E");
    case 2: return QStringLiteral("Compact:  DOB: Date | Time TZ | City | LatN LonE");
    case 3: return QStringLiteral("Premium:  Date . Time TZ . City . LatN LonE");
    case 4: return QStringLiteral("KP Friendly:  DD-MM-YYYY | Time TZ | Lat N | Lon E");
    default: return {};
    }
}

}  // namespace lumikan::document
