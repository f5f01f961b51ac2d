#pragma once

#include "engine/chart.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumikan::engine {

class Ephemeris;

enum class ChartStatus {
    Ok,
    NoEphemeris, // a body outside the ephemeris files, or the files missing
    NoHouses,    // Placidus cusps cannot be computed (beyond the polar circles)
};

// What a computation gives: the chart, or why there is none.
struct ChartResult {
    ChartStatus status = ChartStatus::Ok;
    std::string libraryMessage; // the ephemeris library's own text, if it gave one
    std::optional<Chart> chart; // present exactly when status is Ok

    bool ok() const { return status == ChartStatus::Ok; }
};

// Julian day (UT) of the birth moment; the local day is carried by one when
// the time zone pushes the UT hour past midnight either way.
double birthJulianDayUt(const BirthDetails& birth);

// Casts the horoscope of `birth` as `options` ask: every value any reader
// needs (positions, lords, significators, strength, ruling planets, dasha,
// vargas, particulars). The ephemeris is set to the chart's frame first.
ChartResult computeChart(const BirthDetails& birth, const ChartOptions& options,
                         Ephemeris& ephemeris);

} // namespace lumikan::engine
