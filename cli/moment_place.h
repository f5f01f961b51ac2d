#pragma once

#include "cli/options.h"
#include "engine/chart.h"
#include "engine/clock.h"

#include <optional>
#include <set>
#include <string>

namespace lumikan::cli {

// A place with the offset of its clock.
struct PlaceAndOffset {
    double latitudeDeg = 0.0;  // north positive
    double longitudeDeg = 0.0; // east positive
    double offsetHours = 0.0;  // east of UTC
};

// The place the options give (--place, or --lat/--lon; the offset from --tz,
// --lmt, --zone or the atlas place's zone at the local moment `local`, as a
// birth's), `fallback` when they give none; empty with `error` set when they
// give part of one or a bad value (or none and there is no fallback).
std::optional<PlaceAndOffset> placeFromOptions(const Options& options,
                                               const engine::LocalDateTime& local,
                                               const std::optional<PlaceAndOffset>& fallback,
                                               std::string& error);

// "YYYY-MM-DDTHH:MM:SS" (or a blank for the T); empty when malformed.
std::optional<engine::LocalDateTime> parseLocalMoment(const std::string& text);

// "YYYY-MM-DDTHH:MM:SS" and "YYYY-MM-DD".
std::string momentText(const engine::LocalDateTime& t);
std::string dateText(const engine::LocalDateTime& t);

} // namespace lumikan::cli
