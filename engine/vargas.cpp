#include "engine/vargas.h"

#include "engine/zodiac.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace lumikan::engine {

namespace {

constexpr Sign Aries = 0, Taurus = 1, Gemini = 2, Cancer = 3, Leo = 4, Virgo = 5, Libra = 6,
               Scorpio = 7, Sagittarius = 8, Capricorn = 9, Aquarius = 10, Pisces = 11;

// Aries, Gemini, Leo ... (even index) are the odd signs.
constexpr bool isOddSign(Sign s) { return s % 2 == 0; }

// Movable, fixed, dual.
enum class Quality { Movable, Fixed, Dual };
constexpr Quality qualityOf(Sign s) { return static_cast<Quality>(s % 3); }

constexpr Sign byQuality(Sign s, Sign movable, Sign fixed, Sign dual)
{
    switch (qualityOf(s)) {
    case Quality::Movable: return movable;
    case Quality::Fixed: return fixed;
    case Quality::Dual: break;
    }
    return dual;
}

// The widths as the division rules have always written them.
double partWidth(int division)
{
    switch (division) {
    case 2: return 15.0;
    case 3: return 10.0;
    case 4: return 7.5;
    case 6: return 5.0;
    case 7: return 4.285714285714286;
    case 9: return 3.3333333333333335;
    case 10: return 3.0;
    case 11: return 2.727272727272727;
    case 12: return 2.5;
    case 16: return 1.875;
    case 20: return 1.5;
    case 24: return 1.25;
    case 27: return 1.1111111111111112;
    case 40: return 0.75;
    case 45: return 0.6666666666666666;
    case 60: return 0.5;
    default: return 0.0;
    }
}

// Hora and trimshamsa read d below 30 only.
constexpr double kLastDegreeBelow30 = 29.999999999;

Sign trimshamsaSign(Sign s, double d)
{
    d = std::min(d, kLastDegreeBelow30);
    if (isOddSign(s)) {
        if (d < 5) return Aries;
        if (d < 10) return Aquarius;
        if (d < 18) return Sagittarius;
        if (d < 25) return Gemini;
        return Libra;
    }
    if (d < 5) return Taurus;
    if (d < 12) return Virgo;
    if (d < 20) return Pisces;
    if (d < 25) return Capricorn;
    return Scorpio;
}

Sign horaSign(Sign s, double d)
{
    d = std::min(d, kLastDegreeBelow30);
    const bool firstHalf = d < 15.0;
    if (isOddSign(s))
        return firstHalf ? Leo : Cancer;
    return firstHalf ? Cancer : Leo;
}

}  // namespace

namespace {

struct SignAndDegree {
    Sign sign = 0;
    double degree = 0.0;  // within the sign, 0 to 30
};

SignAndDegree splitLongitude(double longitudeDeg)
{
    double l = longitudeDeg;
    if (!(l >= 0.0 && l < 360.0)) {
        l = std::isfinite(l) ? std::fmod(l, 360.0) : 0.0;
        if (l < 0.0)
            l += 360.0;
    }
    SignAndDegree sd;
    sd.sign = std::min(11, static_cast<int>(std::trunc(l / 30.0)));
    sd.degree = std::max(0.0, l - 30.0 * sd.sign);
    return sd;
}

Sign vargaSignOf(SignAndDegree sd, int division)
{
    const Sign s = sd.sign;
    const double d = sd.degree;
    if (division == 2)
        return horaSign(s, d);
    if (division == 30)
        return trimshamsaSign(s, d);
    const double w = partWidth(division);
    if (w <= 0.0)
        return s;

    int i = d >= 30.0 ? division - 1 : static_cast<int>(std::trunc(d / w));
    if (i > division - 1)
        i = division - 1;

    int start = s;
    switch (division) {
    case 3: return (s + 4 * i) % 12;
    case 4: return (s + 3 * i) % 12;
    case 6: start = isOddSign(s) ? Aries : Libra; break;
    case 7: start = isOddSign(s) ? s : s + 6; break;
    case 9: start = 9 * s; break;
    case 10: start = isOddSign(s) ? s : s + 8; break;
    case 16: start = byQuality(s, Aries, Leo, Sagittarius); break;
    case 20: start = byQuality(s, Aries, Sagittarius, Leo); break;
    case 24: start = isOddSign(s) ? Leo : Cancer; break;
    case 27: {
        constexpr std::array<Sign, 4> byElement = {Aries, Cancer, Libra, Capricorn};
        start = byElement[s % 4];
        break;
    }
    case 40: start = isOddSign(s) ? Aries : Libra; break;
    case 45: start = byQuality(s, Aries, Leo, Sagittarius); break;
    default: break;  // 11, 12 and 60 count from the sign itself
    }
    return (start + i) % 12;
}

bool isLongitude(double l) { return l >= 0.0 && l < 360.0; }

// Refills `chart` in place, so a recomputation reuses its storage.
void fillVarga(VargaChart& chart, int division, const std::vector<PlanetPosition>& planets,
               const std::vector<SignAndDegree>& split, double ascendantDeg)
{
    chart.division = division;
    chart.name = vargaName(division);
    chart.ascendantSign = vargaSignOf(splitLongitude(ascendantDeg), division);
    chart.positions.clear();
    chart.positions.reserve(planets.size());
    for (std::size_t k = 0; k < planets.size(); ++k) {
        const PlanetPosition& p = planets[k];
        if (!isLongitude(p.longitude))
            continue;
        VargaPosition v;
        v.body = p.body;
        v.longitude = p.longitude;
        v.sign = vargaSignOf(split[k], division);
        v.signLord = SIGN_LORDS[v.sign];
        v.house = (v.sign - chart.ascendantSign + 12) % 12 + 1;
        v.nakshatra = p.nakshatra;
        v.starLord = p.starLord;
        v.subLord = p.subLord;
        v.subSubLord = p.subSubLord;
        chart.positions.push_back(v);
    }
}

std::vector<SignAndDegree> splitAll(const std::vector<PlanetPosition>& planets)
{
    std::vector<SignAndDegree> split;
    split.reserve(planets.size());
    for (const PlanetPosition& p : planets)
        split.push_back(splitLongitude(p.longitude));
    return split;
}

}  // namespace

Sign vargaSign(double longitudeDeg, int division)
{
    return vargaSignOf(splitLongitude(longitudeDeg), division);
}

std::string vargaName(int division)
{
    switch (division) {
    case 1: return "Rasi";
    case 2: return "Hora";
    case 3: return "Drekkana";
    case 4: return "Chaturthamsa";
    case 6: return "Shashtamsa";
    case 7: return "Saptamsa";
    case 9: return "Navamsa";
    case 10: return "Dasamsa";
    case 11: return "Rudramsa";
    case 12: return "Dwadasamsa";
    case 16: return "Shodasamsa";
    case 20: return "Vimsamsa";
    case 24: return "Siddhamsa";
    case 27: return "Saptavimshamsa";
    case 30: return "Trimshamsa";
    case 40: return "Khavedamsa";
    case 45: return "Akshavedamsa";
    case 60: return "Shashtiamsa";
    default: break;
    }
    char text[16];
    std::snprintf(text, sizeof text, "D%d", division);
    return text;
}

VargaChart buildVarga(int division, const std::vector<PlanetPosition>& planets,
                      double ascendantDeg)
{
    VargaChart chart;
    fillVarga(chart, division, planets, splitAll(planets), ascendantDeg);
    return chart;
}

void buildVargasInto(const Chart& chart, std::map<int, VargaChart>& vargas)
{
    const double ascendant = chart.cusps.empty() ? 0.0 : chart.cusps.front().longitude;
    const std::vector<SignAndDegree> split = splitAll(chart.planets);
    // The divisions are listed in ascending order, as the map keeps them.
    const bool sameDivisions =
        vargas.size() == kVargaDivisions.size() &&
        std::equal(kVargaDivisions.begin(), kVargaDivisions.end(), vargas.begin(),
                   [](int division, const auto& entry) { return division == entry.first; });
    if (!sameDivisions)
        vargas.clear();
    for (int division : kVargaDivisions)
        fillVarga(vargas[division], division, chart.planets, split, ascendant);
}

std::map<int, VargaChart> buildVargas(const Chart& chart)
{
    std::map<int, VargaChart> vargas;
    buildVargasInto(chart, vargas);
    return vargas;
}

}  // namespace lumikan::engine
