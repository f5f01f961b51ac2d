#pragma once

#include "engine/bodies.h"

#include <string>
#include <vector>

namespace lumikan::engine {

// One period at any level. Only the list of its own level's children is filled.
struct DashaPeriod {
    std::string lordName;
    LordIndex lord = 0;
    std::string start;  // "YYYY-MM-DD" of the UT instant
    std::string end;
    int years = 0, months = 0, days = 0;  // 365-day years, 30-day months, days
    std::vector<DashaPeriod> antardashas;
    std::vector<DashaPeriod> pratyantardashas;
    std::vector<DashaPeriod> sookshmas;
    // The exact instants behind the date texts.
    double startJulianDayUt = 0.0;
    double endJulianDayUt = 0.0;
};

}  // namespace lumikan::engine
