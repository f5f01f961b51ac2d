#pragma once

#include "engine/chart.h"
#include "engine/clock.h"
#include "engine/dasha.h"
#include "engine/varga_chart.h"

#include <string>
#include <vector>

namespace lumikan::match {

// The read-only view of one horoscope that every rule receives. Texts are
// UTF-8; an empty text means the item is missing.
struct MatchSubject {
    std::string name; // the chart's display name
    int gender = 3;   // 0 male, 1 female, 2 other, 3 not given

    // The Moon's particulars of the birth moment.
    std::string moonSign;     // "Aries" ...
    std::string moonSignLord; // name of the Moon sign's lord
    std::string nakshatra;    // "Ashwini" ...
    std::string yoni;
    std::string gana;
    std::string nadi;
    std::string varna;
    std::string vashya;

    // Sidereal degrees at the birth moment; 0 when the chart had no ephemeris.
    double moonLongitude = 0.0;

    std::vector<engine::PlanetPosition> planets; // chart order
    std::vector<engine::CuspPosition> cusps;     // house 1 first
    // The houses each planet signifies through itself, by BodyId.
    std::vector<engine::PlanetHouses> significations;

    engine::LordIndex moonStarLord = -1;
    // The Navamsa; no positions when it was not calculated.
    engine::VargaChart navamsa;
    // The Vimshottari lords running on the match day, three levels deep.
    engine::RunningDasha runningDasha;

    // Name forms of the settings, for the scripts of the linkage rules:
    // planets 0 "MON", 1 "Mon", 2 "Moon"; signs 0 "ARIES", 1 "Ar", 2 "Aries".
    int planetNameFormat = 0;
    int signNameFormat = 0;
};

// The values a subject takes from outside its chart.
struct SubjectInputs {
    std::string displayName;
    int planetNameFormat = 0;
    int signNameFormat = 0;
    engine::LocalDateTime today; // picks the running dasha
};

// Builds the subject of a computed chart: its Moon, and its dasha (computed
// with the chart's dasha year) running on `today`.
MatchSubject makeMatchSubject(const engine::Chart& chart, const SubjectInputs& inputs);

} // namespace lumikan::match
