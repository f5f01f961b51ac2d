#pragma once

#include "engine/ayanamsa_mode.h"
#include "engine/birth_particulars.h"
#include "engine/bodies.h"
#include "engine/dasha_period.h"
#include "engine/shadbala_result.h"
#include "engine/significator_reason.h"
#include "engine/varga_chart.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lumikan::engine {

// The input of one horoscope. Texts are UTF-8.
struct BirthDetails {
    std::string name = "NoName";
    std::string city = "Unknown";
    std::string state;
    std::string country;
    int year = 1900, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    double latitude = 0.0;  // degrees, north positive
    double longitude = 0.0; // degrees, east positive
    double timeZone = 0.0;  // hours east of UTC
    int gender = 3;         // 0 male, 1 female, 2 other, 3 not given
};

// The four lords of a longitude, each a LordIndex.
struct KpLords {
    LordIndex signLord = 0;
    LordIndex starLord = 0;
    LordIndex subLord = 0;
    LordIndex subSubLord = 0;
};

struct CuspPosition {
    int number = 1;         // 1..12
    double longitude = 0.0; // sidereal degrees in [0, 360)
    int sign = 0;
    LordIndex signLord = 0;
    int nakshatra = 0;
    LordIndex starLord = 0;
    LordIndex subLord = 0;
    LordIndex subSubLord = 0;
};

struct DignityFlags {
    bool combust = false;
    bool exalted = false;
    bool debilitated = false;
    bool moolatrikona = false;
    bool ownSign = false;
    bool retrograde = false;
    bool direct = false;
    bool stationary = false;
};

struct PlanetPosition {
    int house = -1; // 1..12 by the cusps; -1 without exactly 12 cusps
    BodyId body = 0;
    double longitude = 0.0; // sidereal degrees in [0, 360)
    double latitude = 0.0;  // ecliptic latitude, degrees
    int sign = 0;
    LordIndex signLord = 0;
    int nakshatra = 0;
    LordIndex starLord = 0;
    LordIndex subLord = 0;
    LordIndex subSubLord = 0;
    int charaKarakaRank = -1; // 0..6 for the classical planets
    int pada = 1;
    DignityFlags dignity;
    double speed = 0.0;    // degrees per day
    double shadbala = 0.0; // total strength in virupas (strength.total)
    ShadbalaResult strength;
};

struct PlanetHouses {
    BodyId body = 0;
    std::vector<int> houses;
};

// The four KP levels of one house.
struct HouseSignificators {
    int house = 1;
    std::vector<BodyId> occupants;
    std::vector<BodyId> inStarOfOccupants;
    std::vector<LordIndex> owners; // exactly one: the cusp's sign lord
    std::vector<BodyId> inStarOfOwner;
};

// The place whose ruling planets of "now" are watched.
struct RulingPlace {
    double latitudeDeg = 21.1681;  // north positive
    double longitudeDeg = 75.6992; // east positive
    double timeZoneHours = 5.5;    // east of UTC
};

// How the ruling planets' day lord is reckoned.
enum class DayLordRule {
    LocalSunrise, // the KP day, from sunrise to sunrise at the place
    UtDate,       // the weekday of the UT date of the moment
};

// How a chart is cast: everything besides the birth that its values depend on.
struct ChartOptions {
    AyanamsaMode ayanamsa = AyanamsaMode::Krishnamurti;
    double customAyanamsaDeg = 0.0; // used with AyanamsaMode::Custom
    bool includeUranus = true, includeNeptune = true, includePluto = true;
    bool includeFortuna = true;
    // A horary chart's first cusp (degrees); empty for a birth chart.
    std::optional<double> horaryAscendantDeg;
    RulingPlace rulingPlace;
    DayLordRule dayLordRule = DayLordRule::LocalSunrise;
    int dashaDepth = 3;            // levels of the dasha kept, 1..4 (at least 3 are built)
    double dashaYearDays = 365.25; // the dasha year
    int planetNameForm = 0;        // form of the dasha lords' names, as for bodyName

    bool operator==(const ChartOptions&) const = default;
};

// The computed horoscope of one BirthDetails: a value that holds everything
// its readers show, so nobody asks the ephemeris again after computing it.
struct Chart {
    BirthDetails birth;
    ChartOptions options;

    std::vector<PlanetPosition> planets;
    std::vector<PlanetHouses> planetSignificators;
    std::vector<PlanetHouses> planetOwnSignificators;
    std::vector<CuspPosition> cusps;
    std::vector<HouseSignificators> houseSignificators;
    // Why each planet signifies what planetSignificators lists, in chart order.
    std::vector<PlanetSignificatorReasons> significatorReasons;
    std::vector<PlanetPosition> rashiChartPlanets;
    std::vector<PlanetPosition> bhavaChartPlanets;

    // The ruling planets of the birth moment.
    BodyId dayLord = 0;
    LordIndex moonSignLord = 0, moonStarLord = 0, moonSubLord = 0, moonSubSubLord = 0;
    LordIndex ascSignLord = 0, ascStarLord = 0, ascSubLord = 0, ascSubSubLord = 0;

    std::map<int, VargaChart> vargas;
    BirthParticulars birthParticulars;
    // The Vimshottari periods from birth, to max(options.dashaDepth, 3) levels.
    std::vector<DashaSpan> dasha;

    std::map<BodyId, int> charaKarakaRanks;
    double julianDayUt = 0.0;
    double ayanamsaDeg = 0.0; // the ayanamsa in force at the birth moment (0 for Sayana)

    bool includeUranus = true, includeNeptune = true, includePluto = true;
    bool includeFortuna = true;
    bool isHorary = false;
    double horaryAscendant = -1.0; // degrees; -1 for a birth chart
};

// The first PlanetPosition of the given body, or null.
const PlanetPosition* findPlanet(const Chart& chart, BodyId body);

} // namespace lumikan::engine
