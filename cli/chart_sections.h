#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumikan::cli {

// The parts of a chart's output that --only chooses, in text and JSON alike.
enum class ChartSection : unsigned {
    Planets = 1u << 0,
    Cusps = 1u << 1,
    Significators = 1u << 2,
    Karakas = 1u << 3,
    SubTable = 1u << 4,
    Ruling = 1u << 5,
    Vargas = 1u << 6,
    Particulars = 1u << 7,
    Strength = 1u << 8,
    Dasha = 1u << 9,
    Display = 1u << 10,
};

class ChartSections {
public:
    static ChartSections all() { return ChartSections(0x7FFu); }
    static ChartSections none() { return ChartSections(0); }

    bool has(ChartSection section) const { return (bits_ & static_cast<unsigned>(section)) != 0; }
    void add(ChartSection section) { bits_ |= static_cast<unsigned>(section); }
    bool operator==(const ChartSections&) const = default;

private:
    explicit ChartSections(unsigned bits) : bits_(bits) {}
    unsigned bits_ = 0;
};

// The section names in output order: "planets", "cusps", ... "display".
const std::vector<std::pair<std::string_view, ChartSection>>& chartSectionNames();

// "planets,cusps": the sections named; empty with `error` set when a name is
// unknown or the list is empty.
std::optional<ChartSections> parseChartSections(std::string_view list, std::string& error);

} // namespace lumikan::cli
