#pragma once

#include "cli/options.h"
#include "document/birth_time_zone.h"
#include "engine/chart.h"

#include <optional>
#include <set>
#include <string>

namespace lumikan::cli {

// Where a birth happened and the offset of its clock, as the options give them.
struct BirthPlace {
    std::string zone;                // the place's IANA zone; empty when none
    document::ResolvedOffset offset; // the offset used and where it came from
};

// Option names of the place and offset.
const std::set<std::string>& placeValuedOptions(); // place, zone, tz, fold, lat, lon
const std::set<std::string>& placeFlagOptions();   // lmt

// Fills the birth's coordinates, place texts and offset from --place (the
// atlas) or --lat/--lon, and the offset from --tz (typed, it wins), --lmt,
// --zone or the atlas place's zone at the birth's date and time; --fold picks
// one of the two offsets of a time that happened twice. The birth's date and
// time must already be set. Empty with `error` set (one paragraph, candidates
// included) when the options do not give one place and one offset.
std::optional<BirthPlace> resolveBirthPlace(const Options& options, engine::BirthDetails& birth,
                                            std::string& error);

} // namespace lumikan::cli
