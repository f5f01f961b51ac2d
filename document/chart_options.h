#pragma once

#include "document/app_settings.h"
#include "document/chart_description.h"
#include "engine/chart.h"

#include <optional>

namespace lumikan::document {

// Options one chart takes in place of the settings (the command line's
// --ayanamsa, --no-pluto, --depth ...); the settings themselves never change.
struct ChartOptionOverrides {
    std::optional<engine::AyanamsaMode> ayanamsa;
    std::optional<double> customAyanamsaDeg;
    bool noUranus = false, noNeptune = false, noPluto = false, noFortuna = false;
    std::optional<int> dashaDepth; // 1..4
    std::optional<int> dashaYear;  // the settings' dashaYear values 0..2
    // Replaces the settings' ruling-planet place (both coordinates 0: the birth place).
    std::optional<engine::RulingPlace> rulingPlace;
    std::optional<engine::DayLordRule> dayLordRule;
};

// How a chart is cast: the settings, with the overrides winning; the
// ruling-planet place falls back to the birth place when the coordinates are
// both 0; a horary chart takes the ascendant of its KP horary number.
engine::ChartOptions chartOptionsFor(const AppSettings& settings,
                                     const ChartOptionOverrides& overrides,
                                     const ChartDescription& description);

// The settings' day-lord rule (0 local sunrise, anything else the UT date).
engine::DayLordRule dayLordRuleFromSetting(int value);

// The IANA zone whose offset for the moment replaces the ruling-planet
// place's fixed one: the settings' atlas zone when their place is used, the
// birth place's zone when the birth place stands in; empty otherwise (a place
// given as an override, or a chart whose zone is unknown).
std::string rulingPlaceZone(const AppSettings& settings, const ChartOptionOverrides& overrides,
                            const ChartDescription& description);

} // namespace lumikan::document
