#pragma once

#include "engine/bodies.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace lumikan::engine {

class Messages;

// The ayanamsa setting. Any other stored value counts as Krishnamurti.
enum class AyanamsaMode { Lahiri = 0, Sayana = 1, Raman = 2, Krishnamurti = 3, Custom = 4 };

AyanamsaMode ayanamsaModeFromInt(int value);
// "Lahiri", "Sayana", "Raman", "Krishnamurti", "Custom".
std::string_view ayanamsaModeName(AyanamsaMode mode);

// Library flags: Swiss Ephemeris files, speed, sidereal positions.
inline constexpr int kSiderealCalcFlags = 0x10102;
inline constexpr int kTropicalCalcFlags = 0x102;

// Per-document calculation state.
struct EphemerisContext {
    int calcFlags = kSiderealCalcFlags;
    bool isCustom = false;
    double customValue = 0.0;  // degrees, the ayanamsa at the moment computed
    double lastSpeed = 0.0;    // degrees per day from the latest longitude request
};

// Applies the mode: flags, and the library's sidereal mode (process-wide).
void setUpEphemerisContext(EphemerisContext& context, AyanamsaMode mode, double customValue);

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

// Points the library at the data folder, selects the Krishnamurti sidereal mode
// and sets the context up from the ayanamsa setting.
void openEphemeris(EphemerisContext& context, AyanamsaMode mode, double customValue);
// Releases the library's open files.
void closeEphemeris();

// Longitude of a body (degrees) at a Julian day in UT; -1.0 when the library
// fails, after showing its message through `messages` (may be null).
// The daily speed is left in context.lastSpeed.
double requestLongitude(EphemerisContext& context, double julianDayUt, BodyId body,
                        Messages* messages = nullptr);

struct EclipticPosition {
    double longitudeDeg = -1.0;
    double latitudeDeg = -1.0;
    double speedDegPerDay = 0.0;
};

// Longitude, latitude and speed from one library call; empty when it fails
// or could not use the Swiss Ephemeris files (after showing its message).
// Leaves the speed in context.lastSpeed too.
std::optional<EclipticPosition> requestPosition(EphemerisContext& context, double julianDayUt,
                                                BodyId body, Messages* messages = nullptr);

// Ecliptic latitude of a body; -1.0 when the library fails.
double requestLatitude(EphemerisContext& context, double julianDayUt, BodyId body,
                       Messages* messages = nullptr);

// Placidus cusps 1..12 (index 0 unused) with the context's flags; false where the
// house system cannot be computed (beyond the polar circles).
bool placidusCusps(const EphemerisContext& context, double julianDayUt, double latitudeDeg,
                   double longitudeDeg, std::array<double, 13>& cusps);

// Julian day of a Gregorian date and a UT hour; the day may be 0 or one past
// the month's end.
double julianDay(int year, int month, int day, double hourUt);

// The library's ayanamsa for the sidereal mode now in force.
double ayanamsaValue(double julianDayUt);

// The next rising (rise = true) or setting of the Sun after julianDayUt as seen
// from the place; empty when the library finds none (polar day or night).
std::optional<double> nextSunRiseOrSet(double julianDayUt, double latitudeDeg,
                                       double longitudeDeg, bool rise);

// The Sun's next rising (rise = true) or setting after julianDayUt, from the
// Swiss Ephemeris files, for an observer at height 0 under the given
// atmospheric pressure (hPa) and temperature (degrees Celsius); empty when the
// library finds none (polar day or night) or fails.
std::optional<double> nextSunRiseOrSetAt(double julianDayUt, double latitudeDeg,
                                         double longitudeDeg, bool rise, double pressureHpa,
                                         double temperatureC);

// Tropical ecliptic latitude (degrees) of a library body (0..10), Swiss
// Ephemeris files only; empty when the request fails.
std::optional<double> tropicalLatitude(double julianDayUt, BodyId body);

}  // namespace lumikan::engine
