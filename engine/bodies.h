#pragma once

#include <array>
#include <string_view>

namespace lumikan::engine {

// A computed body: Swiss Ephemeris planet numbers 0..10, and our own 11 (Ketu)
// and 993 (Fortuna), which are never passed to the library.
using BodyId = int;

namespace body {
inline constexpr BodyId Sun = 0;
inline constexpr BodyId Moon = 1;
inline constexpr BodyId Mercury = 2;
inline constexpr BodyId Venus = 3;
inline constexpr BodyId Mars = 4;
inline constexpr BodyId Jupiter = 5;
inline constexpr BodyId Saturn = 6;
inline constexpr BodyId Uranus = 7;
inline constexpr BodyId Neptune = 8;
inline constexpr BodyId Pluto = 9;
inline constexpr BodyId Rahu = 10;
inline constexpr BodyId Ketu = 11;
inline constexpr BodyId Fortuna = 993;
}  // namespace body

// The seven classical planets, Sun to Saturn, are BodyId 0..6.
constexpr bool isClassicalPlanet(BodyId b) { return b >= body::Sun && b <= body::Saturn; }
constexpr bool isNode(BodyId b) { return b == body::Rahu || b == body::Ketu; }

// The Vimshottari order of the nine lords: 0 Ketu, 1 Venus, 2 Sun, 3 Moon,
// 4 Mars, 5 Rahu, 6 Jupiter, 7 Saturn, 8 Mercury.
using LordIndex = int;
inline constexpr int kLordCount = 9;

namespace lord {
inline constexpr LordIndex Ketu = 0;
inline constexpr LordIndex Venus = 1;
inline constexpr LordIndex Sun = 2;
inline constexpr LordIndex Moon = 3;
inline constexpr LordIndex Mars = 4;
inline constexpr LordIndex Rahu = 5;
inline constexpr LordIndex Jupiter = 6;
inline constexpr LordIndex Saturn = 7;
inline constexpr LordIndex Mercury = 8;
}  // namespace lord

constexpr bool isValidLord(LordIndex l) { return l >= 0 && l < kLordCount; }

inline constexpr std::array<int, kLordCount> DASHA_YEARS = {7, 20, 6, 10, 7, 18, 16, 19, 17};
inline constexpr std::array<double, kLordCount> DASHA_YEARS_REAL = {7.0,  20.0, 6.0,  10.0, 7.0,
                                                                    18.0, 16.0, 19.0, 17.0};
inline constexpr int kDashaCycleYears = 120;

// Years of a lord's mahadasha; 0 for anything that is not a lord.
constexpr int dashaYears(LordIndex l) { return isValidLord(l) ? DASHA_YEARS[l] : 0; }

// -1 for Uranus, Neptune, Pluto, Fortuna and anything unknown.
constexpr LordIndex bodyToLord(BodyId b)
{
    switch (b) {
    case body::Sun: return lord::Sun;
    case body::Moon: return lord::Moon;
    case body::Mercury: return lord::Mercury;
    case body::Venus: return lord::Venus;
    case body::Mars: return lord::Mars;
    case body::Jupiter: return lord::Jupiter;
    case body::Saturn: return lord::Saturn;
    case body::Rahu: return lord::Rahu;
    case body::Ketu: return lord::Ketu;
    default: return -1;
    }
}

// A lord without a body (an invalid index) maps to the Sun, as lists that
// name lords through bodyName expect.
constexpr BodyId lordToBody(LordIndex l)
{
    constexpr std::array<BodyId, kLordCount> bodies = {body::Ketu, body::Venus,   body::Sun,
                                                       body::Moon, body::Mars,    body::Rahu,
                                                       body::Jupiter, body::Saturn, body::Mercury};
    return isValidLord(l) ? bodies[l] : body::Sun;
}

// "Ketu", "Venus", ... by LordIndex; "?" outside the range.
std::string_view lordName(LordIndex l);
// "Ke", "Ve", ... by LordIndex; "?" outside the range.
std::string_view lordAbbreviation(LordIndex l);

// The planet-name preference: 0 upper case ("MON"), 1 short ("Mon"), 2 full
// ("Moon"); any other value counts as 0.
std::string_view bodyName(BodyId b, int form);

// Two-letter code used in chart diagrams ("Su", "Mo", ... "Ur", "Ne", "Pl", "FO").
std::string_view bodyCode(BodyId b);

// Weekday 0 = Sunday .. 6 = Saturday to its lord as a BodyId.
inline constexpr std::array<BodyId, 7> WEEKDAY_LORDS = {body::Sun,     body::Moon,  body::Mars,
                                                        body::Mercury, body::Jupiter, body::Venus,
                                                        body::Saturn};
constexpr BodyId weekdayLord(int weekday) { return WEEKDAY_LORDS[((weekday % 7) + 7) % 7]; }

}  // namespace lumikan::engine
