#pragma once

#include "engine/bodies.h"

#include <string>
#include <vector>

namespace lumikan::engine {

// One period of the Vimshottari timeline as numbers: the engine's form. The
// periods of one chart lie level after level (the nine mahadashas first, then
// their antardashas in order, ...); the nine children of a period are
// contiguous from firstChild.
struct DashaSpan {
    LordIndex lord = 0;
    int level = 0; // 0 mahadasha, 1 antardasha, 2 pratyantardasha, 3 sookshma
    double startJulianDayUt = 0.0;
    double endJulianDayUt = 0.0;
    int years = 0, months = 0, days = 0; // 365-day years, 30-day months, days
    int firstChild = -1;                 // index of the first of nine children; -1: none
};

// One period at any level, with its texts: the form readers show. Only the list of its own level's
// children is filled.
struct DashaPeriod {
    std::string lordName;
    LordIndex lord = 0;
    std::string start; // "YYYY-MM-DD" of the UT instant
    std::string end;
    int years = 0, months = 0, days = 0; // 365-day years, 30-day months, days
    std::vector<DashaPeriod> antardashas;
    std::vector<DashaPeriod> pratyantardashas;
    std::vector<DashaPeriod> sookshmas;
    // The exact instants behind the date texts.
    double startJulianDayUt = 0.0;
    double endJulianDayUt = 0.0;
};

} // namespace lumikan::engine
