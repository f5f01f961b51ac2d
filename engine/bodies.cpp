#include "engine/bodies.h"

namespace lumikan::engine {

namespace {

constexpr std::array<std::string_view, kLordCount> kLordNames = {
    "Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury"};
constexpr std::array<std::string_view, kLordCount> kLordAbbreviations = {
    "Ke", "Ve", "Su", "Mo", "Ma", "Ra", "Ju", "Sa", "Me"};

struct BodyNames {
    BodyId body;
    std::string_view upper, shortForm, full, code;
};

constexpr std::array<BodyNames, 14> kBodyNames = {{
    {body::Sun, "SUN", "Sun", "Sun", "Su"},
    {body::Moon, "MON", "Mon", "Moon", "Mo"},
    {body::Mercury, "MER", "Mer", "Mercury", "Me"},
    {body::Venus, "VEN", "Ven", "Venus", "Ve"},
    {body::Mars, "MAR", "Mar", "Mars", "Ma"},
    {body::Jupiter, "JUP", "Jup", "Jupiter", "Ju"},
    {body::Saturn, "SAT", "Sat", "Saturn", "Sa"},
    {body::Uranus, "URN", "Urn", "Uranus", "Ur"},
    {body::Neptune, "NEP", "Nep", "Neptune", "Ne"},
    {body::Pluto, "PLU", "Plu", "Pluto", "Pl"},
    {body::Rahu, "RAH", "Rah", "Rahu", "Ra"},
    {body::Ketu, "KET", "Ket", "Ketu", "Ke"},
    {12, "KET", "Ket", "Ketu", "Ke"},
    {body::Fortuna, "FO", "Fo", "Fortuna", "FO"},
}};

const BodyNames* findBody(BodyId b)
{
    for (const auto& entry : kBodyNames)
        if (entry.body == b)
            return &entry;
    return nullptr;
}

}  // namespace

std::string_view lordName(LordIndex l) { return isValidLord(l) ? kLordNames[l] : "?"; }

std::string_view lordAbbreviation(LordIndex l)
{
    return isValidLord(l) ? kLordAbbreviations[l] : "?";
}

std::string_view bodyName(BodyId b, int form)
{
    const BodyNames* names = findBody(b);
    if (!names)
        return "?";
    switch (form) {
    case 1: return names->shortForm;
    case 2: return names->full;
    default: return names->upper;
    }
}

std::string_view bodyCode(BodyId b)
{
    const BodyNames* names = findBody(b);
    return names ? names->code : "?";
}

}  // namespace lumikan::engine
