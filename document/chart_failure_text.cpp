#include "document/chart_failure_text.h"

#include <cmath>

namespace lumikan::document {

QString chartFailureExplanation(engine::ChartStatus status, const engine::BirthDetails& birth)
{
    switch (status) {
    case engine::ChartStatus::Ok:
        return {};
    case engine::ChartStatus::NoHouses:
        return QStringLiteral("Placidus houses are not defined beyond the polar circles "
                              "(latitude %1° %2). Please check the latitude.")
            .arg(std::fabs(birth.latitude), 0, 'f', 2)
            .arg(birth.latitude >= 0.0 ? QLatin1Char('N') : QLatin1Char('S'));
    case engine::ChartStatus::NoEphemeris:
        return QStringLiteral("The Swiss Ephemeris files beside the program do not cover "
                              "%1-%2-%3, or they cannot be read. Please check the date.")
            .arg(birth.year, 4, 10, QLatin1Char('0'))
            .arg(birth.month, 2, 10, QLatin1Char('0'))
            .arg(birth.day, 2, 10, QLatin1Char('0'));
    }
    return {};
}

} // namespace lumikan::document
