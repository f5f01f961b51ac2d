// The only unit that talks to the Swiss Ephemeris. The library's data path and
// sidereal mode are process-wide; they are set again before every computation
// that needs them.
#include "engine/ephemeris.h"

#include "engine/messages.h"

#include <swephexp.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

namespace lumikan::engine {

namespace {

void applyCustomMode(const EphemerisContext& context, double julianDayUt)
{
    if (context.isCustom)
        swe_set_sid_mode(SE_SIDM_USER, julianDayUt, context.customValue);
}

// The library's message, if any, goes to standard error so standard output
// stays clean for the command-line program.
void reportLibraryText(const char* serr)
{
    if (serr[0] != '\0')
        std::fprintf(stderr, "Swiss Error: %s\n", serr);
}

}  // namespace

AyanamsaMode ayanamsaModeFromInt(int value)
{
    return value >= 0 && value <= 4 ? static_cast<AyanamsaMode>(value) : AyanamsaMode::Krishnamurti;
}

std::string_view ayanamsaModeName(AyanamsaMode mode)
{
    switch (mode) {
    case AyanamsaMode::Lahiri: return "Lahiri";
    case AyanamsaMode::Sayana: return "Sayana";
    case AyanamsaMode::Raman: return "Raman";
    case AyanamsaMode::Custom: return "Custom";
    case AyanamsaMode::Krishnamurti: break;
    }
    return "Krishnamurti";
}

void setUpEphemerisContext(EphemerisContext& context, AyanamsaMode mode, double customValue)
{
    context.isCustom = false;
    context.customValue = 0.0;
    switch (mode) {
    case AyanamsaMode::Lahiri:
        context.calcFlags = kSiderealCalcFlags;
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
        break;
    case AyanamsaMode::Sayana:
        context.calcFlags = kTropicalCalcFlags;
        break;
    case AyanamsaMode::Raman:
        context.calcFlags = kSiderealCalcFlags;
        swe_set_sid_mode(SE_SIDM_RAMAN, 0, 0);
        break;
    case AyanamsaMode::Custom:
        context.calcFlags = kSiderealCalcFlags;
        context.isCustom = true;
        context.customValue = customValue;
        break;
    case AyanamsaMode::Krishnamurti:
        context.calcFlags = kSiderealCalcFlags;
        swe_set_sid_mode(SE_SIDM_KRISHNAMURTI, 0, 0);
        break;
    }
}

std::string ephemerisDataPath()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path())
        return {};
    return (exe.parent_path() / "ephe").string();
}

std::string libraryDataPath(const std::string& folder)
{
    // An empty or relative folder would have the library search the current
    // directory; a folder that holds none of its files makes every request fail.
    if (folder.empty() || folder.front() != '/')
        return "/nonexistent/lumikan-ephe";
    // The library splits its path at ':' and drops one longer than it can hold
    // for a default that starts with the current directory. A descriptor of
    // the folder, held for the life of the process, has a short safe name.
    constexpr std::size_t kLibraryPathRoom = 200;
    if (folder.find(':') == std::string::npos && folder.size() <= kLibraryPathRoom)
        return folder;
    static std::map<std::string, int> held;
    auto it = held.find(folder);
    if (it == held.end()) {
        const int fd = ::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return "/nonexistent/lumikan-ephe";
        it = held.emplace(folder, fd).first;
    }
    return "/proc/self/fd/" + std::to_string(it->second);
}

std::string ephemerisDataDescription()
{
    const std::string folder = ephemerisDataPath();
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
        if (entry.path().extension() == ".se1")
            files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    std::string text = folder.empty() ? std::string("(no data folder)") : folder;
    text += files.empty() ? " (no ephemeris files)" : " (";
    for (std::size_t i = 0; i < files.size(); ++i)
        text += (i ? ", " : "") + files[i] + (i + 1 == files.size() ? ")" : "");
    return text;
}

std::string libraryVersion()
{
    char version[AS_MAXCH] = "";
    swe_version(version);
    return version;
}

void openEphemeris(EphemerisContext& context, AyanamsaMode mode, double customValue)
{
    // Only the data shipped beside the program is used: a path from the
    // environment would silently replace it.
    ::unsetenv("SE_EPHE_PATH");
    std::string path = libraryDataPath(ephemerisDataPath());
    swe_set_ephe_path(path.data());
    swe_set_sid_mode(SE_SIDM_KRISHNAMURTI, 0, 0);
    setUpEphemerisContext(context, mode, customValue);
}

void closeEphemeris() { swe_close(); }

std::optional<EclipticPosition> requestPosition(EphemerisContext& context, double julianDayUt,
                                                BodyId body, Messages* messages)
{
    applyCustomMode(context, julianDayUt);
    std::array<double, 6> xx{};
    char serr[AS_MAXCH] = "";
    const int32 ret = swe_calc_ut(julianDayUt, body, context.calcFlags, xx.data(), serr);
    context.lastSpeed = xx[3];
    reportLibraryText(serr);
    // Without its data file the library falls back to a less precise model,
    // enough to move a sub-sub lord: that is a failure, never a quiet result.
    if (ret >= 0 && (ret & SEFLG_SWIEPH) == 0) {
        if (messages)
            messages->plain(serr);
        return std::nullopt;
    }
    if (ret < 0) {
        if (messages)
            messages->plain(serr);
        return std::nullopt;
    }
    return EclipticPosition{xx[0], xx[1], xx[3]};
}

double requestLongitude(EphemerisContext& context, double julianDayUt, BodyId body,
                        Messages* messages)
{
    const auto position = requestPosition(context, julianDayUt, body, messages);
    return position ? position->longitudeDeg : -1.0;
}

double requestLatitude(EphemerisContext& context, double julianDayUt, BodyId body,
                       Messages* messages)
{
    applyCustomMode(context, julianDayUt);
    std::array<double, 6> xx{};
    char serr[256];
    std::memset(serr, 0, sizeof serr);
    if (swe_calc_ut(julianDayUt, body, context.calcFlags, xx.data(), serr) < 0) {
        if (messages)
            messages->plain(serr);
        return -1.0;
    }
    return xx[1];
}

bool placidusCusps(const EphemerisContext& context, double julianDayUt, double latitudeDeg,
                   double longitudeDeg, std::array<double, 13>& cusps)
{
    applyCustomMode(context, julianDayUt);
    std::array<double, 10> ascmc{};
    cusps.fill(0.0);
    return swe_houses_ex(julianDayUt, context.calcFlags, latitudeDeg, longitudeDeg, 'P',
                         cusps.data(), ascmc.data()) != ERR;
}

double julianDay(int year, int month, int day, double hourUt)
{
    return swe_julday(year, month, day, hourUt, SE_GREG_CAL);
}

double ayanamsaValue(double julianDayUt) { return swe_get_ayanamsa_ut(julianDayUt); }

std::optional<double> nextSunRiseOrSet(double julianDayUt, double latitudeDeg,
                                       double longitudeDeg, bool rise)
{
    double geopos[3] = {longitudeDeg, latitudeDeg, 0.0};
    double when = 0.0;
    char serr[AS_MAXCH] = "";
    const int32 ret = swe_rise_trans(julianDayUt, SE_SUN, nullptr, SEFLG_SWIEPH,
                                     rise ? SE_CALC_RISE : SE_CALC_SET, geopos, 0.0, 0.0, &when,
                                     serr);
    if (ret != 0)
        return std::nullopt;
    return when;
}

std::optional<double> nextSunRiseOrSetAt(double julianDayUt, double latitudeDeg,
                                         double longitudeDeg, bool rise, double pressureHpa,
                                         double temperatureC)
{
    double geopos[3] = {longitudeDeg, latitudeDeg, 0.0};
    double when = 0.0;
    char serr[AS_MAXCH] = "";
    const int32 ret = swe_rise_trans(julianDayUt, SE_SUN, nullptr, SEFLG_SWIEPH,
                                     rise ? SE_CALC_RISE : SE_CALC_SET, geopos, pressureHpa,
                                     temperatureC, &when, serr);
    if (ret != 0)
        return std::nullopt;
    return when;
}

std::optional<double> tropicalLatitude(double julianDayUt, BodyId body)
{
    std::array<double, 6> xx{};
    char serr[AS_MAXCH] = "";
    if (swe_calc_ut(julianDayUt, body, SEFLG_SWIEPH, xx.data(), serr) < 0)
        return std::nullopt;
    return xx[1];
}

}  // namespace lumikan::engine
