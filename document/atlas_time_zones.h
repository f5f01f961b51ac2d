#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace lumikan::document {

struct CountryTimeZoneEntry {
    std::string_view name;
    double hours;  // east of UTC
};

inline constexpr std::size_t kCountryTimeZoneCount = 284;
inline constexpr std::size_t kTimeZoneEntryCount = 29;

// The standard time zones by country name, grouped by offset, in lookup order.
std::span<const CountryTimeZoneEntry> countryTimeZoneEntries();

// The pickers' time-zone entries ("UTC -11:00" ... "UTC +13:00") in the order
// they are added; an empty text outside 0..28.
std::span<const std::string_view> timeZoneEntries();
std::string_view timeZoneEntry(int index);

// The first entry whose hours lie within 0.01 of `hours`, or -1.
int findTimeZoneEntry(double hours);

}  // namespace lumikan::document
