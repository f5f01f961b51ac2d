#pragma once

// Builds atlas files in memory and on disk for the atlas tests.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace lumikan::document::testing {

struct TestCity {
    std::string name;
    float latitude = 0;
    float longitude = 0;
    std::int16_t minutes = 0;
};

struct TestState {
    std::string name;
    std::vector<TestCity> cities;
};

inline void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint32_t get32(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 | std::uint32_t{bytes[at + 2]} << 16
        | std::uint32_t{bytes[at + 3]} << 24;
}

// Header offsets of the fields the reader uses.
inline constexpr std::size_t kStateCountAt = 12;
inline constexpr std::size_t kStateTableAt = 24;
inline constexpr std::size_t kCityTableAt = 28;
inline constexpr std::size_t kPoolAt = 32;

// The layout the atlas builder writes: header, state records, city records, names.
inline std::vector<std::uint8_t> atlasBytes(const std::vector<TestState>& states)
{
    std::size_t cityCount = 0;
    for (const TestState& s : states)
        cityCount += s.cities.size();
    const std::size_t stateTable = 36;
    const std::size_t cityTable = stateTable + 12 * states.size();
    const std::size_t pool = cityTable + 16 * cityCount;
    std::vector<std::uint8_t> bytes(pool, 0);
    std::memcpy(bytes.data(), "ATLB", 4);
    put32(bytes, kStateCountAt, static_cast<std::uint32_t>(states.size()));
    put32(bytes, kStateTableAt, static_cast<std::uint32_t>(stateTable));
    put32(bytes, kCityTableAt, static_cast<std::uint32_t>(cityTable));
    put32(bytes, kPoolAt, static_cast<std::uint32_t>(pool));

    const auto addName = [&](const std::string& name) {
        const auto offset = static_cast<std::uint32_t>(bytes.size() - pool);
        bytes.insert(bytes.end(), name.begin(), name.end());
        bytes.push_back(0);
        return offset;
    };
    std::uint32_t city = 0;
    for (std::size_t s = 0; s < states.size(); ++s) {
        const std::size_t at = stateTable + 12 * s;
        put32(bytes, at, addName(states[s].name));
        put32(bytes, at + 4, city);
        put32(bytes, at + 8, static_cast<std::uint32_t>(states[s].cities.size()));
        for (const TestCity& c : states[s].cities) {
            const std::size_t record = cityTable + 16 * city++;
            put32(bytes, record, addName(c.name));
            std::memcpy(&bytes[record + 4], &c.latitude, 4);
            std::memcpy(&bytes[record + 8], &c.longitude, 4);
            bytes[record + 12] = static_cast<std::uint8_t>(c.minutes & 0xFF);
            bytes[record + 13] = static_cast<std::uint8_t>((c.minutes >> 8) & 0xFF);
        }
    }
    return bytes;
}

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
public:
    explicit TempFolder(const std::string& tag)
        : path_(std::filesystem::temp_directory_path()
                / ("lumikan-atlas-" + tag + "-" + std::to_string(::getpid())))
    {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    void write(const std::string& fileName, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream out(path_ / fileName, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

private:
    std::filesystem::path path_;
};

inline std::filesystem::path committedAtlasFolder()
{
    return std::filesystem::path(LUMIKAN_SOURCE_DIR) / "mondo";
}

}  // namespace lumikan::document::testing
