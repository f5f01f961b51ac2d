// Zone files come from disk beside the atlas files and may be damaged or
// hostile; the reader must reject them or read them without leaving the bytes.
// The same bytes also go through the offset text parser, which reads what
// users type.
#include "document/atlas_zone_file.h"
#include "document/utc_offset_text.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lumikan::document;
    const std::string_view text(reinterpret_cast<const char*>(data), data == nullptr ? 0 : size);
    volatile int sink = parseUtcOffset(text).value_or(0) + (isZoneName(text) ? 1 : 0);

    // The fingerprint and city count the file must carry come from its own
    // header, so that the fuzzer reaches the names and indexes behind them.
    const std::span<const std::uint8_t> bytes(data, data == nullptr ? 0 : size);
    const auto u32 = [&](std::size_t at) {
        return bytes.size() < at + 4
                   ? 0u
                   : std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
                         std::uint32_t{bytes[at + 2]} << 16 | std::uint32_t{bytes[at + 3]} << 24;
    };
    static constexpr std::string_view kZones[] = {"America/New_York", "America/Chicago",
                                                  "Asia/Kolkata", "UTC"};
    const auto file = AtlasZoneFile::parse(bytes, u32(4), u32(8), kZones);
    if (!file)
        return 0;
    for (std::uint32_t c = 0; c <= file->cityCount(); ++c)
        sink = sink + static_cast<int>(file->zoneOf(c).size());
    (void)sink;
    return 0;
}
