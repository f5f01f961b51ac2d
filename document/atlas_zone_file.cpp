#include "document/atlas_zone_file.h"

#include <algorithm>
#include <cstring>

namespace lumikan::document {

namespace {

std::uint32_t u32At(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    const std::uint8_t* p = bytes.data() + offset;
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

bool isZoneCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '/' ||
           c == '_' || c == '+' || c == '-';
}

} // namespace

std::uint32_t atlasFingerprint(std::span<const std::uint8_t> bytes)
{
    std::uint32_t hash = 0x811c9dc5u;
    for (const std::uint8_t b : bytes)
        hash = (hash ^ b) * 0x01000193u;
    return hash;
}

bool isZoneName(std::string_view zone)
{
    if (zone.empty() || zone.size() > 64 || !std::all_of(zone.begin(), zone.end(), isZoneCharacter))
        return false;
    std::size_t start = 0;
    while (start <= zone.size()) {
        const std::size_t end = std::min(zone.find('/', start), zone.size());
        if (end == start || zone[start] == '.')
            return false;
        start = end + 1;
    }
    return true;
}

std::optional<AtlasZoneFile> AtlasZoneFile::parse(std::span<const std::uint8_t> bytes,
                                                  std::uint32_t fingerprint,
                                                  std::uint32_t cityCount,
                                                  std::span<const std::string_view> allowedZones)
{
    if (bytes.size() < kHeaderSize || std::memcmp(bytes.data(), "ATLZ", 4) != 0)
        return std::nullopt;
    if (u32At(bytes, 4) != fingerprint || u32At(bytes, 8) != cityCount)
        return std::nullopt;
    const std::uint32_t zoneCount = u32At(bytes, 12);
    if (zoneCount == 0 || zoneCount > 255)
        return std::nullopt;

    AtlasZoneFile file;
    std::size_t at = kHeaderSize;
    for (std::uint32_t z = 0; z < zoneCount; ++z) {
        const auto* start = bytes.data() + at;
        const auto* zero = std::find(start, bytes.data() + bytes.size(), std::uint8_t{0});
        if (zero == bytes.data() + bytes.size())
            return std::nullopt;
        const std::string_view name(reinterpret_cast<const char*>(start),
                                    static_cast<std::size_t>(zero - start));
        const auto allowed = std::find(allowedZones.begin(), allowedZones.end(), name);
        if (!isZoneName(name) || allowed == allowedZones.end() ||
            std::find(file.zones_.begin(), file.zones_.end(), name) != file.zones_.end())
            return std::nullopt;
        file.zones_.push_back(*allowed);
        at += name.size() + 1;
    }
    // Sizes in 64 bits: the city count comes from the file.
    if (std::uint64_t{at} + cityCount != bytes.size())
        return std::nullopt;
    file.cityZone_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end());
    if (std::any_of(file.cityZone_.begin(), file.cityZone_.end(),
                    [&](std::uint8_t i) { return i >= zoneCount; }))
        return std::nullopt;
    return file;
}

std::string_view AtlasZoneFile::zoneOf(std::uint32_t cityTableIndex) const
{
    if (cityTableIndex >= cityZone_.size())
        return {};
    return zones_[cityZone_[cityTableIndex]];
}

} // namespace lumikan::document
