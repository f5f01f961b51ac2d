// Atlas files come from disk and may be damaged or hostile; the reader must
// reject them or read them without leaving the bytes. The same bytes also go
// through the time-zone text parsers, which read settings text.
#include "document/atlas_database.h"
#include "document/atlas_place_picker.h"
#include "document/atlas_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace lumikan::document;
    const std::string_view text(reinterpret_cast<const char*>(data), data == nullptr ? 0 : size);
    volatile double sink = AtlasDatabase::ParseTimeZoneEntry(text) + AtlasDatabase::CountryTimeZone(text.substr(0, 64));

    const auto view = AtlasView::parse(std::span<const std::uint8_t>(data, data == nullptr ? 0 : size));
    if (!view)
        return 0;
    // Overlapping states can claim the same cities many times over: cap the walk.
    std::size_t budget = 20000;
    std::vector<std::string> names;
    for (std::uint32_t s = 0; s <= view->stateCount() && budget > 0; ++s) {
        const std::string state = validUtf8(view->stateName(s));
        const std::uint32_t count = view->cityCount(s);
        for (std::uint32_t c = 0; c <= count && budget > 0; ++c, --budget) {
            const AtlasCity city = view->city(s, c);
            sink = sink + city.latitude + city.longitude + city.timeZoneHours;
            if (names.size() < 256)
                names.push_back(city.name);
        }
        sink = sink + static_cast<double>(state.size() + view->cityName(s, count).size());
    }
    const TypeAheadIndex index(names);
    sink = sink + static_cast<double>(index.match(text.substr(0, std::min<std::size_t>(text.size(), 3))).size());
    (void)sink;
    return 0;
}
