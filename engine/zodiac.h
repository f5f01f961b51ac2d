#pragma once

#include "engine/bodies.h"

#include <array>
#include <string_view>

namespace lumikan::engine {

using Sign = int;       // 0 Aries .. 11 Pisces
using Nakshatra = int;  // 0 Ashwini .. 26 Revati

inline constexpr int kSignCount = 12;
inline constexpr int kNakshatraCount = 27;

// The nakshatra width as the decimal the lord arithmetic has always used:
// a hair below 40/3, so a longitude on an exact boundary falls into the later
// nakshatra (and sub).
inline constexpr double kNakshatraSpanDecimal = 13.3333333333333;
// The exact double nearest 40/3, used for padas and the horary table.
inline constexpr double kNakshatraSpanExact = 40.0 / 3.0;
inline constexpr double kPadaSpan = 10.0 / 3.0;

inline constexpr std::array<LordIndex, kSignCount> SIGN_LORDS = {
    lord::Mars,    lord::Venus,  lord::Mercury, lord::Moon,   lord::Sun,    lord::Mercury,
    lord::Venus,   lord::Mars,   lord::Jupiter, lord::Saturn, lord::Saturn, lord::Jupiter};

constexpr bool isValidSign(Sign s) { return s >= 0 && s < kSignCount; }
constexpr bool isValidNakshatra(Nakshatra n) { return n >= 0 && n < kNakshatraCount; }

// Lord of a sign; -1 outside 0..11.
constexpr LordIndex signLord(Sign s) { return isValidSign(s) ? SIGN_LORDS[s] : -1; }
// The star lord of nakshatra n runs Ketu, Venus, ... Mercury three times round.
constexpr LordIndex nakshatraLord(Nakshatra n) { return isValidNakshatra(n) ? n % 9 : -1; }

// Reduces any finite angle into [0, 360).
double normalizeDegrees(double longitudeDeg);

// Sign of a sidereal longitude in [0, 360).
Sign signOf(double longitudeDeg);
// Degree within the sign, fmod(L, 30).
double degreeInSign(double longitudeDeg);
// Nakshatra 0..26 (clamped, so 359.9999 stays in Revati).
Nakshatra nakshatraOf(double longitudeDeg);
// Distance into the nakshatra, fmod(L, 13.3333333333333).
double offsetInNakshatra(double longitudeDeg);
// Pada 1..4.
int padaOf(double longitudeDeg);

// Sign names: "Aries", "ARIES", "Ar"; "?" outside the range.
std::string_view signName(Sign s);
std::string_view signNameUpper(Sign s);
std::string_view signNameShort(Sign s);

// Nakshatra names: "Purva Phalguni", "P.Phalguni", "P.PHALGUNI"; "?" outside.
std::string_view nakshatraName(Nakshatra n);
std::string_view nakshatraNameShort(Nakshatra n);
std::string_view nakshatraNameUpper(Nakshatra n);

// Weekday (0 = Sunday) of a Julian day in UT: trunc(J + 1.5) mod 7.
int weekdayOf(double julianDayUt);

}  // namespace lumikan::engine
