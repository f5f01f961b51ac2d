#pragma once

#include "engine/chart.h"
#include "match/match_subject.h"

#include <string>
#include <string_view>

// The texts the two KP linkage rules compare: lords written in the name forms
// of the settings and joined by "-".
namespace lumikan::match {

// "VII | LEO | VEN | SAT | MAR | 12-30-00": cusp, sign, star lord, sub lord,
// sub-sub lord and the degree within the sign.
std::string cuspDisplayLine(const engine::CuspPosition& cusp, int planetNameFormat,
                            int signNameFormat);

// The sign lord, star lord, sub lord and sub-sub lord of a cusp display line,
// joined by "-". The sign lord comes from the sign's name, so a two-letter
// sign form leaves it empty, and the Moon is written "MOON" whatever the
// planet form. Empty when the line has fewer than five fields.
std::string cuspScript(std::string_view displayLine);

// The cusp script of cusp `number`, empty when the chart has no such cusp.
std::string cuspScriptOf(const MatchSubject& s, int number);

// The planet's name, star lord, sub lord and sub-sub lord, joined by "-", in
// upper case.
std::string planetaryScript(const engine::PlanetPosition& planet, int planetNameFormat);

// The chart's planet that is sub lord of cusp `number`, or null when no
// planet of the chart is.
const engine::PlanetPosition* subLordPlanet(const MatchSubject& s, int number);

// The planet's name in the chart's planet form.
std::string planetName(const MatchSubject& s, const engine::PlanetPosition& planet);

// Whether `name` is one of the words of `script` once every "-" is a blank.
// Case-sensitive.
bool isLinkedInto(std::string_view name, std::string_view script);

std::string toUpperAscii(std::string_view text);

} // namespace lumikan::match
