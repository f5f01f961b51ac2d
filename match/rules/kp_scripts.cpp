#include "match/rules/kp_scripts.h"

#include "engine/bodies.h"
#include "engine/zodiac.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace lumikan::match {

namespace {

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

std::string_view signNameInForm(int sign, int form)
{
    switch (form) {
    case 1:
        return engine::signNameShort(sign);
    case 2:
        return engine::signName(sign);
    default:
        return engine::signNameUpper(sign);
    }
}

std::string_view lordNameInForm(engine::LordIndex lord, int form)
{
    return engine::bodyName(engine::lordToBody(lord), form);
}

// The lord written first in a cusp script, found from the sign's name.
std::string_view lordOfSignName(std::string_view upperSign)
{
    struct Entry {
        std::string_view sign;
        std::string_view lord;
    };
    constexpr std::array<Entry, 12> lords = {{
        {"ARIES", "MAR"},
        {"TAURUS", "VEN"},
        {"GEMINI", "MER"},
        {"CANCER", "MOON"},
        {"LEO", "SUN"},
        {"VIRGO", "MER"},
        {"LIBRA", "VEN"},
        {"SCORPIO", "MAR"},
        {"SAGITTARIUS", "JUP"},
        {"CAPRICORN", "SAT"},
        {"AQUARIUS", "SAT"},
        {"PISCES", "JUP"},
    }};
    for (const Entry& e : lords)
        if (e.sign == upperSign)
            return e.lord;
    return {};
}

constexpr std::array<std::string_view, 12> kRoman = {"I",   "II",   "III", "IV", "V",  "VI",
                                                     "VII", "VIII", "IX",  "X",  "XI", "XII"};

} // namespace

std::string toUpperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string cuspDisplayLine(const engine::CuspPosition& cusp, int planetNameFormat,
                            int signNameFormat)
{
    const std::string_view numeral =
        cusp.number >= 1 && cusp.number <= 12 ? kRoman[cusp.number - 1] : std::string_view();
    double inSign = std::fmod(cusp.longitude, 30.0);
    if (!(inSign >= 0.0))
        inSign = 0.0;
    const int totalSeconds = static_cast<int>(inSign * 3600.0);
    char degree[32];
    std::snprintf(degree, sizeof degree, "%d-%02d-%02d", totalSeconds / 3600,
                  totalSeconds / 60 % 60, totalSeconds % 60);

    std::string line(numeral);
    for (std::string_view field :
         {signNameInForm(cusp.sign, signNameFormat),
          lordNameInForm(cusp.starLord, planetNameFormat),
          lordNameInForm(cusp.subLord, planetNameFormat),
          lordNameInForm(cusp.subSubLord, planetNameFormat), std::string_view(degree)}) {
        line += " | ";
        line += field;
    }
    return line;
}

std::string cuspScript(std::string_view displayLine)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = displayLine.find('|', start);
        fields.push_back(displayLine.substr(
            start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos)
            break;
        start = bar + 1;
    }
    if (fields.size() < 5)
        return {};
    std::string script(lordOfSignName(toUpperAscii(trim(fields[1]))));
    for (std::size_t i = 2; i <= 4; ++i) {
        script += '-';
        script += trim(fields[i]);
    }
    return script;
}

std::string cuspScriptOf(const MatchSubject& s, int number)
{
    for (const engine::CuspPosition& c : s.cusps)
        if (c.number == number)
            return cuspScript(cuspDisplayLine(c, s.planetNameFormat, s.signNameFormat));
    return {};
}

std::string planetaryScript(const engine::PlanetPosition& planet, int planetNameFormat)
{
    std::string script(engine::bodyName(planet.body, planetNameFormat));
    for (engine::LordIndex lord : {planet.starLord, planet.subLord, planet.subSubLord}) {
        script += '-';
        script += lordNameInForm(lord, planetNameFormat);
    }
    return toUpperAscii(script);
}

const engine::PlanetPosition* subLordPlanet(const MatchSubject& s, int number)
{
    // The first planet, in chart order, among whose sub-lord cusps `number` is.
    for (const engine::PlanetPosition& p : s.planets) {
        const engine::LordIndex lord = engine::bodyToLord(p.body);
        if (lord < 0)
            continue;
        for (const engine::CuspPosition& c : s.cusps)
            if (c.subLord == lord && c.number == number)
                return &p;
    }
    return nullptr;
}

std::string planetName(const MatchSubject& s, const engine::PlanetPosition& planet)
{
    return std::string(engine::bodyName(planet.body, s.planetNameFormat));
}

bool isLinkedInto(std::string_view name, std::string_view script)
{
    std::size_t start = 0;
    while (start <= script.size()) {
        std::size_t end = script.find_first_of(" -", start);
        if (end == std::string_view::npos)
            end = script.size();
        const std::string_view word = trim(script.substr(start, end - start));
        if (!word.empty() && word == name)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace lumikan::match
