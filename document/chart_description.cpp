#include "document/chart_description.h"

#include "document/text_encoding.h"

namespace lumikan::document {

QString composePlaceText(const engine::BirthDetails& birth)
{
    QString text = toQString(birth.city);
    if (!birth.state.empty())
        text += QLatin1String(", ") + toQString(birth.state);
    if (!birth.country.empty())
        text += QLatin1String(", ") + toQString(birth.country);
    return text;
}

ChartDescription describeChart(const engine::BirthDetails& birth, ChartType type, int horaryNumber)
{
    ChartDescription description;
    description.birth = birth;
    description.displayName = toQString(birth.name);
    description.placeText = composePlaceText(birth);
    description.chartType = type;
    description.horaryNumber = horaryNumber;
    return description;
}

} // namespace lumikan::document
