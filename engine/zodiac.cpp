#include "engine/zodiac.h"

#include <cmath>

namespace lumikan::engine {

namespace {

struct SignNames {
    std::string_view full, upper, shortForm;
};

constexpr std::array<SignNames, kSignCount> kSignNames = {{
    {"Aries", "ARIES", "Ar"},
    {"Taurus", "TAURUS", "Ta"},
    {"Gemini", "GEMINI", "Ge"},
    {"Cancer", "CANCER", "Cn"},
    {"Leo", "LEO", "Le"},
    {"Virgo", "VIRGO", "Vi"},
    {"Libra", "LIBRA", "Li"},
    {"Scorpio", "SCORPIO", "Sc"},
    {"Sagittarius", "SAGITTARIUS", "Sg"},
    {"Capricorn", "CAPRICORN", "Cp"},
    {"Aquarius", "AQUARIUS", "Aq"},
    {"Pisces", "PISCES", "Pi"},
}};

struct NakshatraNames {
    std::string_view full, shortForm, upper;
};

constexpr std::array<NakshatraNames, kNakshatraCount> kNakshatraNames = {{
    {"Ashwini", "Ashwini", "ASHWINI"},
    {"Bharani", "Bharani", "BHARANI"},
    {"Krittika", "Krittika", "KRITTIKA"},
    {"Rohini", "Rohini", "ROHINI"},
    {"Mrigashira", "Mrigashira", "MRIGASHIRA"},
    {"Ardra", "Ardra", "ARDRA"},
    {"Punarvasu", "Punarvasu", "PUNARVASU"},
    {"Pushya", "Pushya", "PUSHYA"},
    {"Ashlesha", "Ashlesha", "ASHLESHA"},
    {"Magha", "Magha", "MAGHA"},
    {"Purva Phalguni", "P.Phalguni", "P.PHALGUNI"},
    {"Uttara Phalguni", "U.Phalguni", "U.PHALGUNI"},
    {"Hasta", "Hasta", "HASTA"},
    {"Chitra", "Chitra", "CHITRA"},
    {"Swati", "Swati", "SWATI"},
    {"Vishakha", "Vishakha", "VISHAKHA"},
    {"Anuradha", "Anuradha", "ANURADHA"},
    {"Jyeshtha", "Jyeshtha", "JYESHTHA"},
    {"Mula", "Mula", "MULA"},
    {"Purva Ashadha", "P.Ashadha", "P.ASHADHA"},
    {"Uttara Ashadha", "U.Ashadha", "U.ASHADHA"},
    {"Shravana", "Shravana", "SHRAVANA"},
    {"Dhanishta", "Dhanishta", "DHANISHTA"},
    {"Shatabhisha", "Shatabhisha", "SHATABHISHA"},
    {"Purva Bhadrapada", "P.Bhadra", "P.BHADRA"},
    {"Uttara Bhadrapada", "U.Bhadra", "U.BHADRA"},
    {"Revati", "Revati", "REVATI"},
}};

}  // namespace

double normalizeDegrees(double longitudeDeg)
{
    if (!std::isfinite(longitudeDeg))
        return 0.0;
    double l = std::fmod(longitudeDeg, 360.0);
    if (l < 0.0)
        l += 360.0;
    // fmod of a tiny negative plus 360 can round up to exactly 360.
    if (l >= 360.0)
        l = 0.0;
    return l;
}

Sign signOf(double longitudeDeg)
{
    const int s = static_cast<int>(std::trunc(longitudeDeg / 30.0));
    return s < 0 ? 0 : (s > 11 ? 11 : s);
}

double degreeInSign(double longitudeDeg) { return std::fmod(longitudeDeg, 30.0); }

Nakshatra nakshatraOf(double longitudeDeg)
{
    double l = longitudeDeg;
    if (!std::isfinite(l))
        return 0;
    while (l < 0.0)
        l += 360.0;
    while (l >= 360.0)
        l -= 360.0;
    const int n = static_cast<int>(std::trunc(l / kNakshatraSpanDecimal));
    return n > 26 ? 26 : n;
}

double offsetInNakshatra(double longitudeDeg) { return std::fmod(longitudeDeg, kNakshatraSpanDecimal); }

int padaOf(double longitudeDeg)
{
    const double r = std::fmod(std::fmod(longitudeDeg + 360.0, 360.0), kNakshatraSpanExact);
    const int pada = 1 + static_cast<int>(std::trunc(r / kPadaSpan));
    return pada < 1 ? 1 : (pada > 4 ? 4 : pada);
}

std::string_view signName(Sign s) { return isValidSign(s) ? kSignNames[s].full : "?"; }
std::string_view signNameUpper(Sign s) { return isValidSign(s) ? kSignNames[s].upper : "?"; }
std::string_view signNameShort(Sign s) { return isValidSign(s) ? kSignNames[s].shortForm : "?"; }

std::string_view nakshatraName(Nakshatra n)
{
    return isValidNakshatra(n) ? kNakshatraNames[n].full : "?";
}
std::string_view nakshatraNameShort(Nakshatra n)
{
    return isValidNakshatra(n) ? kNakshatraNames[n].shortForm : "?";
}
std::string_view nakshatraNameUpper(Nakshatra n)
{
    return isValidNakshatra(n) ? kNakshatraNames[n].upper : "?";
}

int weekdayOf(double julianDayUt)
{
    const long long d = static_cast<long long>(std::trunc(julianDayUt + 1.5));
    return static_cast<int>(((d % 7) + 7) % 7);
}

}  // namespace lumikan::engine
