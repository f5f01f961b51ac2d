#pragma once

#include "engine/birth_particulars.h"
#include "engine/bodies.h"
#include "engine/varga_chart.h"

#include <map>
#include <string>
#include <vector>

namespace lumikan::engine {

struct EphemerisContext;

// The input of one horoscope. Texts are UTF-8.
struct BirthDetails {
    std::string name = "NoName";
    std::string city = "Unknown";
    std::string state;
    std::string country;
    int year = 1900, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
    double timeZone = 0.0;   // hours east of UTC
    int gender = 3;          // 0 male, 1 female, 2 other, 3 not given
};

// The four lords of a longitude, each a LordIndex.
struct KpLords {
    LordIndex signLord = 0;
    LordIndex starLord = 0;
    LordIndex subLord = 0;
    LordIndex subSubLord = 0;
};

struct CuspPosition {
    int number = 1;          // 1..12
    double longitude = 0.0;  // sidereal degrees in [0, 360)
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
    int house = -1;  // 1..12 by the cusps; -1 without exactly 12 cusps
    BodyId body = 0;
    double longitude = 0.0;  // sidereal degrees in [0, 360)
    double latitude = 0.0;   // ecliptic latitude; -1.0 when the request failed
    int sign = 0;
    LordIndex signLord = 0;
    int nakshatra = 0;
    LordIndex starLord = 0;
    LordIndex subLord = 0;
    LordIndex subSubLord = 0;
    int charaKarakaRank = -1;  // 0..6 for the classical planets
    int pada = 1;
    DignityFlags dignity;
    double speed = 0.0;     // degrees per day
    double shadbala = 0.0;  // total strength in virupas
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
    std::vector<LordIndex> owners;  // exactly one: the cusp's sign lord
    std::vector<BodyId> inStarOfOwner;
};

// The computed horoscope of one BirthDetails. Recomputed in place: references
// into its sequences are valid only until the next computation.
struct Chart {
    std::vector<PlanetPosition> planets;
    std::vector<PlanetHouses> planetSignificators;
    std::vector<PlanetHouses> planetOwnSignificators;
    std::vector<CuspPosition> cusps;
    std::vector<HouseSignificators> houseSignificators;
    std::vector<PlanetPosition> rashiChartPlanets;
    std::vector<PlanetPosition> bhavaChartPlanets;

    BodyId dayLord = 0;
    LordIndex moonSignLord = 0, moonStarLord = 0, moonSubLord = 0, moonSubSubLord = 0;
    LordIndex ascSignLord = 0, ascStarLord = 0, ascSubLord = 0, ascSubSubLord = 0;

    std::map<int, VargaChart> vargas;
    BirthParticulars birthParticulars;

    EphemerisContext* ephemeris = nullptr;  // not owned
    BirthDetails birth;
    // The place whose ruling planets are watched.
    double rpLatitude = 21.1681, rpLongitude = 75.6992, rpTimeZone = 5.5;

    std::map<BodyId, int> charaKarakaRanks;
    double julianDayUt = 0.0;

    bool includeUranus = true, includeNeptune = true, includePluto = true;
    bool includeFortuna = true;
    bool isHorary = false;
    double horaryAscendant = -1.0;
};

// The first PlanetPosition of the given body, or null.
const PlanetPosition* findPlanet(const Chart& chart, BodyId body);

}  // namespace lumikan::engine
