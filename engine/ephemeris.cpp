// The only unit that talks to the Swiss Ephemeris.
#include "engine/ephemeris.h"

#include <swephexp.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

namespace lumikan::engine {

namespace {

// The library's message, if any, goes to standard error so standard output
// stays clean for the command-line program.
void reportLibraryText(const char* serr)
{
    if (serr[0] != '\0')
        std::fprintf(stderr, "Swiss Error: %s\n", serr);
}

} // namespace

AyanamsaMode ayanamsaModeFromInt(int value)
{
    return value >= 0 && value <= 4 ? static_cast<AyanamsaMode>(value) : AyanamsaMode::Krishnamurti;
}

std::string_view ayanamsaModeName(AyanamsaMode mode)
{
    switch (mode) {
    case AyanamsaMode::Lahiri:
        return "Lahiri";
    case AyanamsaMode::Sayana:
        return "Sayana";
    case AyanamsaMode::Raman:
        return "Raman";
    case AyanamsaMode::Custom:
        return "Custom";
    case AyanamsaMode::Krishnamurti:
        break;
    }
    return "Krishnamurti";
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

double julianDay(int year, int month, int day, double hourUt)
{
    return swe_julday(year, month, day, hourUt, SE_GREG_CAL);
}

Ephemeris& Ephemeris::shared()
{
    static Ephemeris ephemeris;
    return ephemeris;
}

Ephemeris::Ephemeris()
{
    // Only the data shipped beside the program is used: a path from the
    // environment would silently replace it.
    ::unsetenv("SE_EPHE_PATH");
    std::string path = libraryDataPath(ephemerisDataPath());
    swe_set_ephe_path(path.data());
    useFrame(AyanamsaMode::Krishnamurti, 0.0);
}

Ephemeris::~Ephemeris()
{
    swe_close();
}

void Ephemeris::useFrame(AyanamsaMode mode, double customAyanamsaDeg)
{
    mode_ = mode;
    customAyanamsaDeg_ = mode == AyanamsaMode::Custom ? customAyanamsaDeg : 0.0;
    calcFlags_ = mode == AyanamsaMode::Sayana ? SEFLG_SWIEPH | SEFLG_SPEED
                                              : SEFLG_SWIEPH | SEFLG_SPEED | SEFLG_SIDEREAL;
    switch (mode) {
    case AyanamsaMode::Lahiri:
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
        break;
    case AyanamsaMode::Raman:
        swe_set_sid_mode(SE_SIDM_RAMAN, 0, 0);
        break;
    case AyanamsaMode::Krishnamurti:
        swe_set_sid_mode(SE_SIDM_KRISHNAMURTI, 0, 0);
        break;
    // Sayana asks for no ayanamsa; the custom one is set at every request.
    case AyanamsaMode::Sayana:
    case AyanamsaMode::Custom:
        break;
    }
}

void Ephemeris::applyCustomMode(double julianDayUt)
{
    if (mode_ == AyanamsaMode::Custom)
        swe_set_sid_mode(SE_SIDM_USER, julianDayUt, customAyanamsaDeg_);
}

std::optional<EclipticPosition> Ephemeris::position(double julianDayUt, BodyId body)
{
    applyCustomMode(julianDayUt);
    std::array<double, 6> xx{};
    char serr[AS_MAXCH] = "";
    const int32 ret = swe_calc_ut(julianDayUt, body, calcFlags_, xx.data(), serr);
    reportLibraryText(serr);
    // Without its data file the library falls back to a less precise model,
    // enough to move a sub-sub lord: that is a failure, never a quiet result.
    if (ret < 0 || (ret & SEFLG_SWIEPH) == 0) {
        lastMessage_ = serr;
        return std::nullopt;
    }
    return EclipticPosition{xx[0], xx[1], xx[3]};
}

std::optional<std::array<double, 13>>
Ephemeris::placidusCusps(double julianDayUt, double latitudeDeg, double longitudeDeg)
{
    applyCustomMode(julianDayUt);
    std::array<double, 13> cusps{};
    std::array<double, 10> ascmc{};
    if (swe_houses_ex(julianDayUt, calcFlags_, latitudeDeg, longitudeDeg, 'P', cusps.data(),
                      ascmc.data()) == ERR)
        return std::nullopt;
    return cusps;
}

double Ephemeris::ayanamsaDeg(double julianDayUt)
{
    switch (mode_) {
    case AyanamsaMode::Sayana:
        return 0.0;
    case AyanamsaMode::Custom:
        return customAyanamsaDeg_;
    default:
        return swe_get_ayanamsa_ut(julianDayUt);
    }
}

std::optional<double> Ephemeris::nextSunRiseOrSet(double julianDayUt, double latitudeDeg,
                                                  double longitudeDeg, bool rise,
                                                  double pressureHpa, double temperatureC)
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

std::optional<double> Ephemeris::tropicalLatitude(double julianDayUt, BodyId body)
{
    std::array<double, 6> xx{};
    char serr[AS_MAXCH] = "";
    const int32 ret = swe_calc_ut(julianDayUt, body, SEFLG_SWIEPH, xx.data(), serr);
    if (ret < 0 || (ret & SEFLG_SWIEPH) == 0)
        return std::nullopt;
    return xx[1];
}

} // namespace lumikan::engine
