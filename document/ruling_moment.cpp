#include "document/ruling_moment.h"

#include "document/moment_texts.h"
#include "document/text_encoding.h"
#include "document/verokant_doc.h"

#include <cmath>

namespace lumikan::document {

namespace {

bool samePlace(double latA, double lonA, double latB, double lonB)
{
    return std::fabs(latA - latB) < 1e-9 && std::fabs(lonA - lonB) < 1e-9;
}

} // namespace

QString rulingPlaceName(const CVerokantDoc& doc)
{
    const engine::RulingPlace& place = doc.chart().options.rulingPlace;
    const AppSettings& s = doc.settings();
    const bool settingsPlace = s.rpLatitude != 0.0 || s.rpLongitude != 0.0;
    if (settingsPlace &&
        samePlace(place.latitudeDeg, place.longitudeDeg, s.rpLatitude, s.rpLongitude)) {
        const QString city = toQString(s.rpCity).trimmed();
        return city.isEmpty() ? coordinatesText(place.latitudeDeg, place.longitudeDeg) : city;
    }
    const engine::BirthDetails& birth = doc.birthDetails();
    if (samePlace(place.latitudeDeg, place.longitudeDeg, birth.latitude, birth.longitude))
        return birthPlaceName(birth, doc.placeText());
    return coordinatesText(place.latitudeDeg, place.longitudeDeg);
}

QString rulingPlanetsTitle(const CVerokantDoc& doc)
{
    const engine::LocalDateTime& moment = doc.currentRulingMoment();
    const engine::LocalDateTime clock = readClock(doc.environment().clock);
    const bool now = moment.year == clock.year && moment.month == clock.month &&
                     moment.day == clock.day && moment.hour == clock.hour &&
                     moment.minute == clock.minute;
    const QString when = momentAtPlaceText(moment, doc.chart().options.rulingPlace.timeZoneHours,
                                           rulingPlaceName(doc));
    return (now ? QStringLiteral("Ruling planets now \u2014 ")
                : QStringLiteral("Ruling planets \u2014 ")) +
           when;
}

} // namespace lumikan::document
