#pragma once

#include "document/birth_time_zone.h"
#include "engine/chart.h"

#include <QString>

#include <string>

namespace lumikan::document {

enum class ChartType { Natal = 0, Horary = 1 };

// A new chart as the birth-data dialog or the command line describes it.
struct ChartDescription {
    engine::BirthDetails birth;
    QString displayName;
    QString placeText;
    ChartType chartType = ChartType::Natal;
    int horaryNumber = 1; // 1..249, for a horary chart
    // The IANA zone of the birth place when known (not stored in chart files).
    std::string zone;
    // How the birth's offset was found, for the chart to say so: the source
    // and the zone line ("Asia/Kolkata — IST, UTC+5:30"). Empty when not known.
    OffsetSource offsetSource = OffsetSource::None;
    QString offsetDescription;
};

// "Pune, Maharashtra, India": city, then state and country when given.
QString composePlaceText(const engine::BirthDetails& birth);

// The description of `birth`: its name as the display name, its place text.
ChartDescription describeChart(const engine::BirthDetails& birth, ChartType type = ChartType::Natal,
                               int horaryNumber = 1);

} // namespace lumikan::document
