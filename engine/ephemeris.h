#pragma once

#include "engine/ayanamsa_mode.h"
#include "engine/bodies.h"

#include <array>
#include <optional>
#include <string>

namespace lumikan::engine {

// The "ephe" folder beside the running program; empty when that is unknown.
std::string ephemerisDataPath();
// The path to hand the library for `folder`: the folder itself, or a name of
// it without ':' that fits the library's buffer; never one relative to the
// current directory.
std::string libraryDataPath(const std::string& folder);
// "FOLDER (seas_18.se1, semo_18.se1, sepl_18.se1)": the data the program uses.
std::string ephemerisDataDescription();
// The Swiss Ephemeris version, e.g. "2.10.03".
std::string libraryVersion();

// Julian day of a Gregorian date and a UT hour; the day may be 0 or one past
// the month's end.
double julianDay(int year, int month, int day, double hourUt);

struct EclipticPosition {
    double longitudeDeg = 0.0;
    double latitudeDeg = 0.0;
    double speedDegPerDay = 0.0;
};

// The Swiss Ephemeris. The library keeps its data path and sidereal mode for
// the whole process, so one object owns them: it opens the library on the
// data shipped beside the program, sets the frame every computation asks for,
// and closes the library at exit. Computations never overlap; each starts
// with useFrame.
class Ephemeris {
public:
    static Ephemeris& shared();

    Ephemeris(const Ephemeris&) = delete;
    Ephemeris& operator=(const Ephemeris&) = delete;

    // The zodiac of the requests that follow: sidereal with the mode's
    // ayanamsa, or tropical for Sayana. A custom value (degrees) is the
    // ayanamsa at the very moment of each request.
    void useFrame(AyanamsaMode mode, double customAyanamsaDeg);
    AyanamsaMode mode() const { return mode_; }

    // Longitude (in the frame), latitude and speed of a library body (0..10)
    // from the Swiss Ephemeris files; empty when the library fails or would
    // fall back to a coarser model, with its text in lastMessage().
    std::optional<EclipticPosition> position(double julianDayUt, BodyId body);
    // Placidus cusps 1..12 (index 0 unused) in the frame; empty where the
    // houses cannot be computed (beyond the polar circles).
    std::optional<std::array<double, 13>> placidusCusps(double julianDayUt, double latitudeDeg,
                                                        double longitudeDeg);
    // The ayanamsa in degrees at a moment: the custom value, 0 for Sayana.
    double ayanamsaDeg(double julianDayUt);
    // The Sun's next rising (rise = true) or setting after julianDayUt for an
    // observer at height 0 under the given pressure (hPa) and temperature
    // (degrees Celsius); empty when there is none (polar day or night).
    std::optional<double> nextSunRiseOrSet(double julianDayUt, double latitudeDeg,
                                           double longitudeDeg, bool rise, double pressureHpa,
                                           double temperatureC);
    // Tropical ecliptic latitude (degrees) of a library body (0..10).
    std::optional<double> tropicalLatitude(double julianDayUt, BodyId body);

    // The library's text of the last failed request ("" when it said nothing).
    const std::string& lastMessage() const { return lastMessage_; }

private:
    Ephemeris();
    ~Ephemeris();
    void applyCustomMode(double julianDayUt);

    AyanamsaMode mode_ = AyanamsaMode::Krishnamurti;
    int calcFlags_ = 0;
    double customAyanamsaDeg_ = 0.0;
    std::string lastMessage_;
};

} // namespace lumikan::engine
