#pragma once

#include "engine/bodies.h"
#include "engine/zodiac.h"
#include "match/match_rule.h"
#include "match/match_subject.h"

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

// Hand-built horoscopes for the match rules: only what a case needs is set.
namespace lumikan::test {

using engine::BodyId;
using engine::LordIndex;
using match::MatchSubject;

namespace b = engine::body;
namespace l = engine::lord;

// Places (or moves) a body at a longitude; sign, nakshatra and their lords
// follow from it. Returns the position for further flags.
inline engine::PlanetPosition& place(MatchSubject& s, BodyId body, double longitudeDeg)
{
    engine::PlanetPosition* p = nullptr;
    for (engine::PlanetPosition& q : s.planets)
        if (q.body == body)
            p = &q;
    if (!p) {
        s.planets.emplace_back();
        p = &s.planets.back();
        p->body = body;
    }
    p->longitude = longitudeDeg;
    p->sign = engine::signOf(longitudeDeg);
    p->signLord = engine::signLord(p->sign);
    p->nakshatra = engine::nakshatraOf(longitudeDeg);
    p->starLord = engine::nakshatraLord(p->nakshatra);
    return *p;
}

inline engine::PlanetPosition& lords(engine::PlanetPosition& p, LordIndex star, LordIndex sub,
                                     LordIndex subSub)
{
    p.starLord = star;
    p.subLord = sub;
    p.subSubLord = subSub;
    return p;
}

// Adds cusp `number` at a longitude with the given sub lord; the star lord is
// that of the longitude unless given.
inline engine::CuspPosition& cusp(MatchSubject& s, int number, double longitudeDeg,
                                  LordIndex subLord, LordIndex starLord = -1,
                                  LordIndex subSubLord = l::Ketu)
{
    engine::CuspPosition c;
    c.number = number;
    c.longitude = longitudeDeg;
    c.sign = engine::signOf(longitudeDeg);
    c.signLord = engine::signLord(c.sign);
    c.nakshatra = engine::nakshatraOf(longitudeDeg);
    c.starLord = starLord >= 0 ? starLord : engine::nakshatraLord(c.nakshatra);
    c.subLord = subLord;
    c.subSubLord = subSubLord;
    s.cusps.push_back(c);
    return s.cusps.back();
}

// Twelve equal houses from `ascendantDeg`, every sub lord Ketu.
inline void equalCusps(MatchSubject& s, double ascendantDeg)
{
    for (int n = 1; n <= 12; ++n)
        cusp(s, n, engine::normalizeDegrees(ascendantDeg + 30.0 * (n - 1)), l::Ketu);
}

inline engine::CuspPosition& cuspNumbered(MatchSubject& s, int number)
{
    for (engine::CuspPosition& c : s.cusps)
        if (c.number == number)
            return c;
    return cusp(s, number, 0.0, l::Ketu);
}

inline void signify(MatchSubject& s, BodyId body, std::vector<int> houses)
{
    s.significations.push_back({body, std::move(houses)});
}

// A D9 position in `sign`, house counted from `ascendantSign`.
inline void d9(MatchSubject& s, BodyId body, int sign, int ascendantSign)
{
    engine::VargaPosition p;
    p.body = body;
    p.sign = sign;
    p.house = ((sign - ascendantSign + 12) % 12) + 1;
    s.navamsa.positions.push_back(p);
}

inline MatchSubject moonAt(double longitudeDeg)
{
    MatchSubject s;
    s.moonLongitude = longitudeDeg;
    return s;
}

// A rule's score, status and remark as one value, so that a case is one
// expectation and a failure prints all three.
struct Result {
    double score = 0.0;
    std::string status;
    std::string detail;
    bool operator==(const Result&) const = default;
};

inline Result result(const match::MatchRuleResult& r)
{
    return {r.score, r.status, r.detail};
}

inline void PrintTo(const Result& r, std::ostream* os)
{
    *os << r.score << " \"" << r.status << "\" \"" << r.detail << '"';
}

// The start of nakshatra n plus `intoDeg`.
inline double inStar(int n, double intoDeg = 1.0)
{
    return n * 40.0 / 3.0 + intoDeg;
}

} // namespace lumikan::test
