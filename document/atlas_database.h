#pragma once

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumikan::document {

struct AtlasCountry {
    std::string_view code;  // lower case; the base name of the country's atlas file
    std::string_view name;  // what the pickers show
};

inline constexpr std::size_t kAtlasCountryCount = 92;

// The built-in country list, in the order the pickers keep their indexes by.
std::span<const AtlasCountry> atlasCountries();
// nullptr outside 0..91.
const AtlasCountry* atlasCountry(int index);
// Index of the country whose code or name equals `codeOrName` ignoring case, or -1.
int findAtlasCountry(std::string_view codeOrName);

struct AtlasCity {
    std::string name;            // UTF-8
    double latitude = 0.0;       // degrees, north positive
    double longitude = 0.0;      // degrees, east positive
    double timeZoneHours = 0.0;  // the record's own field; the pickers use the country's
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
};

// The atlas: the built-in country list, one country's file mapped read-only at
// a time, and the standard time zones by country name.
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
    bool OpenCountry(std::string_view code);
    void close();
    // Lower-case code of the open country; empty when none is open.
    const std::string& openCountryCode() const { return code_; }
    const std::filesystem::path& folder() const { return folder_; }

    std::uint32_t StateCount() const;
    std::string StateName(std::uint32_t state) const;
    std::uint32_t CityCount(std::uint32_t state) const;
    AtlasCity City(std::uint32_t state, std::uint32_t city) const;
    // The first state whose name equals `name` ignoring case, or -1.
    int FindState(std::string_view name) const;

    // Standard offset in hours east of UTC of a country by name; 0.0 when no
    // entry matches (an empty name matches none).
    static double CountryTimeZone(std::string_view countryName);
    // Hours of a picker's time-zone entry such as "UTC +5:30 (IST)"; 0.0 without a sign.
    static double ParseTimeZoneEntry(std::string_view entryText);

private:
    std::filesystem::path folder_;
    QFile file_;
    uchar* mapping_ = nullptr;
    std::optional<AtlasView> view_;
    std::string code_;
};

}  // namespace lumikan::document
