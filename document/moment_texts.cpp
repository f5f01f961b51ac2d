#include "document/moment_texts.h"

#include "document/chart_titles.h"
#include "document/text_encoding.h"

#include <cmath>
#include <cstdlib>

namespace lumikan::document {

QString utcOffsetText(double hours)
{
    if (!std::isfinite(hours))
        return QStringLiteral("UTC");
    const long totalMinutes = std::lround(std::fabs(hours) * 60.0);
    return QString::asprintf("UTC%c%ld:%02ld", hours < 0 && totalMinutes > 0 ? '-' : '+',
                             totalMinutes / 60, totalMinutes % 60);
}

QString zoneAndOffsetText(double hours)
{
    const QString label = TimeZoneLabel(hours);
    const QString offset = utcOffsetText(hours);
    return label.startsWith(QLatin1String("UTC")) ? offset : label + QStringLiteral(", ") + offset;
}

QString momentText(const engine::LocalDateTime& m)
{
    return LongDate(m.day, m.month, m.year) + QString::asprintf(" %02d:%02d", m.hour, m.minute);
}

QString momentAtPlaceText(const engine::LocalDateTime& moment, double zoneHours,
                          const QString& place)
{
    QString text = momentText(moment) + QLatin1Char(' ') + TimeZoneLabel(zoneHours);
    if (!place.isEmpty())
        text += QStringLiteral(", ") + place;
    return text;
}

QString coordinatesText(double latitudeDeg, double longitudeDeg)
{
    return QString::asprintf("%.4f %c, %.4f %c", std::fabs(latitudeDeg),
                             latitudeDeg < 0 ? 'S' : 'N', std::fabs(longitudeDeg),
                             longitudeDeg < 0 ? 'W' : 'E');
}

QString birthPlaceName(const engine::BirthDetails& birth, const QString& placeText)
{
    const QString city = toQString(birth.city).trimmed();
    if (!city.isEmpty() && city.compare(QLatin1String("Unknown"), Qt::CaseInsensitive) != 0)
        return city;
    if (!placeText.trimmed().isEmpty())
        return placeText.trimmed();
    return coordinatesText(birth.latitude, birth.longitude);
}

} // namespace lumikan::document
