#pragma once

#include "document/atlas_zone_file.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumikan::document {

struct AtlasCountry {
    std::string_view code;  // lower case; the base name of the country's atlas files
    std::string_view iso;   // ISO 3166-1 alpha-2 in capitals; empty when it has none
    std::string_view name;  // what the pickers show
    std::string_view zones; // the country's IANA time zones, separated by blanks
};

// The 92 countries the program always had come first, in their order; every
// other country and territory of the city data follows.
inline constexpr std::size_t kAtlasCountryCount = 251;

// The built-in country list, in the order the pickers keep their indexes by.
std::span<const AtlasCountry> atlasCountries();
// nullptr outside the list.
const AtlasCountry* atlasCountry(int index);
// Index of the country whose code or name equals `codeOrName` ignoring case, or -1.
int findAtlasCountry(std::string_view codeOrName);
// The country's time zones, in the city data's order.
std::vector<std::string_view> countryZones(const AtlasCountry& country);

// A country named by a user: its name, its atlas code or its ISO code, ignoring
// case. A text that names two different countries (the atlas code of one, the
// ISO code of another) is ambiguous: `countries` then holds both.
struct CountryLookup {
    std::vector<int> countries; // indexes into the list; exactly one when found
    bool found() const { return countries.size() == 1; }
    bool ambiguous() const { return countries.size() > 1; }
};
CountryLookup lookUpCountry(std::string_view text);

struct AtlasCity {
    std::string name;            // UTF-8
    double latitude = 0.0;       // degrees, north positive
    double longitude = 0.0;      // degrees, east positive
    double timeZoneHours = 0.0;  // the record's own field; the pickers use the zone
    std::string zone;            // IANA time zone; empty when not known
};

// One atlas file held in memory, checked once when it is parsed: every table,
// record and name lies inside the bytes, names end with a zero byte inside
// them, coordinates are finite degrees. Lookups outside the file's ranges give
// empty results. The bytes must outlive the view.
class AtlasView {
public:
    static constexpr std::size_t kHeaderSize = 36;
    static constexpr std::size_t kStateRecordSize = 12;
    static constexpr std::size_t kCityRecordSize = 16;

    // Nothing when the bytes are not a sound atlas file.
    static std::optional<AtlasView> parse(std::span<const std::uint8_t> bytes);

    std::uint32_t stateCount() const { return stateCount_; }
    // Names as stored: UTF-8 unless the file is damaged (AtlasDatabase cleans them).
    std::string_view stateName(std::uint32_t state) const;
    std::uint32_t cityCount(std::uint32_t state) const;
    std::string_view cityName(std::uint32_t state, std::uint32_t city) const;
    AtlasCity city(std::uint32_t state, std::uint32_t city) const;
    // Cities in the city table up to the furthest one a state claims.
    std::uint32_t cityTableCount() const { return cityTableCount_; }
    // Index in the city table of a city of a state (valid indexes only).
    std::uint32_t cityTableIndex(std::uint32_t state, std::uint32_t city) const;

private:
    explicit AtlasView(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint32_t u32(std::size_t offset) const;
    std::string_view string(std::uint32_t poolOffset) const;
    std::size_t stateRecord(std::uint32_t state) const { return stateTable_ + kStateRecordSize * state; }
    std::size_t cityRecord(std::uint32_t state, std::uint32_t city) const;

    std::span<const std::uint8_t> bytes_;
    std::uint32_t stateCount_ = 0;
    std::size_t stateTable_ = 0;
    std::size_t cityTable_ = 0;
    std::size_t pool_ = 0;
    std::uint32_t cityTableCount_ = 0;
};

// The atlas: the built-in country list, one country's file mapped read-only at
// a time with the time zones of its cities, and the standard time zones by
// country name.
class AtlasDatabase {
public:
    // The atlas of the files in `folder` (<code>.bin each).
    explicit AtlasDatabase(std::filesystem::path folder);
    ~AtlasDatabase();
    AtlasDatabase(const AtlasDatabase&) = delete;
    AtlasDatabase& operator=(const AtlasDatabase&) = delete;

    // The process's one atlas, reading the folder beside the program; made on first use.
    static AtlasDatabase& instance();
    // "mondo/" in the program's folder, or relative to the current folder when
    // the program's folder is unknown.
    static std::filesystem::path defaultFolder();

    static std::span<const AtlasCountry> Countries() { return atlasCountries(); }

    // Makes the country's file the open one. The open country asked again is
    // not reopened; any failure leaves no country open. Codes other than ASCII
    // letters are refused, so a code cannot name a file outside the folder.
    // The zone file beside it (<code>.zones) is read too; when it is missing
    // or damaged the country still opens and zoneProblem() says why.
    bool OpenCountry(std::string_view code);
    void close();
    // Lower-case code of the open country; empty when none is open.
    const std::string& openCountryCode() const { return code_; }
    const std::filesystem::path& folder() const { return folder_; }

    std::uint32_t StateCount() const;
    std::string StateName(std::uint32_t state) const;
    std::uint32_t CityCount(std::uint32_t state) const;
    // The city with its zone: from the zone file, or, when that cannot be
    // read, the country's zone if it has only one (else none).
    AtlasCity City(std::uint32_t state, std::uint32_t city) const;
    // Why the open country's cities have no zones of their own; empty when they have.
    const std::string& zoneProblem() const { return zoneProblem_; }
    // The first state whose name equals `name` ignoring case, or -1.
    int FindState(std::string_view name) const;

    // Standard offset in hours east of UTC of a country by name; 0.0 when no
    // entry matches (an empty name matches none).
    static double CountryTimeZone(std::string_view countryName);
    // Hours of a picker's time-zone entry such as "UTC +5:30 (IST)"; 0.0 without a sign.
    static double ParseTimeZoneEntry(std::string_view entryText);

private:
    void readZoneFile(std::span<const std::uint8_t> atlasBytes);

    std::filesystem::path folder_;
    QFile file_;
    uchar* mapping_ = nullptr;
    std::optional<AtlasView> view_;
    std::string code_;
    std::optional<AtlasZoneFile> zoneFile_;
    std::vector<std::string_view> countryZones_;
    std::string zoneProblem_;
};

}  // namespace lumikan::document
