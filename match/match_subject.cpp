#include "match/match_subject.h"

namespace lumikan::match {

namespace {

constexpr int kNavamsa = 9;

} // namespace

MatchSubject makeMatchSubject(const engine::Chart& chart, const SubjectInputs& inputs)
{
    MatchSubject s;
    s.name = inputs.displayName;
    s.gender = chart.birth.gender;

    const engine::BirthParticulars& bp = chart.birthParticulars;
    s.moonSign = bp.rashi;
    s.moonSignLord = bp.moonSignLordName;
    s.nakshatra = bp.nakshatra;
    s.yoni = bp.yoni;
    s.gana = bp.gana;
    s.nadi = bp.nadi;
    s.varna = bp.varna;
    s.vashya = bp.vashya;

    const engine::PlanetPosition* moon = engine::findPlanet(chart, engine::body::Moon);
    s.moonLongitude = moon ? moon->longitude : 0.0;
    s.planets = chart.planets;
    s.cusps = chart.cusps;
    s.significations = chart.planetOwnSignificators;
    s.moonStarLord = chart.moonStarLord;
    if (auto it = chart.vargas.find(kNavamsa); it != chart.vargas.end())
        s.navamsa = it->second;

    s.runningDasha = engine::runningDasha(chart.dasha, inputs.today);

    s.planetNameFormat = inputs.planetNameFormat;
    s.signNameFormat = inputs.signNameFormat;
    return s;
}

} // namespace lumikan::match
