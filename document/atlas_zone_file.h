#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace lumikan::document {

// FNV-1a, 32 bits: the fingerprint a zone file carries of its atlas file.
std::uint32_t atlasFingerprint(std::span<const std::uint8_t> bytes);

// Whether `zone` is written as an IANA zone name: ASCII letters, digits and
// "/_+-", components that are neither empty nor start with a dot, at most 64
// characters. Such a name cannot reach outside the zone database's folder.
bool isZoneName(std::string_view zone);

// The companion of one atlas file: the IANA zone of each city of its city
// table. Layout (little-endian): "ATLZ", the atlas file's fingerprint, the
// number of cities, the number of zones Z (1..255), Z zero-terminated zone
// names, then one byte per city (its zone's index); nothing after that.
// Parsed only when every part checks: the fingerprint and city count match the
// atlas file, every name is a zone name of `allowedZones` (the country's own
// list) and appears once, every index is in range.
class AtlasZoneFile {
public:
    static constexpr std::size_t kHeaderSize = 16;

    static std::optional<AtlasZoneFile> parse(std::span<const std::uint8_t> bytes,
                                              std::uint32_t atlasFingerprint,
                                              std::uint32_t cityCount,
                                              std::span<const std::string_view> allowedZones);

    std::uint32_t cityCount() const { return static_cast<std::uint32_t>(cityZone_.size()); }
    // Zone of a city by its index in the city table; empty outside the table.
    std::string_view zoneOf(std::uint32_t cityTableIndex) const;

private:
    std::vector<std::string_view> zones_; // views into allowedZones
    std::vector<std::uint8_t> cityZone_;
};

} // namespace lumikan::document
