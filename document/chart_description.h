#pragma once

#include "engine/chart.h"

#include <QString>

namespace lumikan::document {

enum class ChartType { Natal = 0, Horary = 1 };

// A new chart as the birth-data dialog or the command line describes it.
struct ChartDescription {
    engine::BirthDetails birth;
    QString displayName;
    QString placeText;
    ChartType chartType = ChartType::Natal;
    int horaryNumber = 1; // 1..249, for a horary chart
};

// "Pune, Maharashtra, India": city, then state and country when given.
QString composePlaceText(const engine::BirthDetails& birth);

// The description of `birth`: its name as the display name, its place text.
ChartDescription describeChart(const engine::BirthDetails& birth, ChartType type = ChartType::Natal,
                               int horaryNumber = 1);

} // namespace lumikan::document
