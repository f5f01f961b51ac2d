#include "engine/birth_particulars.h"

#include "engine/chart.h"
#include "engine/nakshatra_attributes.h"
#include "engine/zodiac.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace lumikan::engine {

namespace {

// The nakshatra and yoga width of these particulars, to ten decimals.
constexpr double kStarWidth = 13.3333333333;

constexpr std::array<std::string_view, 30> kTithis = {
    "Pratipada", "Dvitiya",  "Tritiya",  "Chaturthi", "Panchami",   "Shashthi",
    "Saptami",   "Ashtami",  "Navami",   "Dashami",   "Ekadashi",   "Dwadashi",
    "Trayodashi", "Chaturdashi", "Purnima", "Pratipada", "Dvitiya", "Tritiya",
    "Chaturthi", "Panchami", "Shashthi", "Saptami",   "Ashtami",    "Navami",
    "Dashami",   "Ekadashi", "Dwadashi", "Trayodashi", "Chaturdashi", "Amavasya"};

constexpr std::array<std::string_view, 27> kYogas = {
    "Vishkambha", "Priti",    "Ayushman", "Saubhagya", "Shobhana", "Atiganda", "Sukarman",
    "Dhriti",     "Shoola",   "Ganda",    "Vriddhi",   "Dhruva",   "Vyaghata", "Harshana",
    "Vajra",      "Siddhi",   "Vyatipata", "Variyana", "Parigha",  "Shiva",    "Siddha",
    "Sadhya",     "Shubha",   "Shukla",   "Brahma",    "Indra",    "Vaidhriti"};

constexpr std::array<std::string_view, 7> kMovableKaranas = {
    "Bava", "Balava", "Kaulava", "Taitila", "Garaja", "Vanija", "Vishti"};

constexpr std::array<std::string_view, 27> kSyllables = {
    "Chu Che Cho La", "Li Lu Le Lo",    "A I U E",        "O Va Vi Vu",    "Ve Vo Ka Ki",
    "Ku Gha Ing",     "Ke Ko Ha Hi",    "Hu He Ho Da",    "Di Du De Do",   "Ma Mi Mu Me",
    "Mo Ta Ti Tu",    "Te To Pa Pi",    "Pu Sha Na Tha",  "Pe Po Ra Ri",   "Ru Re Ro Ta",
    "Ti Tu Te To",    "Na Ni Nu Ne",    "No Ya Yi Yu",    "Ye Yo Bha Bhi", "Bu Dha Bha Dha",
    "Be Bo Ja Ji",    "Ju Je Jo Gha",   "Ga Gi Gu Ge",    "Go Sa Si Su",   "Se So Da Di",
    "Du Tha Jha",     "De Do Cha Chi"};

double reduced(double deg)
{
    if (!std::isfinite(deg))
        return 0.0;
    double r = std::fmod(deg, 360.0);
    if (r < 0.0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

// Index of a longitude in [0, 360) among 27 equal parts; a hair below 360
// stays in the last part.
int starIndex(double deg) { return std::min(26, static_cast<int>(std::trunc(deg / kStarWidth))); }

std::string_view karanaOf(double elongationDeg)
{
    const int k = static_cast<int>(std::trunc(elongationDeg / 6.0));
    if (k <= 0)
        return "Kimstughna";
    if (k <= 56)
        return kMovableKaranas[(k - 1) % 7];
    if (k == 57)
        return "Shakuni";
    if (k == 58)
        return "Chatushpada";
    return "Naga";
}

std::string_view varnaOf(Sign s)
{
    switch (s % 4) {
    case 0: return "Kshatriya";  // fire
    case 1: return "Vaishya";    // earth
    case 2: return "Shudra";     // air
    default: return "Brahmin";   // water
    }
}

std::string_view vashyaOf(Sign s, double degreeInSignDeg)
{
    switch (s) {
    case 0:
    case 1: return "Chatuspad";
    case 2:
    case 5:
    case 6:
    case 10: return "Manav";
    case 3:
    case 11: return "Jalachara";
    case 4: return "Vanachara";
    case 7: return "Keeta";
    case 8: return degreeInSignDeg < 15.0 ? "Manav" : "Chatuspad";
    default: return degreeInSignDeg < 15.0 ? "Chatuspad" : "Jalachara";  // Capricorn
    }
}

}  // namespace

double approximateSunrise(double julianDayUt, double sunDeg, double latitudeDeg,
                          double longitudeDeg, double timeZoneHours)
{
    constexpr double rad = std::numbers::pi / 180.0;
    const double lambda = sunDeg * rad;
    const double epsilon = (23.4393 - (julianDayUt - 2451545.0) * 4e-07) * rad;
    const double delta = std::asin(std::sin(epsilon) * std::sin(lambda));
    const double phi = latitudeDeg * rad;
    const double cosH = (std::sin(-0.833 * rad) - std::sin(phi) * std::sin(delta)) /
                        (std::cos(phi) * std::cos(delta));
    // Also catches the poles, where the division gives no number.
    if (!(cosH >= -1.0 && cosH <= 1.0))
        return -1.0;
    const double hourAngleDeg = std::acos(cosH) / rad;
    return 12.0 - hourAngleDeg / 15.0 + timeZoneHours - longitudeDeg / 15.0;
}

BirthParticulars birthParticularsFor(double sunDeg, double moonDeg, const BirthDetails& birth,
                                     double julianDayUt)
{
    BirthParticulars bp;
    const double m = reduced(moonDeg);
    const double e = reduced(moonDeg - sunDeg);

    const int t = std::min(29, static_cast<int>(std::trunc(e / 12.0)));
    const std::string_view paksha = t < 15 ? "Shukla Paksha" : "Krishna Paksha";
    bp.tithi = std::string(paksha) + " - " + std::string(kTithis[t]);
    bp.yoga = kYogas[starIndex(reduced(moonDeg + sunDeg))];
    bp.karana = karanaOf(e);

    const Sign sign = signOf(m);
    bp.rashi = signName(sign);
    const int n = starIndex(m);
    bp.nakshatra = nakshatraName(n);
    bp.syllables = kSyllables[n];
    const NakshatraAttributes& row = nakshatraAttributes(n);
    bp.yoni = row.yoni;
    bp.gana = row.gana;
    bp.nadi = row.nadi;
    bp.varna = varnaOf(sign);
    bp.vashya = vashyaOf(sign, std::fmod(m, 30.0));

    const double birthHour = birth.hour + birth.minute / 60.0 + birth.second / 3600.0;
    const double sunrise =
        approximateSunrise(julianDayUt, sunDeg, birth.latitude, birth.longitude, birth.timeZone);
    bp.hoursSinceSunrise = birthHour - sunrise;
    if (bp.hoursSinceSunrise < 0.0)
        bp.hoursSinceSunrise += 24.0;

    bp.moonSignLord = lordToBody(SIGN_LORDS[sign]);
    bp.moonSignLordName = bodyName(bp.moonSignLord, 1);

    // In the last hair below 360 the star is Revati and nothing of it remains.
    const bool clamped = m / kStarWidth >= 27.0;
    bp.nakshatraRemaining =
        clamped ? 0.0 : (kStarWidth - std::fmod(m, kStarWidth)) / kStarWidth;
    return bp;
}

BirthParticulars buildBirthParticulars(const Chart& chart)
{
    // Every chart has its Sun and Moon.
    auto longitude = [&chart](BodyId b) {
        const PlanetPosition* p = findPlanet(chart, b);
        return p ? p->longitude : 0.0;
    };
    return birthParticularsFor(longitude(body::Sun), longitude(body::Moon), chart.birth,
                               chart.julianDayUt);
}

}  // namespace lumikan::engine
